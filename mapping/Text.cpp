#include "Text.h"

#include <algorithm>

namespace crestmap {

Utf8Char decodeUtf8(std::string_view text, std::size_t at, bool surrogates) noexcept
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = utf8LengthOf(lead);
    if (length == 0 || at + length > text.size()) {
        return {};
    }
    char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0u) != 0x80u) {
            return {};
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || code > 0x10FFFF || (!surrogates && code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {code, length};
}

namespace {

// Whether `text` is valid UTF-8 and `allowed` takes each of its characters.
template <typename Allowed> bool everyCharacter(std::string_view text, Allowed allowed) noexcept
{
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Char c = decodeUtf8(text, i);
        if (c.length == 0 || !allowed(c.code)) {
            return false;
        }
        i += c.length;
    }
    return true;
}

} // namespace

bool isUtf8(std::string_view text) noexcept
{
    return everyCharacter(text, [](char32_t) { return true; });
}

bool isWritableName(std::string_view name) noexcept
{
    return everyCharacter(name, [](char32_t code) {
        return code >= 0x20 && (code < 0x7F || code > 0x9F) && code != 0xFFFE && code != 0xFFFF;
    });
}

std::string withReplacementCharacters(std::string_view text)
{
    std::string valid;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = decodeUtf8(text, i).length;
        valid += length == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(i, length);
        i += std::max<std::size_t>(length, 1);
    }
    return valid;
}

void appendAttributeText(std::string& out, std::string_view text)
{
    std::size_t plainFrom = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '&' && c != '<' && c != '"') {
            continue;
        }
        out.append(text.substr(plainFrom, i - plainFrom));
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : "&quot;";
        plainFrom = i + 1;
    }
    out.append(text.substr(plainFrom));
}

std::string hexOf(std::string_view bytes)
{
    constexpr std::string_view digits = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        text += digits[static_cast<unsigned char>(c) >> 4];
        text += digits[static_cast<unsigned char>(c) & 15];
    }
    return text;
}

std::optional<std::string> bytesOfHex(std::string_view hex)
{
    const auto value = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int high = value(hex[i]);
        const int low = value(hex[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return hex.size() % 2 == 0 ? std::optional(std::move(bytes)) : std::nullopt;
}

bool equalsFolded(std::string_view a, std::string_view b) noexcept
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return foldCase(x) == foldCase(y); });
}

} // namespace crestmap
