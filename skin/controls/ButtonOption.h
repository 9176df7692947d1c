#pragma once

#include "skin/controls/ButtonRules.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// A push button's state and look at one moment, copied from the button
// before it paints, so painting reads nothing else and changes nothing.
struct ButtonOption {
    QRect rect;
    ButtonLook look = ButtonLook::Normal;
    // The skin's key colour is see-through (the button's PicTransparent).
    bool transparent = false;
    FocusMark focus = FocusMark::None;
    int focusMargin = 2;
    // Empty when the caption draws nothing.
    QString caption;
    // Bold already when the focus mark is a bold caption.
    QFont font;
    QColor fontColor;
    // A glyph button: the glyph frame to draw, greyed when it has no
    // disabled frame of its own, and where glyph and caption go (before
    // the pressed look moves them).
    QImage glyph;
    QRgb glyphKey = 0; // the whole glyph's top-left pixel, for either frame
    bool greyGlyph = false;
    QPoint glyphPos;
    QPoint textPos;

    bool pressed() const { return look == ButtonLook::Pressed; }
    bool enabled() const { return look != ButtonLook::Disabled; }
};
