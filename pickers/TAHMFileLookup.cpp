#include "pickers/TAHMFileLookup.h"

#include "runtime/BitmapResource.h"

TAHMFileLookup::TAHMFileLookup(QWidget* parent) : TAHMCustomLookupEdit(parent)
{
    editButton1()->setNumGlyphs(2);
    editButton1()->setGlyph(runtime::LoadBitmapResource(QStringLiteral("TAHMFileLookupA")));
    clear();
    editButton2()->setVisible(false);
    connect(this, &TAHMCustomLookupEdit::OnButton1Click, this, &TAHMFileLookup::Lookup);
}

void TAHMFileLookup::Lookup()
{
    runtime::FileDialogRequest request;
    request.kind = runtime::FileDialogKind::OpenFile;
    request.defaultExt = m_defaultExt;
    request.initialDir = m_initialDir;
    request.filter = m_filter;
    request.fileName = text();
    request.options = m_options;
    request.title = m_title;
    const runtime::FileDialogAnswer answer = runtime::FileDialogService::show(window(), request);
    if (answer.accepted)
        setText(answer.path);
}
