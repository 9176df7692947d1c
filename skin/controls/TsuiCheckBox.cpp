#include "skin/controls/TsuiCheckBox.h"

#include "forms/FormLoader.h"
#include "skin/controls/CheckBoxRules.h"
#include "skin/controls/SkinPaint.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/SkinBitmaps.h"
#include "skin/theme/StretchedSkin.h"
#include "skin/theme/WidgetDrawing.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
bool isToggleKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

TsuiCheckBox::TsuiCheckBox(QWidget* parent) : QWidget(parent), m_frames(ThemeElement::CheckBoxImage, 4)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
    resize(93, 17);
    setUIStyle(GetOwnerFormUIStyle(parent ? parent->window() : nullptr));
}

void TsuiCheckBox::setUIStyle(TsuiUIStyle style)
{
    m_theme.setStyle(style);
    m_frames.clear();
    applyAutoSize();
    update();
}

void TsuiCheckBox::setFileTheme(TsuiFileTheme* theme)
{
    m_theme.setFileTheme(theme, this, [this] { setUIStyle(TsuiUIStyle::DeepBlue); });
    setUIStyle(uiStyle());
}

void TsuiCheckBox::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateMnemonic();
    applyAutoSize();
    update();
}

void TsuiCheckBox::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    update();
    doClick();
}

void TsuiCheckBox::doClick()
{
    if (!forms::IsLoading(this))
        emit clicked();
}

void TsuiCheckBox::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    applyAutoSize();
    update();
}

void TsuiCheckBox::setTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

QColor TsuiCheckBox::color() const
{
    return palette().color(QPalette::Window);
}

void TsuiCheckBox::setColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void TsuiCheckBox::setTabStop(bool tabStop)
{
    setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus);
}

const QImage& TsuiCheckBox::framePicture(int frame)
{
    return m_frames.frame(m_theme, frame);
}

void TsuiCheckBox::applyAutoSize()
{
    if (!m_autoSize)
        return;
    const QFontMetrics metrics(font());
    const QSize picture = framePicture(CheckBoxFrameOf(m_checked, isEnabled())).size();
    const QSize wanted = CheckBoxAutoSize(picture, metrics.horizontalAdvance(m_caption), metrics.height());
    if (wanted != size())
        resize(wanted);
}

void TsuiCheckBox::paintEvent(QPaintEvent*)
{
    applyAutoSize();
    if (m_buffer.size() != size())
        m_buffer = QImage(size(), runtime::BitmapFormat);
    compose(m_buffer);
    QPainter(this).drawImage(0, 0, m_buffer);
}

void TsuiCheckBox::compose(QImage& buffer)
{
    const QImage& picture = framePicture(CheckBoxFrameOf(m_checked, isEnabled()));
    buffer.fill(color());
    runtime::Canvas canvas(&buffer);
    if (m_transparent && parentWidget())
        DrawParentBackground(canvas, IsTabSheet(parentWidget()) ? parentWidget() : this);
    if (!picture.isNull()) {
        const QPoint at = CheckBoxImagePos(height(), picture.size());
        canvas.draw(at.x(), at.y(), picture); // the check image is drawn opaque
    }
    canvas.painter().setFont(font());
    const int lineHeight = QFontMetrics(font()).height();
    // A disabled box shows the disabled image but its caption unchanged.
    DrawSingleLine(canvas, CheckBoxCaptionBox(size(), picture.size(), lineHeight), Qt::AlignLeft | Qt::AlignTop,
                   m_caption, FontColorOf(this));
    if (tabStop() && hasFocus())
        DrawFocusRect(canvas, CheckBoxFocusRect(size(), picture.size(), lineHeight));
}

void TsuiCheckBox::toggle()
{
    setChecked(!m_checked);
}

void TsuiCheckBox::click()
{
    if (isEnabled() && isVisible())
        setFocus(Qt::OtherFocusReason);
    toggle();
}

void TsuiCheckBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    QWidget::mousePressEvent(event);
}

void TsuiCheckBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is a press like any other, so a
    // double click toggles twice.
    mousePressEvent(event);
}

void TsuiCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_leftPressed)
        return;
    m_leftPressed = false;
    if (rect().contains(event->position().toPoint()))
        click();
}

void TsuiCheckBox::keyPressEvent(QKeyEvent* event)
{
    // Space and Enter act on release; taking the press keeps Enter from
    // reaching the form's default button as well.
    if (isToggleKey(event->key()) && hasFocus() && isEnabled()) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TsuiCheckBox::keyReleaseEvent(QKeyEvent* event)
{
    if (isToggleKey(event->key()) && !event->isAutoRepeat() && hasFocus() && isEnabled()) {
        update();
        click();
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TsuiCheckBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TsuiCheckBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TsuiCheckBox::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyAutoSize();
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::PaletteChange)
        update();
}

bool TsuiCheckBox::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        if (isEnabled())
            click();
        return true;
    }
    return QWidget::event(event);
}

void TsuiCheckBox::updateMnemonic()
{
    m_mnemonicId = GrabMnemonic(this, m_mnemonicId, m_caption);
}
