#include "WindowStateKeeper.h"
#include "XvfbServer.h"

#include "runtime/Application.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// Set by main: why the tests cannot have a display, empty when they can.
QString g_noDisplay;

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // This program needs a real X display, never the offscreen platform.
    std::unique_ptr<WindowStateKeeper> keeper;
    const std::unique_ptr<XvfbServer> server = XvfbServer::startForTests(g_noDisplay);
    if (server) {
        if (keeper = std::make_unique<WindowStateKeeper>(server->display()); !keeper->running())
            g_noDisplay = QStringLiteral("cannot watch window states on ") + server->display();
    }
    if (!g_noDisplay.isEmpty())
        return RUN_ALL_TESTS(); // every test skips
    qputenv("DISPLAY", server->display().toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 0;
    {
        runtime::Application app(argc, argv);
        runtime::Application::setTitle(QStringLiteral("QUARLEX"));
        // Qt reads the work area when it changes, so it is published now
        // and waited for.
        const QRect workArea(0, 0, 1024, 728);
        if (!server->setWorkArea(workArea))
            g_noDisplay = QStringLiteral("cannot publish a work area on ") + server->display();
        else if (!QTest::qWaitFor([&] { return QGuiApplication::primaryScreen()->availableGeometry() == workArea; }))
            g_noDisplay = QStringLiteral("the work area did not reach the screen");
        result = RUN_ALL_TESTS();
    }
    return result;
}
