#include "XmlRecordBuilder.h"

#include "StyleChoices.h"
#include "Text.h"

#include <array>
#include <span>
#include <utility>

namespace crestmap {

namespace {

constexpr std::string_view recordOpen = "<record from=\"";
// A record line in a document starts on a line of its own, below the list.
constexpr std::string_view documentOpen = "\n\t\t<record from=\"";
constexpr std::string_view recordBetween = "\" to=\"";
constexpr std::string_view recordClose = "\"/>";
constexpr std::string_view pictures = "graphics/pictures/";

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

unsigned scan(std::string_view name) noexcept
{
    unsigned classes = 0;
    for (const char c : name) {
        classes |= byteClasses[static_cast<unsigned char>(c)];
    }
    return classes;
}

// Whose pictures a graphic style holds: the owner words it may take.
std::span<const Choice> ownersOf(std::int64_t graphicStyle) noexcept
{
    static constexpr std::array<Choice, 1> person{{{0, "person", "person"}}};
    return graphicStyle == GraphicStyle::Portrait ? std::span<const Choice>(person)
           : graphicStyle == GraphicStyle::Background
               ? std::span<const Choice>(backgroundTypeChoices)
               : std::span<const Choice>(logoTypeChoices);
}

// The team and kit parts of a name with exactly one underscore; two empty parts otherwise.
std::pair<std::string_view, std::string_view> splitKitName(std::string_view fileName) noexcept
{
    const auto first = fileName.find('_');
    if (first == std::string_view::npos ||
        fileName.find('_', first + 1) != std::string_view::npos) {
        return {};
    }
    return {fileName.substr(0, first), fileName.substr(first + 1)};
}

} // namespace

std::string_view ownerWord(StylePair style) noexcept
{
    if (style.graphicStyle == GraphicStyle::Kit) {
        return "team";
    }
    const std::span<const Choice> owners = ownersOf(style.graphicStyle);
    return choiceWhere(owners, &Choice::value, style.subType).value_or(owners.front()).word;
}

RecordShape::RecordShape(StylePair style)
{
    const std::int64_t graphic = style.graphicStyle;
    m_kit = graphic == GraphicStyle::Kit;
    const auto slot = m_kit ? choiceWhere(kitTypeChoices, &Choice::value, style.subType)
                            : choiceWhere(graphicStyleChoices, &Choice::value, graphic);
    m_records = slot.has_value();
    if (!m_records) {
        return;
    }
    m_owner = std::string(pictures).append(ownerWord(style)).append("/");
    m_slot = std::string("/").append(slot->word).append(m_kit ? "/" : "");
    // The fixed runs of a line, so that each name costs a few copies.
    m_middle = std::string(recordBetween) + m_owner;
    m_end = m_slot + (m_kit ? "" : std::string(recordClose));
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
    if (m_kit && splitKitName(fileName).first.empty()) {
        const bool onlyTeamMissing =
            fileName.starts_with('_') && fileName.find('_', 1) == std::string_view::npos;
        return onlyTeamMissing ? SkipReason::KitTeamMissing : SkipReason::KitNameShape;
    }
    return std::nullopt;
}

RecordShape::Appended RecordShape::append(std::string& out, std::string_view fileName,
                                          bool inDocument) const
{
    Appended appended;
    const unsigned classes = scan(fileName);
    // Plain names of a style with records, most of a pack, need no more looking at.
    if (classes != 0 || m_kit || !m_records) {
        appended.reason = reasonFor(fileName, classes);
        if (appended.reason) {
            return appended;
        }
    }
    const std::string_view open = inDocument ? documentOpen : recordOpen;
    const auto [team, kitName] = m_kit ? splitKitName(fileName) : std::pair{fileName, fileName};
    if ((classes & needsEntity) == 0) {
        // Nothing to escape: plain copies into room the document has reserved.
        out.append(open).append(fileName);
        appended.toStart = out.size() + recordBetween.size();
        out.append(m_middle).append(team).append(m_end);
        if (m_kit) {
            out.append(kitName).append(recordClose);
        }
        appended.toEnd = out.size() - recordClose.size();
        return appended;
    }
    out += open;
    appendAttributeText(out, fileName);
    out += recordBetween;
    appended.toStart = out.size();
    out += m_owner;
    appendAttributeText(out, team);
    out += m_slot;
    appendAttributeText(out, m_kit ? kitName : std::string_view());
    appended.toEnd = out.size();
    out += recordClose;
    return appended;
}

std::optional<std::string> RecordShape::picture(std::string_view fileName) const
{
    if (skipReason(fileName)) {
        return std::nullopt;
    }
    const auto [team, kitName] = m_kit ? splitKitName(fileName) : std::pair{fileName, fileName};
    return std::string(m_owner).append(team).append(m_slot).append(m_kit ? kitName : "");
}

std::vector<std::string> XmlRecordBuilder::buildRecord(std::string_view fileName,
                                                       std::int64_t graphicStyle,
                                                       std::int64_t subType) const
{
    if (auto line = recordLineFor(fileName, {graphicStyle, subType})) {
        return {std::move(*line)};
    }
    return {};
}

std::optional<std::string> recordLineFor(std::string_view fileName, StylePair style)
{
    std::string line;
    if (RecordShape(style).append(line, fileName).reason) {
        return std::nullopt;
    }
    return line;
}

std::string recordLineOf(std::string_view from, std::string_view to)
{
    std::string line;
    line.reserve(recordOpen.size() + from.size() + recordBetween.size() + to.size() + 3);
    for (const std::string_view part : {recordOpen, from, recordBetween, to, recordClose}) {
        line += part;
    }
    return line;
}

std::optional<StylePair> styleOfPicture(std::string_view picture) noexcept
{
    // The grammar read backwards: owner/N/slot, or a kit's team/T/kits/K.
    if (!picture.starts_with(pictures)) {
        return std::nullopt;
    }
    picture.remove_prefix(pictures.size());
    const auto ownerEnd = picture.find('/');
    const auto nameEnd = picture.find('/', ownerEnd == picture.npos ? ownerEnd : ownerEnd + 1);
    if (nameEnd == picture.npos) {
        return std::nullopt;
    }
    const std::string_view owner = picture.substr(0, ownerEnd);
    const std::string_view slot = picture.substr(nameEnd + 1);
    const auto kitEnd = slot.find('/');
    if (owner == "team" && nameEnd > ownerEnd + 1 && kitEnd != slot.npos &&
        slot.find('/', kitEnd + 1) == slot.npos) {
        if (const auto kit = choiceWhere(kitTypeChoices, &Choice::word, slot.substr(0, kitEnd))) {
            return StylePair{GraphicStyle::Kit, kit->value};
        }
    }
    for (const Choice& style : graphicStyleChoices) {
        const auto kind = choiceWhere(ownersOf(style.value), &Choice::word, owner);
        if (style.value != GraphicStyle::Kit && slot == style.word && kind) {
            return StylePair{style.value, kind->value};
        }
    }
    return std::nullopt;
}

} // namespace crestmap
