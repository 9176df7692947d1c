#pragma once

#include "runtime/Canvas.h"
#include "runtime/TColor.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

// How a frame's menu bar looks, resolved once from the menu's style (or
// the frame's, for a plain menu) whenever that changes.
struct MenuBarLook {
    bool mac = false;             // MacOS: bitmaps instead of fills
    runtime::TColor barColor = 0; // the frame's MenuBarColor
    runtime::TColor selectedBackground = 0;
    runtime::TColor selectedBorder = 0;
    runtime::TColor selectedFont = 0;
    runtime::TColor fontColor = 0; // captions at rest
    QFont font;
    QImage barBitmap;    // MACOS_MENU_BAR, MacOS only
    QImage selectBitmap; // MACOS_MENU_SELECT, MacOS only
};

// One bar button as it is to be painted.
struct MenuBarButtonState {
    QSize size;
    QString caption; // "&" marks the accelerator
    bool enabled = true;
    bool hot = false;     // the pointer is over it
    bool pressed = false; // its drop-down is open
};

void PaintMenuBarBackground(runtime::Canvas& canvas, const QSize& size, const MenuBarLook& look);
// A hot or pressed button is drawn by the skin; one at rest is a plain
// caption on the bar, centred.
void PaintMenuBarButton(runtime::Canvas& canvas, const MenuBarLook& look, const MenuBarButtonState& button);

// The caption as shown: "&" markers dropped, "&&" a literal "&".
QString CaptionWithoutAccelerator(const QString& caption);
// A button's width for its caption: the text and 7 pixels each side.
int MenuBarButtonWidth(const QFont& font, const QString& caption);
