#include "widgets/SpeedButton.h"

#include <QIcon>
#include <QPixmap>

namespace widgets {

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    updateStyle();
}

void SpeedButton::setGlyph(const QImage& glyph)
{
    m_glyph = glyph;
    updateIcon();
}

void SpeedButton::setNumGlyphs(int count)
{
    // A strip holds one to four pictures.
    count = std::clamp(count, 1, 4);
    if (count == m_numGlyphs)
        return;
    m_numGlyphs = count;
    updateIcon();
}

QImage SpeedButton::glyphFrame(int index) const
{
    if (m_glyph.isNull() || index < 0 || index >= m_numGlyphs)
        return QImage();
    const int width = m_glyph.width() / m_numGlyphs;
    if (width <= 0)
        return QImage();
    QImage frame = m_glyph.copy(index * width, 0, width, m_glyph.height()).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = m_glyph.pixel(0, m_glyph.height() - 1) | 0xFF000000u;
    for (int y = 0; y < frame.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
        }
    }
    return frame;
}

void SpeedButton::updateIcon()
{
    QIcon icon;
    const QImage normal = glyphFrame(0);
    if (!normal.isNull()) {
        icon.addPixmap(QPixmap::fromImage(normal), QIcon::Normal);
        setIconSize(normal.size());
    }
    // Without its own disabled picture the button greys the normal one.
    const QImage disabled = glyphFrame(1);
    if (!disabled.isNull())
        icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
    setIcon(icon);
    updateStyle();
}

void SpeedButton::setCaption(const QString& caption)
{
    setText(caption);
    updateStyle();
}

void SpeedButton::updateStyle()
{
    if (icon().isNull())
        setToolButtonStyle(Qt::ToolButtonTextOnly);
    else
        setToolButtonStyle(text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

} // namespace widgets
