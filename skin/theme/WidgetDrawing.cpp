#include "skin/theme/WidgetDrawing.h"

#include <QWidget>

void DrawParentBackground(runtime::Canvas& canvas, const QWidget* control)
{
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return;
    QPainter& painter = canvas.painter();
    painter.save();
    // Without DrawChildren the control itself is not painted again. Only
    // the part under the control can show, so only that part is rendered.
    parent->render(&painter, QPoint(0, 0), QRegion(control->geometry()), QWidget::DrawWindowBackground);
    painter.restore();
}

void DrawWindowBorder(runtime::Canvas& canvas, const QSize& windowSize, runtime::TColor borderColor,
                      runtime::TColor innerColor, bool drawInner)
{
    const QRect outer(QPoint(0, 0), windowSize);
    canvas.setBrushColor(borderColor);
    canvas.frameRect(outer);
    if (drawInner) {
        canvas.setBrushColor(innerColor);
        canvas.frameRect(outer.adjusted(1, 1, -1, -1));
    }
}

void DrawWindowBorder(QWidget* control, runtime::TColor borderColor, runtime::TColor innerColor, bool drawInner)
{
    runtime::Canvas canvas(control);
    DrawWindowBorder(canvas, control->size(), borderColor, innerColor, drawInner);
}
