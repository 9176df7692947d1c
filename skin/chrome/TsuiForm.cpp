#include "skin/chrome/TsuiForm.h"

#include "runtime/Application.h"
#include "runtime/BitmapResource.h"
#include "runtime/Canvas.h"
#include "runtime/MessageService.h"
#include "runtime/RuntimeError.h"
#include "skin/chrome/FrameGeometry.h"
#include "skin/chrome/FrameMenuBar.h"
#include "skin/chrome/WindowActions.h"
#include "skin/theme/FormHelpers.h"
#include "skin/theme/LookSource.h"
#include "skin/theme/SkinBitmaps.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QPainter>

namespace {

// Minimum host size while a frame is attached; the title bar raises the
// width to its style's minimum.
constexpr int kMinHostWidth = 125;
constexpr int kMinHostHeight = 50;

// The one application-wide message hook: the first frame takes it.
QPointer<TsuiForm> s_hookOwner;

// Sees every event the application delivers, for the frame that holds the
// hook: Alt+Space opens a system menu under its title bar, and key presses
// are offered to its menu's shortcuts. Most Linux window managers keep
// Alt+Space for their own window menu, so F10, the desktops' key for a
// window's menu, opens it too. The menu is the active window's when that
// window has a frame (another skinned window of the program); otherwise
// Alt+Space opens the hook's own and F10 nothing.
class ApplicationHook : public QObject {
public:
    explicit ApplicationHook(TsuiForm* frame) : m_frame(frame) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool altSpace = key->key() == Qt::Key_Space && key->modifiers() == Qt::AltModifier;
        const bool f10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier;
        if (altSpace || f10) {
            TsuiForm* frame = activeFrame();
            if (!frame && altSpace)
                frame = m_frame;
            QWidget* host = frame ? frame->HostForm() : nullptr;
            if (!host)
                return false;
            frame->TitleBar()->PopupSystemMenu(QPoint(host->x(), host->y() + frame->TitleBar()->height()));
            return true;
        }
        return m_frame->CheckMenuShortCut(key->keyCombination()) != 0;
    }

private:
    // A form's frame is its one direct child of the class.
    static TsuiForm* activeFrame()
    {
        QWidget* active = QApplication::activeWindow();
        return active ? active->findChild<TsuiForm*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    }

    TsuiForm* m_frame;
};

// The border style the host was designed with: a stored BorderStyle
// property when the form description gave one, else sizeable unless the
// host already was frameless.
TFormBorderStyle BorderStyleOf(const QWidget* host)
{
    const QVariant stored = host->property("BorderStyle");
    if (stored.isValid()) {
        bool isNumber = false;
        const int number = stored.toInt(&isNumber);
        if (isNumber)
            return TFormBorderStyle(number);
        const QMetaEnum meta = QMetaEnum::fromType<TFormBorderStyle>();
        const int value = meta.keyToValue(stored.toString().toLatin1().constData());
        if (value >= 0)
            return TFormBorderStyle(value);
    }
    return host->windowFlags().testFlag(Qt::FramelessWindowHint) ? bsNone : bsSizeable;
}

} // namespace

TsuiForm::TsuiForm(QWidget* owner)
    : QWidget(owner)
    , m_look(
          this, [this] { applyStyle(); },
          // Children are told whatever UIStyleAutoUpdateSub says: none of
          // them may keep a theme that no longer exists.
          [this] { SpreadThemeToControls(this, TsuiUIStyle::DeepBlue, nullptr); })
{
    QWidget* host = owner && owner->isWindow() ? owner : nullptr;
    // One frame per form; checked before anything touches the host.
    if (host) {
        for (QObject* child : host->children())
            if (child != this && qobject_cast<TsuiForm*>(child))
                throw runtime::RuntimeError(
                    QStringLiteral("Sorry, You can create only one TsuiForm component in one form!"));
    }
    m_host = host;
    if (host) {
        host->setMinimumSize(kMinHostWidth, kMinHostHeight);
        m_designBounds = host->geometry();
        m_createdMaximized = host->isMaximized();
        m_initialBorderStyle = BorderStyleOf(host);
        m_titleBar = new TsuiTitleBar(this);
        m_titleBar->setObjectName(QStringLiteral("TitleBar"));
        m_titleBar->setFramed(true, m_initialBorderStyle == bsSizeable);
        connect(m_titleBar, &TsuiTitleBar::customBtnsClick, this, &TsuiForm::titleBarCustomBtnsClick);
        connect(m_titleBar, &TsuiTitleBar::helpBtnClick, this, &TsuiForm::titleBarHelpBtnClick);
    } else {
        // A frame without a form draws no title bar; a detached one, owned
        // here, keeps the accessors valid.
        m_titleBar = new TsuiTitleBar(nullptr);
        m_ownsDetachedTitleBar = true;
    }
    m_menuBarColor = m_color;
    m_menuBarHeight = 22;
    setUIStyle(TsuiUIStyle::DeepBlue);
    m_autoUpdateSub = false;
    if (host) {
        setCaption(host->windowTitle());
        m_titleBarVisible = true;
        attachToHost();
        // A main menu made before the frame links itself to it now.
        for (QObject* child : host->children())
            if (child->inherits("TsuiMainMenu") && !m_menu) {
                QMetaObject::invokeMethod(child, "LinkFrame", Qt::DirectConnection);
                break;
            }
    }
    m_constructing = false;
}

TsuiForm::~TsuiForm()
{
    m_appHook.reset();
    if (m_host)
        m_host->removeEventFilter(this);
    if (m_ownsDetachedTitleBar)
        delete m_titleBar;
}

void TsuiForm::attachToHost()
{
    QWidget* host = m_host;
    const bool wasVisible = host->isVisible();
    host->setWindowFlag(Qt::FramelessWindowHint, true);
    host->setMouseTracking(true);
    host->installEventFilter(this);
    if (wasVisible)
        host->show();
    if (!s_hookOwner) {
        s_hookOwner = this;
        m_appHook = std::make_unique<ApplicationHook>(this);
    }
    UpdatePanelBounds();
}

void TsuiForm::setFileTheme(TsuiFileTheme* theme)
{
    if (theme != FileTheme())
        m_look.setFileTheme(theme);
}

void TsuiForm::setUIStyle(TsuiUIStyle style)
{
    m_look.setStyle(style);
}

void TsuiForm::applyStyle()
{
    const TsuiUIStyle style = UIStyle();
    TsuiFileTheme* theme = FileTheme();
    const Look values = m_look.look();
    setBorderColor(values.formBorder);
    setBorderWidth(values.formBorderWidth);
    setColor(values.formBackground);
    setMenuBarColor(m_color);
    // The style write below resolves the look anew from whatever theme the
    // bar holds; passing the same theme first would only restyle it twice.
    if (theme != m_titleBar->FileTheme())
        m_titleBar->setFileTheme(theme);
    m_titleBar->setUIStyle(style);
    if (m_menuBar) {
        m_menuBar->setFrameStyle(style, theme);
        layoutChildren();
    }
    if (m_autoUpdateSub)
        SpreadThemeToControls(this, style, theme);
    UpdatePanelBounds();
    update();
    DrawBorder();
}

void TsuiForm::setBorderColor(runtime::TColor color)
{
    m_borderColor = color;
    UpdatePanelBounds();
    DrawBorder();
}

void TsuiForm::setBorderWidth(int width)
{
    m_borderWidth = width;
    // Rewriting the size keeps the panel's size and grows the host around
    // the new border. While the frame is being made the host keeps the size
    // it was designed with instead of taking the panel's unset one.
    if (!m_constructing)
        setWidth(Width());
    UpdatePanelBounds();
    if (!m_constructing)
        setHeight(Height());
    DrawBorder();
}

void TsuiForm::setTitleBarVisible(bool visible)
{
    if (visible == m_titleBarVisible)
        return;
    m_titleBarVisible = visible;
    if (m_host)
        m_titleBar->setVisible(visible);
    m_titleBar->move(0, 0);
    UpdatePanelBounds();
    DrawBorder();
}

void TsuiForm::setColor(runtime::TColor color)
{
    m_color = color;
    // Controls on the panel that take their parent's colour (opaque check
    // boxes, labels) show the panel's face, not the desktop's.
    QPalette face = palette();
    face.setColor(QPalette::Window, runtime::ColorFromTColor(color));
    setPalette(face);
    update();
}

QColor TsuiForm::BorderQColor() const
{
    return runtime::ColorFromTColor(m_borderColor);
}

void TsuiForm::setBorderQColor(const QColor& color)
{
    setBorderColor(runtime::TColorFromColor(color));
}

QColor TsuiForm::QColorValue() const
{
    return runtime::ColorFromTColor(m_color);
}

void TsuiForm::setQColorValue(const QColor& color)
{
    setColor(runtime::TColorFromColor(color));
}

void TsuiForm::setCaption(const QString& caption)
{
    m_titleBar->setCaption(caption);
    if (m_host)
        m_host->setWindowTitle(caption);
}

void TsuiForm::setFormPanel(QWidget* panel)
{
    if (panel == this) {
        runtime::MessageBox(this, QStringLiteral("Sorry, you can't select the Form assign to FormPanel property"),
                            runtime::Application::title(), runtime::MbOk | runtime::MbIconError);
        return;
    }
    m_formPanel = panel;
    if (!panel)
        return;
    // A plain panel loses its bevels and border; any panel its caption.
    if (auto* frame = qobject_cast<QFrame*>(panel))
        frame->setFrameShape(QFrame::NoFrame);
    for (const char* bevel : {"BevelInner", "BevelOuter"})
        if (panel->metaObject()->indexOfProperty(bevel) >= 0)
            panel->setProperty(bevel, QStringLiteral("bvNone"));
    if (panel->metaObject()->indexOfProperty("Caption") >= 0)
        panel->setProperty("Caption", QString());
    layoutChildren();
}

void TsuiForm::setHeight(int height)
{
    if (m_host)
        m_host->resize(m_host->width(), chrome::HostHeightForPanel(height, m_borderWidth));
    UpdatePanelBounds();
}

void TsuiForm::setWidth(int width)
{
    if (m_host)
        m_host->resize(chrome::HostWidthForPanel(width, m_borderWidth), m_host->height());
    UpdatePanelBounds();
}

void TsuiForm::UpdatePanelBounds()
{
    if (!m_host)
        return;
    setGeometry(chrome::PanelBounds(m_host->size(), m_borderWidth, m_titleBarVisible));
}

void TsuiForm::DrawBorder()
{
    if (m_host)
        m_host->update();
}

void TsuiForm::paintBorder()
{
    QPainter painter(m_host);
    const QColor color = BorderQColor();
    for (const QRect& strip : chrome::BorderStrips(m_host->size(), m_borderWidth))
        painter.fillRect(strip, color);
}

int TsuiForm::CheckMenuShortCut(const QKeyCombination& key)
{
    if (!m_host || !FormIsActive(m_host) || QApplication::activeWindow() != m_host || !m_menu)
        return 0;
    const QKeySequence pressed(key);
    const QList<QAction*> items = m_menu->findChildren<QAction*>();
    for (QAction* item : items) {
        if (item->isEnabled() && !item->shortcut().isEmpty() && item->shortcut() == pressed) {
            item->trigger();
            return 1;
        }
    }
    return 0;
}

void TsuiForm::setMenu(QMenu* menu)
{
    if (menu == m_menu)
        return;
    if (m_menu)
        disconnect(m_menu, &QObject::destroyed, this, nullptr);
    m_menu = menu;
    if (!menu) {
        // Clearing Menu frees the bar.
        delete m_menuBar;
        layoutChildren();
        return;
    }
    // A removed menu takes its bar with it.
    connect(menu, &QObject::destroyed, this, [this] { setMenu(nullptr); });
    if (!m_menuBar) {
        m_menuBar = new FrameMenuBar(this);
        m_menuBar->setBarColor(m_menuBarColor);
        m_menuBar->setBarHeight(m_menuBarHeight);
        m_menuBar->setFrameStyle(UIStyle(), FileTheme());
        m_menuBar->show();
    }
    // The menu keeps its own style until the frame's next style change.
    m_menuBar->setMenu(menu);
    layoutChildren();
}

FrameMenuBar* TsuiForm::MenuBar() const
{
    return m_menuBar;
}

void TsuiForm::setMenuBarColor(runtime::TColor color)
{
    m_menuBarColor = color;
    if (m_menuBar)
        m_menuBar->setBarColor(color);
}

void TsuiForm::setMenuBarHeight(int height)
{
    m_menuBarHeight = height;
    if (m_menuBar) {
        m_menuBar->setBarHeight(height);
        layoutChildren();
    }
}

void TsuiForm::sizeChanged(bool confine)
{
    if (m_createdMaximized) {
        // A window created maximised goes back to its designed bounds the
        // first time it is restored.
        if (!m_host->isMaximized()) {
            m_host->setGeometry(m_designBounds);
            m_createdMaximized = false;
        }
    }
    if (confine && m_host->isMaximized() && m_initialBorderStyle != bsNone)
        chrome::ConfineToWorkArea(m_host);
    UpdatePanelBounds();
    DrawBorder();
    m_titleBar->UpdateMaxButtons();
    m_titleBar->UpdateWindowRegion();
}

bool TsuiForm::hostMouseEvent(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const int code =
        chrome::FormEdgeHitTest(mouse->position().toPoint(), m_host->size(), m_initialBorderStyle == bsSizeable,
                                m_host->isMaximized(), chrome::HtClient);
    if (event->type() == QEvent::MouseMove && mouse->buttons() == Qt::NoButton) {
        m_host->setCursor(chrome::CursorForHitTest(code));
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && code != chrome::HtClient) {
        chrome::StartWindowResize(m_host, chrome::EdgesForHitTest(code), mouse->globalPosition().toPoint());
        return true;
    }
    return false;
}

bool TsuiForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_host)
        return false;
    switch (event->type()) {
    case QEvent::Paint:
        paintBorder();
        break;
    case QEvent::Resize:
        sizeChanged(true);
        break;
    case QEvent::WindowStateChange:
        // Sent the moment the program asks to maximise, before the window
        // manager has answered: a geometry request now would cross the
        // manager's own maximising, and openbox then drops the maximised
        // state now and then. The size the manager gives arrives as a
        // resize and is confined then.
        sizeChanged(false);
        break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ActivationChange:
        m_titleBar->setFormActive(m_host->isActiveWindow());
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
        return hostMouseEvent(event);
    case QEvent::KeyPress:
        return CheckMenuShortCut(static_cast<QKeyEvent*>(event)->keyCombination()) != 0;
    default:
        break;
    }
    return false;
}

void TsuiForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // MacOS and Protein tile their form background bitmap; the other
    // styles fill with the panel colour.
    const char* tile = UIStyle() == TsuiUIStyle::MacOS ? "MACOS_FORM_BACKGROUND"
        : UIStyle() == TsuiUIStyle::Protein            ? "PROTEIN_FORM_BACKGROUND"
                                                       : nullptr;
    if (!tile) {
        painter.fillRect(rect(), QColorValue());
        return;
    }
    QImage buffer(width(), height(), runtime::BitmapFormat);
    {
        runtime::Canvas canvas(&buffer);
        TileDraw(canvas, runtime::LoadBitmapResource(QString::fromLatin1(tile)), rect());
    }
    painter.drawImage(0, 0, buffer);
}

void TsuiForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void TsuiForm::layoutChildren()
{
    // The title bar is aligned to the top, the menu bar under it; the form
    // panel fills what is left below them.
    int barHeight = m_titleBarVisible && m_host ? m_titleBar->height() : 0;
    if (m_host)
        m_titleBar->setGeometry(0, 0, width(), m_titleBar->height());
    if (m_menuBar) {
        m_menuBar->setGeometry(0, barHeight, width(), m_menuBarHeight);
        barHeight += m_menuBarHeight;
    }
    if (m_formPanel && m_formPanel->parentWidget() == this)
        m_formPanel->setGeometry(0, barHeight, width(), height() - barHeight);
}

QFont TsuiForm::TitleFont() const
{
    return m_titleBar->font();
}

void TsuiForm::setTitleFont(const QFont& font)
{
    m_titleBar->setFont(font);
}

runtime::TColor TsuiForm::TitleFontColor() const
{
    return m_titleBar->FontColor();
}

void TsuiForm::setTitleFontColor(runtime::TColor color)
{
    m_titleBar->setFontColor(color);
}
