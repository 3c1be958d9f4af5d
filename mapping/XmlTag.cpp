#include "XmlTag.h"

#include <algorithm>

namespace crestmap {

std::size_t tagEnd(std::string_view text, std::size_t from) noexcept
{
    char quote = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i;
        }
    }
    return std::string_view::npos;
}

Tag parseTag(std::string_view text)
{
    Tag tag;
    if (!text.empty() && text.front() == '/') {
        tag.closing = true;
        text.remove_prefix(1);
    }
    if (!text.empty() && text.back() == '/') {
        tag.empty = true;
        text.remove_suffix(1);
    }
    auto i = static_cast<std::size_t>(std::ranges::find_if(text, isSpace) - text.begin());
    tag.name = text.substr(0, i);
    while (true) {
        while (i < text.size() && isSpace(text[i])) {
            ++i;
        }
        if (i == text.size()) {
            break;
        }
        const auto equals = text.find('=', i);
        const bool quoted = equals != std::string_view::npos && equals + 1 < text.size() &&
                            (text[equals + 1] == '"' || text[equals + 1] == '\'') &&
                            tag.attributeCount < tag.attributes.size();
        const auto close =
            quoted ? text.find(text[equals + 1], equals + 2) : std::string_view::npos;
        if (close == std::string_view::npos) {
            tag.malformed = true;
            return tag;
        }
        std::string_view key = text.substr(i, equals - i);
        while (!key.empty() && isSpace(key.back())) {
            key.remove_suffix(1);
        }
        tag.attributes[tag.attributeCount++] = {key, text.substr(equals + 2, close - equals - 2)};
        i = close + 1;
    }
    tag.malformed = tag.name.empty() || (tag.closing && (tag.empty || tag.attributeCount > 0));
    return tag;
}

} // namespace crestmap
