#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace crestmap {

/// XML's white space.
[[nodiscard]] constexpr bool isSpace(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

/// Where the tag whose text starts at `from` ends: the first '>' outside quotes, for an attribute
/// value may hold one; npos when it does not end in `text`.
[[nodiscard]] std::size_t tagEnd(std::string_view text, std::size_t from) noexcept;

/// One start, end or empty-element tag of a mapping file, its attributes as written.
struct Tag {
    std::string_view name;
    bool closing = false;
    bool empty = false;
    std::array<std::pair<std::string_view, std::string_view>, 4> attributes{};
    std::size_t attributeCount = 0;
    bool malformed = false;

    [[nodiscard]] std::optional<std::string_view> attribute(std::string_view key) const noexcept
    {
        for (std::size_t i = 0; i < attributeCount; ++i) {
            if (attributes[i].first == key) {
                return attributes[i].second;
            }
        }
        return std::nullopt;
    }
};

/// Reads a tag from `text`, what stands between its '<' and '>'.
[[nodiscard]] Tag parseTag(std::string_view text);

} // namespace crestmap
