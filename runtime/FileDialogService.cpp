#include "runtime/FileDialogService.h"

#include "runtime/FileDialog.h"

#include <QFileDialog>

namespace runtime {

namespace {
FileDialogService::Responder& responder()
{
    static FileDialogService::Responder instance;
    return instance;
}
} // namespace

void FileDialogService::setResponder(Responder r)
{
    responder() = std::move(r);
}

bool FileDialogService::hasResponder()
{
    return static_cast<bool>(responder());
}

FileDialogAnswer FileDialogService::show(QWidget* owner, const FileDialogRequest& request)
{
    if (responder())
        return responder()(request);
    const std::unique_ptr<QFileDialog> dialog = CreateFileDialog(owner, request);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return {true, dialog->selectedFiles().first()};
}

} // namespace runtime
