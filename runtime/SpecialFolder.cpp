#include "runtime/SpecialFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace runtime {

namespace {

QString location(QStandardPaths::StandardLocation where, const QString& below = QString())
{
    const QString base = QStandardPaths::writableLocation(where);
    if (base.isEmpty())
        return QString();
    return below.isEmpty() ? base : base + QLatin1Char('/') + below;
}

QString candidate(int folder)
{
    switch (folder) {
    case sfDesktop:
    case sfDesktopDirectory:
        return location(QStandardPaths::DesktopLocation);
    case sfPersonal:
        return location(QStandardPaths::DocumentsLocation);
    case sfTemplates:
        return location(QStandardPaths::TemplatesLocation);
    case sfFonts:
        return location(QStandardPaths::FontsLocation);
    // Desktop entries of the user's applications make up the start menu.
    case sfPrograms:
    case sfStartMenu:
        return location(QStandardPaths::ApplicationsLocation);
    // Programs started at log-in are listed in the XDG autostart folder.
    case sfStartup:
        return location(QStandardPaths::GenericConfigLocation, QStringLiteral("autostart"));
    // Desktops that keep recent documents as files keep them here.
    case sfRecent:
        return location(QStandardPaths::GenericDataLocation, QStringLiteral("RecentDocuments"));
    case sfRecycleBin:
        return location(QStandardPaths::GenericDataLocation, QStringLiteral("Trash/files"));
    // All drives hang below the root of the one file system.
    case sfMyComputer:
        return QDir::rootPath();
    default:
        return QString();
    }
}

} // namespace

QString SpecialFolderPath(int folder)
{
    const QString path = candidate(folder);
    return !path.isEmpty() && QDir(path).exists() ? QDir::cleanPath(path) : QString();
}

} // namespace runtime
