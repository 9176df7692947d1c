#include "app/TypedPath.h"

namespace app {

QString ExpandHome(const QString& typed, const QString& home)
{
    if (typed == QLatin1String("~"))
        return home;
    if (typed.startsWith(QLatin1String("~/")))
        return home + typed.mid(1);
    return typed;
}

} // namespace app
