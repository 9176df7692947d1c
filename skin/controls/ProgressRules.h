#pragma once

#include "skin/controls/ControlEnums.h"

#include <QRect>
#include <QString>

// Pure rules of the skinned progress bar: the percentage caption, the filled
// length and where picture and background fill go.

// The bar's fixed thickness in pixels; only its length can change.
constexpr int ProgressBarThickness = 12;

// (Position - Min) * 100 / (Max - Min), truncated toward zero; 0 when Min = Max.
// Worked in 64 bits so a wide range cannot wrap into a wrong percentage.
qint64 ProgressPercent(int min, int max, int position);

// The caption: the percentage in decimal followed by "%".
QString ProgressCaption(int min, int max, int position);

// Filled part of an available length: empty when Min >= Max or Position <= Min,
// full when Position > Max.
int ProgressFilledLength(int min, int max, int position, int length);

struct ProgressParts {
    QRect picture; // where the bar's picture is stretched (may be empty)
    QRect rest;    // filled with the bar's colour
};

// Inside the one-pixel frame of a bar of the given client size: horizontal bars
// fill from the left, vertical ones from the bottom up.
ProgressParts ProgressLayout(TsuiProgressBarOrientation orientation, QSize client, int min, int max, int position);

// The size a bar takes when its orientation changes: 12 pixels thick, as long
// as the larger of its current width and height.
QSize ProgressSizeFor(TsuiProgressBarOrientation orientation, QSize current);
