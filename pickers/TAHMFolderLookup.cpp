#include "pickers/TAHMFolderLookup.h"

#include "runtime/BitmapResource.h"
#include "runtime/FileDialogService.h"
#include "runtime/SpecialFolder.h"

#include <QFileInfo>
#include <array>

TAHMFolderLookup::TAHMFolderLookup(QWidget* parent) : TAHMCustomLookupEdit(parent)
{
    editButton1()->setNumGlyphs(2);
    editButton1()->setGlyph(runtime::LoadBitmapResource(QStringLiteral("AHMFolderLookup")));
    editButton2()->setVisible(false);
    connect(this, &TAHMCustomLookupEdit::OnButton1Click, this, &TAHMFolderLookup::Lookup);
}

int TAHMFolderLookup::SpecialFolderOf(TAHMRoots root)
{
    // Indexed by TAHMRoots, in its order.
    static constexpr std::array<int, csidlTemplates + 1> numbers = {
        runtime::sfDesktop,
        -1,
        runtime::sfPrograms,
        runtime::sfControlPanel,
        runtime::sfPrinters,
        runtime::sfPersonal,
        runtime::sfFavorites,
        runtime::sfStartup,
        runtime::sfRecent,
        runtime::sfSendTo,
        runtime::sfRecycleBin,
        runtime::sfStartMenu,
        runtime::sfDesktopDirectory,
        runtime::sfMyComputer,
        runtime::sfNetwork,
        runtime::sfNetworkNeighborhood,
        runtime::sfFonts,
        runtime::sfTemplates,
    };
    return root >= 0 && root < int(numbers.size()) ? numbers[root] : -1;
}

QString TAHMFolderLookup::RootFolder(TAHMRoots root)
{
    // Roots with no Linux counterpart (control panel, printers, network, ...)
    // come back empty from the runtime: the dialog then offers the whole
    // file system, as it does for csidlDesktopExpanded.
    const int folder = SpecialFolderOf(root);
    return folder < 0 ? QString() : runtime::SpecialFolderPath(folder);
}

bool TAHMFolderLookup::Lookup()
{
    emit BeforeLookup(this);

    runtime::FileDialogRequest request;
    request.kind = runtime::FileDialogKind::Folder;
    request.title = m_lookupCaption;
    request.root = RootFolder(m_lookupRoot);
    // Every folder the dialog offers lives in the file system, so
    // FileSystemDirsOnly always holds; the flag is still handed on.
    request.dirsOnly = m_lookupFlags.testFlag(FileSystemDirsOnly);
    request.statusLine = m_lookupFlags.testFlag(StatusText);
    // The path can only be shown where there is a status line to show it in.
    request.pathInStatus = request.statusLine && m_lookupFlags.testFlag(DisplayPath);
    // A text that is no existing folder (such as a folder followed by a
    // mask) opens the dialog without a selection.
    if (QFileInfo(text()).isDir())
        request.selection = text();
    else if (QFileInfo(m_initialDir).isDir())
        request.selection = m_initialDir;

    QWidget* owner = m_ownerHandle ? m_ownerHandle.data() : window();
    const runtime::FileDialogAnswer answer = runtime::FileDialogService::show(owner, request);
    if (answer.accepted) {
        const QString path = answer.path;
        m_displayName = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
        // Compared exactly: a folder that differs only in case is another
        // folder here.
        if (path != text()) {
            const QString oldPath = text();
            setText(path);
            emit OnPathChanged(this, oldPath, text());
        } else {
            setText(path);
        }
    }
    emit AfterLookup(this);
    return answer.accepted;
}
