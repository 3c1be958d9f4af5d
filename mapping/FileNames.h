#pragma once

#include <string>
#include <string_view>

namespace crestmap {

/// The last component of a path, trailing slashes ignored.
[[nodiscard]] std::string_view lastPathComponent(std::string_view path) noexcept;

/// A name's last extension without its dot; empty when it has none. A leading dot, as in
/// ".hidden", starts no extension.
[[nodiscard]] std::string_view extensionOf(std::string_view name) noexcept;

/// The name a file is mapped by: its last path component without the last extension.
[[nodiscard]] std::string_view fileNameOf(std::string_view path) noexcept;

/// `name` inside `folder`, with exactly one slash between them.
[[nodiscard]] std::string joinPath(std::string_view folder, std::string_view name);

/// Where a folder's config.xml goes.
[[nodiscard]] std::string configPathIn(std::string_view folder);

/// Where config.xml goes for images chosen one by one: beside `file`, the first of them.
[[nodiscard]] std::string configPathBeside(std::string_view file);

} // namespace crestmap
