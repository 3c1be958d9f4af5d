#pragma once

#include "InputFile.h"

#include <cstdint>
#include <optional>
#include <string>

namespace crestmap {

/// Why an image file would not load, judged by its first bytes.
struct ImageProblem {
    enum class Holds : std::uint8_t { Nothing, Text, Html, OtherData, NotAFile, Unreadable };
    bool png = true; ///< what its extension promises: PNG, or else JPEG
    Holds holds = Holds::OtherData;
    InputFile::Kind kind = InputFile::Kind::Regular; ///< with NotAFile, what stands there
    std::string reason;                              ///< with Unreadable, the system's reason

    friend bool operator==(const ImageProblem&, const ImageProblem&) = default;
};

/// What is wrong with the image at `path`; nothing when it starts as PNG or JPEG data do.
[[nodiscard]] std::optional<ImageProblem> imageLoadProblem(const std::string& path);

} // namespace crestmap
