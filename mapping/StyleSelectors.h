#pragma once

#include <cstdint>

namespace crestmap {

/// The graphic-style values that mean something to the mapping; anything else gives no record.
namespace GraphicStyle {
inline constexpr std::int64_t Logo = 1;
inline constexpr std::int64_t Icon = 2;
inline constexpr std::int64_t LogoBackgroundLeft = 3;
inline constexpr std::int64_t LogoBackgroundRight = 4;
inline constexpr std::int64_t Portrait = 5;
inline constexpr std::int64_t Kit = 6;
inline constexpr std::int64_t Background = 7;
} // namespace GraphicStyle

/// graphicStyle and the one secondary setting that goes with it, read together for one document.
struct StylePair {
    std::int64_t graphicStyle = 1;
    std::int64_t subType = 1;

    friend bool operator==(const StylePair&, const StylePair&) = default;
};

/// The four style choices the user makes with the radio groups; each starts at 1 and is never
/// saved.
struct StyleSelectors {
    std::int64_t graphicStyle = 1;
    std::int64_t logoType = 1;
    std::int64_t kitType = 1;
    std::int64_t backgroundType = 1;

    /// The pair a document is built from, taken at one moment: logoType goes with styles 1 to 4,
    /// kitType with 6, backgroundType with 7, and 0 with anything else.
    [[nodiscard]] constexpr StylePair stylePair() const noexcept
    {
        using namespace GraphicStyle;
        const std::int64_t subType = graphicStyle >= Logo && graphicStyle <= LogoBackgroundRight
                                         ? logoType
                                     : graphicStyle == Kit        ? kitType
                                     : graphicStyle == Background ? backgroundType
                                                                  : 0;
        return {graphicStyle, subType};
    }
};

} // namespace crestmap
