#pragma once

#include "runtime/TColor.h"
#include "skin/theme/ThemeElement.h"
#include "skin/theme/UIStyle.h"

#include <QImage>

class TsuiFileTheme;

// The colours, metrics and flags of one style, by name. Fields follow the
// element numbering, so the built-in tables read in the same order as the
// element list. Colours are 0x00BBGGRR.
struct LookValues {
    bool buttonTransparent = false;
    bool titleBarButtonTransparent = false;
    int titleBarButtonLeftOffset = 0;
    int titleBarButtonRightOffset = 0;
    int titleBarButtonTop = 0;
    int formMinWidth = 0;
    int formRoundCorner = 0;
    runtime::TColor formBackground = 0;
    runtime::TColor formBorder = 0;
    int formBorderWidth = 0;
    runtime::TColor menuSelectedBorder = 0;
    runtime::TColor menuSelectedBackground = 0;
    runtime::TColor menuSelectedFont = 0;
    runtime::TColor menuBackground = 0;
    runtime::TColor menuFont = 0;
    runtime::TColor menuBar = 0;
    runtime::TColor controlBorder = 0;
    runtime::TColor controlBackground = 0;
    runtime::TColor controlFont = 0;
    runtime::TColor scrollBarBackground = 0;
    runtime::TColor toolBarButtonBorder = 0;
    runtime::TColor toolBarButtonBackground = 0;
    runtime::TColor toolBarButtonDownBackground = 0;

    bool operator==(const LookValues&) const = default;
};

// A number or flag element's value in a record (flags as 0 or 1); false
// when the element is an image.
bool LookNumber(const LookValues& values, ThemeElement element, qint32& number);

// What a skinned part reads from its style, resolved once: the values of
// the built-in style `style`, or those of a loaded theme file. Bitmaps are
// fetched on demand, from the same source, since most parts use one or two.
struct Look : LookValues {
    // The built-in style the values come from; FromThemeFile when `file`
    // answers them.
    TsuiUIStyle style = TsuiUIStyle::DeepBlue;
    // Never owned; only set while the theme has a file loaded.
    const TsuiFileTheme* file = nullptr;

    bool fromFile() const { return file != nullptr; }
    // Replaces `bitmap` with the element's picture; a source without one
    // leaves it untouched.
    void bitmap(ThemeElement element, QImage& bitmap) const;
    // Frame `index` (1-based) of a strip of `count` frames.
    void bitmapFrame(ThemeElement element, QImage& bitmap, int count, int index) const;
};

// The one decision every skinned part makes: a FromThemeFile style reads a
// loaded theme file, and falls back to DeepBlue without one; any other style
// reads its built-in table.
Look ResolveLook(const TsuiFileTheme* fileTheme, TsuiUIStyle style);
