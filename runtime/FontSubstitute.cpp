#include "runtime/FontSubstitute.h"

namespace runtime {

QString DesignedFontSubstitute()
{
    return QStringLiteral("Liberation Sans");
}

QString SubstituteFontFamily(const QString& family)
{
    if (family == QLatin1String("MS Sans Serif") || family == QLatin1String("Tahoma"))
        return DesignedFontSubstitute();
    return family;
}

} // namespace runtime
