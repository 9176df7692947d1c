#include "../Wait.h"
#include "XvfbServer.h"

#include "skin/chrome/TsuiForm.h"
#include "skin/chrome/TsuiTitleBarPopupMenu.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

extern QString g_noDisplay;

namespace {

// A BlueGlass frame in a real top-level window on the private X server.
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
    }

    TsuiTitleBar* bar() const { return frame->TitleBar(); }
    QPoint maxButton() const { return bar()->ButtonRect(2).center(); }

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

TEST_F(RealWindow, DragMovesTheWindow)
{
    QTest::mousePress(bar(), Qt::LeftButton, {}, QPoint(250, 15));
    QTest::mouseMove(bar(), QPoint(310, 55));
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, QPoint(310, 55));
    WAIT_EQ(host->geometry(), QRect(160, 120, 500, 300));
}

TEST_F(RealWindow, MaximiseFillsTheWorkAreaAndRestoreGoesBack)
{
    const QRect normal = host->geometry();
    QTest::mouseClick(bar(), Qt::LeftButton, {}, maxButton());
    WAIT_EQ(host->geometry(), QRect(0, 0, 1024, 728));
    // The state comes back from the X server after the geometry: the second
    // click must see it, or it would maximise again.
    WAIT_TRUE(host->isMaximized());
    EXPECT_EQ(frame->geometry(), QRect(1, 0, 1022, 727));
    EXPECT_EQ(bar()->width(), 1022);

    QTest::mouseClick(bar(), Qt::LeftButton, {}, maxButton());
    WAIT_EQ(host->geometry(), normal);
    EXPECT_FALSE(host->isMaximized());
}

TEST_F(RealWindow, EdgeDragResizes)
{
    QTest::mousePress(host.get(), Qt::LeftButton, {}, QPoint(499, 150));
    QTest::mouseMove(host.get(), QPoint(539, 150));
    QTest::mouseRelease(host.get(), Qt::LeftButton, {}, QPoint(539, 150));
    WAIT_EQ(host->geometry(), QRect(100, 80, 540, 300));
    EXPECT_EQ(bar()->width(), 538);
}

TEST_F(RealWindow, SystemMenuMinimisesAndCloses)
{
    QTest::keyClick(host.get(), Qt::Key_Space, Qt::AltModifier);
    TsuiTitleBarPopupMenu* menu = bar()->SystemMenu();
    WAIT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), QPoint(100, 80 + bar()->height()));
    menu->hide();
    menu->MinimizeItem()->trigger();
    WAIT_TRUE(host->isMinimized());
    host->showNormal();
    menu->CloseItem()->trigger();
    WAIT_TRUE(!host->isVisible());
}
