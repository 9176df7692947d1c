#include "skin/chrome/MenuBarButton.h"

#include "skin/chrome/FrameMenuBar.h"
#include "skin/chrome/MenuBarPainter.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QMouseEvent>

namespace {

// What a screen reader hears: a menu item named by its caption (without
// the accelerator marker) that can be pressed.
class MenuBarButtonAccessible : public QAccessibleWidget {
public:
    explicit MenuBarButtonAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::MenuItem) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return CaptionWithoutAccelerator(static_cast<QAbstractButton*>(widget())->text());
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            static_cast<QAbstractButton*>(widget())->click();
    }
};

QAccessibleInterface* MenuBarAccessibleFactory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("MenuBarButton"))
        return new MenuBarButtonAccessible(widget);
    if (className == QLatin1String("FrameMenuBar"))
        return new QAccessibleWidget(widget, QAccessible::MenuBar, QStringLiteral("Menu"));
    return nullptr;
}

} // namespace

void InstallMenuBarAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(MenuBarAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

MenuBarButton::MenuBarButton(QAction* item, FrameMenuBar* bar) : QAbstractButton(bar), m_bar(bar), m_item(item)
{
    InstallMenuBarAccessibility();
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this, [this] { emit openRequested(this); });
    Refresh();
}

void MenuBarButton::Refresh()
{
    if (!m_item)
        return;
    // Setting the text also claims the caption's Alt+letter accelerator.
    if (text() != m_item->text())
        setText(m_item->text());
    setEnabled(m_item->isEnabled());
    setVisible(m_item->isVisible());
    update();
}

bool MenuBarButton::event(QEvent* event)
{
    // The accelerator opens the menu at once, without the animated click.
    if (event->type() == QEvent::Shortcut) {
        if (isEnabled())
            emit openRequested(this);
        return true;
    }
    return QAbstractButton::event(event);
}

void MenuBarButton::mousePressEvent(QMouseEvent* event)
{
    // Menu bars drop down on press; the open menu takes the release.
    if (event->button() == Qt::LeftButton && isEnabled()) {
        emit openRequested(this);
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

QSize MenuBarButton::sizeHint() const
{
    return QSize(MenuBarButtonWidth(m_bar->Look().font, text()), m_bar->height());
}

void MenuBarButton::paintEvent(QPaintEvent*)
{
    MenuBarButtonState state;
    state.size = size();
    state.caption = text();
    state.enabled = isEnabled();
    state.hot = underMouse();
    state.pressed = m_bar->OpenButton() == this;
    runtime::Canvas canvas(this);
    PaintMenuBarButton(canvas, m_bar->Look(), state);
}
