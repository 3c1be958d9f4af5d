#pragma once

#include <array>
#include <string_view>

namespace crestmap {

/// The extensions a folder's images are recognised by, exact and case-sensitive.
inline constexpr std::array<std::string_view, 3> imageExtensions{"png", "jpg", "jpeg"};

/// What a folder entry's name makes of it.
enum class EntryName {
    Image,         ///< an image extension, exactly
    ExtensionCase, ///< an image extension in another case, such as .PNG: reported, never mapped
    Other,
};

/// Whether a folder entry is an image by its name.
[[nodiscard]] EntryName classifyEntryName(std::string_view name) noexcept;
/// The same, by the name's extension (as extensionOf gives it).
[[nodiscard]] EntryName classifyExtension(std::string_view extension) noexcept;

} // namespace crestmap
