#pragma once

#include <array>
#include <string>
#include <string_view>

namespace crestmap {

/// The system's own separator, the one every path a message shows is joined with.
#ifdef _WIN32
inline constexpr char pathSeparator = '\\';
#else
inline constexpr char pathSeparator = '/';
#endif

/// True for the characters that separate a path's components: '/', and on Windows '\\' too.
[[nodiscard]] constexpr bool isPathSeparator(char c) noexcept
{
    return c == '/' || c == pathSeparator;
}

/// The last component of a path, trailing slashes ignored.
[[nodiscard]] std::string_view lastPathComponent(std::string_view path) noexcept;

/// A name's last extension without its dot; empty when it has none. A leading dot, as in
/// ".hidden", starts no extension.
[[nodiscard]] std::string_view extensionOf(std::string_view name) noexcept;

/// The name a file is mapped by: its last path component without the last extension ("a.b" for
/// "a.b.png"; a leading dot starts none).
[[nodiscard]] std::string_view fileNameOf(std::string_view path) noexcept;

/// The folder a path names its last component in: "." for a bare name, "/" at the root.
[[nodiscard]] std::string parentFolderOf(std::string_view path);

/// `name` inside `folder`, with exactly one separator between them, the system's own.
[[nodiscard]] std::string joinPath(std::string_view folder, std::string_view name);

/// Where a folder's config.xml goes.
[[nodiscard]] std::string configPathIn(std::string_view folder);

/// Where config.xml goes for images chosen one by one: beside `file`, the first of them.
[[nodiscard]] std::string configPathBeside(std::string_view file);

/// The extensions a folder's images are recognised by, exact and case-sensitive.
inline constexpr std::array<std::string_view, 3> imageExtensions{"png", "jpg", "jpeg"};

/// What a folder entry's name makes of it.
enum class EntryName {
    Image,         ///< an image extension, exactly
    ExtensionCase, ///< an image extension in another case, such as .PNG: reported, never mapped
    Other,
};

/// Whether a folder entry is an image by its name's extension (as extensionOf gives it).
[[nodiscard]] EntryName classifyExtension(std::string_view extension) noexcept;
/// `stem`, when given, is set to the name an image is mapped by.
[[nodiscard]] inline EntryName classifyEntryName(std::string_view name,
                                                 std::string_view* stem = nullptr) noexcept
{
    // Most names of a pack end in an image extension: those are told at a glance.
    for (const std::string_view extension : imageExtensions) {
        if (name.size() > extension.size() + 1 && name.ends_with(extension) &&
            name[name.size() - extension.size() - 1] == '.') {
            if (stem != nullptr) {
                *stem = name.substr(0, name.size() - extension.size() - 1);
            }
            return EntryName::Image;
        }
    }
    return classifyExtension(extensionOf(name));
}

} // namespace crestmap
