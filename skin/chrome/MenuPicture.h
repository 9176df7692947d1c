#pragma once

#include "runtime/Canvas.h"
#include "runtime/TColor.h"
#include "skin/theme/MenuDrawing.h"

class QMenu;

// Paints an open menu's window the way the skinned menus draw it: the body
// colour, then each visible item through its own draw handler (items
// without one through `fallback`), the active item selected.
void PaintMenuItems(runtime::Canvas& canvas, const QMenu& menu, runtime::TColor body,
                    const MenuDrawItemHandler& fallback);

// The menu window's edge: the flat border in black with `edgeColor` as its
// shadow, or the raised edge a popup window has without it.
void PaintMenuFrame(runtime::Canvas& canvas, const QSize& size, bool flat, runtime::TColor edgeColor);
