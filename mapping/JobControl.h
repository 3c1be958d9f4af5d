#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace crestmap {

/// Lets another thread stop a write or a check, or hold it while the user is asked something:
/// the job looks at it between folders and every few hundred entries.
class JobControl {
public:
    void cancel();
    void pause();
    void resume();
    [[nodiscard]] bool cancelled() const noexcept { return m_cancelled.load(); }

    /// Waits while paused; false once cancelled, when the job should stop where it is.
    [[nodiscard]] bool proceed();

private:
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_paused{false};
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

} // namespace crestmap
