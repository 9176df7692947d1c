#include "convert/Zoom.h"

#include "runtime/StrToInt.h"

namespace convert {

bool HasPercentageSymbol(const QString& zoomText)
{
    return zoomText.contains(u'%');
}

int ZoomPercent(const QString& zoomText)
{
    return runtime::StrToInt(zoomText.left(zoomText.size() - 1));
}

QString ZoomFactor(const QString& zoomText)
{
    const int percent = ZoomPercent(zoomText);
    // QString::number never uses the locale, so the separator stays ".".
    return QString::number(percent / 100.0, 'g', 15);
}

} // namespace convert
