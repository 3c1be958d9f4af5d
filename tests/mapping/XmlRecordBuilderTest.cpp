#include "XmlRecordBuilder.h"

#include "StyleSelectors.h"

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

void PrintTo(const RecordCase& c, std::ostream* out)
{
    *out << ::testing::PrintToString(c.name) << " style " << c.style << " sub-type " << c.subType;
}

class RecordLines : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordLines, MatchTheMappingTableOrSayWhyNot)
{
    const RecordCase& c = GetParam();
    const auto lines = XmlRecordBuilder{}.buildRecord(c.name, c.style, c.subType);
    EXPECT_EQ(recordSkipReason(c.name, c.style, c.subType), c.reason);
    if (c.to.empty()) {
        EXPECT_TRUE(lines.empty()) << lines.front();
        EXPECT_TRUE(c.reason.has_value());
        return;
    }
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines.front(), "<record from=\"" + c.from + "\" to=\"" + c.to + "\"/>");
    if (c.to.find('&') == std::string::npos) {
        EXPECT_EQ(picturePath(c.name, c.style, c.subType), c.to);
    }
}

constexpr auto noStyle = SkipReason::StyleGivesNoRecord;
constexpr auto kitName = SkipReason::KitNameShape;
constexpr auto noTeam = SkipReason::KitTeamMissing;
constexpr auto unwritable = SkipReason::UnwritableName;

RecordCase logo(const std::string& name)
{
    return {name, 1, 1, name, "graphics/pictures/club/" + name + "/logo"};
}

RecordCase noRecord(const std::string& name, SkipReason reason, std::int64_t graphicStyle = 1,
                    std::int64_t subType = 1)
{
    return {name, graphicStyle, subType, "", "", reason};
}

INSTANTIATE_TEST_SUITE_P(
    EveryStyle, RecordLines,
    ::testing::Values(
        RecordCase{"1234", 1, 0, "1234", "graphics/pictures/club/1234/logo"},
        RecordCase{"1234", 1, 5, "1234", "graphics/pictures/club/1234/logo"},
        RecordCase{"1234", 2, 2, "1234", "graphics/pictures/nation/1234/icon"},
        RecordCase{"1234", 3, 4, "1234",
                   "graphics/pictures/media_source/1234/logo/background/left"},
        RecordCase{"1234", 4, 3, "1234", "graphics/pictures/comp/1234/logo/background/right"},
        RecordCase{"42", 5, 3, "42", "graphics/pictures/person/42/portrait"},
        RecordCase{"1234_home", 6, 1, "1234_home", "graphics/pictures/team/1234/kits/home"},
        RecordCase{"1234_home", 6, 2, "1234_home", "graphics/pictures/team/1234/kit_textures/home"},
        RecordCase{"1234_", 6, 1, "1234_", "graphics/pictures/team/1234/kits/"},
        RecordCase{"42", 7, 2, "42", "graphics/pictures/stadium/42/background"},
        RecordCase{"42", 7, 3, "42", "graphics/pictures/comp/42/background"},
        RecordCase{"42", 7, 4, "42", "graphics/pictures/person/42/background"},
        RecordCase{"42", 7, 9, "42", "graphics/pictures/team/42/background"}, logo("my logo"),
        logo(""), logo("Ünïon's Ćrest"),
        // Names XML would misread are escaped in both values.
        RecordCase{"a&b<c\"d>e", 1, 1, "a&amp;b&lt;c&quot;d>e",
                   "graphics/pictures/club/a&amp;b&lt;c&quot;d>e/logo"},
        RecordCase{"R&D_h\"1", 6, 2, "R&amp;D_h&quot;1",
                   "graphics/pictures/team/R&amp;D/kit_textures/h&quot;1"},
        // The style decides first: no name, however shaped, gets a record without one.
        noRecord("1234", noStyle, 0), noRecord("1234", noStyle, 8), noRecord("1234", noStyle, -3),
        noRecord("1234_home", noStyle, 0), noRecord("1234_home", noStyle, 8),
        noRecord("1234_home", noStyle, 6, 0), noRecord("1234_home", noStyle, 6, 3),
        noRecord("bad\xFF_home", noStyle, 6, 3),
        // Kit names need exactly one underscore with a team before it.
        noRecord("1234", kitName, 6), noRecord("1234_home_2", kitName, 6),
        noRecord("1234__home", kitName, 6), noRecord("_home", noTeam, 6),
        noRecord("_", noTeam, 6, 2), noRecord("_a_b", kitName, 6), noRecord("", kitName, 6),
        // Each UTF-8 rule at its edges: the last good value, then the first bad one.
        logo("\xDF\xBF"), noRecord("\xC0\xAF", unwritable), noRecord("\xC1\xBF", unwritable),
        logo("\xE0\xA0\x80"), noRecord("\xE0\x9F\xBF", unwritable), logo("\xED\x9F\xBF"),
        noRecord("\xED\xA0\x80", unwritable), noRecord("\xED\xBF\xBF", unwritable),
        logo("\xEE\x80\x80"), logo("\xEF\xBF\xBD"), noRecord("\xEF\xBF\xBE", unwritable),
        noRecord("\xEF\xBF\xBF", unwritable, 7), logo("\xF0\x90\x80\x80"),
        noRecord("\xF0\x8F\xBF\xBF", unwritable), logo("\xF4\x8F\xBF\xBF"),
        noRecord("\xF4\x90\x80\x80", unwritable), noRecord("\xF5\x80\x80\x80", unwritable),
        // Cut short, at every length, and stray continuation or Latin-1 bytes.
        noRecord("cut \xC3", unwritable), noRecord("cut \xE2\x82", unwritable),
        noRecord("cut \xF0\x9F\x98", unwritable), noRecord("\x80", unwritable),
        noRecord("latin1 \xE9", unwritable, 6),
        // Names the document cannot hold on one line.
        noRecord("two\nlines", unwritable), noRecord("tab\there", unwritable, 5, 0),
        noRecord(std::string("nul\0x", 5), unwritable), noRecord("unit\x1F", unwritable),
        noRecord("del\x7F", unwritable), noRecord("c1 \xC2\x80", unwritable),
        noRecord("c1 \xC2\x9F", unwritable), logo("nbsp \xC2\xA0"), logo("~\x7E")));

TEST(StyleSelectors, PassOnlyTheSettingThatGoesWithTheStyle)
{
    StyleSelectors styles;
    styles.logoType = 11;
    styles.kitType = 22;
    styles.backgroundType = 33;
    const std::vector<std::pair<std::int64_t, std::int64_t>> cases{
        {1, 11}, {2, 11}, {3, 11}, {4, 11}, {5, 0}, {6, 22}, {7, 33}, {0, 0}, {8, 0}, {-1, 0}};
    for (const auto& [style, subType] : cases) {
        EXPECT_EQ(styles.subTypeForGraphicStyle(style), subType) << style;
    }
    styles.graphicStyle = 6;
    const StylePair pair = styles.stylePair();
    EXPECT_EQ(pair.graphicStyle, 6);
    EXPECT_EQ(pair.subType, 22);
}

} // namespace
} // namespace crestmap
