#pragma once

#include <thread>

namespace runtime {

// Reads the system's font configuration on a second thread while the
// program goes on starting. Every Qt program on Linux reads it before its
// first line of text (dozens of small XML files, then the font caches);
// begun at the top of main, the reading runs beside the application's
// set-up instead of after it. The library keeps one configuration per
// process, but a second reader that comes while the first is still busy
// reads it all again: call finish() before the first text is laid out, so
// that the window waits for the rest of this reading instead. The thread
// is also waited for on destruction, so it never outlives its owner.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    void finish();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

private:
    std::thread m_thread;
};

} // namespace runtime
