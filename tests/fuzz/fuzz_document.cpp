// Arbitrary bytes as an image name, under every style and sub-type, through the record builder
// and the document writer; the document must parse as XML and give the name and its picture back.
// The rules are checked against plain reference versions written from their description.

#include "ConfigBuilder.h"
#include "XmlRecordBuilder.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <expat.h>
#include <string>
#include <vector>

namespace {

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

// Valid UTF-8 of characters XML 1.0 allows, with no control characters (C0, DEL, C1).
bool referenceWritable(std::string_view s)
{
    static constexpr std::array<std::uint32_t, 5> smallest{0, 0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || i + length > s.size()) {
            return false;
        }
        std::uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
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

bool referenceHasRecord(std::string_view name, std::int64_t style, std::int64_t subType)
{
    if (style < 1 || style > 7 || !referenceWritable(name)) {
        return false;
    }
    const auto underscore = name.find('_');
    return style != 6 || (underscore != std::string_view::npos && underscore > 0 &&
                          name.find('_', underscore + 1) == std::string_view::npos &&
                          (subType == 1 || subType == 2));
}

std::string referencePicture(const std::string& name, std::int64_t style, std::int64_t subType)
{
    static const std::array<const char*, 5> logo{"club", "club", "nation", "comp", "media_source"};
    static const std::array<const char*, 5> background{"team", "team", "stadium", "comp", "person"};
    static const std::array<const char*, 8> slot{
        "",         "logo", "icon",      "logo/background/left", "logo/background/right",
        "portrait", "",     "background"};
    const auto sub = static_cast<std::size_t>(subType >= 2 && subType <= 4 ? subType : 1);
    if (style == 6) {
        const auto underscore = name.find('_');
        return "graphics/pictures/team/" + name.substr(0, underscore) +
               (subType == 1 ? "/kits/" : "/kit_textures/") + name.substr(underscore + 1);
    }
    const std::string owner = style == 5 ? "person" : style == 7 ? background[sub] : logo[sub];
    return "graphics/pictures/" + owner + "/" + name + "/" + slot[static_cast<std::size_t>(style)];
}

using Parsed = std::vector<std::pair<std::string, std::string>>; // from, to

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes)
{
    if (std::string_view(name) == "record" && attributes[0] != nullptr &&
        attributes[2] != nullptr) {
        static_cast<Parsed*>(data)->emplace_back(attributes[1], attributes[3]);
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
    const bool expected = referenceHasRecord(name, style, subType);
    require(crestmap::RecordShape({style, subType}).skipReason(name).has_value() != expected,
            "a reason exactly when there is no record");

    // As a file in a folder, the name is what the document must map.
    if (name.empty() || name.find('/') != std::string::npos) {
        return 0;
    }
    const std::vector<std::string> files{"folder/" + name + ".png"};
    std::string document;
    const auto records = crestmap::ConfigBuilder::streamDocument(
        files, {style, subType}, [&document](std::string_view piece) {
            document += piece;
            return true;
        });
    require(records && *records == (expected ? 1u : 0u), "record count");
    Parsed parsed;
    XML_Parser parser = XML_ParserCreate("UTF-8");
    XML_SetUserData(parser, &parsed);
    XML_SetStartElementHandler(parser, onStart);
    const bool wellFormed = XML_Parse(parser, document.data(), static_cast<int>(document.size()),
                                      XML_TRUE) == XML_STATUS_OK;
    XML_ParserFree(parser);
    require(wellFormed, "well-formed document");
    require(parsed.size() == *records, "records parsed");
    if (expected) {
        require(parsed.front().first == name, "from reads back as the name");
        require(parsed.front().second == referencePicture(name, style, subType), "picture path");
    }
    return 0;
}
