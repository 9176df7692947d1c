#include "skin/chrome/TitleBarLayout.h"

namespace chrome {

namespace {
constexpr int kAlignLeft = 0;
constexpr int kAlignRight = 1;
constexpr int kAlignClient = 2;
} // namespace

QList<SectionPlacement> PlaceSections(const QList<SectionSlot>& sections, int barWidth, int barHeight)
{
    QList<SectionPlacement> placed;
    int left = -1;            // last column of the left row
    int right = barWidth + 1; // one past the first column of the right row
    int client = -1;
    for (int i = 0; i < sections.size(); ++i) {
        const SectionSlot& s = sections[i];
        if (s.align == kAlignLeft) {
            placed.append({i, QRect(left + 1, 0, s.width, barHeight), s.stretch});
            left += s.width;
        } else if (s.align == kAlignRight) {
            if (barWidth - left >= s.width) {
                placed.append({i, QRect(right - s.width - 1, 0, s.width, barHeight), s.stretch});
                right -= s.width;
            }
        } else if (s.align == kAlignClient) {
            client = i;
        }
    }
    if (client >= 0)
        placed.append({client, QRect(QPoint(left + 1, 0), QPoint(right - 2, barHeight - 1)), true});
    return placed;
}

ButtonRowLayout PlaceButtons(const QList<ButtonSlot>& buttons, const ButtonRowMetrics& m)
{
    ButtonRowLayout layout;
    layout.x.fill(-1, buttons.size());
    int xr = m.barWidth + m.rightOffset + 1;
    for (int i = 0; i < buttons.size(); ++i) {
        const ButtonSlot& b = buttons[i];
        if (!b.visible)
            continue;
        if (b.controlBox) {
            layout.controlBox = i;
            continue;
        }
        xr -= b.width + m.buttonInterval + 1;
        layout.x[i] = xr;
    }
    int xl = m.leftOffset;
    if (layout.controlBox >= 0) {
        layout.x[layout.controlBox] = xl;
        xl += m.drawAppIcon ? kAppIconAdvance : buttons[layout.controlBox].width + 5;
    }
    if (xl == 0)
        xl = 6;
    layout.captionLeft = xl;
    layout.captionRight = xr;
    return layout;
}

QString ShortenCaption(const QString& text, int room, const std::function<int(const QString&)>& textWidth)
{
    if (textWidth(text) <= room)
        return text;
    const QString ellipsis = QStringLiteral("...");
    QString shortened = text;
    while (!shortened.isEmpty()) {
        shortened.chop(1);
        if (textWidth(shortened + ellipsis) <= room)
            return shortened + ellipsis;
    }
    return textWidth(ellipsis) <= room ? ellipsis : QString();
}

int CaptionY(int bandHeight, int textHeight, int captionTop)
{
    return (bandHeight - textHeight) / 2 + captionTop;
}

} // namespace chrome
