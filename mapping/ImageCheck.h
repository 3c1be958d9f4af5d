#pragma once

#include <optional>
#include <string>

namespace crestmap {

/// Why an image file could not load, judged by its first bytes: "not a PNG image (0 bytes)",
/// "not a JPEG image (it holds text)"; nothing when it starts as PNG or JPEG data do.
[[nodiscard]] std::optional<std::string> imageLoadProblem(const std::string& path);

} // namespace crestmap
