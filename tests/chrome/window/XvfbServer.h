#pragma once

#include <QRect>
#include <QString>

#include <memory>
#include <sys/types.h>

// A private X server (Xvfb) for the life of the object, on a display
// number the server picks itself, so parallel test runs never collide.
class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool running() const { return m_pid > 0; }
    // ":N", or empty when no server could be started.
    QString display() const { return m_display; }
    // Why there is no server.
    QString failure() const { return m_failure; }

    static QRect screenGeometry() { return QRect(0, 0, 1024, 768); }

    // A server for a test program, unless QUARLEX_NO_XVFB is set or none
    // starts; then null, and `why` says why.
    static std::unique_ptr<XvfbServer> startForTests(QString& why);

private:
    pid_t m_pid = -1;
    QString m_display;
    QString m_failure;
};
