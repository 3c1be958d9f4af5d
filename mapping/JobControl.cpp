#include "JobControl.h"

namespace crestmap {

void JobControl::cancel()
{
    const std::lock_guard lock(m_mutex);
    m_cancelled = true;
    m_changed.notify_all();
}

bool JobControl::pause(std::chrono::milliseconds bound)
{
    std::unique_lock lock(m_mutex);
    m_paused = true;
    return m_changed.wait_for(lock, bound, [this] { return m_held; });
}

void JobControl::resume()
{
    const std::lock_guard lock(m_mutex);
    m_paused = false;
    m_changed.notify_all();
}

bool JobControl::proceed()
{
    // The common case costs two loads, no lock.
    if (m_paused.load()) {
        std::unique_lock lock(m_mutex);
        m_held = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return !m_paused || m_cancelled; });
        m_held = false;
    }
    return !m_cancelled.load();
}

} // namespace crestmap
