#pragma once

#include <condition_variable>
#include <mutex>
#include <sched.h>
#include <thread>

namespace runtime {

// Reads the system's fonts on a second thread while the program goes on
// starting. Every Qt program on Linux reads the font configuration (dozens
// of small XML files, then the font caches) and then lists every installed
// font before its first line of text; begun at the top of main, the
// reading runs beside the application's set-up and the list beside the
// first steps of building the window, instead of before them.
//
// The configuration library keeps one configuration per process, but a
// second reader that comes while the first is still busy reads it all
// again: call finish() once the application object exists and before any
// text is laid out. It waits for the configuration and has the thread go
// on to Qt's font list, which needs the application; the first text then
// waits for the list (Qt guards it) rather than building it a second time.
// Told by applicationMade() that the application exists, the thread goes
// on to the list the moment the configuration is read, instead of waiting
// for finish() to wake it. join() waits for the thread, and must be called
// before the application object goes; the destructor calls it too, so the
// thread never outlives its owner.
//
// Linux tends to queue a new thread on its creator's core, where it waits
// for the creator's time slice (often 2-3 ms) while another core idles:
// the reading starts on another core and is free to move once done.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    void applicationMade();
    void finish();
    void join();

private:
    void run();

    std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_configRead = false;
    // Set when the thread was started away from this core; the cores it
    // may use again afterwards.
    bool m_awayFromCreator = false;
    cpu_set_t m_allowedCores{};
    enum class Next { Wait, List, Stop } m_next = Next::Wait;
    std::thread m_thread;
};

} // namespace runtime
