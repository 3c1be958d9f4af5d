#pragma once

#include "MappingFile.h"
#include "StyleSelectors.h"

#include <cstdint>
#include <optional>

namespace crestmap {

/// How the folders of a pack choose the style they are written in.
enum class StyleRule {
    AsAsked, ///< every folder in the style asked for
    KeepOwn, ///< as asked, but a folder whose mapping file maps another style, or was cut short,
             ///< is kept
    Update,  ///< each folder in its own file's style; without one, as asked, if a style was given
};

/// What becomes of one folder, decided before it is listed, from what stands at its config.xml.
struct Decision {
    enum class Action : std::uint8_t { Write, Keep, NotMapped, Unreadable };
    Action action = Action::Write;
    std::optional<StylePair> style; ///< to write in, or, kept, its own
};

/// The rule of StyleRule over what a folder's config.xml is; `asked`: the style given, if one.
[[nodiscard]] Decision decide(const MappingScan& existing, StyleRule rule,
                              std::optional<StylePair> asked) noexcept;

/// The style a write without one is in: club logos.
inline constexpr StylePair defaultStyle{GraphicStyle::Logo, 1};

} // namespace crestmap
