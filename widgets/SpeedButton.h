#pragma once

#include <QImage>
#include <QToolButton>

namespace widgets {

// The runtime's small flat picture button. Its glyph is a horizontal strip
// of NumGlyphs equal pictures: normal, disabled, pressed; the colour of the
// strip's bottom-left pixel is see-through. It never takes the focus, so a
// click leaves the keyboard where it was.
class SpeedButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QImage Glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(int NumGlyphs READ numGlyphs WRITE setNumGlyphs)
    Q_PROPERTY(QString Caption READ text WRITE setCaption)
public:
    explicit SpeedButton(QWidget* parent = nullptr);

    QImage glyph() const { return m_glyph; }
    void setGlyph(const QImage& glyph);
    int numGlyphs() const { return m_numGlyphs; }
    void setNumGlyphs(int count);
    void setCaption(const QString& caption);

    // Picture number index (from 0) of the strip, its see-through colour
    // made transparent. Empty when the strip has no such picture.
    QImage glyphFrame(int index) const;

private:
    void updateIcon();
    void updateStyle();

    QImage m_glyph;
    int m_numGlyphs = 1;
};

} // namespace widgets
