// The main window shown, painted and closed on a headless Weston. The
// compositor gets one end of a socket pair as its only client and QUARLEX
// the other: nothing waits for a socket to appear, and the compositor ends
// with the connection.
#include "app/FormComponents.h"
#include "app/TForm1.h"
#include "common/PrivateQtSettings.h"
#include "runtime/Application.h"
#include "skin/chrome/TsuiForm.h"

#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString g_skip;
// Where the compositor writes what went wrong.
QString g_westonLog;

// Counts the paints of a window.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Weston on the headless back end in its own process group, serving the
// one client on `serverFd`; it dies with this process.
pid_t startWeston(const QString& program, int serverFd, const QByteArray& runtimeDir)
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int devNull = open("/dev/null", O_RDWR);
    dup2(devNull, STDIN_FILENO);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    setenv("XDG_RUNTIME_DIR", runtimeDir.constData(), 1);
    setenv("WAYLAND_SERVER_SOCKET", std::to_string(serverFd).c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("DISPLAY");
    const QByteArray path = program.toLocal8Bit();
    const QByteArray log = "--log=" + runtimeDir + "/weston.log";
    execl(path.constData(), "weston", "--backend=headless-backend.so", "--shell=desktop-shell.so", "--width=1024",
          "--height=768", "--idle-time=0", log.constData(), static_cast<char*>(nullptr));
    _exit(127);
}

} // namespace

TEST(MainWindowOnWayland, ShowsPaintsAndClosesCleanly)
{
    if (!g_skip.isEmpty())
        GTEST_SKIP() << g_skip.toStdString();
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("wayland")) << "see " << g_westonLog.toStdString();
    PrivateQtSettings settings;
    RegisterFormComponents();
    TForm1 form;
    PaintCounter counter;
    form.installEventFilter(&counter);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }));

    const QImage picture = form.grab().toImage();
    ASSERT_EQ(picture.size() / picture.devicePixelRatio(), form.size());
    const TsuiForm* frame = form.suiForm1;
    const qreal ratio = picture.devicePixelRatio();
    EXPECT_EQ(QColor(picture.pixel(QPoint(frame->x() + 5, frame->y() + 100) * ratio)), QColor(0xE7, 0xE7, 0xE7));
    EXPECT_NE(picture.pixel(QPoint(frame->x() + 300, frame->y() + 10) * ratio),
              picture.pixel(QPoint(frame->x() + 5, frame->y() + 100) * ratio));

    EXPECT_TRUE(form.close());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }));
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QUARLEX_HISTORY", ""); // the machine's own history stays untouched
    QTemporaryDir runtimeDir;
    const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
    pid_t westonPid = -1;
    int pair[2] = {-1, -1};
    if (weston.isEmpty()) {
        g_skip = QStringLiteral("weston is not installed");
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (socketpair(AF_UNIX, SOCK_STREAM, 0, pair) != 0) {
        g_skip = QStringLiteral("no socket pair");
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else {
        // The client's end must not leak into the compositor and back.
        fcntl(pair[1], F_SETFD, FD_CLOEXEC);
        QFile::setPermissions(runtimeDir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        westonPid = startWeston(weston, pair[0], QFile::encodeName(runtimeDir.path()));
        g_westonLog = runtimeDir.filePath(QStringLiteral("weston.log"));
        close(pair[0]);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
        qputenv("WAYLAND_SOCKET", QByteArray::number(pair[1]));
        qunsetenv("WAYLAND_DISPLAY");
        // Without the Wayland plugin Qt falls back and the test says so.
        qputenv("QT_QPA_PLATFORM", "wayland;offscreen");
    }
    int result = 0;
    {
        runtime::Application app(argc, argv);
        runtime::Application::setTitle(QStringLiteral("QUARLEX"));
        result = RUN_ALL_TESTS();
    }
    if (westonPid > 0) {
        kill(-westonPid, SIGTERM);
        waitpid(westonPid, nullptr, 0);
    }
    return result;
}
