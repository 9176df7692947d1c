#include "app/UserGuide.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>

QString FindUserGuide()
{
    const QStringList candidates = {
#ifdef QUARLEX_INSTALLED_README
        QStringLiteral(QUARLEX_INSTALLED_README),
#endif
#ifdef QUARLEX_SOURCE_README
        QStringLiteral(QUARLEX_SOURCE_README),
#endif
    };
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile())
            return QFileInfo(path).canonicalFilePath();
    }
    return {};
}

QString RenderUserGuide(const QString& markdownPath, const QString& folder)
{
    QFile source(markdownPath);
    if (!source.open(QIODevice::ReadOnly))
        return markdownPath;
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    document.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("QUARLEX user guide"));

    // Written whole or not at all, so a browser never shows half a page.
    const QString page = QDir(folder).filePath(QStringLiteral("quarlex-guide.html"));
    QSaveFile out(page);
    if (!QDir().mkpath(folder) || !out.open(QIODevice::WriteOnly))
        return markdownPath;
    out.write(document.toHtml().toUtf8());
    return out.commit() ? page : markdownPath;
}

QString UserGuidePage()
{
    const QString guide = FindUserGuide();
    if (guide.isEmpty())
        return {};
    return RenderUserGuide(guide, QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
}
