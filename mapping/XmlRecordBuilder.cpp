#include "XmlRecordBuilder.h"

#include "StyleChoices.h"
#include "StyleSelectors.h"

#include <algorithm>

namespace crestmap {

namespace {

constexpr std::string_view recordOpen = "<record from=\"";
constexpr std::string_view recordBetween = "\" to=\"";
constexpr std::string_view recordClose = "\"/>";
constexpr std::string_view pictures = "graphics/pictures/";

// Length of the UTF-8 sequence at `s[i]`, or 0 when it is malformed, overlong, a surrogate or
// beyond U+10FFFF; `forXml` also refuses C1 control characters and the two noncharacters XML 1.0
// does not allow (U+FFFE, U+FFFF).
std::size_t utf8SequenceLength(std::string_view s, std::size_t i, bool forXml = true) noexcept
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (i + length > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = byte(i + k);
        if ((next & 0xC0u) != 0x80u) {
            return 0;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    const bool c1Control = code >= 0x80 && code <= 0x9F;
    if (overlong || surrogate || code > 0x10FFFF ||
        (forXml && (c1Control || code == 0xFFFE || code == 0xFFFF))) {
        return 0;
    }
    return length;
}

// The one shape of a record line, around its two values.
template <typename From, typename To>
void appendRecordLine(std::string& out, const From& from, const To& to)
{
    out += recordOpen;
    from();
    out += recordBetween;
    to();
    out += recordClose;
}

// Appends graphics/pictures/<owner word>/<owner>/<slot>[/<kit>]; with `escaped`, the name parts
// as attribute text. The words of the choice tables never need it.
void appendPicture(std::string& out, std::string_view fileName, std::int64_t graphicStyle,
                   std::int64_t subType, bool escaped)
{
    const auto name = [&](std::string_view text) {
        if (escaped) {
            appendAttributeText(out, text);
        } else {
            out += text;
        }
    };
    const bool kit = graphicStyle == GraphicStyle::Kit;
    const auto [team, kitName] = kit ? splitKitName(fileName) : std::pair{fileName, fileName};
    out += pictures;
    out += kit                                        ? "team"
           : graphicStyle == GraphicStyle::Portrait   ? "person"
           : graphicStyle == GraphicStyle::Background ? backgroundKindWord(subType)
                                                      : logoKindWord(subType);
    out += '/';
    name(team);
    out += '/';
    const auto slot =
        kit ? choiceOf(kitTypeChoices, subType) : choiceOf(graphicStyleChoices, graphicStyle);
    out += slot ? slot->word : std::string_view{};
    if (kit) {
        out += '/';
        name(kitName);
    }
}

} // namespace

std::string_view logoKindWord(std::int64_t logoType) noexcept
{
    return choiceOf(logoTypeChoices, logoType).value_or(logoTypeChoices.front()).word;
}

std::string_view backgroundKindWord(std::int64_t backgroundType) noexcept
{
    return choiceOf(backgroundTypeChoices, backgroundType)
        .value_or(backgroundTypeChoices.front())
        .word;
}

std::pair<std::string_view, std::string_view> splitKitName(std::string_view fileName) noexcept
{
    const auto first = fileName.find('_');
    if (first == std::string_view::npos ||
        fileName.find('_', first + 1) != std::string_view::npos) {
        return {};
    }
    return {fileName.substr(0, first), fileName.substr(first + 1)};
}

bool isWritableName(std::string_view name) noexcept
{
    for (std::size_t i = 0; i < name.size();) {
        if (static_cast<unsigned char>(name[i]) < 0x20 || name[i] == 0x7F) {
            return false;
        }
        const std::size_t length = utf8SequenceLength(name, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

bool isUtf8(std::string_view text) noexcept
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceLength(text, i, false);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string withReplacementCharacters(std::string_view text)
{
    std::string valid;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceLength(text, i, false);
        valid += length == 0 ? std::string_view("\xEF\xBF\xBD") : text.substr(i, length);
        i += std::max<std::size_t>(length, 1);
    }
    return valid;
}

void appendAttributeText(std::string& out, std::string_view text)
{
    std::size_t plainFrom = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view entity;
        switch (text[i]) {
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '"':
            entity = "&quot;";
            break;
        default:
            continue;
        }
        out.append(text.substr(plainFrom, i - plainFrom));
        out += entity;
        plainFrom = i + 1;
    }
    out.append(text.substr(plainFrom));
}

std::optional<SkipReason> recordSkipReason(std::string_view fileName, std::int64_t graphicStyle,
                                           std::int64_t subType) noexcept
{
    if (graphicStyle < GraphicStyle::Logo || graphicStyle > GraphicStyle::Background ||
        (graphicStyle == GraphicStyle::Kit && !choiceOf(kitTypeChoices, subType))) {
        return SkipReason::StyleGivesNoRecord;
    }
    if (!isWritableName(fileName)) {
        return SkipReason::UnwritableName;
    }
    if (graphicStyle == GraphicStyle::Kit) {
        const auto underscore = fileName.find('_');
        if (underscore == 0 && fileName.find('_', 1) == std::string_view::npos) {
            return SkipReason::KitTeamMissing;
        }
        if (splitKitName(fileName).first.empty()) {
            return SkipReason::KitNameShape;
        }
    }
    return std::nullopt;
}

bool XmlRecordBuilder::appendRecord(std::string& out, std::string_view fileName,
                                    std::int64_t graphicStyle, std::int64_t subType) const
{
    if (recordSkipReason(fileName, graphicStyle, subType)) {
        return false;
    }
    appendRecordLine(
        out, [&] { appendAttributeText(out, fileName); },
        [&] { appendPicture(out, fileName, graphicStyle, subType, true); });
    return true;
}

std::string recordLineOf(std::string_view from, std::string_view to)
{
    std::string line;
    appendRecordLine(
        line, [&] { line += from; }, [&] { line += to; });
    return line;
}

std::string_view recordTo(std::string_view line) noexcept
{
    // The `from` value holds no raw quote, so the first " to=" ends it.
    const auto start = line.find(recordBetween);
    if (start == std::string_view::npos || !line.ends_with(recordClose)) {
        return {};
    }
    const std::size_t from = start + recordBetween.size();
    return line.substr(from, line.size() - recordClose.size() - from);
}

std::optional<std::string> recordLineFor(std::string_view fileName, StylePair style)
{
    std::string line;
    if (!XmlRecordBuilder{}.appendRecord(line, fileName, style.graphicStyle, style.subType)) {
        return std::nullopt;
    }
    return line;
}

std::optional<std::string> picturePath(std::string_view fileName, std::int64_t graphicStyle,
                                       std::int64_t subType)
{
    if (recordSkipReason(fileName, graphicStyle, subType)) {
        return std::nullopt;
    }
    std::string path;
    appendPicture(path, fileName, graphicStyle, subType, false);
    return path;
}

void appendPicturePath(std::string& out, std::string_view fileName, std::int64_t graphicStyle,
                       std::int64_t subType)
{
    appendPicture(out, fileName, graphicStyle, subType, false);
}

std::vector<std::string> XmlRecordBuilder::buildRecord(std::string_view fileName,
                                                       std::int64_t graphicStyle,
                                                       std::int64_t subType) const
{
    std::string line;
    if (!appendRecord(line, fileName, graphicStyle, subType)) {
        return {};
    }
    return {std::move(line)};
}

} // namespace crestmap
