#include "Openbox.h"

#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QFile>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// No key or mouse bindings: the defaults open openbox's own window menu on
// Alt+Space, which the frame's system menu must get instead.
constexpr char kConfig[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy></placement>
  <desktops><number>1</number></desktops>
  <margins><top>0</top><left>0</left><right>0</right><bottom>%1</bottom></margins>
  <keyboard></keyboard>
  <mouse></mouse>
</openbox_config>
)";

xcb_atom_t Intern(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// The root window's CARDINAL/WINDOW property, empty when it is not set.
std::vector<uint32_t> RootProperty(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t atom)
{
    std::vector<uint32_t> values;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 16), nullptr);
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return values;
}

} // namespace

Openbox::Openbox(const QString& display, int panelHeight)
{
    const QString configPath = m_configDir.filePath(QStringLiteral("rc.xml"));
    QFile config(configPath);
    if (!m_configDir.isValid() || !config.open(QIODevice::WriteOnly)) {
        m_failure = QStringLiteral("cannot write an openbox configuration");
        return;
    }
    config.write(QString::fromLatin1(kConfig).arg(panelHeight).toUtf8());
    config.close();

    const QByteArray displayVar = "DISPLAY=" + display.toLatin1();
    const QByteArray configArg = configPath.toLocal8Bit();
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        m_failure = QStringLiteral("no fork");
        return;
    }
    if (pid == 0) {
        // Its own process group, and gone with the test program however
        // that ends.
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent)
            _exit(127);
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        putenv(const_cast<char*>(displayVar.constData()));
        execlp("openbox", "openbox", "--config-file", configArg.constData(), "--sm-disable",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    m_pid = pid;
    if (!waitUntilManaging(display, panelHeight) && m_failure.isEmpty())
        m_failure = QStringLiteral("openbox did not take over the display");
}

Openbox::~Openbox()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

bool Openbox::waitUntilManaging(const QString& display, int panelHeight)
{
    xcb_connection_t* connection = xcb_connect(display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        m_failure = QStringLiteral("cannot connect to ") + display;
        return false;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_atom_t check = Intern(connection, "_NET_SUPPORTING_WM_CHECK");
    const xcb_atom_t workArea = Intern(connection, "_NET_WORKAREA");
    const QRect expected(0, 0, screen->width_in_pixels, screen->height_in_pixels - panelHeight);
    // The manager announces itself once it manages the screen; the work
    // area follows from its margins. Polled with a bound: there is no event
    // to wait for before one knows the manager is there.
    QElapsedTimer clock;
    clock.start();
    bool ready = false;
    while (!ready && clock.elapsed() < 10000) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            m_failure = QStringLiteral("openbox ended at start (is it installed?)");
            break;
        }
        const std::vector<uint32_t> area = RootProperty(connection, screen->root, workArea);
        ready = !RootProperty(connection, screen->root, check).empty() && area.size() >= 4
            && QRect(int(area[0]), int(area[1]), int(area[2]), int(area[3])) == expected;
        if (!ready)
            poll(nullptr, 0, 20);
    }
    xcb_disconnect(connection);
    if (ready)
        m_workArea = expected;
    return ready;
}
