#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace crestmap {

/// A regular file opened for reading without ever waiting on it: a named pipe, a socket, a
/// device or a folder that carries a file's name is refused, saying what it is.
class InputFile {
public:
    enum class State {
        Open,
        Missing,    ///< nothing by that name
        NotRegular, ///< something other than a regular file; kind() says what
        Unreadable, ///< error() says why
    };

    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    [[nodiscard]] State state() const noexcept { return m_state; }
    [[nodiscard]] bool isOpen() const noexcept { return m_state == State::Open; }
    /// "a named pipe", "a socket", "a device", "a folder": what stands there instead of a file.
    [[nodiscard]] std::string_view kind() const noexcept { return m_kind; }
    /// Why the file could not be opened or read, without the path.
    [[nodiscard]] const std::string& error() const noexcept { return m_error; }

    /// Reads up to `size` bytes; 0 at the end or on a failure, which failed() then tells.
    [[nodiscard]] std::size_t read(char* buffer, std::size_t size);
    /// Reads until `size` bytes or the end.
    [[nodiscard]] std::size_t readFully(char* buffer, std::size_t size);
    [[nodiscard]] bool failed() const noexcept { return m_state == State::Unreadable; }
    /// The size when opened.
    [[nodiscard]] std::uint64_t size() const noexcept { return m_size; }

private:
    State m_state = State::Missing;
    std::string_view m_kind;
    std::string m_error;
    std::uint64_t m_size = 0;
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

/// Whether `path` names a regular file (a link to one counts): looked up, never opened, so that a
/// named pipe called like an image cannot hold a reader up.
[[nodiscard]] bool isRegularFile(const std::string& path);

/// A 64-bit digest of bytes given in pieces, to tell whether a file is still what was written.
class Digest {
public:
    void add(std::string_view bytes) noexcept;
    [[nodiscard]] std::uint64_t value() const noexcept;
    [[nodiscard]] std::uint64_t size() const noexcept { return m_size; }

private:
    void block(const unsigned char* bytes) noexcept;

    std::uint64_t m_lanes[4] = {0x243f6a8885a308d3ull, 0x13198a2e03707344ull, 0xa4093822299f31d0ull,
                                0x082efa98ec4e6c89ull};
    unsigned char m_pending[32] = {};
    std::size_t m_pendingSize = 0;
    std::uint64_t m_size = 0;
};

/// The size and digest of a regular file's bytes; nothing when it is not one or cannot be read.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t digest = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
[[nodiscard]] bool stampFile(const std::string& path, FileStamp& stamp);

} // namespace crestmap
