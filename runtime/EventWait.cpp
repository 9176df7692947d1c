#include "runtime/EventWait.h"

namespace runtime {

EventWait::EventWait(std::function<bool()> done) : m_done(std::move(done))
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        m_loop.quit();
    });
}

bool EventWait::run(int timeoutMs)
{
    if (m_done())
        return true;
    m_timedOut = false;
    if (timeoutMs >= 0)
        m_timeout.start(timeoutMs);
    m_loop.exec();
    m_timeout.stop();
    return !m_timedOut || m_done();
}

void EventWait::check()
{
    if (m_done())
        m_loop.quit();
}

} // namespace runtime
