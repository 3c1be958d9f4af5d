#include "XmlRecordBuilder.h"

#include <gtest/gtest.h>
#include <optional>

namespace crestmap {
namespace {

struct RecordCase {
    std::string name;
    std::int64_t style;
    std::int64_t subType;
    std::string from; // empty together with `to` when no record is expected
    std::string to;
    std::optional<SkipReason> reason = std::nullopt;
};

class RecordLines : public ::testing::TestWithParam<RecordCase> {};

// The grammar both ways: each picture reads back as the style that made it.
TEST_P(RecordLines, MatchTheMappingTableOrSayWhyNot)
{
    const RecordCase& c = GetParam();
    const auto lines = XmlRecordBuilder{}.buildRecord(c.name, c.style, c.subType);
    const RecordShape shape({c.style, c.subType});
    EXPECT_EQ(shape.skipReason(c.name), c.reason);
    EXPECT_EQ(lines, c.to.empty()
                         ? std::vector<std::string>{}
                         : std::vector{"<record from=\"" + c.from + "\" to=\"" + c.to + "\"/>"});
    if (c.to.empty()) {
        return;
    }
    // Portraits have no type; but for kits, one outside 2 to 4 gives the first's words, read as it.
    const bool firstType = c.style != 6 && (c.subType < 2 || c.subType > 4);
    const StylePair read{c.style, c.style == 5 ? 0 : firstType ? 1 : c.subType};
    EXPECT_EQ(styleOfPicture(c.to), read) << c.to;
    if (c.to.find('&') == std::string::npos) {
        EXPECT_EQ(shape.picture(c.name), c.to);
    }
}

constexpr auto noStyle = SkipReason::StyleGivesNoRecord;
constexpr auto kitName = SkipReason::KitNameShape;
constexpr auto noTeam = SkipReason::KitTeamMissing;
constexpr auto unwritable = SkipReason::UnwritableName;

RecordCase mapped(const std::string& name, std::int64_t style, std::int64_t subType,
                  const std::string& picture)
{
    return {name, style, subType, name, "graphics/pictures/" + picture};
}

RecordCase logo(const std::string& name)
{
    return mapped(name, 1, 1, "club/" + name + "/logo");
}

RecordCase noRecord(const std::string& name, SkipReason reason, std::int64_t graphicStyle = 1,
                    std::int64_t subType = 1)
{
    return {name, graphicStyle, subType, "", "", reason};
}

INSTANTIATE_TEST_SUITE_P(
    EveryStyle, RecordLines,
    ::testing::Values(
        mapped("1234", 1, 5, "club/1234/logo"), mapped("1234", 2, 2, "nation/1234/icon"),
        mapped("1234", 3, 4, "media_source/1234/logo/background/left"),
        mapped("1234", 4, 3, "comp/1234/logo/background/right"),
        mapped("42", 5, 3, "person/42/portrait"), mapped("1234_home", 6, 1, "team/1234/kits/home"),
        mapped("1234_home", 6, 2, "team/1234/kit_textures/home"),
        mapped("1234_", 6, 1, "team/1234/kits/"), mapped("42", 7, 2, "stadium/42/background"),
        mapped("42", 7, 4, "person/42/background"), mapped("42", 7, 9, "team/42/background"),
        logo("my logo"), logo(""), logo("Ünïon's Ćrest"),
        // Names XML would misread are escaped in both values.
        RecordCase{"a&b<c\"d>e", 1, 1, "a&amp;b&lt;c&quot;d>e",
                   "graphics/pictures/club/a&amp;b&lt;c&quot;d>e/logo"},
        RecordCase{"R&D_h\"1", 6, 2, "R&amp;D_h&quot;1",
                   "graphics/pictures/team/R&amp;D/kit_textures/h&quot;1"},
        // The style decides first: no name, however shaped, gets a record without one.
        noRecord("1234", noStyle, 0), noRecord("1234_home", noStyle, 8),
        noRecord("1234", noStyle, -3), noRecord("1234_home", noStyle, 6, 3),
        noRecord("bad\xFF_home", noStyle, 6, 0),
        // Kit names need exactly one underscore with a team before it.
        noRecord("1234", kitName, 6), noRecord("1234_home_2", kitName, 6),
        noRecord("1234__home", kitName, 6), noRecord("_home", noTeam, 6),
        noRecord("_", noTeam, 6, 2), noRecord("_a_b", kitName, 6), noRecord("", kitName, 6),
        // Each UTF-8 rule once (the fuzz target holds them all to a reference): overlong, a
        // surrogate, a noncharacter, beyond U+10FFFF, cut short, a stray byte.
        logo("\xEF\xBF\xBD"), noRecord("\xC0\xAF", unwritable),
        noRecord("\xED\xA0\x80", unwritable), noRecord("\xEF\xBF\xBE", unwritable),
        noRecord("\xF4\x90\x80\x80", unwritable), noRecord("cut \xE2\x82", unwritable),
        noRecord("latin1 \xE9", unwritable, 6),
        // Names the document cannot hold on one line.
        noRecord("two\nlines", unwritable), noRecord("tab\there", unwritable, 5, 0),
        noRecord(std::string("nul\0x", 5), unwritable), noRecord("unit\x1F", unwritable),
        noRecord("del\x7F", unwritable), noRecord("c1 \xC2\x80", unwritable),
        noRecord("c1 \xC2\x9F", unwritable), logo("nbsp \xC2\xA0"), logo("~\x7E")));

} // namespace
} // namespace crestmap
