#pragma once

#include "runtime/Canvas.h"
#include "runtime/TColor.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

// The skin's colours for a tool bar's buttons.
struct ToolButtonLook {
    runtime::TColor buttonColor = 0; // hot or checked fill
    runtime::TColor borderColor = 0;
    runtime::TColor downColor = 0; // hot and pressed fill
    QFont font;
    QColor textColor;
};

// One tool button as it is to be painted, in its own coordinates.
struct ToolButtonState {
    QSize size;
    QImage image;    // null without an image list
    QSize imageSize; // the bar's image size
    QString caption;
    int captionWidth = -1; // measured ahead in the look's font; -1 if not
    bool showCaption = true;
    bool dropDown = false; // has the drop-down arrow part
    bool hot = false;
    bool pressed = false;
    bool checked = false;
};

// True when the skin draws the button; a button at rest keeps the native
// flat look.
bool SkinDrawsToolButton(const ToolButtonState& button);

// Hot, pressed or checked: the framed fill, the image centred near the top
// and the caption below it (centred left of the arrow for a drop-down
// button); a hot drop-down button also gets its arrow and the line at
// Right - 14.
void PaintToolButton(runtime::Canvas& canvas, const ToolButtonLook& look, const ToolButtonState& button);

// Where the caption's left edge goes: centred in the width, less the 14
// pixels of the arrow part for a drop-down button.
int ToolButtonCaptionX(int buttonWidth, int textWidth, bool dropDown);
