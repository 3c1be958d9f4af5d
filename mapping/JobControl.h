#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace crestmap {

/// Lets another thread stop a write or a check, or hold it while the user is asked something:
/// the job looks at it between folders and every few hundred entries.
class JobControl {
public:
    void cancel()
    {
        const std::lock_guard lock(m_mutex);
        m_cancelled = true;
        m_changed.notify_all();
    }
    /// Holds the job at its next look, waiting up to `bound` for it to get there; true when it
    /// is held, so that nothing more changes until resume().
    bool pause(std::chrono::milliseconds bound = std::chrono::milliseconds(0))
    {
        std::unique_lock lock(m_mutex);
        m_paused = true;
        return m_changed.wait_for(lock, bound, [this] { return m_held; });
    }
    void resume()
    {
        const std::lock_guard lock(m_mutex);
        m_paused = false;
        m_changed.notify_all();
    }
    [[nodiscard]] bool cancelled() const noexcept { return m_cancelled.load(); }

    /// Waits while paused; false once cancelled, when the job should stop where it is.
    [[nodiscard]] bool proceed()
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

private:
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_paused{false};
    bool m_held = false; ///< the job waits in proceed()
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

} // namespace crestmap
