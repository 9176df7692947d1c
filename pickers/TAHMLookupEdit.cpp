#include "pickers/TAHMLookupEdit.h"

#include "runtime/BitmapResource.h"

TAHMLookupEdit::TAHMLookupEdit(QWidget* parent) : TAHMCustomLookupEdit(parent)
{
    editButton1()->setNumGlyphs(2);
    editButton1()->setGlyph(runtime::LoadBitmapResource(QStringLiteral("AHMLOOKUPEDITB1")));
    editButton2()->setNumGlyphs(2);
    editButton2()->setGlyph(runtime::LoadBitmapResource(QStringLiteral("AHMLOOKUPEDITB2")));
}
