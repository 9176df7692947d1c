#include "runtime/FontConfigPreload.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace runtime {

FontConfigPreload::FontConfigPreload() : m_thread([this] { run(); })
{
}

FontConfigPreload::~FontConfigPreload()
{
    join();
}

void FontConfigPreload::run()
{
    FcInit();
    std::unique_lock lock(m_lock);
    m_configRead = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_next != Next::Wait; });
    if (m_next == Next::List) {
        lock.unlock();
        QFontDatabase::families();
    }
}

void FontConfigPreload::finish()
{
    std::unique_lock lock(m_lock);
    m_changed.wait(lock, [this] { return m_configRead; });
    if (m_next == Next::Wait)
        m_next = Next::List;
    m_changed.notify_all();
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
