#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// The extensions a folder's images are recognised by, exact and case-sensitive.
inline constexpr std::array<std::string_view, 3> imageExtensions{"png", "jpg", "jpeg"};

/// The image entries of one folder, or why it could not be listed.
struct FolderListing {
    bool listed = false;
    std::vector<std::string> images; ///< entry names, in the order the folder lists them
    std::string error;

    explicit operator bool() const noexcept { return listed; }
};

/// True when the name's extension is one of imageExtensions.
[[nodiscard]] bool hasImageExtension(std::string_view name) noexcept;

/// The folder's direct entries with an image extension, hidden ones and folders included,
/// unsorted.
[[nodiscard]] FolderListing listImages(const std::string& folder);

} // namespace crestmap
