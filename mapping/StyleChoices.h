#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

namespace crestmap {

/// One value of a style setting: the number the window's radio button carries, the name the
/// command line takes, and the word it puts in a picture path.
struct Choice {
    std::int64_t value;
    std::string_view name;
    std::string_view word;
};

/// The graphic styles; the word is the picture slot after the owner (a kit's comes from its type).
inline constexpr std::array<Choice, 7> graphicStyleChoices{{
    {1, "logo", "logo"},
    {2, "icon", "icon"},
    {3, "logo-left", "logo/background/left"},
    {4, "logo-right", "logo/background/right"},
    {5, "portrait", "portrait"},
    {6, "kit", ""},
    {7, "background", "background"},
}};

/// Whose logo, icon or logo background (styles 1 to 4); the first is the default word.
inline constexpr std::array<Choice, 4> logoTypeChoices{{
    {1, "club", "club"},
    {2, "nation", "nation"},
    {3, "comp", "comp"},
    {4, "media_source", "media_source"},
}};

/// Kits or kit textures (style 6); no default: any other value gives no record.
inline constexpr std::array<Choice, 2> kitTypeChoices{{
    {1, "kit", "kits"},
    {2, "texture", "kit_textures"},
}};

/// Whose background (style 7); the first is the default word.
inline constexpr std::array<Choice, 4> backgroundTypeChoices{{
    {1, "team", "team"},
    {2, "stadium", "stadium"},
    {3, "comp", "comp"},
    {4, "person", "person"},
}};

/// The choice whose `field` is `key` (its value, name or word), if the table has one.
template <typename Key>
[[nodiscard]] constexpr std::optional<Choice> choiceWhere(std::span<const Choice> choices,
                                                          Key Choice::*field,
                                                          std::type_identity_t<Key> key) noexcept
{
    const auto found = std::ranges::find(choices, key, field);
    return found == choices.end() ? std::nullopt : std::optional(*found);
}

} // namespace crestmap
