#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

// A check box's state and look at one moment, copied before it paints.
struct CheckBoxOption {
    QRect rect;
    // Frame (1-based, of 4) of the style's check-box strip.
    int frame = 2;
    QColor background;
    // Shows the parent's painting behind the box.
    bool transparent = false;
    QString caption;
    QFont font;
    QColor fontColor;
    bool focused = false;
};
