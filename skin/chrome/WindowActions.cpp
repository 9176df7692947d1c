#include "skin/chrome/WindowActions.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace chrome {

QRect WorkArea(const QWidget* window)
{
    QScreen* screen = window ? window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void MaximizeWindow(QWidget* window)
{
    window->showMaximized();
}

void RestoreWindow(QWidget* window)
{
    const QRect normal = window->normalGeometry();
    const QRect before = window->geometry();
    window->showNormal();
    // A window manager restores the old geometry itself (later, when it
    // answers); without one the window would keep the work area.
    if (normal.isValid() && window->geometry() == before && before != normal)
        window->setGeometry(normal);
}

void MinimizeWindow(QWidget* window)
{
    window->showMinimized();
}

void ConfineToWorkArea(QWidget* window, int bottomTrim)
{
    QRect area = WorkArea(window);
    if (!area.isValid())
        return;
    area.setBottom(area.bottom() - bottomTrim);
    if (window->geometry() == area)
        return;
    // Through the native window: QWidget::setGeometry would take the
    // maximised state away from a window that is being maximised.
    window->winId();
    if (QWindow* handle = window->windowHandle())
        handle->setGeometry(area);
    else
        window->setGeometry(area);
}

QRect ResizedGeometry(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum)
{
    int left = start.left();
    int top = start.top();
    int right = start.right();
    int bottom = start.bottom();
    const int minW = std::max(1, minimum.width());
    const int minH = std::max(1, minimum.height());
    if (edges & Qt::LeftEdge)
        left = std::min(left + delta.x(), right - minW + 1);
    if (edges & Qt::RightEdge)
        right = std::max(right + delta.x(), left + minW - 1);
    if (edges & Qt::TopEdge)
        top = std::min(top + delta.y(), bottom - minH + 1);
    if (edges & Qt::BottomEdge)
        bottom = std::max(bottom + delta.y(), top + minH - 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

namespace {

// Follows the grabber's mouse until the button is released, moving (no
// edges) or resizing the window. Lives as an event filter on the grabber
// and removes itself on release.
class DragTracker : public QObject {
public:
    DragTracker(QWidget* grabber, Qt::Edges edges, QPoint globalPress)
        : QObject(grabber)
        , m_window(grabber->window())
        , m_edges(edges)
        , m_press(globalPress)
        , m_start(grabber->window()->geometry())
    {
        grabber->installEventFilter(this);
    }

    void follow(QPoint global)
    {
        if (!m_window)
            return;
        const QPoint delta = global - m_press;
        if (!m_edges)
            m_window->move(m_start.topLeft() + delta);
        else
            m_window->setGeometry(ResizedGeometry(m_start, m_edges, delta, m_window->minimumSize()));
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) {
                deleteLater();
                return false;
            }
            follow(mouse->globalPosition().toPoint());
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            deleteLater();
            return false;
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    Qt::Edges m_edges;
    QPoint m_press;
    QRect m_start;
};

bool StartDrag(QWidget* grabber, Qt::Edges edges, QPoint globalPress, QPoint globalNow)
{
    QWidget* window = grabber->window();
    window->winId(); // the native window must exist before it is asked to move
    QWindow* handle = window->windowHandle();
    const bool system = handle && (edges ? handle->startSystemResize(edges) : handle->startSystemMove());
    if (!system)
        (new DragTracker(grabber, edges, globalPress))->follow(globalNow);
    return system;
}

} // namespace

bool StartWindowMove(QWidget* grabber, QPoint globalPress, QPoint globalNow)
{
    return StartDrag(grabber, {}, globalPress, globalNow);
}

bool StartWindowResize(QWidget* grabber, Qt::Edges edges, QPoint globalPress)
{
    return StartDrag(grabber, edges, globalPress, globalPress);
}

} // namespace chrome
