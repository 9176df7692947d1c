#pragma once

#include "runtime/Canvas.h"
#include "runtime/TColor.h"

class QWidget;

// Paints into canvas what control's parent shows under the control: the
// parent renders itself, without its children, at the control's offset,
// clipped to the parent's client area. Nothing when control has no parent.
void DrawParentBackground(runtime::Canvas& canvas, const QWidget* control);

// A 1-pixel frame around the whole of a window of the given size, and
// optionally a second one just inside it.
void DrawWindowBorder(runtime::Canvas& canvas, const QSize& windowSize, runtime::TColor borderColor,
                      runtime::TColor innerColor, bool drawInner);
// The same, painted on the control itself; call from its paintEvent after
// the native painting.
void DrawWindowBorder(QWidget* control, runtime::TColor borderColor, runtime::TColor innerColor, bool drawInner);
