#pragma once

#include "skin/controls/ControlEnums.h"
#include "skin/theme/UIStyle.h"

#include <QPoint>
#include <QSize>
#include <QString>

// Pure rules of the skinned push button: which look and skin frame a state
// shows, where glyph and caption go, and the auto size. The painting code
// and the tests both call these.

enum class ButtonLook { Normal, Hot, Pressed, Disabled };

ButtonLook ButtonLookOf(bool enabled, bool mouseDown, bool mouseIn);

// Frame (1-based, of 3) of the style's button strip for a look. A disabled
// button shows the normal frame; only its caption and glyph change.
int ButtonFrameOf(ButtonLook look);

// A glyph twice as wide as high holds two frames (enabled, disabled).
bool GlyphHasTwoFrames(QSize glyph);
QSize GlyphFrameSize(QSize glyph);

struct GlyphPlacement {
    QPoint glyph;
    QPoint text;
};

// Places a glyph frame and a caption of the given sizes on a button of size
// `button`, `spacing` pixels apart; halves truncate toward zero.
GlyphPlacement PlaceGlyph(TButtonLayout layout, QSize button, QSize text, QSize glyphFrame, int spacing);

// Size of an auto-sized button from the whole button strip of its style: one
// frame of three. A strip that could not be loaded counts as 74 x 21.
QSize ButtonAutoSize(QSize strip);

// A caption made only of characters of code 32 or below draws nothing; the
// untrimmed caption is what gets drawn otherwise.
bool IsBlankCaption(const QString& caption);

enum class FocusMark { None, Rectangle, BoldCaption };

// How a focused button shows its focus. MacOS and BlueGlass (the stored
// style decides) draw the caption bold instead of the dotted rectangle; but
// where bold would change nothing on screen (the caption is bold already,
// there is none, or it sits beside a glyph, which is never drawn bold) the
// rectangle is drawn, so keyboard users always see where they are.
FocusMark ButtonFocusMark(TsuiUIStyle storedStyle, bool captionBold, bool captionShown, bool hasGlyph);
