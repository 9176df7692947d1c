#pragma once

#include "runtime/Canvas.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

// Small painting steps the skinned controls share.

// Readies the off-screen picture a control composes itself in: the
// control's size at its device pixel ratio, so captions are drawn at the
// screen's full resolution (and stretched skin pictures scale smoothly)
// instead of being drawn at 1x and doubled. At ratio 1 nothing changes.
QImage& PrepareBuffer(QImage& buffer, const QWidget* control);

// The dotted focus rectangle: every other pixel of the rectangle's one-pixel
// outline inverted, in a checkerboard aligned to the canvas origin, so drawing
// it twice restores the picture.
void DrawFocusRect(runtime::Canvas& canvas, const QRect& rect);

// True for a page of a tab widget; transparent controls on such a page
// capture the page's own parent instead of their own background.
bool IsTabSheet(const QWidget* widget);

// Single-line text drawn like DrawText with DT_SINGLELINE: "&" marks the
// accelerator (underlined), "&&" is a literal ampersand.
void DrawSingleLine(runtime::Canvas& canvas, const QRect& rect, int alignment, const QString& text,
                    const QColor& color);

// A control's text colour (its font colour).
QColor FontColorOf(const QWidget* widget);

// The font an off-screen canvas starts with (the designed "MS Sans Serif",
// 8 points, stood in for by the installed sans-serif family); used where a
// control has no font of its own.
QFont DefaultCanvasFont();
