#pragma once

#include <QPoint>
#include <QString>

struct xcb_connection_t;

// Pointer input that the X server takes for a person's (the XTEST
// extension), so the window manager sees it as well as the program: a move
// or resize the manager has taken over follows only real pointer motion.
class RealInput {
public:
    explicit RealInput(const QString& display);
    ~RealInput();
    RealInput(const RealInput&) = delete;
    RealInput& operator=(const RealInput&) = delete;

    // False when the server has no XTEST extension.
    bool available() const { return m_available; }

    void moveTo(QPoint global);
    void press();
    void release();

    // A round trip through the window manager: once answered() holds, the
    // manager has handled everything sent to it before ask() (a move or
    // resize it was asked to start holds the pointer). It asks for the
    // frame extents of a scratch window; the answer is a property on it.
    void ask();
    bool answered();

private:
    void fake(int type, int detail, QPoint global);

    xcb_connection_t* m_connection = nullptr;
    unsigned m_root = 0;
    unsigned m_scratch = 0;
    bool m_available = false;
};
