#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Names in the order people number them: runs of digits compare as numbers (501 before 1234),
// letters in any case alike; only names equal by that rule are told apart by case and leading
// zeros. Bytes outside ASCII compare as they are.

/// Less than, equal to or greater than zero as `a` comes before, with or after `b`.
[[nodiscard]] int naturalCompare(std::string_view a, std::string_view b) noexcept;

/// Eight bytes, `rank` first, then as much of the text as they hold, whose order as numbers is
/// the natural order: texts of one rank whose keys differ compare as their keys do.
[[nodiscard]] std::uint64_t naturalKey(unsigned char rank, std::string_view text) noexcept;

/// The indexes of `texts` in their natural order, by `ranks` first where given; texts alike by
/// both keep the order of their places in `tie`, or of their indexes without it.
[[nodiscard]] std::vector<std::uint32_t> naturalOrder(std::span<const std::string_view> texts,
                                                      std::span<const unsigned char> ranks,
                                                      std::span<const std::uint32_t> tie);
