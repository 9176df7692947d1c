#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <Qt>

class QWidget;

// What the window manager's frame used to do for a window, done for a
// frameless one: maximise, restore, minimise, confine to the work area, and
// move or resize with the mouse.
namespace chrome {

// The desktop work area of the screen the window is on (task bars left out).
QRect WorkArea(const QWidget* window);

void MaximizeWindow(QWidget* window);
// Back to the normal state; where no window manager puts the old geometry
// back, it is put back here.
void RestoreWindow(QWidget* window);
void MinimizeWindow(QWidget* window);

// Gives the window the work area, less `bottomTrim` pixels at the bottom.
// Does nothing when it already has exactly that geometry.
void ConfineToWorkArea(QWidget* window, int bottomTrim = 0);

// Moves or resizes the window with the mouse from a press on `grabber` (the
// widget that holds the implicit mouse grab). The window system does it
// where it will; otherwise the grabber's mouse moves are tracked here until
// the button is released; `globalNow` is where the mouse is already (a move
// starts on the first mouse move after the press). Returns true when the
// window system took over.
bool StartWindowMove(QWidget* grabber, QPoint globalPress, QPoint globalNow);
bool StartWindowResize(QWidget* grabber, Qt::Edges edges, QPoint globalPress);

// The geometry after dragging the given edges by `delta` from `start`,
// never smaller than `minimum`; the opposite edges stay where they were.
QRect ResizedGeometry(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum);

} // namespace chrome
