#include "XmlRecordBuilder.h"

#include "StyleChoices.h"
#include "StyleSelectors.h"

#include <algorithm>
#include <array>
#include <cstring>

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

// The classes of a name's bytes, as bits that add up over a name.
constexpr unsigned needsEntity = 1;
constexpr unsigned control = 2;
constexpr unsigned beyondAscii = 4;

constexpr std::array<unsigned char, 256> byteClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        classes[c] = c < 0x20 || c == 0x7F              ? control
                     : c >= 0x80                        ? beyondAscii
                     : c == '&' || c == '<' || c == '"' ? needsEntity
                                                        : 0;
    }
    return classes;
}();

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

RecordShape::RecordShape(StylePair style)
{
    const std::int64_t graphic = style.graphicStyle;
    m_kit = graphic == GraphicStyle::Kit;
    const auto slot =
        m_kit ? choiceOf(kitTypeChoices, style.subType) : choiceOf(graphicStyleChoices, graphic);
    m_records = graphic >= GraphicStyle::Logo && graphic <= GraphicStyle::Background && slot;
    if (!m_records) {
        return;
    }
    m_owner = pictures;
    m_owner += m_kit                                 ? "team"
               : graphic == GraphicStyle::Portrait   ? "person"
               : graphic == GraphicStyle::Background ? backgroundKindWord(style.subType)
                                                     : logoKindWord(style.subType);
    m_owner += '/';
    m_slot = '/';
    m_slot += slot->word;
    if (m_kit) {
        m_slot += '/';
    }
}

unsigned RecordShape::scan(std::string_view name) noexcept
{
    unsigned classes = 0;
    for (const char c : name) {
        classes |= byteClasses[static_cast<unsigned char>(c)];
    }
    return classes;
}

std::optional<SkipReason> RecordShape::skipReason(std::string_view fileName) const noexcept
{
    return reasonFor(fileName, scan(fileName));
}

std::optional<SkipReason> RecordShape::reasonFor(std::string_view fileName,
                                                 unsigned classes) const noexcept
{
    if (!m_records) {
        return SkipReason::StyleGivesNoRecord;
    }
    if ((classes & control) != 0 || ((classes & beyondAscii) != 0 && !isWritableName(fileName))) {
        return SkipReason::UnwritableName;
    }
    if (m_kit) {
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

RecordShape::Appended RecordShape::append(std::string& out, std::string_view fileName) const
{
    Appended appended;
    const unsigned classes = scan(fileName);
    appended.reason = reasonFor(fileName, classes);
    if (appended.reason) {
        return appended;
    }
    const auto parts = m_kit ? splitKitName(fileName) : std::pair{fileName, fileName};
    const std::string_view team = parts.first;
    const std::string_view kitName = parts.second;
    if ((classes & needsEntity) == 0) {
        // Nothing to escape, so the line's length is known: one resize, then plain copies.
        const std::size_t start = out.size();
        const std::size_t length = recordOpen.size() + fileName.size() + recordBetween.size() +
                                   m_owner.size() + team.size() + m_slot.size() +
                                   (m_kit ? kitName.size() : 0) + recordClose.size();
        out.resize(start + length);
        char* at = out.data() + start;
        const auto put = [&at](std::string_view text) {
            std::memcpy(at, text.data(), text.size());
            at += text.size();
        };
        std::memcpy(at, recordOpen.data(), recordOpen.size());
        at += recordOpen.size();
        put(fileName);
        std::memcpy(at, recordBetween.data(), recordBetween.size());
        at += recordBetween.size();
        appended.toStart = static_cast<std::size_t>(at - out.data());
        put(m_owner);
        put(team);
        put(m_slot);
        if (m_kit) {
            put(kitName);
        }
        appended.toEnd = static_cast<std::size_t>(at - out.data());
        std::memcpy(at, recordClose.data(), recordClose.size());
        return appended;
    }
    appendRecordLine(
        out, [&] { appendAttributeText(out, fileName); },
        [&] {
            appended.toStart = out.size();
            out += m_owner;
            appendAttributeText(out, team);
            out += m_slot;
            if (m_kit) {
                appendAttributeText(out, kitName);
            }
            appended.toEnd = out.size();
        });
    return appended;
}

void RecordShape::appendPicture(std::string& out, std::string_view fileName) const
{
    const auto [team, kitName] = m_kit ? splitKitName(fileName) : std::pair{fileName, fileName};
    out += m_owner;
    out += team;
    out += m_slot;
    if (m_kit) {
        out += kitName;
    }
}

std::optional<SkipReason> recordSkipReason(std::string_view fileName, std::int64_t graphicStyle,
                                           std::int64_t subType) noexcept
{
    return RecordShape({graphicStyle, subType}).skipReason(fileName);
}

bool XmlRecordBuilder::appendRecord(std::string& out, std::string_view fileName,
                                    std::int64_t graphicStyle, std::int64_t subType) const
{
    return !RecordShape({graphicStyle, subType}).append(out, fileName).reason;
}

std::string recordLineOf(std::string_view from, std::string_view to)
{
    std::string line;
    appendRecordLine(
        line, [&] { line += from; }, [&] { line += to; });
    return line;
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
    const RecordShape shape({graphicStyle, subType});
    if (shape.skipReason(fileName)) {
        return std::nullopt;
    }
    std::string path;
    shape.appendPicture(path, fileName);
    return path;
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
