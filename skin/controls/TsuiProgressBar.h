#pragma once

#include "skin/controls/ControlEnums.h"
#include "skin/controls/ProgressRules.h"
#include "skin/theme/LookSource.h"
#include <QImage>

#include <QColor>
#include <QImage>
#include <QWidget>

class TsuiFileTheme;

// A progress bar's state and look at one moment, copied before it paints.
struct ProgressBarOption {
    QRect rect;
    TsuiProgressBarOrientation orientation = suiHorizontal;
    ProgressParts parts;
    QImage picture;
    QColor color;
    QColor borderColor;
    QString caption;
    QColor captionColor;
    bool showCaption = false;
};

// The skinned progress bar: 12 pixels thick, the style's progress picture
// stretched over the filled part, the rest in a flat colour, a one-pixel
// border and the percentage centred on horizontal bars. Every change of
// Min, Max or Position rewrites the caption and repaints at once.
class TsuiProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(sui::TsuiUIStyle UIStyle READ uiStyle WRITE setUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ fileTheme WRITE setFileTheme)
    Q_PROPERTY(int Max READ max WRITE setMax)
    Q_PROPERTY(int Min READ min WRITE setMin)
    Q_PROPERTY(int Position READ position WRITE setPosition)
    Q_PROPERTY(SuiControls::TsuiProgressBarOrientation Orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QImage Picture READ picture WRITE setPicture)
    Q_PROPERTY(bool ShowCaption READ showCaption WRITE setShowCaption)
    Q_PROPERTY(QColor CaptionColor READ captionColor WRITE setCaptionColor)
    Q_PROPERTY(bool SmartShowCaption READ smartShowCaption WRITE setSmartShowCaption)
    Q_PROPERTY(QString Caption READ caption)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)

public:
    explicit TsuiProgressBar(QWidget* parent = nullptr);

    TsuiUIStyle uiStyle() const { return m_look.style(); }
    void setUIStyle(TsuiUIStyle style);
    TsuiFileTheme* fileTheme() const { return m_look.fileTheme(); }
    void setFileTheme(TsuiFileTheme* theme);

    int max() const { return m_max; }
    void setMax(int max);
    int min() const { return m_min; }
    void setMin(int min);
    int position() const { return m_position; }
    void setPosition(int position);
    TsuiProgressBarOrientation orientation() const { return m_orientation; }
    void setOrientation(TsuiProgressBarOrientation orientation);
    QColor borderColor() const { return m_borderColor; }
    void setBorderColor(const QColor& color);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    QImage picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    bool showCaption() const { return m_showCaption; }
    void setShowCaption(bool show);
    QColor captionColor() const { return m_captionColor; }
    void setCaptionColor(const QColor& color);
    bool smartShowCaption() const { return m_smartShowCaption; }
    void setSmartShowCaption(bool smart);
    // Always the percentage ("50%").
    QString caption() const { return m_caption; }

    ProgressBarOption styleOption() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyStyle();
    void rangeChanged();
    void fixThickness();
    void compose(QImage& buffer, const ProgressBarOption& option) const;

    LookSource m_look;
    int m_max = 100;
    int m_min = 0;
    int m_position = 50;
    TsuiProgressBarOrientation m_orientation = suiHorizontal;
    QColor m_borderColor = Qt::black;
    QColor m_color;
    QImage m_picture;
    bool m_showCaption = true;
    QColor m_captionColor = Qt::black;
    bool m_smartShowCaption = false;
    QString m_caption;
    QImage m_buffer;
};
