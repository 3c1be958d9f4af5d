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

namespace {

constexpr std::uint64_t prime1 = 0x9e3779b185ebca87ull;
constexpr std::uint64_t prime2 = 0xc2b2ae3d27d4eb4full;

constexpr std::uint64_t rotate(std::uint64_t value, int bits) noexcept
{
    return (value << bits) | (value >> (64 - bits));
}

std::uint64_t load(const unsigned char* bytes) noexcept
{
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

std::uint64_t mix(std::uint64_t h) noexcept
{
    h ^= h >> 33;
    h *= prime2;
    h ^= h >> 29;
    h *= prime1;
    return h ^ (h >> 32);
}

#ifndef _WIN32
std::string_view kindOf(mode_t mode) noexcept
{
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a named pipe";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return S_ISREG(mode) ? std::string_view{} : std::string_view("a device");
}
#endif

} // namespace

void Digest::block(const unsigned char* bytes) noexcept
{
    // Four independent lanes, so that a file is digested about as fast as it is copied.
    for (int lane = 0; lane < 4; ++lane) {
        m_lanes[lane] = rotate(m_lanes[lane] + load(bytes + 8 * lane) * prime2, 31) * prime1;
    }
}

void Digest::add(std::string_view bytes) noexcept
{
    m_size += bytes.size();
    auto data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t left = bytes.size();
    if (m_pendingSize > 0) {
        const std::size_t take = std::min(left, sizeof m_pending - m_pendingSize);
        std::memcpy(m_pending + m_pendingSize, data, take);
        m_pendingSize += take;
        data += take;
        left -= take;
        if (m_pendingSize < sizeof m_pending) {
            return;
        }
        block(m_pending);
        m_pendingSize = 0;
    }
    for (; left >= sizeof m_pending; left -= sizeof m_pending, data += sizeof m_pending) {
        block(data);
    }
    std::memcpy(m_pending, data, left);
    m_pendingSize = left;
}

std::uint64_t Digest::value() const noexcept
{
    std::uint64_t h = m_size * prime1;
    for (const std::uint64_t lane : m_lanes) {
        h = rotate(h ^ mix(lane), 27) * prime1 + prime2;
    }
    for (std::size_t i = 0; i < m_pendingSize; ++i) {
        h = rotate(h ^ (m_pending[i] * prime2), 23) * prime1;
    }
    return mix(h);
}

std::size_t InputFile::readFully(char* buffer, std::size_t size)
{
    std::size_t got = 0;
    while (got < size) {
        const std::size_t part = read(buffer + got, size - got);
        if (part == 0) {
            break;
        }
        got += part;
    }
    return got;
}

bool stampFile(const std::string& path, FileStamp& stamp)
{
    InputFile file(path);
    if (!file.isOpen()) {
        return false;
    }
    Digest digest;
    std::string chunk(std::size_t{1} << 20, '\0');
    while (const std::size_t got = file.read(chunk.data(), chunk.size())) {
        digest.add(std::string_view(chunk.data(), got));
    }
    if (file.failed()) {
        return false;
    }
    stamp = {digest.size(), digest.value()};
    return true;
}

#ifndef _WIN32

bool isRegularFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

InputFile::InputFile(const std::string& path)
{
    // Looked at before it is opened: opening a device or a pipe can wait, or do something.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        m_state = errno == ENOENT ? State::Missing : State::Unreadable;
        m_error = std::strerror(errno);
        return;
    }
    m_kind = kindOf(info.st_mode);
    if (!m_kind.empty()) {
        m_state = State::NotRegular;
        return;
    }
    m_fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
        m_state = errno == ENOENT ? State::Missing : State::Unreadable;
        m_error = std::strerror(errno);
        return;
    }
    // Something else may have taken the name in between.
    m_kind = kindOf(info.st_mode);
    m_state = m_kind.empty() ? State::Open : State::NotRegular;
    m_size = static_cast<std::uint64_t>(info.st_size);
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
        m_kind = "a folder";
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
        m_kind = "a device";
        return;
    }
    LARGE_INTEGER size{};
    ::GetFileSizeEx(handle, &size);
    m_size = static_cast<std::uint64_t>(size.QuadPart);
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

#endif

} // namespace crestmap
