#include "InputFile.h"

#include <algorithm>
#include <cstring>

#ifdef _WIN32
#include "SystemNames.h"

#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace crestmap {

std::size_t InputFile::readFully(char* buffer, std::size_t size)
{
    std::size_t got = 0;
    for (std::size_t part = 1; got < size && part > 0; got += part) {
        part = read(buffer + got, size - got);
    }
    return got;
}

bool InputFile::readEach(const std::function<bool(std::string_view piece)>& take)
{
    std::string chunk(std::size_t{1} << 20, '\0');
    while (const std::size_t got = read(chunk.data(), chunk.size())) {
        if (!take(std::string_view(chunk.data(), got))) {
            return false;
        }
    }
    return isOpen();
}

void FileComparer::compare(std::string_view piece)
{
    if (m_same) {
        m_buffer.resize(piece.size());
        m_same = m_file.readFully(m_buffer.data(), piece.size()) == piece.size() &&
                 std::string_view(m_buffer) == piece;
    }
}

bool FileComparer::sameToTheEnd()
{
    char extra = 0;
    m_same = m_same && m_file.read(&extra, 1) == 0 && !m_file.failed();
    return m_same;
}

#ifndef _WIN32

namespace {

InputFile::Kind kindOf(mode_t mode) noexcept
{
    using Kind = InputFile::Kind;
    return S_ISREG(mode)    ? Kind::Regular
           : S_ISDIR(mode)  ? Kind::Folder
           : S_ISFIFO(mode) ? Kind::NamedPipe
           : S_ISSOCK(mode) ? Kind::Socket
                            : Kind::Device;
}

} // namespace

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

InputFile::InputFile(const std::string& path)
{
    // Looked at before it is opened: opening a device or a pipe can wait, or do something.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        m_kind = kindOf(info.st_mode);
        if (m_kind != Kind::Regular) {
            m_state = State::NotRegular;
            return;
        }
        m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    }
    // A failed stat leaves no file open, and its errno for the lines below.
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
        m_state = errno == ENOENT ? State::Missing : State::Unreadable;
        m_error = std::strerror(errno);
        return;
    }
    // Something else may have taken the name in between.
    m_kind = kindOf(info.st_mode);
    m_state = m_kind == Kind::Regular ? State::Open : State::NotRegular;
}

InputFile::~InputFile()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::size_t InputFile::read(char* buffer, std::size_t size)
{
    if (m_state != State::Open) {
        return 0;
    }
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, size);
        if (got >= 0) {
            return static_cast<std::size_t>(got);
        }
        if (errno != EINTR) {
            m_state = State::Unreadable;
            m_error = std::strerror(errno);
            return 0;
        }
    }
}

bool InputFile::rewind()
{
    return m_state == State::Open && ::lseek(m_fd, 0, SEEK_SET) == 0;
}

#else

bool isRegularFile(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(wideFromBytes(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
}

InputFile::InputFile(const std::string& path)
{
    const std::wstring wide = wideFromBytes(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        m_state = code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? State::Missing
                                                                               : State::Unreadable;
        m_error = describeWindowsError(code);
        return;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        m_state = State::NotRegular;
        m_kind = Kind::Folder;
        return;
    }
    HANDLE handle = ::CreateFileW(wide.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        m_state = State::Unreadable;
        m_error = describeWindowsError(::GetLastError());
        return;
    }
    m_handle = handle;
    // Names such as CON.png or a pipe's reach a device, not a file on disk.
    if (::GetFileType(handle) != FILE_TYPE_DISK) {
        m_state = State::NotRegular;
        m_kind = Kind::Device;
        return;
    }
    m_state = State::Open;
}

InputFile::~InputFile()
{
    if (m_handle != nullptr) {
        ::CloseHandle(m_handle);
    }
}

std::size_t InputFile::read(char* buffer, std::size_t size)
{
    if (m_state != State::Open) {
        return 0;
    }
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
    if (!::ReadFile(m_handle, buffer, want, &got, nullptr)) {
        m_state = State::Unreadable;
        m_error = describeWindowsError(::GetLastError());
        return 0;
    }
    return got;
}

bool InputFile::rewind()
{
    LARGE_INTEGER start{};
    return m_state == State::Open && ::SetFilePointerEx(m_handle, start, nullptr, FILE_BEGIN);
}

#endif

} // namespace crestmap
