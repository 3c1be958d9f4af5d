// Arbitrary bytes as an image name, under every style and sub-type, through the record builder
// and the document writer; the document must parse as XML and give the name and its picture back.
// The rules are checked against plain reference versions written from their description.

#include "ConfigBuilder.h"
#include "XmlRecordBuilder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <expat.h>
#include <vector>

namespace {

inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

/// Valid UTF-8 made only of characters XML 1.0 allows, and no control characters (C0, DEL, C1).
inline bool referenceWritable(std::string_view s)
{
    static constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if ((lead >> 5) == 0x6) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead >> 4) == 0xE) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead >> 3) == 0x1E) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > s.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (code < smallest[length] || code < 0x20 || (code >= 0x7F && code <= 0x9F) ||
            (code >= 0xD800 && code <= 0xDFFF) || code == 0xFFFE || code == 0xFFFF ||
            code > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

struct Parsed {
    std::vector<std::string> from;
    std::vector<std::string> to;
};

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes)
{
    auto* parsed = static_cast<Parsed*>(data);
    if (std::string_view(name) != "record" || attributes[0] == nullptr) {
        return;
    }
    for (const XML_Char** a = attributes; *a != nullptr; a += 2) {
        (std::string_view(a[0]) == "from" ? parsed->from : parsed->to).emplace_back(a[1]);
    }
}

bool recordExpected(std::string_view name, std::int64_t style, std::int64_t subType)
{
    if (style < 1 || style > 7 || !referenceWritable(name)) {
        return false;
    }
    if (style != 6) {
        return true;
    }
    const auto underscore = name.find('_');
    return underscore != std::string_view::npos && underscore > 0 &&
           name.find('_', underscore + 1) == std::string_view::npos &&
           (subType == 1 || subType == 2);
}

// The picture of a name that gets a record, from the mapping's description.
std::string referencePicture(const std::string& name, std::int64_t style, std::int64_t subType)
{
    const auto word = [subType](const char* fallback, const char* two, const char* three,
                                const char* four) {
        return std::string(subType == 2   ? two
                           : subType == 3 ? three
                           : subType == 4 ? four
                                          : fallback);
    };
    const std::string logo = word("club", "nation", "comp", "media_source");
    switch (style) {
    case 1:
        return "graphics/pictures/" + logo + "/" + name + "/logo";
    case 2:
        return "graphics/pictures/" + logo + "/" + name + "/icon";
    case 3:
    case 4:
        return "graphics/pictures/" + logo + "/" + name + "/logo/background/" +
               (style == 3 ? "left" : "right");
    case 5:
        return "graphics/pictures/person/" + name + "/portrait";
    case 6: {
        const auto underscore = name.find('_');
        return "graphics/pictures/team/" + name.substr(0, underscore) +
               (subType == 1 ? "/kits/" : "/kit_textures/") + name.substr(underscore + 1);
    }
    default:
        return "graphics/pictures/" + word("team", "stadium", "comp", "person") + "/" + name +
               "/background";
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const std::int64_t style = static_cast<std::int64_t>(data[0] % 10) - 1;
    const std::int64_t subType = static_cast<std::int64_t>(data[1] % 7) - 1;
    const std::string name(reinterpret_cast<const char*>(data + 2), size - 2);

    const auto lines = crestmap::XmlRecordBuilder{}.buildRecord(name, style, subType);
    require(lines.size() == (recordExpected(name, style, subType) ? 1u : 0u), "record presence");
    require(crestmap::recordSkipReason(name, style, subType).has_value() == lines.empty(),
            "a reason exactly when there is no record");
    for (const std::string& line : lines) {
        require(line.find('\n') == std::string::npos && line.find('\r') == std::string::npos,
                "one line");
    }

    // As a file in a folder, the name is what the document must map.
    if (name.empty() || name.find('/') != std::string::npos) {
        return 0;
    }
    const std::vector<std::string> files{"folder/" + name + ".png"};
    std::string document;
    const auto records = crestmap::ConfigBuilder::streamDocument(
        files, style, subType, [&document](std::string_view piece) {
            document += piece;
            return true;
        });
    require(records && *records == lines.size(), "record count");

    Parsed parsed;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &parsed);
    XML_SetStartElementHandler(parser, onStart);
    const bool wellFormed = XML_Parse(parser, document.data(), static_cast<int>(document.size()),
                                      XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    require(wellFormed, "well-formed document");
    require(parsed.from.size() == lines.size() && parsed.to.size() == lines.size(),
            "records parsed");
    if (!lines.empty()) {
        require(parsed.from.front() == name, "from reads back as the name");
        require(parsed.to.front() == referencePicture(name, style, subType), "picture path");
    }
    return 0;
}
