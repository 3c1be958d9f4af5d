#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Names in the order people number them: runs of digits compare as numbers (501 before 1234),
// letters in any case alike; only names equal by that rule are told apart by case and leading
// zeros. Bytes outside ASCII compare as they are.

/// Less than, equal to or greater than zero as `a` comes before, with or after `b`.
[[nodiscard]] int naturalCompare(std::string_view a, std::string_view b) noexcept;

/// How much of `a` that `b` starts with too, short of any number it ends in: a part of every
/// text in a list that their order never depends on.
[[nodiscard]] std::size_t sharedStart(std::string_view a, std::string_view b) noexcept;

/// Eight bytes, `rank` first, then as much of the text as they hold, whose order as numbers is
/// the natural order: texts of one rank whose keys differ compare as their keys do.
[[nodiscard]] std::uint64_t naturalKey(unsigned char rank, std::string_view text) noexcept;
