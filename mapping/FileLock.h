#pragma once

#include <string>

namespace crestmap {

/// An advisory lock on a file, held by this process until released or destroyed; the system
/// releases it when the process ends, however it ends.
class FileLock {
public:
    enum class Wait { Yes, No };

    /// Makes the file if needed and takes the lock; with Wait::No, gives up at once if another
    /// process holds it.
    FileLock(const std::string& path, Wait wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    [[nodiscard]] bool held() const noexcept { return m_held; }
    /// Why the lock could not be taken, when it was not for another holder.
    [[nodiscard]] const std::string& error() const noexcept { return m_error; }

private:
    bool m_held = false;
    std::string m_error;
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

} // namespace crestmap
