#pragma once

#include <QString>

#include <atomic>
#include <thread>

// The one duty of a window manager the tests need: answering a window's
// request to be maximised or restored (a _NET_WM_STATE client message to
// the root window) by setting that window's _NET_WM_STATE property, which is
// where Qt reads the state back from. Xvfb alone has no window manager, and
// without this Qt would drop a maximised state as soon as it looks.
class WindowStateKeeper {
public:
    explicit WindowStateKeeper(const QString& display);
    ~WindowStateKeeper();
    WindowStateKeeper(const WindowStateKeeper&) = delete;
    WindowStateKeeper& operator=(const WindowStateKeeper&) = delete;

    bool running() const { return m_thread.joinable(); }

private:
    void run();

    struct xcb_connection_t* m_connection = nullptr;
    unsigned m_stateAtom = 0;
    int m_stopPipe[2] = {-1, -1};
    std::thread m_thread;
};
