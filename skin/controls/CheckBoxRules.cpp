#include "skin/controls/CheckBoxRules.h"

#include <algorithm>

namespace {
QRect ltrb(int l, int t, int r, int b)
{
    return QRect(l, t, r - l, b - t);
}
} // namespace

int CheckBoxFrameOf(bool checked, bool enabled)
{
    if (enabled)
        return checked ? 1 : 2;
    return checked ? 3 : 4;
}

QSize CheckBoxAutoSize(QSize picture, int captionWidth, int lineHeight)
{
    return {picture.width() + captionWidth + 8, std::max(lineHeight + 2, picture.height()) + 4};
}

QPoint CheckBoxImagePos(int clientHeight, QSize picture)
{
    return {1, (clientHeight - picture.height()) / 2};
}

QRect CheckBoxCaptionBox(QSize client, QSize picture, int lineHeight)
{
    return ltrb(picture.width() + 4, (client.height() - lineHeight) / 2, client.width(), client.height());
}

QRect CheckBoxFocusRect(QSize client, QSize picture, int lineHeight)
{
    const QRect caption = CheckBoxCaptionBox(client, picture, lineHeight);
    return ltrb(caption.left() - 1, caption.top(), client.width(), caption.top() + lineHeight + 2);
}
