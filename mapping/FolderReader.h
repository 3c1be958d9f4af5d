#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace crestmap {

/// Reads one folder's entries in the order the system lists them, one at a time, so that a
/// folder of any size costs the same memory. The one place that talks to the system's listing.
class FolderReader {
public:
    struct Entry {
        std::string_view name; ///< valid until the next call of next()
        bool isFolder;         ///< a real folder, not a symbolic link to one
    };

    explicit FolderReader(const std::string& folder);
    ~FolderReader();
    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    [[nodiscard]] bool isOpen() const noexcept;

    /// The next entry other than "." and "..", or nothing at the end or on a failure, which
    /// error() then describes.
    [[nodiscard]] std::optional<Entry> next();

    /// Empty unless opening or reading the folder failed.
    [[nodiscard]] const std::string& error() const noexcept { return m_error; }

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
    std::string m_folder;
    std::string m_error;
};

} // namespace crestmap
