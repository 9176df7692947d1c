#include "runtime/FontConfigPreload.h"

#include "runtime/StartUpHeap.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>
#include <pthread.h>

namespace runtime {

FontConfigPreload::FontConfigPreload() : m_thread([this] { run(); })
{
    const std::lock_guard lock(m_lock);
    if (sched_getaffinity(0, sizeof m_allowedCores, &m_allowedCores) != 0 || CPU_COUNT(&m_allowedCores) < 2)
        return;
    const int here = sched_getcpu();
    if (here < 0)
        return;
    cpu_set_t others = m_allowedCores;
    CPU_CLR(here, &others);
    m_awayFromCreator = pthread_setaffinity_np(m_thread.native_handle(), sizeof others, &others) == 0;
}

FontConfigPreload::~FontConfigPreload()
{
    join();
}

void FontConfigPreload::run()
{
    // The parsed configuration takes a few hundred KB of this thread's heap.
    StartUpHeap::populateThisThread(512 << 10);
    FcInit();
    std::unique_lock lock(m_lock);
    if (m_awayFromCreator)
        pthread_setaffinity_np(pthread_self(), sizeof m_allowedCores, &m_allowedCores);
    m_configRead = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_next != Next::Wait; });
    if (m_next == Next::List) {
        lock.unlock();
        QFontDatabase::families();
    }
}

void FontConfigPreload::applicationMade()
{
    const std::lock_guard lock(m_lock);
    if (m_next == Next::Wait)
        m_next = Next::List;
    m_changed.notify_all();
}

void FontConfigPreload::finish()
{
    applicationMade();
    std::unique_lock lock(m_lock);
    m_changed.wait(lock, [this] { return m_configRead; });
}

void FontConfigPreload::join()
{
    {
        const std::lock_guard lock(m_lock);
        if (m_next == Next::Wait)
            m_next = Next::Stop;
        m_changed.notify_all();
    }
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace runtime
