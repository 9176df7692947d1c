#pragma once

#include <thread>

namespace runtime {

// Reads the system's font configuration on a second thread while the
// program goes on starting. Every Qt program on Linux reads it before its
// first line of text (dozens of small XML files, then the font caches),
// and a window full of captions needs text early; begun at the top of
// main, the reading runs beside the application's and the window's set-up
// instead of before them. The library keeps one configuration per process
// and is safe to enter from several threads: whoever comes second uses the
// one read here, or reads it again. The thread is waited for on
// destruction, so it never outlives its owner.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

private:
    std::thread m_thread;
};

} // namespace runtime
