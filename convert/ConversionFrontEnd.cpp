#include "convert/ConversionFrontEnd.h"

#include "convert/Messages.h"
#include "runtime/FileList.h"
#include "runtime/MessageService.h"
#include "runtime/RuntimeError.h"
#include "runtime/Shell.h"

#include <QDir>

namespace convert {

void ConversionFrontEnd::showMessage(const QString& text)
{
    runtime::ShowMessage(text);
}

bool ConversionFrontEnd::askToViewResult()
{
    return runtime::MessageBox(owner(), ViewResultPrompt, ViewResultCaption, runtime::MbYesNo) != runtime::IdNo;
}

void ConversionFrontEnd::openResult(const QString& quotedPath)
{
    // The user asked to see it: a silent failure would look like a hang.
    if (!runtime::ShellOpen(quotedPath))
        showMessage(CannotOpenResultMessage(quotedPath));
}

QStringList ConversionFrontEnd::listDocuments(const QString& folderText, QString& directory)
{
    const runtime::FolderAndMask parts = runtime::SplitFolderAndMask(folderText);
    // A folder typed by hand keeps the list's own mask.
    const QString mask = parts.mask.isEmpty() ? QStringLiteral("*.pdf") : parts.mask;
    const QString folder = parts.folder.isEmpty() ? QStringLiteral("/") : parts.folder;
    if (!QDir::setCurrent(folder))
        throw runtime::RuntimeError(QStringLiteral("Path not found: %1").arg(folder));
    directory = QDir::currentPath();
    return runtime::ListMatchingFiles(directory, mask);
}

} // namespace convert
