#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <functional>

// Layout rules of the title bar: where its picture sections, its buttons and
// its caption go. Pure functions on plain records so that the painter and the
// tests share one source of truth.
namespace chrome {

// One section as the layout sees it. `align` is 0 left, 1 right, 2 client
// (the values of TsuiTitleBarAlign).
struct SectionSlot {
    int align = 0;
    int width = 10;
    bool stretch = false;
};

struct SectionPlacement {
    int index = -1; // position of the section in its collection
    QRect dest;     // target rectangle in the bar
    bool stretch = false;
};

// Left sections grow from the left edge, right sections from the right edge
// (a right section that no longer fits is skipped and takes no room), and the
// last client section is stretched over the gap, drawn after all the others.
QList<SectionPlacement> PlaceSections(const QList<SectionSlot>& sections, int barWidth, int barHeight);

struct ButtonSlot {
    bool visible = true;
    bool controlBox = false;
    int width = 0; // width of the normal picture
};

struct ButtonRowMetrics {
    int barWidth = 0;
    int rightOffset = 0;    // RightBtnXOffset
    int leftOffset = 0;     // LeftBtnXOffset
    int buttonInterval = 0; // extra gap between right-hand buttons
    bool drawAppIcon = false;
};

struct ButtonRowLayout {
    QList<int> x;         // drawing x of each button, -1 when not drawn
    int controlBox = -1;  // index of the visible control box, -1 for none
    int captionLeft = 0;  // XL: where the caption starts
    int captionRight = 0; // XR: left edge of the right-hand button row
};

// Width the application icon takes in place of the control box picture.
inline constexpr int kAppIconAdvance = 21;
// Offset of the drawn icon inside the control box.
inline constexpr int kAppIconInset = 3;

// The first button of the collection is the rightmost; the control box sits
// at the left offset, and the caption starts after it (at 6 when nothing
// else is there).
ButtonRowLayout PlaceButtons(const QList<ButtonSlot>& buttons, const ButtonRowMetrics& metrics);

// The caption as drawn in `room` pixels: whole when it fits, otherwise the
// longest prefix that fits with "..." appended. When not even "..." fits,
// nothing is drawn rather than spilling over the buttons.
QString ShortenCaption(const QString& text, int room, const std::function<int(const QString&)>& textWidth);

// Caption baseline box top: centred in the band of the button strip height,
// then moved down by the style's button top.
int CaptionY(int bandHeight, int textHeight, int captionTop);

} // namespace chrome
