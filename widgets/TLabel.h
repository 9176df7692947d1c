#pragma once

#include "runtime/TColor.h"

#include <QLabel>

namespace widgets {

// The runtime's static text: a caption in the form's font, transparent
// unless given a colour, clickable for the window's notice links.
class TLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(runtime::TColor Color READ color WRITE setColor)
    Q_PROPERTY(bool Transparent READ isTransparent WRITE setTransparent)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool WordWrap READ wordWrap WRITE setWordWrap)
    Q_PROPERTY(Alignment Alignment READ textAlignment WRITE setTextAlignment)
public:
    enum Alignment { taLeftJustify, taRightJustify, taCenter };
    Q_ENUM(Alignment)

    explicit TLabel(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    runtime::TColor color() const { return m_color; }
    void setColor(runtime::TColor color);
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    Alignment textAlignment() const { return m_alignment; }
    void setTextAlignment(Alignment alignment);
    // Fits an auto-sized label to its text once its form has finished
    // loading: while the stored properties arrive one by one, each caption
    // and font change would lay the text out again for nothing.
    Q_INVOKABLE void Loaded();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToText();

    QString m_caption;
    runtime::TColor m_color = runtime::clBtnFace;
    bool m_transparent = true;
    bool m_autoSize = true;
    Alignment m_alignment = taLeftJustify;
};

} // namespace widgets
