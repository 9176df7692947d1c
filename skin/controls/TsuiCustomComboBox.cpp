#include "skin/controls/TsuiCustomComboBox.h"

#include "runtime/BitmapResource.h"
#include "runtime/Canvas.h"
#include "skin/controls/ComboListStyle.h"
#include "skin/controls/ComboRules.h"
#include "skin/theme/BuiltinTheme.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionComboBox>

TsuiCustomComboBox::TsuiCustomComboBox(QWidget* parent) : QComboBox(parent), m_look(this, [this] { applyStyle(); })
{
    // Before the box becomes editable, which builds a menu-like list at once.
    if (!ComboListStyle::isApplicationStyle())
        setStyle(ComboListStyle::shared());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setEditable(true);
    keepTypedText();
    setUIStyle(GetOwnerFormUIStyle(parent ? parent->window() : nullptr));
}

void TsuiCustomComboBox::keepTypedText()
{
    // Qt's default completion fills in the rest of the first matching item,
    // so typing one mode's text whole could leave another's in the box. A
    // popup only suggests; and a case-sensitive completer keeps Return from
    // swapping the text for an item that differs in case.
    if (QCompleter* completer = this->completer()) {
        completer->setCompletionMode(QCompleter::PopupCompletion);
        completer->setCaseSensitivity(Qt::CaseSensitive);
    }
}

void TsuiCustomComboBox::setUIStyle(TsuiUIStyle style)
{
    m_look.setStyle(style);
}

void TsuiCustomComboBox::applyStyle()
{
    loadButtonBitmap();
    m_arrowColor = Qt::black;
    m_borderColor = runtime::ColorFromTColor(m_look.look().controlBorder);
    m_buttonColor = runtime::ColorFromTColor(m_look.look().formBackground);
    update();
}

void TsuiCustomComboBox::setFileTheme(TsuiFileTheme* theme)
{
    m_look.setFileTheme(theme);
}

void TsuiCustomComboBox::setBorderColor(const QColor& color)
{
    m_borderColor = color;
    update();
}

void TsuiCustomComboBox::setButtonColor(const QColor& color)
{
    m_buttonColor = color;
    update();
}

void TsuiCustomComboBox::setArrowColor(const QColor& color)
{
    m_arrowColor = color;
    update();
}

void TsuiCustomComboBox::setComboStyle(TComboBoxStyle style)
{
    m_comboStyle = style;
    // A drop-down list only selects; the other styles edit their text.
    setEditable(style != csDropDownList);
    keepTypedText();
    update();
}

QRect TsuiCustomComboBox::buttonRect() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The button sits inside the 2-pixel edge the two frames cover, as the
    // native combo box's own button does; Qt's styles let it reach the
    // control's edge, where its fill would wipe out the frame.
    const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    return arrow.intersected(rect().adjusted(2, 2, -2, -2));
}

ComboBoxOption TsuiCustomComboBox::styleOption() const
{
    ComboBoxOption option;
    option.rect = rect();
    option.borderColor = m_borderColor;
    option.baseColor = palette().color(QPalette::Base);
    option.button = buttonRect();
    option.buttonBitmap = m_buttonBitmap;
    option.buttonColor = m_buttonColor;
    option.drawArrow = m_buttonBitmap.isNull() || uiStyle() != TsuiUIStyle::WinXP;
    option.arrowColor = m_arrowColor;
    option.enabled = isEnabled();
    return option;
}

void TsuiCustomComboBox::paintEvent(QPaintEvent* event)
{
    QComboBox::paintEvent(event);
    if (m_comboStyle == csSimple)
        return; // keeps its native look
    paintSkin(styleOption());
}

void TsuiCustomComboBox::loadButtonBitmap()
{
    const TsuiUIStyle style = uiStyle();
    m_buttonBitmap = QImage();
    if (style != TsuiUIStyle::MacOS && style != TsuiUIStyle::WinXP)
        return;
    const QString name =
        style == TsuiUIStyle::MacOS ? QStringLiteral("MACOS_COMBOBOX_BUTTON") : QStringLiteral("WINXP_COMBOBOX_BUTTON");
    try {
        m_buttonBitmap = runtime::LoadBitmapResourceAsBitmap(name);
    } catch (const std::exception&) {
        // The button is then filled with ButtonColor like the other styles.
    }
}

void TsuiCustomComboBox::paintSkin(const ComboBoxOption& option)
{
    runtime::Canvas canvas(this);
    canvas.setBrushColor(runtime::TColorFromColor(option.borderColor));
    canvas.frameRect(option.rect);
    canvas.setBrushColor(runtime::TColorFromColor(option.baseColor));
    canvas.frameRect(option.rect.adjusted(1, 1, -1, -1));

    const QRect r = option.button;
    if (!option.buttonBitmap.isNull()) {
        canvas.stretchDraw(r, option.buttonBitmap);
    } else {
        canvas.painter().fillRect(r, option.buttonColor);
        canvas.setPenColor(runtime::TColorFromColor(option.borderColor));
        canvas.moveTo(r.left(), r.top() - 1);
        canvas.lineTo(r.left(), runtime::Bottom(r) + 1);
    }
    if (!option.drawArrow)
        return;

    const QPolygon arrow = ComboArrowTriangle(ComboArrowOrigin(r));
    QPainter& painter = canvas.painter();
    painter.setRenderHint(QPainter::Antialiasing, false);
    auto triangle = [&](const QPolygon& shape, const QColor& color) {
        painter.setPen(color);
        painter.setBrush(color);
        painter.drawPolygon(shape);
    };
    if (option.enabled) {
        triangle(arrow, option.arrowColor);
    } else {
        triangle(arrow.translated(1, 1), QColor(0xFF, 0xFF, 0xFF));
        triangle(arrow, QColor(0x80, 0x80, 0x80));
    }
}

void TsuiCustomComboBox::showPopup()
{
    QComboBox::showPopup();
    // The list lives in its own window; its frame is drawn after each of its
    // paints for as long as it is open.
    QWidget* popup = view() ? view()->window() : nullptr;
    if (popup && popup != window() && popup != m_popup) {
        m_popup = popup;
        popup->installEventFilter(this);
    }
    if (m_popup)
        m_popup->update();
}

void TsuiCustomComboBox::hidePopup()
{
    QComboBox::hidePopup();
    // Repaint the parent so no trace of the list's frame remains.
    if (parentWidget())
        parentWidget()->update();
}

bool TsuiCustomComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_popup && event->type() == QEvent::Paint && !m_framingPopup) {
        // The list's own painting first, then the frame over its outer edge.
        m_framingPopup = true;
        QCoreApplication::sendEvent(m_popup, event);
        m_framingPopup = false;
        QPainter p(m_popup);
        p.setPen(m_borderColor);
        p.drawRect(m_popup->rect().adjusted(0, 0, -1, -1));
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void TsuiCustomComboBox::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}
