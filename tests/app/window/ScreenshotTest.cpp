#include "HistoryOnX.h"
#include "XvfbServer.h"

#include "app/FormComponents.h"
#include "app/HistoryWindow.h"
#include "app/TForm1.h"
#include "history/HistoryStore.h"
#include "runtime/Application.h"
#include "skin/chrome/TsuiForm.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
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

TEST(HistoryWindowOnX, QuarlexHistoryShowsTheRowsAndIsPhotographed)
{
    if (!g_noDisplay.isEmpty())
        GTEST_SKIP() << "no X display: " << g_noDisplay.toStdString();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        history::HistoryStore store(path);
        for (const char* outcome : {"converted", "failed", "converted"}) {
            history::HistoryEntry e;
            e.startedAt = QStringLiteral("2026-12-08T09:30:00Z");
            e.source = QStringLiteral("/home/user/papers/report-%1.pdf").arg(outcome);
            e.mode = QStringLiteral("Rip to HTML File");
            e.destination = QStringLiteral("/home/user/out");
            e.outcome = QString::fromLatin1(outcome);
            e.reason = e.outcome == QLatin1String("failed") ? QStringLiteral("the document is damaged") : QString();
            store.append(e);
        }
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUARLEX_HISTORY"), path);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path()); // the user's look stays out
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUARLEX_PROGRAM), {QStringLiteral("--history")});
    ASSERT_TRUE(program.waitForStarted());
    // The program ends with the test, whatever fails on the way.
    const auto stop = qScopeGuard([&program] {
        program.terminate();
        if (!program.waitForFinished(10000))
            program.kill();
        program.waitForFinished();
    });

    // Up, painted, and showing the failed row in its colour.
    const QString display = QString::fromLocal8Bit(qgetenv("DISPLAY"));
    QRect place;
    QImage picture;
    const auto failedColourShown = [&] {
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixel(x, y) == qRgb(0xb0, 0x10, 0x20))
                    return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            place = FindMappedWindow(display, HistoryWindow::Caption);
            if (place.isEmpty())
                return false;
            picture = QGuiApplication::primaryScreen()->grabWindow(0).copy(place).toImage().convertToFormat(
                QImage::Format_RGB32);
            return failedColourShown();
        },
        30000))
        << "window at " << place.x() << "," << place.y() << " " << place.width() << "x" << place.height();
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(SCREENSHOT_DIR)));
    const QString file = QStringLiteral(SCREENSHOT_DIR "/quarlex-history.png");
    ASSERT_TRUE(picture.save(file));
    std::printf("screenshot: %s\n", qPrintable(file));
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
