#pragma once

#include <QRect>
#include <QSize>

// Pure geometry of the skinned check box. Rectangles are built from GDI-style
// left, top, right, bottom with right and bottom exclusive.

// Frame (1-based, of 4) of the check-box strip.
int CheckBoxFrameOf(bool checked, bool enabled);

// Auto size: the image beside the caption, with room for the focus mark.
// `lineHeight` is the height of "W" in the control's font.
QSize CheckBoxAutoSize(QSize picture, int captionWidth, int lineHeight);

// Top-left corner of the check image in a control of the given height.
QPoint CheckBoxImagePos(int clientHeight, QSize picture);

// Box the caption is drawn from (single line from its top-left).
QRect CheckBoxCaptionBox(QSize client, QSize picture, int lineHeight);

// The dotted focus rectangle around the caption.
QRect CheckBoxFocusRect(QSize client, QSize picture, int lineHeight);
