#include "pickers/TAHMButtonClass.h"

#include "widgets/SpeedButton.h"

TAHMButtonClass::TAHMButtonClass(widgets::SpeedButton* button, QObject* parent) : QObject(parent), m_button(button)
{
}

QString TAHMButtonClass::caption() const
{
    return m_button ? m_button->text() : QString();
}

void TAHMButtonClass::setCaption(const QString& caption)
{
    if (m_button)
        m_button->setCaption(caption);
}

bool TAHMButtonClass::isVisible() const
{
    return m_button && !m_button->isHidden();
}

void TAHMButtonClass::setVisible(bool visible)
{
    if (!m_button || visible == isVisible())
        return;
    m_button->setVisible(visible);
    emit visibilityChanged();
}

bool TAHMButtonClass::isEnabled() const
{
    // The button's own switch, whatever its edit's state.
    return m_button && !m_button->testAttribute(Qt::WA_ForceDisabled);
}

void TAHMButtonClass::setEnabled(bool enabled)
{
    if (m_button)
        m_button->setEnabled(enabled);
}

void TAHMButtonClass::setHint(const QString& hint)
{
    m_hint = hint;
    applyHint();
}

void TAHMButtonClass::setShowHint(bool on)
{
    m_showHint = on;
    applyHint();
}

void TAHMButtonClass::applyHint()
{
    // Qt shows a tool tip whenever there is one: a hint switched off is no
    // tool tip at all.
    if (m_button)
        m_button->setToolTip(m_showHint ? m_hint : QString());
}

int TAHMButtonClass::numGlyphs() const
{
    return m_button ? m_button->numGlyphs() : 0;
}

void TAHMButtonClass::setNumGlyphs(int count)
{
    if (m_button)
        m_button->setNumGlyphs(count);
}

QImage TAHMButtonClass::glyph() const
{
    return m_button ? m_button->glyph() : QImage();
}

void TAHMButtonClass::setGlyph(const QImage& glyph)
{
    if (m_button)
        m_button->setGlyph(glyph);
}

void TAHMButtonClass::assign(const TAHMButtonClass& other)
{
    if (&other == this)
        return;
    setCaption(other.caption());
    setEnabled(other.isEnabled());
    m_hint = other.m_hint;
    m_showHint = other.m_showHint;
    applyHint();
    setNumGlyphs(other.numGlyphs());
    setGlyph(other.glyph());
    m_shortCutKey = other.m_shortCutKey;
    setVisible(other.isVisible());
}
