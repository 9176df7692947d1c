#include "XvfbServer.h"

#include <QByteArray>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
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
        // Gone with the test program however that ends.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
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
