#pragma once

#include <array>
#include <cstdint>

namespace crestmap {

/// Why a file got no record, or why a folder entry was passed over.
enum class SkipReason : std::uint8_t {
    StyleGivesNoRecord, ///< graphic style outside 1–7, or kit type outside 1–2
    KitNameShape,       ///< a kit name without exactly one underscore
    KitTeamMissing,     ///< a kit name with nothing before its one underscore
    UnwritableName,     ///< not valid UTF-8, a control character, or U+FFFE/U+FFFF
    NotAnImage,         ///< a file handed over whose name is not that of an image
    ExtensionCase,      ///< a folder entry whose image extension is not in lower case
};

inline constexpr std::array<SkipReason, 6> allSkipReasons{
    SkipReason::StyleGivesNoRecord, SkipReason::KitNameShape, SkipReason::KitTeamMissing,
    SkipReason::UnwritableName,     SkipReason::NotAnImage,   SkipReason::ExtensionCase};

} // namespace crestmap
