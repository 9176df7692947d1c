#include "../Wait.h"
#include "RealInput.h"
#include "XvfbServer.h"

#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiTitleBarPopupMenu.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

extern QString g_noDisplay;
extern QString g_display;

namespace {

// The mouse events the program has handled, seen from the application.
class SeenMouse : public QObject {
public:
    SeenMouse() { qApp->installEventFilter(this); }
    QPoint moveAt;
    bool pressed = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove)
            moveAt = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        else if (event->type() == QEvent::MouseButtonPress)
            pressed = true;
        return false;
    }
};

// A BlueGlass frame in a real top-level window on the private X server,
// managed by openbox.
class RealWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!g_noDisplay.isEmpty())
            GTEST_SKIP() << "no X display: " << g_noDisplay.toStdString();
        host = std::make_unique<QWidget>();
        host->setWindowTitle(QStringLiteral("QUARLEX"));
        frame = new TsuiForm(host.get());
        frame->setUIStyle(TsuiUIStyle::BlueGlass);
        host->setGeometry(100, 80, 500, 300);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        WAIT_EQ(host->geometry(), QRect(100, 80, 500, 300));
    }

    TsuiTitleBar* bar() const { return frame->TitleBar(); }
    // BlueGlass puts its 19-pixel buttons at y 6 from the bar's right edge,
    // 20 pixels apart: close, maximise, minimise.
    QPoint rightButton(int slot) const { return QPoint(bar()->width() - 22 - 20 * slot + 9, 6 + 9); }
    QPoint maxButton() const { return rightButton(1); }

    // Presses at `from` and drags to `to` with pointer input the X server
    // takes for real. The program asks the manager to take over (on the
    // press for an edge, on the first move for the caption) and the manager
    // follows the pointer from where it was then; each step waits until the
    // program and then the manager have handled it.
    void drag(QPoint from, QPoint to, bool takenOverOnPress)
    {
        RealInput input(g_display);
        ASSERT_TRUE(input.available()) << "no XTEST on the test server";
        SeenMouse seen;
        input.moveTo(from);
        WAIT_TRUE(seen.moveAt == from);
        input.press();
        WAIT_TRUE(seen.pressed);
        if (!takenOverOnPress) {
            input.moveTo(from + QPoint(1, 1));
            WAIT_TRUE(seen.moveAt == from + QPoint(1, 1));
        }
        QCoreApplication::processEvents(); // the program's request is sent
        input.ask();
        WAIT_TRUE(input.answered());
        input.moveTo(to);
        input.ask();
        WAIT_TRUE(input.answered());
        input.release();
    }

    std::unique_ptr<QWidget> host;
    TsuiForm* frame = nullptr;
};

} // namespace

TEST_F(RealWindow, ScreenHasAWorkAreaSmallerThanItself)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    EXPECT_EQ(screen->geometry(), XvfbServer::screenGeometry());
    EXPECT_EQ(screen->availableGeometry(), QRect(0, 0, 1024, 728));
}

// The grabbed point of the caption stays under the pointer.
TEST_F(RealWindow, DraggingTheCaptionMovesTheWindow)
{
    const QPoint grabbed(250, 15);
    const QPoint to = bar()->mapToGlobal(grabbed) + QPoint(60, 40);
    drag(bar()->mapToGlobal(grabbed), to, false);
    WAIT_TRUE((bar()->mapToGlobal(grabbed) - to).manhattanLength() <= 2) << host->x() << "," << host->y();
    EXPECT_EQ(host->size(), QSize(500, 300));
}

TEST_F(RealWindow, DraggingTheRightEdgeResizes)
{
    const QPoint edge = host->mapToGlobal(QPoint(499, 150));
    drag(edge, edge + QPoint(40, 0), true);
    WAIT_TRUE(std::abs(host->width() - 540) <= 2) << host->width();
    EXPECT_EQ(host->geometry().topLeft(), QPoint(100, 80));
    EXPECT_EQ(host->height(), 300);
    EXPECT_EQ(bar()->width(), host->width() - 2);
}

TEST_F(RealWindow, MaximiseFillsTheWorkAreaAndRestoreGoesBack)
{
    const QRect normal = host->geometry();
    QTest::mouseClick(bar(), Qt::LeftButton, {}, maxButton());
    WAIT_EQ(host->geometry(), QRect(0, 0, 1024, 728));
    // The state comes back from the manager after the geometry: the second
    // click must see it, or it would maximise again.
    WAIT_TRUE(host->isMaximized()) << int(host->windowState());
    EXPECT_EQ(frame->geometry(), QRect(1, 0, 1022, 727));
    EXPECT_EQ(bar()->width(), 1022);

    QTest::mouseClick(bar(), Qt::LeftButton, {}, maxButton());
    WAIT_EQ(host->geometry(), normal);
    WAIT_TRUE(!host->isMaximized());
}

TEST_F(RealWindow, MinimiseButtonIconifiesTheWindow)
{
    QTest::mouseClick(bar(), Qt::LeftButton, {}, rightButton(2));
    WAIT_TRUE(host->isMinimized());
    host->showNormal();
    WAIT_TRUE(!host->isMinimized() && host->isVisible());
}

TEST_F(RealWindow, SystemMenuOpensUnderTheCaptionAndRunsItsItems)
{
    QTest::keyClick(host.get(), Qt::Key_Space, Qt::AltModifier);
    TsuiTitleBarPopupMenu* menu = bar()->SystemMenu();
    WAIT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), QPoint(100, 80 + bar()->height()));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->MinimizeItem()).center());
    WAIT_TRUE(host->isMinimized());

    host->showNormal();
    WAIT_TRUE(!host->isMinimized());
    bar()->PopupSystemMenu(bar()->mapToGlobal(QPoint(0, bar()->height())));
    WAIT_TRUE(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(menu->CloseItem()).center());
    WAIT_TRUE(!host->isVisible());
}
