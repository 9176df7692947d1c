#pragma once

#include <QWidget>

namespace widgets {

// The runtime's bevel: an etched or raised outline that groups controls.
class TBevel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Shape Shape READ shape WRITE setShape)
    Q_PROPERTY(Style Style READ bevelStyle WRITE setBevelStyle)
public:
    enum Shape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
    Q_ENUM(Shape)
    enum Style { bsLowered, bsRaised };
    Q_ENUM(Style)

    explicit TBevel(QWidget* parent = nullptr);

    Shape shape() const { return m_shape; }
    void setShape(Shape shape);
    Style bevelStyle() const { return m_style; }
    void setBevelStyle(Style style);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape m_shape = bsBox;
    Style m_style = bsLowered;
};

} // namespace widgets
