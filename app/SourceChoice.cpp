#include "app/SourceChoice.h"

#include <QDir>
#include <QFileInfo>

namespace app {

namespace {

QString cleanAbsolute(const QString& path, const QString& base)
{
    return QDir::cleanPath(QDir(base).absoluteFilePath(path));
}

// Extensions count in any letter case, as for the batch.
bool isPdfFile(const QFileInfo& info)
{
    return info.isFile() && info.suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

} // namespace

SourceChoice SourceFromArgument(const QString& argument, const QString& workingDirectory)
{
    if (argument.isEmpty())
        return {};
    const QString path = cleanAbsolute(argument, workingDirectory);
    return {QFileInfo(path).isDir() ? SourceChoice::Folder : SourceChoice::File, path};
}

SourceChoice SourceFromDrop(const QStringList& paths)
{
    if (paths.isEmpty())
        return {};
    if (paths.size() == 1) {
        const QFileInfo info(paths.first());
        if (info.isDir())
            return {SourceChoice::Folder, QDir::cleanPath(info.absoluteFilePath())};
        if (isPdfFile(info))
            return {SourceChoice::File, QDir::cleanPath(info.absoluteFilePath())};
        return {};
    }
    QString folder;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!isPdfFile(info))
            return {};
        const QString parent = QDir::cleanPath(info.absolutePath());
        if (!folder.isEmpty() && parent != folder)
            return {};
        folder = parent;
    }
    return {SourceChoice::Folder, folder};
}

} // namespace app
