#pragma once

#include "skin/controls/ControlEnums.h"
#include <QImage>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

// An image panel's state at one moment, copied before it paints.
struct PanelOption {
    QRect rect;
    QColor color;
    // Shows the parent's painting behind the picture.
    bool transparent = false;
    QImage picture;
    // The picture's key colour is left out.
    bool pictureTransparent = false;
    TsuiDrawStyle drawStyle = suiNormal;
    // Empty when the caption draws nothing (blank).
    QString caption;
    QFont font;
    QColor fontColor;
    // Qt's horizontal alignment flag for the caption.
    Qt::Alignment alignment = Qt::AlignHCenter;
};

// A container panel that paints a picture as its background (unscaled,
// stretched or tiled), optionally over its parent's painting, with its
// caption on top. It takes no part in UI styles. Composed off screen and
// copied in one transfer.
class TsuiCustomPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ picture WRITE setPicture)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(SuiControls::TsuiDrawStyle DrawStyle READ drawStyle WRITE setDrawStyle)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(SuiControls::TAlignment Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(SuiControls::TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(QColor Color READ color WRITE setColor)

public:
    explicit TsuiCustomPanel(QWidget* parent = nullptr);

    QImage picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    TsuiDrawStyle drawStyle() const { return m_drawStyle; }
    void setDrawStyle(TsuiDrawStyle style);
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    TAlignment alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    TAlign align() const { return m_align; }
    void setAlign(TAlign align);
    QColor color() const;
    void setColor(const QColor& color);

    // What the panel paints now.
    PanelOption styleOption() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void pictureChanged();
    void applyAutoSize();
    void applyTransparency();
    void applyAlign();
    void compose(QImage& buffer, const PanelOption& option) const;

    QImage m_picture;
    bool m_pictureTransparent = false; // the picture's own flag, kept equal to Transparent
    bool m_transparent = false;
    bool m_autoSize = false;
    TsuiDrawStyle m_drawStyle = suiNormal;
    QString m_caption;
    TAlignment m_alignment = taCenter;
    TAlign m_align = alNone;
    QImage m_buffer;
};
