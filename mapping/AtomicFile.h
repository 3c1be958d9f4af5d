#pragma once

#include "FileError.h"

#include <string>
#include <string_view>

namespace crestmap {

/// A new file that takes the place of `target` only when committed whole; until then, and on
/// any failure, the target stays as it was and nothing is left behind.
class AtomicFile {
public:
    /// How the new file exists until committed: unnamed where the file system allows it, so a
    /// crash leaves nothing behind; otherwise under a temporary name beside the target.
    enum class Staging { Unnamed, Named };

    explicit AtomicFile(const std::string& target, Staging staging = Staging::Unnamed);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    /// Writes all of `bytes`; false on the first failure, which error() then describes.
    [[nodiscard]] bool write(std::string_view bytes);

    /// Flushes to disk and puts the new file in the target's place, with the permissions of the
    /// file it replaces where the system has them.
    [[nodiscard]] bool commit();

    [[nodiscard]] const FileError& error() const noexcept { return m_error; }

    /// Temporary names end in this, so no folder listing takes them for images.
    static constexpr std::string_view tempSuffix = ".crestmap-tmp";

private:
    static std::string temporaryName(std::string_view targetName, std::string_view unique);
    bool openNamed();
    bool fail(FileError::Action action, const std::string& path, std::string reason);
    void discard() noexcept;

    std::string m_target;
    std::string m_folder;
    std::string m_targetName;
    std::string m_tempName; ///< the new file's name in the folder, once it has one
    FileError m_error;
#ifdef _WIN32
    void* m_handle; ///< INVALID_HANDLE_VALUE when closed
#else
    /// Gives the new file the first of a few random temporary names that `make` can make.
    template <typename Make> bool takeFreeName(const Make& make);
    bool nameAnonymous();
    bool failWith(FileError::Action action, const std::string& path, int errorNumber);

    int m_dirFd = -1;
    int m_fd = -1;
    bool m_anonymous = false;
#endif
};

} // namespace crestmap
