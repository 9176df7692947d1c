#include "runtime/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace runtime {

namespace {

QString withoutQuotes(QString text)
{
    if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
        text = text.mid(1, text.size() - 2);
    return text;
}

} // namespace

bool ShellOpen(const QString& document)
{
    const QString target = withoutQuotes(document);
    const QUrl url(target);
    // "http://..." and the like are addresses; everything else is a path.
    const bool address = url.isValid() && url.scheme().size() > 1 && !url.isLocalFile();
    return QDesktopServices::openUrl(address ? url : QUrl::fromLocalFile(target));
}

} // namespace runtime
