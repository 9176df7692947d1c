#include "Openbox.h"
#include "XvfbServer.h"

#include "runtime/Application.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Set by main: why the tests cannot have a display, empty when they can.
QString g_noDisplay;
// The display the tests run on, for input the window manager sees too.
QString g_display;

namespace {
// A task bar's worth of screen the window manager keeps free, so the work
// area (1024 x 728) differs from the screen (1024 x 768).
constexpr int kPanelHeight = 40;
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // This program needs a real X display under a real window manager,
    // never the offscreen platform.
    std::unique_ptr<Openbox> manager;
    const std::unique_ptr<XvfbServer> server = XvfbServer::startForTests(g_noDisplay);
    if (server) {
        manager = std::make_unique<Openbox>(server->display(), kPanelHeight);
        if (!manager->running())
            g_noDisplay = manager->failure();
    }
    if (!g_noDisplay.isEmpty())
        return RUN_ALL_TESTS(); // every test skips
    g_display = server->display();
    qputenv("DISPLAY", g_display.toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 0;
    {
        runtime::Application app(argc, argv);
        runtime::Application::setTitle(QStringLiteral("QUARLEX"));
        if (!QTest::qWaitFor(
                [&] { return QGuiApplication::primaryScreen()->availableGeometry() == manager->workArea(); }))
            g_noDisplay = QStringLiteral("the work area did not reach the screen");
        result = RUN_ALL_TESTS();
    }
    return result;
}
