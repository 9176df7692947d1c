#include "app/TypedPath.h"

#include <QUrl>

namespace app {

QString TypedLocalPath(const QString& typed, const QString& home)
{
    if (typed == QLatin1String("~"))
        return home;
    if (typed.startsWith(QLatin1String("~/")))
        return home + typed.mid(1);
    if (typed.startsWith(QLatin1String("file://"), Qt::CaseInsensitive)) {
        const QUrl url(typed, QUrl::StrictMode);
        if (url.isValid() && url.isLocalFile() && url.host().isEmpty())
            return url.toLocalFile();
    }
    return typed;
}

} // namespace app
