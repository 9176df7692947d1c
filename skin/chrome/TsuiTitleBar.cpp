#include "skin/chrome/TsuiTitleBar.h"

#include "runtime/Bitmap.h"
#include "runtime/Canvas.h"
#include "runtime/FontSubstitute.h"
#include "skin/chrome/FrameGeometry.h"
#include "skin/chrome/TsuiTitleBarPopupMenu.h"
#include "skin/chrome/WindowActions.h"
#include "skin/theme/BuiltinTheme.h"
#include "skin/theme/FormHelpers.h"
#include "skin/theme/LookSource.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
// The caption colour of an inactive window (the system's inactive caption).
constexpr runtime::TColor kInactiveCaption = 0x80000003;
constexpr runtime::TColor kWhite = 0xFFFFFF;
constexpr runtime::TColor kBlack = 0x000000;
} // namespace

TsuiTitleBar::TsuiTitleBar(QWidget* owner) : QWidget(owner), m_look(this, [this] { applyStyle(); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    connect(&m_buttons, &TitleBarCollectionBase::changed, this, qOverload<>(&QWidget::update));
    connect(&m_sections, &TitleBarCollectionBase::changed, this, qOverload<>(&QWidget::update));
    m_systemMenu = new TsuiTitleBarPopupMenu(this);
    connect(m_systemMenu->MinimizeItem(), &QAction::triggered, this, [this] {
        if (QWidget* host = HostForm())
            chrome::MinimizeWindow(host);
    });
    connect(m_systemMenu->MaximizeItem(), &QAction::triggered, this, [this] {
        for (int i = 0; i < m_buttons.Count(); ++i)
            if (m_buttons[i]->ButtonType() == suiMax)
                RunButtonAction(i);
    });
    connect(m_systemMenu->CloseItem(), &QAction::triggered, this, [this] {
        if (QWidget* host = HostForm())
            host->close();
    });
    for (TsuiTitleBarBtnType type : {suiControlBox, suiClose, suiMax, suiMin})
        m_buttons.Add()->setButtonType(type);
    // The designed caption font is Tahoma 8 bold.
    QFont captionFont(runtime::DesignedFontSubstitute());
    captionFont.setPixelSize(11);
    captionFont.setBold(true);
    setFont(captionFont);
    setUIStyle(GetOwnerFormUIStyle(owner));
}

TsuiTitleBar::~TsuiTitleBar() = default;

QWidget* TsuiTitleBar::HostForm() const
{
    return parentWidget() ? window() : nullptr;
}

void TsuiTitleBar::setFramed(bool framed, bool sizeable)
{
    m_framed = framed;
    m_sizeable = sizeable;
}

void TsuiTitleBar::setCustom(bool custom)
{
    m_custom = custom;
    pushButtonContext();
}

void TsuiTitleBar::pushButtonContext()
{
    const QWidget* host = HostForm();
    m_buttons.setContext({FileTheme(), host && host->isMaximized(), m_custom});
}

void TsuiTitleBar::setFileTheme(TsuiFileTheme* theme)
{
    // A new theme keeps the caption colour; only a style write resets it.
    const bool keep = m_keepFontColor;
    m_keepFontColor = true;
    m_look.setFileTheme(theme);
    m_keepFontColor = keep;
}

void TsuiTitleBar::setUIStyle(TsuiUIStyle style)
{
    m_look.setStyle(style);
}

void TsuiTitleBar::applyStyle()
{
    if (m_custom)
        return;
    pushButtonContext();
    m_sections.Clear();
    const Look values = m_look.look();
    applyLayout(values);
    const TsuiUIStyle effective = values.style;
    for (int i = 0; i < m_buttons.Count(); ++i)
        m_buttons[i]->setUIStyle(effective);
    m_systemMenu->setUIStyle(effective);
    m_systemMenu->setFileTheme(FileTheme());
    if (ParentIsSkinForm())
        ApplyWindowRegion(m_roundCorner);
    if (!m_keepFontColor)
        m_fontColor = UIStyle() == TsuiUIStyle::MacOS ? kBlack : kWhite;
    setAutoSize(true);
    update();
}

void TsuiTitleBar::applyLayout(const Look& values)
{
    QImage picture;
    values.bitmap(ThemeElement::TitleBarLeftImage, picture);
    TsuiTitleBarSection* left = m_sections.Add();
    left->setPicture(&picture);
    left->setAutoSize(true);

    picture = QImage();
    values.bitmap(ThemeElement::TitleBarRightImage, picture);
    TsuiTitleBarSection* right = m_sections.Add();
    right->setPicture(&picture);
    right->setAutoSize(true);
    right->setAlign(suiRight);

    picture = QImage();
    values.bitmap(ThemeElement::TitleBarClientImage, picture);
    TsuiTitleBarSection* client = m_sections.Add();
    client->setPicture(&picture);
    client->setAlign(suiClient);

    m_leftBtnXOffset = values.titleBarButtonLeftOffset;
    m_rightBtnXOffset = values.titleBarButtonRightOffset;
    m_outlineColor = values.formBorder;
    QImage strip;
    values.bitmap(ThemeElement::TitleBarButtonImage, strip);
    m_captionBandHeight = strip.height();
    m_captionTop = values.titleBarButtonTop;
    if (QWidget* host = HostForm())
        host->setMinimumWidth(values.formMinWidth);
    m_roundCorner = values.formRoundCorner;
}

void TsuiTitleBar::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_sections.Count() == 0) {
        m_autoSize = false;
        return;
    }
    // The bar is as high as its first section's picture, whatever was written.
    const int h = m_sections[0]->Picture().height();
    setFixedHeight(h);
}

void TsuiTitleBar::setButtonInterval(int interval)
{
    m_buttonInterval = interval;
    update();
}

void TsuiTitleBar::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
}

void TsuiTitleBar::setFormActive(bool active)
{
    m_formActive = active;
    update();
}

void TsuiTitleBar::setLeftBtnXOffset(int offset)
{
    m_leftBtnXOffset = offset;
    update();
}

void TsuiTitleBar::setRightBtnXOffset(int offset)
{
    m_rightBtnXOffset = offset;
    update();
}

void TsuiTitleBar::setDrawAppIcon(bool draw)
{
    m_drawAppIcon = draw;
    update();
}

void TsuiTitleBar::setRoundCorner(int corner)
{
    m_roundCorner = corner;
    if (ParentIsSkinForm())
        ApplyWindowRegion(corner);
}

void TsuiTitleBar::setFontColor(runtime::TColor color)
{
    m_fontColor = color;
    update();
}

void TsuiTitleBar::ApplyWindowRegion(int corner)
{
    QWidget* host = HostForm();
    if (!host)
        return;
    if (corner <= 0)
        host->clearMask();
    else
        host->setMask(chrome::WindowRegion(host->rect(), corner));
}

void TsuiTitleBar::UpdateWindowRegion()
{
    if (ParentIsSkinForm())
        ApplyWindowRegion(m_roundCorner);
}

void TsuiTitleBar::UpdateMaxButtons()
{
    pushButtonContext();
    for (int i = 0; i < m_buttons.Count(); ++i)
        if (m_buttons[i]->ButtonType() == suiMax)
            m_buttons[i]->UpdateMaxGlyph();
}

chrome::ButtonRowLayout TsuiTitleBar::buttonLayout() const
{
    QList<chrome::ButtonSlot> items;
    for (int i = 0; i < m_buttons.Count(); ++i) {
        const TsuiTitleBarButton* b = m_buttons[i];
        items.append({b->Visible(), b->ButtonType() == suiControlBox, b->PicNormal().width()});
    }
    chrome::ButtonRowMetrics m;
    m.barWidth = width();
    m.rightOffset = m_rightBtnXOffset;
    m.leftOffset = m_leftBtnXOffset;
    m.buttonInterval = m_buttonInterval;
    m.drawAppIcon = m_drawAppIcon;
    return chrome::PlaceButtons(items, m);
}

int TsuiTitleBar::hotButtonAt(QPoint p) const
{
    const chrome::ButtonRowLayout layout = buttonLayout();
    // Drawing order decides: the right-hand row first, the control box last.
    int hot = -1;
    auto test = [&](int i) {
        const TsuiTitleBarButton* b = m_buttons[i];
        const QRect r = runtime::Rect(layout.x[i], b->Top(), layout.x[i] + b->PicNormal().width(),
                                      b->Top() + b->PicNormal().height());
        if (PointInRect(p, r))
            hot = i;
    };
    for (int i = 0; i < m_buttons.Count(); ++i)
        if (layout.x[i] >= 0 && i != layout.controlBox)
            test(i);
    if (layout.controlBox >= 0)
        test(layout.controlBox);
    return hot;
}

QImage TsuiTitleBar::Compose() const
{
    QImage bitmap(width(), height(), runtime::BitmapFormat);
    DrawSections(bitmap);
    DrawButtonsAndCaption(bitmap);
    if (UIStyle() != TsuiUIStyle::WinXP && m_roundCorner != 0 && ParentIsSkinForm()) {
        // The line along the window's outline, which runs one pixel outside
        // the bar on each side: only its top edge and the rounded corners
        // land inside the bar. Each corner row runs from its own inset to
        // the row above's, mirrored on the right, so the line meets the
        // outline on both sides.
        runtime::Canvas canvas(&bitmap);
        QPainter& p = canvas.painter();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(runtime::ColorFromTColor(m_outlineColor));
        const int outer = width() + 2;
        const QList<int> insets = chrome::CornerInsets(QSize(outer, height() + 50), m_roundCorner);
        const int top = insets.isEmpty() ? 0 : insets[0];
        p.drawLine(top - 1, 0, outer - 2 - top, 0);
        for (int y = 1; y < insets.size(); ++y) {
            const int from = insets[y];
            const int to = std::max(from, insets[y - 1] - 1);
            p.drawLine(from - 1, y, to - 1, y);
            p.drawLine(outer - 2 - from, y, outer - 2 - to, y);
        }
    }
    return bitmap;
}

void TsuiTitleBar::DrawSections(QImage& bitmap) const
{
    runtime::Canvas canvas(&bitmap);
    QList<chrome::SectionSlot> items;
    for (int i = 0; i < m_sections.Count(); ++i) {
        const TsuiTitleBarSection* s = m_sections[i];
        items.append({int(s->Align()), s->Width(), s->Stretch()});
    }
    for (const chrome::SectionPlacement& place : chrome::PlaceSections(items, bitmap.width(), bitmap.height())) {
        const QImage& picture = m_sections[place.index]->Picture();
        if (picture.isNull())
            continue;
        if (place.stretch) {
            canvas.stretchDraw(place.dest, picture);
        } else {
            // Unscaled, clipped to the section's width and the bar's height.
            const int w = std::min(place.dest.width(), picture.width());
            const int h = std::min(place.dest.height(), picture.height());
            canvas.copyRect(QRect(place.dest.x(), 0, w, h), picture, QRect(0, 0, w, h));
        }
    }
}

void TsuiTitleBar::DrawButtonsAndCaption(QImage& bitmap) const
{
    runtime::Canvas canvas(&bitmap);
    const chrome::ButtonRowLayout layout = buttonLayout();
    const int hot = m_cursor ? hotButtonAt(*m_cursor) : -1;

    auto drawButton = [&](int i) {
        const TsuiTitleBarButton* b = m_buttons[i];
        const QImage& source = i != hot ? b->PicNormal() : (m_mouseDown ? b->PicMouseDown() : b->PicMouseOn());
        // The picture is drawn at the normal picture's size; a transparent
        // button keys out the colour of its bottom-left pixel.
        const QImage picture = source.copy(0, 0, b->PicNormal().width(), b->PicNormal().height());
        if (b->Transparent())
            canvas.drawTransparent(layout.x[i], b->Top(), picture, runtime::DefaultTransparentColor(picture));
        else
            canvas.draw(layout.x[i], b->Top(), picture);
    };
    for (int i = 0; i < m_buttons.Count(); ++i)
        if (layout.x[i] >= 0 && i != layout.controlBox)
            drawButton(i);
    if (layout.controlBox >= 0) {
        if (m_drawAppIcon) {
            const QPixmap icon = QApplication::windowIcon().pixmap(16, 16);
            if (!icon.isNull())
                canvas.painter().drawPixmap(layout.x[layout.controlBox] + chrome::kAppIconInset,
                                            m_buttons[layout.controlBox]->Top(), icon);
        } else {
            drawButton(layout.controlBox);
        }
    }

    QPainter& p = canvas.painter();
    p.setFont(font());
    const QFontMetrics metrics(font());
    const runtime::TColor color = m_formActive ? m_fontColor : kInactiveCaption;
    p.setPen(runtime::ColorFromTColor(color));
    const QString text = chrome::ShortenCaption(m_caption, layout.captionRight - layout.captionLeft,
                                                [&](const QString& s) { return metrics.horizontalAdvance(s); });
    const int y = chrome::CaptionY(m_captionBandHeight, metrics.height(), m_captionTop);
    p.drawText(layout.captionLeft, y + metrics.ascent(), text);
}

void TsuiTitleBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Compose());
}

int TsuiTitleBar::edgeHitTest(QPoint p) const
{
    QWidget* host = HostForm();
    if (!host || !m_framed)
        return chrome::HtClient;
    return chrome::TitleBarEdgeHitTest(p, host->width(), m_sizeable, host->isMaximized(), chrome::HtClient);
}

void TsuiTitleBar::PopupSystemMenu(QPoint global)
{
    bool hasMin = false;
    bool hasMax = false;
    bool hasClose = false;
    for (int i = 0; i < m_buttons.Count(); ++i) {
        hasMin |= m_buttons[i]->ButtonType() == suiMin;
        hasMax |= m_buttons[i]->ButtonType() == suiMax;
        hasClose |= m_buttons[i]->ButtonType() == suiClose;
    }
    m_systemMenu->Popup(global, hasMin, hasMax, hasClose);
}

void TsuiTitleBar::RunButtonAction(int index)
{
    QWidget* host = HostForm();
    if (!host || index < 0 || index >= m_buttons.Count())
        return;
    TsuiTitleBarButton* button = m_buttons[index];
    switch (button->ButtonType()) {
    case suiMax:
        if (host->isMaximized()) {
            chrome::RestoreWindow(host);
        } else {
            chrome::MaximizeWindow(host);
            // Under a frame the frame confines the size itself; a bare bar
            // confines it here, one pixel short of the work area's bottom.
            if (!m_framed)
                chrome::ConfineToWorkArea(host, 1);
        }
        pushButtonContext();
        button->UpdateMaxGlyph();
        break;
    case suiMin:
        chrome::MinimizeWindow(host);
        break;
    case suiClose:
        host->close();
        break;
    case suiControlBox:
        if (QMenu* menu = button->ControlBoxMenu())
            menu->popup(mapToGlobal(QPoint(0, height())));
        break;
    case suiHelp:
    case suiCustom:
        break;
    }
}

void TsuiTitleBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_cursor = event->position().toPoint();
    const int edge = edgeHitTest(*m_cursor);
    if (edge != chrome::HtClient) {
        chrome::StartWindowResize(this, chrome::EdgesForHitTest(edge), event->globalPosition().toPoint());
        return;
    }
    m_mouseDown = true;
    update();
    QWidget* host = HostForm();
    if (hotButtonAt(*m_cursor) < 0 && host && !host->isMaximized()) {
        m_pendingMove = event->globalPosition().toPoint();
        m_mouseDown = false;
    }
}

void TsuiTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    m_cursor = event->position().toPoint();
    if (m_pendingMove && (event->buttons() & Qt::LeftButton)) {
        const QPoint press = *m_pendingMove;
        m_pendingMove.reset();
        chrome::StartWindowMove(this, press, event->globalPosition().toPoint());
        return;
    }
    setCursor(chrome::CursorForHitTest(edgeHitTest(*m_cursor)));
    update();
}

void TsuiTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pendingMove.reset();
    m_cursor = event->position().toPoint();
    const int hot = m_mouseDown ? hotButtonAt(*m_cursor) : -1;
    if (hot >= 0) {
        TsuiTitleBarButton* button = m_buttons[hot];
        const TsuiTitleBarBtnType type = button->ButtonType();
        if (type != suiControlBox || button->ControlBoxMenu()) {
            QPointer<TsuiTitleBar> alive(this);
            RunButtonAction(hot);
            if (!alive)
                return;
            if (type == suiCustom)
                emit customBtnsClick(this, hot);
            else if (type == suiHelp)
                emit helpBtnClick(this, hot);
        } else {
            PopupSystemMenu(mapToGlobal(QPoint(0, height())));
        }
    }
    m_mouseDown = false;
    update();
}

void TsuiTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    m_pendingMove.reset();
    const int hot = hotButtonAt(event->position().toPoint());
    if (hot < 0) {
        for (int i = 0; i < m_buttons.Count(); ++i) {
            if (m_buttons[i]->ButtonType() == suiMax) {
                RunButtonAction(i);
                break;
            }
        }
    } else if (m_buttons[hot]->ButtonType() == suiControlBox) {
        if (QWidget* host = HostForm())
            host->close();
    }
}

void TsuiTitleBar::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    m_cursor.reset();
    update();
}

void TsuiTitleBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        update();
}
