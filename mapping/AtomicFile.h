#pragma once

#include <string>
#include <string_view>

namespace crestmap {

/// A new file that takes the place of `target` only when committed whole; until then, and on
/// any failure, the target stays as it was and the temporary file is removed.
class AtomicFile {
public:
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    /// True when the temporary file could be created.
    [[nodiscard]] bool isOpen() const noexcept { return m_fd >= 0; }

    /// Writes all of `bytes`; false on the first failure, which error() then describes.
    bool write(std::string_view bytes);

    /// Flushes to disk and renames over the target.
    bool commit();

    [[nodiscard]] const std::string& error() const noexcept { return m_error; }

    /// The prefix and suffix of temporary names, so a folder's stale ones can be recognised.
    static constexpr std::string_view tempPrefix = ".";
    static constexpr std::string_view tempSuffix = ".crestmap-tmp";

private:
    bool fail(std::string_view what, const std::string& subject, int errorNumber);
    void discard() noexcept;

    std::string m_target;
    std::string m_tempPath;
    std::string m_error;
    int m_fd = -1;
};

} // namespace crestmap
