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
    void cancel();
    /// Holds the job at its next look, waiting up to `bound` for it to get there; true when it
    /// is held, so that nothing more changes until resume().
    bool pause(std::chrono::milliseconds bound = std::chrono::milliseconds(0));
    void resume();
    [[nodiscard]] bool cancelled() const noexcept { return m_cancelled.load(); }

    /// Waits while paused; false once cancelled, when the job should stop where it is.
    [[nodiscard]] bool proceed();

private:
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_paused{false};
    bool m_held = false; ///< the job waits in proceed()
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

} // namespace crestmap
