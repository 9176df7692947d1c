#include "XvfbServer.h"

#include <xcb/xcb.h>

#include <QByteArray>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <string>
#include <unistd.h>

XvfbServer::XvfbServer()
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        m_failure = QStringLiteral("no pipe");
        return;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        m_failure = QStringLiteral("no fork");
        return;
    }
    if (pid == 0) {
        close(pipeFds[0]);
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        const std::string fd = std::to_string(pipeFds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    // The server writes its display number once it accepts connections.
    QByteArray number;
    pollfd wait{pipeFds[0], POLLIN, 0};
    while (poll(&wait, 1, 10000) > 0) {
        char c = 0;
        if (read(pipeFds[0], &c, 1) != 1 || c == '\n')
            break;
        number.append(c);
    }
    close(pipeFds[0]);
    if (number.isEmpty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        m_failure = QStringLiteral("Xvfb did not start");
        return;
    }
    m_pid = pid;
    m_display = QLatin1Char(':') + QString::fromLatin1(number);
}

XvfbServer::~XvfbServer()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

bool XvfbServer::setWorkArea(const QRect& area) const
{
    xcb_connection_t* connection = xcb_connect(m_display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return false;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const char name[] = "_NET_WORKAREA";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    if (!atom) {
        xcb_disconnect(connection);
        return false;
    }
    const uint32_t value[4] = {uint32_t(area.x()), uint32_t(area.y()), uint32_t(area.width()),
                               uint32_t(area.height())};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, screen->root, atom->atom, XCB_ATOM_CARDINAL, 32, 4, value);
    free(atom);
    xcb_flush(connection);
    // A round trip makes sure the property is set before anyone reads it.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
    return true;
}

std::unique_ptr<XvfbServer> XvfbServer::startForTests(QString& why)
{
    if (qEnvironmentVariableIsSet("QUARLEX_NO_XVFB")) {
        why = QStringLiteral("QUARLEX_NO_XVFB is set");
        return nullptr;
    }
    auto server = std::make_unique<XvfbServer>();
    if (!server->running()) {
        why = server->failure();
        return nullptr;
    }
    return server;
}
