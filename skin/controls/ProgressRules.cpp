#include "skin/controls/ProgressRules.h"

#include <algorithm>

qint64 ProgressPercent(int min, int max, int position)
{
    if (min == max)
        return 0;
    return (qint64(position) - min) * 100 / (qint64(max) - min);
}

QString ProgressCaption(int min, int max, int position)
{
    return QString::number(ProgressPercent(min, max, position)) + QLatin1Char('%');
}

int ProgressFilledLength(int min, int max, int position, int length)
{
    if (min >= max || min >= position)
        return 0;
    if (position > max)
        return length;
    return int((qint64(position) - min) * length / (qint64(max) - min));
}

ProgressParts ProgressLayout(TsuiProgressBarOrientation orientation, QSize client, int min, int max, int position)
{
    const int w = client.width(), h = client.height();
    ProgressParts parts;
    if (orientation == suiHorizontal) {
        // Column n is the first one of the background; a zero length still
        // starts the background at column 1 (n = 1 leaves the picture empty).
        const int n = std::max(1, ProgressFilledLength(min, max, position, w - 1));
        parts.picture = QRect(1, 1, n - 1, h - 2);
        parts.rest = QRect(n, 1, w - 1 - n, h - 2);
    } else {
        // Row t is the first row of the picture, which runs down to the row
        // above the bottom frame line.
        const int t = std::max(1, (h - 1) - ProgressFilledLength(min, max, position, h - 1));
        parts.rest = QRect(1, 1, w - 2, t - 1);
        parts.picture = QRect(1, t, w - 2, h - 1 - t);
    }
    return parts;
}

QSize ProgressSizeFor(TsuiProgressBarOrientation orientation, QSize current)
{
    const int length = std::max(current.width(), current.height());
    return orientation == suiVertical ? QSize(ProgressBarThickness, length) : QSize(length, ProgressBarThickness);
}
