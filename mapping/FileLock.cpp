#include "FileLock.h"

#ifdef _WIN32
#include "SystemNames.h"

#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace crestmap {

#ifndef _WIN32

FileLock::FileLock(const std::string& path, Wait wait)
{
    m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        m_error = std::strerror(errno);
        return;
    }
    int result = 0;
    do {
        result = ::flock(m_fd, LOCK_EX | (wait == Wait::No ? LOCK_NB : 0));
    } while (result != 0 && errno == EINTR);
    m_held = result == 0;
    if (!m_held && errno != EWOULDBLOCK) {
        m_error = std::strerror(errno);
    }
}

FileLock::~FileLock()
{
    if (m_fd >= 0) {
        ::close(m_fd); // releases the lock
    }
}

#else

FileLock::FileLock(const std::string& path, Wait wait)
{
    HANDLE handle = ::CreateFileW(wideFromBytes(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        m_error = describeWindowsError(::GetLastError());
        return;
    }
    m_handle = handle;
    OVERLAPPED at{};
    const DWORD flags =
        LOCKFILE_EXCLUSIVE_LOCK | (wait == Wait::No ? LOCKFILE_FAIL_IMMEDIATELY : 0);
    m_held = ::LockFileEx(handle, flags, 0, 1, 0, &at) != 0;
    if (!m_held && ::GetLastError() != ERROR_LOCK_VIOLATION) {
        m_error = describeWindowsError(::GetLastError());
    }
}

FileLock::~FileLock()
{
    if (m_handle != nullptr) {
        ::CloseHandle(m_handle); // releases the lock
    }
}

#endif

} // namespace crestmap
