#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// The extensions a folder's images are recognised by, exact and case-sensitive.
inline constexpr std::array<std::string_view, 3> imageExtensions{"png", "jpg", "jpeg"};

/// What a folder entry's name makes of it.
enum class EntryName {
    Image,         ///< an image extension, exactly
    ExtensionCase, ///< an image extension in another case, such as .PNG: reported, never mapped
    Other,
};

/// The image entries of one folder, or why it could not be listed.
struct FolderListing {
    bool listed = false;
    std::vector<std::string> images;     ///< entry names, in the order the folder lists them
    std::vector<std::string> passedOver; ///< entries passed over only for their extension's case
    std::vector<std::string> subfolders; ///< real folders in it, symbolic links not counted
    std::string error;

    explicit operator bool() const noexcept { return listed; }
};

/// Whether a folder entry is an image by its name.
[[nodiscard]] EntryName classifyEntryName(std::string_view name) noexcept;

/// True when the name's extension is one of imageExtensions.
[[nodiscard]] inline bool hasImageExtension(std::string_view name) noexcept
{
    return classifyEntryName(name) == EntryName::Image;
}

/// The folder's direct entries with an image extension, hidden ones and folders included,
/// unsorted; with them, the entries passed over for their extension's case and the sub-folders.
[[nodiscard]] FolderListing listImages(const std::string& folder);

} // namespace crestmap
