#include "skin/controls/TsuiCheckBox.h"

#include "forms/FormLoader.h"
#include "runtime/Canvas.h"
#include "skin/controls/CheckBoxRules.h"
#include "skin/controls/SkinPaint.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/WidgetDrawing.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

TsuiCheckBox::TsuiCheckBox(QWidget* parent)
    : SkinnedButton(parent)
    , m_look(this, [this] { styleApplied(); })
    , m_frames(ThemeElement::CheckBoxImage, 4)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
    setCheckable(true);
    connect(this, &QAbstractButton::toggled, this, &TsuiCheckBox::checkedChanged);
    resize(93, 17);
    m_look.setStyle(GetOwnerFormUIStyle(parent ? parent->window() : nullptr));
}

void TsuiCheckBox::styleApplied()
{
    m_frames.clear();
    applyAutoSize();
    update();
}

void TsuiCheckBox::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    applyAutoSize();
}

void TsuiCheckBox::checkedChanged()
{
    update();
    if (!forms::IsLoading(this))
        emit clicked();
}

void TsuiCheckBox::nextCheckState()
{
    // A click, a key or the accelerator: the box takes the focus first.
    if (isEnabled() && isVisible())
        setFocus(Qt::OtherFocusReason);
    QAbstractButton::nextCheckState();
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

const QImage& TsuiCheckBox::framePicture(int frame)
{
    return m_frames.frame(m_look.look(), frame);
}

void TsuiCheckBox::applyAutoSize()
{
    // Sized when what it depends on changes (style, caption, font), never
    // while painting.
    if (!m_autoSize || forms::IsLoading(this))
        return;
    const QFontMetrics metrics(font());
    const QSize picture = framePicture(CheckBoxFrameOf(isChecked(), isEnabled())).size();
    const QSize wanted = CheckBoxAutoSize(picture, metrics.horizontalAdvance(text()), metrics.height());
    if (wanted != size())
        resize(wanted);
}

CheckBoxOption TsuiCheckBox::styleOption() const
{
    CheckBoxOption option;
    option.rect = rect();
    option.frame = CheckBoxFrameOf(isChecked(), isEnabled());
    option.background = color();
    option.transparent = m_transparent;
    option.caption = text();
    option.font = font();
    // A disabled box shows the disabled image but its caption unchanged.
    option.fontColor = FontColorOf(this);
    option.focused = tabStop() && hasFocus();
    return option;
}

void TsuiCheckBox::paintEvent(QPaintEvent*)
{
    const CheckBoxOption option = styleOption();
    compose(PrepareBuffer(m_buffer, this), option);
    QPainter(this).drawImage(0, 0, m_buffer);
}

void TsuiCheckBox::compose(QImage& buffer, const CheckBoxOption& option)
{
    const QImage& picture = framePicture(option.frame);
    buffer.fill(option.background);
    runtime::Canvas canvas(&buffer);
    if (option.transparent && parentWidget())
        DrawParentBackground(canvas, IsTabSheet(parentWidget()) ? parentWidget() : this);
    const QSize size = option.rect.size();
    if (!picture.isNull()) {
        const QPoint at = CheckBoxImagePos(size.height(), picture.size());
        canvas.draw(at.x(), at.y(), picture); // the check image is drawn opaque
    }
    canvas.painter().setFont(option.font);
    const int lineHeight = QFontMetrics(option.font).height();
    DrawSingleLine(canvas, CheckBoxCaptionBox(size, picture.size(), lineHeight), Qt::AlignLeft | Qt::AlignTop,
                   option.caption, option.fontColor);
    if (option.focused)
        DrawFocusRect(canvas, CheckBoxFocusRect(size, picture.size(), lineHeight));
}

void TsuiCheckBox::changeEvent(QEvent* event)
{
    SkinnedButton::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyAutoSize();
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange
        || event->type() == QEvent::PaletteChange)
        update();
}
