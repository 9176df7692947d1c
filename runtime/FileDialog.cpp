#include "runtime/FileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace runtime {

namespace {

// Name filters of Qt's dialog compare without regard to case as long as
// CaseSensitive is left out of the dialog's filter; it is set here rather
// than relying on the default.
QDir::Filters entryFilter(OpenOptions options)
{
    QDir::Filters filters = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::AllDirs;
    if (options & ofForceShowHidden)
        filters |= QDir::Hidden;
    return filters;
}

void setUpOpenFile(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.options & ofAllowMultiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setFilter(entryFilter(request.options));
    dialog.setOption(QFileDialog::DontResolveSymlinks, bool(request.options & ofNoDereferenceLinks));
    dialog.setNameFilters(QtNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultExt);
    // A file name with a folder of its own wins over the initial folder.
    const QFileInfo file(request.fileName);
    if (!request.fileName.isEmpty() && file.isAbsolute() && file.dir().exists())
        dialog.setDirectory(file.dir());
    else if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

bool isInside(const QString& path, const QString& root)
{
    const QString relative = QDir(root).relativeFilePath(path);
    return !relative.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(relative);
}

void addStatusLine(QFileDialog& dialog, const FileDialogRequest& request)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid)
        return;
    auto* status = new QLabel(&dialog);
    status->setObjectName(QLatin1String(FolderDialogStatusLineName));
    grid->addWidget(status, grid->rowCount(), 0, 1, grid->columnCount());
    if (!request.pathInStatus)
        return;
    const auto show = [status](const QString& path) { status->setText(QDir::toNativeSeparators(path)); };
    QObject::connect(&dialog, &QFileDialog::currentChanged, status, show);
    QObject::connect(&dialog, &QFileDialog::directoryEntered, status, show);
    show(dialog.directory().absolutePath());
}

void setUpFolder(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, request.dirsOnly);
    if (!request.root.isEmpty()) {
        // The tree starts at the root: the user is kept inside it. (The side
        // bar is left alone: Qt would remember a root put there for every
        // later dialog.)
        dialog.setDirectory(request.root);
        QObject::connect(&dialog, &QFileDialog::directoryEntered, &dialog,
                         [&dialog, root = request.root](const QString& dir) {
                             if (!isInside(dir, root))
                                 dialog.setDirectory(root);
                         });
    }
    if (!request.selection.isEmpty() && (request.root.isEmpty() || isInside(request.selection, request.root)))
        dialog.setDirectory(request.selection);
    if (request.statusLine)
        addStatusLine(dialog, request);

    // The folder dialog opens in the middle of the screen.
    dialog.adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        dialog.move(area.left() + area.width() / 2 - dialog.width() / 2,
                    area.top() + area.height() / 2 - dialog.height() / 2);
    }
}

} // namespace

QStringList QtNameFilters(const QString& filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList masks = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& mask : masks) {
            mask = mask.trimmed();
            if (mask == QLatin1String("*.*"))
                mask = QStringLiteral("*");
        }
        result << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), masks.join(QLatin1Char(' ')));
    }
    return result;
}

std::unique_ptr<QFileDialog> CreateFileDialog(QWidget* owner, const FileDialogRequest& request)
{
    auto dialog = std::make_unique<QFileDialog>(owner);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // An empty title keeps the dialog's own caption.
    if (!request.title.isEmpty())
        dialog->setWindowTitle(request.title);
    if (request.kind == FileDialogKind::Folder)
        setUpFolder(*dialog, request);
    else
        setUpOpenFile(*dialog, request);
    return dialog;
}

} // namespace runtime
