#include "GallerySections.h"
#include "GallerySheet.h"

#include "pickers/TAHMExplorerView.h"
#include "pickers/TAHMFileLookup.h"
#include "pickers/TAHMFolderLookup.h"
#include "pickers/TAHMLookupEdit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

template <class Lookup>
Lookup* lookup(GallerySheet& sheet, const QString& text)
{
    auto* edit = sheet.make<Lookup>();
    edit->resize(369, 21);
    edit->setText(text);
    return edit;
}

// A folder as a batch meets it: documents whose extensions differ in case,
// a file of another kind and a sub-folder.
void fillFolder(const QString& path)
{
    QDir(path).mkdir(QStringLiteral("Archive"));
    for (const char* name : {"annual report.pdf", "B.Pdf", "C.PDF", "notes.txt", "Übersicht.pdf"}) {
        QFile file(QDir(path).filePath(QString::fromUtf8(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write("%PDF-1.4\n");
    }
}

void pickers(GallerySheet& sheet)
{
    const QString document = QStringLiteral("/home/user/Documents/annual report.pdf");
    sheet.add(QStringLiteral("file lookup"), lookup<TAHMFileLookup>(sheet, document));

    auto* both = lookup<TAHMLookupEdit>(sheet, QStringLiteral("lookup edit"));
    both->editButton2()->setVisible(true);
    sheet.add(QStringLiteral("lookup edit, both buttons"), both);

    auto* disabled = lookup<TAHMFileLookup>(sheet, document);
    disabled->setEnabled(false);
    sheet.add(QStringLiteral("file lookup, disabled"), disabled);

    sheet.add(QStringLiteral("folder lookup"), lookup<TAHMFolderLookup>(sheet, QStringLiteral("/home/user/Documents")));

    auto* folderDisabled = lookup<TAHMFolderLookup>(sheet, QStringLiteral("/home/user/Documents"));
    folderDisabled->setEnabled(false);
    sheet.add(QStringLiteral("folder lookup, disabled"), folderDisabled);

    QTemporaryDir folder;
    if (!folder.isValid())
        return;
    fillFolder(folder.path());
    auto* view = sheet.make<TAHMExplorerView>();
    view->resize(200, 120);
    view->setMask(QStringLiteral("*.pdf"));
    view->setDirectory(folder.path());
    QCoreApplication::processEvents();
    sheet.add(QStringLiteral("explorer view, *.pdf"), view);

    auto* all = sheet.make<TAHMExplorerView>();
    all->resize(200, 120);
    all->setFileType(widgets::FileListBox::ftNormal | widgets::FileListBox::ftDirectory);
    all->setDirectory(folder.path());
    QCoreApplication::processEvents();
    sheet.add(QStringLiteral("with folders"), all);
}

const GallerySection pickersSection(40, "Path pickers", pickers);

} // namespace
