#include "XvfbServer.h"

#include "app/FormComponents.h"
#include "app/TForm1.h"
#include "runtime/Application.h"
#include "skin/chrome/TsuiForm.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString g_noDisplay;

// The screen's picture of the window, with what lies around its outline.
QImage photograph(const QWidget& window)
{
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    return screen.copy(window.frameGeometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(MainWindowOnX, ShowsTheSkinnedWizardAndIsPhotographed)
{
    if (!g_noDisplay.isEmpty())
        GTEST_SKIP() << "no X display: " << g_noDisplay.toStdString();
    RegisterFormComponents();
    TForm1 form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // Settled: placed, painted and cut to its rounded outline.
    QImage picture;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        picture = photograph(form);
        return picture.size() == form.size() && picture.pixel(0, 0) != picture.pixel(300, 3);
    }));
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(SCREENSHOT_DIR)));
    const QString file = QStringLiteral(SCREENSHOT_DIR "/quarlex-window.png");
    ASSERT_TRUE(picture.save(file));
    std::printf("screenshot: %s\n", qPrintable(file));

    // No window-manager frame: the window is the frame's own.
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(form.frameGeometry().center().x() - screen.center().x()), 1);
    // Inside the border the client colour shows; the top corners are round.
    const TsuiForm* frame = form.suiForm1;
    EXPECT_EQ(picture.pixel(frame->x() + 5, frame->y() + 100), qRgb(0xE7, 0xE7, 0xE7));
    EXPECT_NE(picture.pixel(frame->x(), frame->y()), picture.pixel(frame->x() + 20, frame->y() + 2));
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const std::unique_ptr<XvfbServer> server = XvfbServer::startForTests(g_noDisplay);
    if (!server)
        return RUN_ALL_TESTS();
    qputenv("DISPLAY", server->display().toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    runtime::Application app(argc, argv);
    runtime::Application::setTitle(QStringLiteral("QUARLEX"));
    return RUN_ALL_TESTS();
}
