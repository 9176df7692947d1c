#include "runtime/FileList.h"

#include <QDir>
#include <QRegularExpression>

namespace runtime {

namespace {

// Only "*" and "?" are wildcards in a mask; brackets and every other
// character stand for themselves, as they do in the file names.
QRegularExpression maskExpression(const QString& mask)
{
    QString pattern;
    for (QChar c : mask) {
        if (c == QLatin1Char('*'))
            pattern += QStringLiteral(".*");
        else if (c == QLatin1Char('?'))
            pattern += QLatin1Char('.');
        else
            pattern += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::CaseInsensitiveOption
                                  | QRegularExpression::DotMatchesEverythingOption);
}

QStringList listMatching(const QString& dir, const QString& masks, QDir::Filters kind)
{
    QStringList result;
    const QStringList names = QDir(dir).entryList(kind | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QString& name : names) {
        if (MatchesMask(name, masks))
            result << name;
    }
    SortIgnoringCase(result);
    return result;
}

} // namespace

bool MatchesMask(const QString& name, const QString& masks)
{
    const QStringList parts = masks.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString mask : parts) {
        mask = mask.trimmed();
        // "*.*" means every name, with or without an extension.
        if (mask == QLatin1String("*.*") || mask == QLatin1String("*"))
            return true;
        if (!mask.isEmpty() && maskExpression(mask).match(name).hasMatch())
            return true;
    }
    return false;
}

QStringList ListMatchingFiles(const QString& dir, const QString& masks)
{
    return listMatching(dir, masks, QDir::Files);
}

QStringList ListMatchingFolders(const QString& dir, const QString& masks)
{
    return listMatching(dir, masks, QDir::Dirs);
}

void SortIgnoringCase(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

FolderAndMask SplitFolderAndMask(const QString& path, QChar delimiter)
{
    const qsizetype cut = path.lastIndexOf(delimiter);
    const QString last = path.mid(cut + 1);
    if (!last.contains(QLatin1Char('*')) && !last.contains(QLatin1Char('?')))
        return {path, QString()};
    if (cut < 0)
        return {QString(), last};
    // The root folder keeps its delimiter: "/*.pdf" lists "/", not "".
    return {cut == 0 ? QString(delimiter) : path.left(cut), last};
}

} // namespace runtime
