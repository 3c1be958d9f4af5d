#include "MappingFile.h"

#include "FileNames.h"
#include "XmlRecordBuilder.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace crestmap {

namespace {
// XML's white space.
[[nodiscard]] constexpr bool isSpace(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// One start, end or empty-element tag of a mapping file, its attributes as written.
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

// Where the tag whose text starts at `from` ends: the first '>' outside quotes, for an attribute
// value may hold one; npos when it does not end in `text`.
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

// Reads a tag from `text`, what stands between its '<' and '>'.
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

// A tag longer than this is no part of a mapping document; it is never held whole.
constexpr std::size_t longestTag = 64 * 1024;
constexpr std::size_t chunkSize = 256 * 1024;

// Follows the document's structure: <record>, options, <list id="maps"> of records, </list>,
// </record>, and nothing after.
class MappingReader {
public:
    MappingReader(MappingScan& scan, const RecordVisitor& onRecord)
        : m_scan(scan), m_onRecord(onRecord)
    {}

    // False once the answer is known: no mapping document, or the visitor asked to stop.
    bool text(std::string_view text)
    {
        if (std::all_of(text.begin(), text.end(), isSpace)) {
            return true;
        }
        m_scan.empty = false;
        if (m_place == Place::BeforeRoot) {
            return notMapping();
        }
        m_scan.extraneous = true;
        return true;
    }

    bool tag(std::string_view text)
    {
        m_scan.empty = false;
        if (text.starts_with("!--") || text.starts_with('?')) {
            return m_place != Place::BeforeRoot || text.starts_with("!--") ||
                   text.starts_with("?xml") || notMapping();
        }
        const Tag tag = parseTag(text);
        if (tag.malformed) {
            return notMapping();
        }
        switch (m_place) {
        case Place::BeforeRoot:
            if (tag.name != "record" || tag.closing || tag.empty || tag.attributeCount > 0) {
                return notMapping();
            }
            m_scan.state = MappingScan::State::Mapping;
            m_place = Place::InRoot;
            return true;
        case Place::InRoot:
            if (tag.name == "boolean" && tag.empty) {
                const auto id = tag.attribute("id");
                const bool off = tag.attribute("value") == "false";
                m_preload += id == "preload" && off ? 1 : 0;
                m_amap += id == "amap" && off ? 1 : 0;
                m_otherOptions += (id != "preload" && id != "amap") || !off ? 1 : 0;
            } else if (tag.name == "list" && !tag.closing && !tag.empty &&
                       tag.attribute("id") == "maps" && !m_listed) {
                m_place = Place::InList;
                m_listed = true;
            } else if (tag.name == "record" && tag.closing) {
                m_place = Place::AfterRoot;
            } else {
                m_scan.extraneous = true;
            }
            return true;
        case Place::InList:
            if (tag.name == "record" && tag.empty && tag.attributeCount == 2 &&
                tag.attribute("from") && tag.attribute("to")) {
                const std::string_view from = *tag.attribute("from");
                const std::string_view to = *tag.attribute("to");
                if (m_scan.records++ == 0) {
                    m_scan.style = styleOfPicture(to);
                }
                return !m_onRecord || m_onRecord(from, to);
            }
            if (tag.name == "list" && tag.closing) {
                m_place = Place::InRoot;
            } else {
                m_scan.extraneous = true;
            }
            return true;
        case Place::AfterRoot:
            m_scan.extraneous = true;
            return true;
        }
        return true;
    }

    // `pending`: the text of a tag the file ends inside.
    void finish(std::string_view pending)
    {
        m_scan.defaultOptions = m_preload == 1 && m_amap == 1 && m_otherOptions == 0;
        if (m_place == Place::AfterRoot || m_scan.extraneous) {
            return;
        }
        // A clean start of a mapping document, ended early: how a write or a copy stops.
        const bool rootStarts =
            !pending.empty() && std::string_view("<record").starts_with(pending.substr(0, 7));
        if (m_place == Place::BeforeRoot && !rootStarts) {
            return;
        }
        m_scan.state = MappingScan::State::CutShort;
        // A list opened and left again was closed: nothing but its end leaves it.
        m_scan.cut = m_place == Place::InList
                         ? (pending.empty() ? CutPlace::List : CutPlace::Record)
                     : m_listed ? CutPlace::End
                                : CutPlace::Header;
    }

    bool notMapping()
    {
        m_scan.state = MappingScan::State::NotMapping;
        return false;
    }

private:
    enum class Place { BeforeRoot, InRoot, InList, AfterRoot };
    MappingScan& m_scan;
    const RecordVisitor& m_onRecord;
    Place m_place = Place::BeforeRoot;
    int m_preload = 0;
    int m_amap = 0;
    int m_otherOptions = 0;
    bool m_listed = false;
};

// Reads an open file's document into `scan`.
void scanOpenFile(InputFile& file, MappingScan& scan, const RecordVisitor& onRecord)
{
    scan.state = MappingScan::State::NotMapping;
    scan.empty = true;
    MappingReader reader(scan, onRecord);
    std::string buffer;
    std::vector<char> chunk(chunkSize);
    bool going = true;
    bool more = true;
    // A byte-order mark is no text of the document.
    bool first = true;
    while (going && more) {
        const std::size_t got = file.read(chunk.data(), chunk.size());
        more = got > 0;
        buffer.append(chunk.data(), got);
        if (first && (buffer.size() >= 3 || !more)) {
            if (buffer.starts_with("\xEF\xBB\xBF")) {
                buffer.erase(0, 3);
            }
            first = false;
        }
        std::size_t at = 0;
        while (going) {
            const auto open = buffer.find('<', at);
            going = reader.text(std::string_view(buffer).substr(
                at, open == std::string::npos ? buffer.size() - at : open - at));
            if (open == std::string::npos || !going) {
                at = buffer.size();
                break;
            }
            if (buffer.size() - open < 4 && more) {
                at = open; // too little to tell a comment from a tag yet
                break;
            }
            const bool comment = std::string_view(buffer).substr(open + 1, 3) == "!--";
            const auto close = comment ? buffer.find("-->", open + 4) : tagEnd(buffer, open + 1);
            if (close == std::string::npos) {
                at = open;
                break;
            }
            going = reader.tag(std::string_view(buffer).substr(
                open + 1, (comment ? close + 2 : close) - open - 1));
            at = (comment ? close + 3 : close + 1);
        }
        buffer.erase(0, at);
        // What is left after a stop is unread, not a tag.
        if (going && buffer.size() > longestTag) {
            going = reader.notMapping();
        }
    }
    if (going) {
        reader.finish(buffer);
    }
}

} // namespace

MappingScan scanMappingFile(InputFile& file, const RecordVisitor& onRecord)
{
    MappingScan scan;
    scan.kind = file.kind();
    if (file.state() == InputFile::State::NotRegular) {
        scan.state = MappingScan::State::NotMapping;
    }
    if (file.isOpen()) {
        scanOpenFile(file, scan, onRecord);
    }
    if (file.failed()) {
        scan.state = MappingScan::State::Unreadable;
        scan.error = file.error();
    }
    return scan;
}

MappingScan readExistingFile(const std::string& folder)
{
    // The first record decides: reading on would cost a whole file's read for every write.
    InputFile file(configPathIn(folder));
    MappingScan scan =
        scanMappingFile(file, [](std::string_view, std::string_view) { return false; });
    scan.defaultOptions = scan.extraneous = false;
    return scan;
}

} // namespace crestmap
