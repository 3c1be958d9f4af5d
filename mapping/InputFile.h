#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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
    /// What stands at the path instead of a regular file.
    enum class Kind : std::uint8_t { Regular, Folder, NamedPipe, Socket, Device };

    explicit InputFile(const std::string& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    [[nodiscard]] State state() const noexcept { return m_state; }
    [[nodiscard]] bool isOpen() const noexcept { return m_state == State::Open; }
    [[nodiscard]] Kind kind() const noexcept { return m_kind; }
    /// Why the file could not be opened or read, without the path.
    [[nodiscard]] const std::string& error() const noexcept { return m_error; }

    /// Reads up to `size` bytes; 0 at the end or on a failure, which failed() then tells.
    [[nodiscard]] std::size_t read(char* buffer, std::size_t size);
    /// Reads until `size` bytes or the end.
    [[nodiscard]] std::size_t readFully(char* buffer, std::size_t size);
    [[nodiscard]] bool failed() const noexcept { return m_state == State::Unreadable; }
    /// Reads from the start again.
    [[nodiscard]] bool rewind();
    /// Hands the rest of the file to `take` in pieces of at most a mebibyte; true when it was read
    /// to its end and `take` took every piece.
    [[nodiscard]] bool readEach(const std::function<bool(std::string_view piece)>& take);

private:
    State m_state = State::Missing;
    Kind m_kind = Kind::Regular;
    std::string m_error;
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

/// Compares pieces of a document, as they come, with a file's bytes from where it stands.
class FileComparer {
public:
    explicit FileComparer(InputFile& file) : m_file(file), m_same(file.isOpen()) {}

    void compare(std::string_view piece);
    /// Whether the file held every piece and ends where they did; once, after the last piece.
    [[nodiscard]] bool sameToTheEnd();

private:
    InputFile& m_file;
    std::string m_buffer;
    bool m_same;
};

/// Whether `path` names a regular file (a link to one counts): looked up, never opened, so that a
/// named pipe called like an image cannot hold a reader up.
[[nodiscard]] bool isRegularFile(const std::string& path);

} // namespace crestmap
