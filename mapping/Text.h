#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace crestmap {

/// The text helpers every layer shares: UTF-8, XML attribute text, hexadecimal and ASCII case.

/// The length of the UTF-8 sequence that `lead` starts: 1 to 4, or 0 for a byte that starts none.
[[nodiscard]] constexpr std::size_t utf8LengthOf(unsigned char lead) noexcept
{
    return lead < 0x80   ? 1
           : lead < 0xC2 ? 0
           : lead < 0xE0 ? 2
           : lead < 0xF0 ? 3
           : lead < 0xF5 ? 4
                         : 0;
}

/// One character of UTF-8 text: its code and how many bytes it takes; `length` 0 where the bytes
/// at `at` are no valid UTF-8 (malformed, overlong, beyond U+10FFFF, or, unless `surrogates`,
/// a surrogate).
struct Utf8Char {
    char32_t code = 0;
    std::size_t length = 0;
};
[[nodiscard]] Utf8Char decodeUtf8(std::string_view text, std::size_t at,
                                  bool surrogates = false) noexcept;

/// True when `text` is valid UTF-8, whatever characters it holds.
[[nodiscard]] bool isUtf8(std::string_view text) noexcept;

/// True when a name can stand in the UTF-8 document on one line: valid UTF-8 with no control
/// character (C0, DEL, C1) and no character XML forbids (U+FFFE, U+FFFF).
[[nodiscard]] bool isWritableName(std::string_view name) noexcept;

/// `text` with U+FFFD in place of each byte that is not part of valid UTF-8.
[[nodiscard]] std::string withReplacementCharacters(std::string_view text);

/// Appends `text` for a double-quoted attribute value, with &, < and " as entities.
void appendAttributeText(std::string& out, std::string_view text);

/// Each byte as two lower-case hexadecimal digits, and back; nothing for text that is not that.
[[nodiscard]] std::string hexOf(std::string_view bytes);
[[nodiscard]] std::optional<std::string> bytesOfHex(std::string_view hex);

/// An ASCII letter in lower case; any other byte as it is.
[[nodiscard]] constexpr char foldCase(char c) noexcept
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

/// Whether the two are equal with ASCII letters in either case.
[[nodiscard]] bool equalsFolded(std::string_view a, std::string_view b) noexcept;

} // namespace crestmap
