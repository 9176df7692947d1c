#pragma once

#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

// The openbox window manager on a test's private X server, for the life of
// the object: it maximises to the work area, moves and resizes windows that
// ask it to, and iconifies them, as on a desktop. Its configuration keeps a
// band of `panelHeight` pixels free at the bottom of the screen (as a task
// bar would), so the work area differs from the screen, and binds no keys
// or buttons of its own, so Alt+Space reaches the application.
class Openbox {
public:
    Openbox(const QString& display, int panelHeight);
    ~Openbox();
    Openbox(const Openbox&) = delete;
    Openbox& operator=(const Openbox&) = delete;

    // True once the manager has announced itself on the root window and
    // published the work area; false, with failure() saying why, otherwise.
    bool running() const { return m_failure.isEmpty(); }
    QString failure() const { return m_failure; }
    // The work area the manager published.
    QRect workArea() const { return m_workArea; }

private:
    bool waitUntilManaging(const QString& display, int panelHeight);

    QTemporaryDir m_configDir;
    pid_t m_pid = -1;
    QString m_failure;
    QRect m_workArea;
};
