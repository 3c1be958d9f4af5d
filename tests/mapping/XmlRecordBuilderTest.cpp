#include "XmlRecordBuilder.h"

#include "StyleSelectors.h"

#include <gtest/gtest.h>

namespace crestmap {
namespace {

struct RecordCase {
    std::string name;
    std::int64_t style;
    std::int64_t subType;
    std::string from; // empty together with `to` when no record is expected
    std::string to;
};

void PrintTo(const RecordCase& c, std::ostream* out)
{
    *out << ::testing::PrintToString(c.name) << " style " << c.style << " sub-type " << c.subType;
}

class RecordLines : public ::testing::TestWithParam<RecordCase> {};

TEST_P(RecordLines, MatchTheMappingTable)
{
    const RecordCase& c = GetParam();
    const auto lines = XmlRecordBuilder{}.buildRecord(c.name, c.style, c.subType);
    if (c.to.empty()) {
        EXPECT_TRUE(lines.empty()) << lines.front();
        return;
    }
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines.front(), "<record from=\"" + c.from + "\" to=\"" + c.to + "\"/>");
}

INSTANTIATE_TEST_SUITE_P(
    EveryStyle, RecordLines,
    ::testing::Values(
        RecordCase{"1234", 1, 1, "1234", "graphics/pictures/club/1234/logo"},
        RecordCase{"1234", 1, 0, "1234", "graphics/pictures/club/1234/logo"},
        RecordCase{"1234", 1, 5, "1234", "graphics/pictures/club/1234/logo"},
        RecordCase{"1234", 1, -1, "1234", "graphics/pictures/club/1234/logo"},
        RecordCase{"1234", 2, 2, "1234", "graphics/pictures/nation/1234/icon"},
        RecordCase{"1234", 3, 4, "1234",
                   "graphics/pictures/media_source/1234/logo/background/left"},
        RecordCase{"1234", 4, 3, "1234", "graphics/pictures/comp/1234/logo/background/right"},
        RecordCase{"42", 5, 3, "42", "graphics/pictures/person/42/portrait"},
        RecordCase{"1234_home", 6, 1, "1234_home", "graphics/pictures/team/1234/kits/home"},
        RecordCase{"1234_home", 6, 2, "1234_home", "graphics/pictures/team/1234/kit_textures/home"},
        RecordCase{"1234_", 6, 1, "1234_", "graphics/pictures/team/1234/kits/"},
        RecordCase{"42", 7, 1, "42", "graphics/pictures/team/42/background"},
        RecordCase{"42", 7, 2, "42", "graphics/pictures/stadium/42/background"},
        RecordCase{"42", 7, 3, "42", "graphics/pictures/comp/42/background"},
        RecordCase{"42", 7, 4, "42", "graphics/pictures/person/42/background"},
        RecordCase{"42", 7, 9, "42", "graphics/pictures/team/42/background"},
        RecordCase{"my logo", 1, 1, "my logo", "graphics/pictures/club/my logo/logo"},
        RecordCase{"", 1, 1, "", "graphics/pictures/club//logo"},
        RecordCase{"Ünïon's Ćrest", 1, 1, "Ünïon's Ćrest",
                   "graphics/pictures/club/Ünïon's Ćrest/logo"},
        // Names XML would misread are escaped in both values.
        RecordCase{"a&b<c\"d>e", 1, 1, "a&amp;b&lt;c&quot;d>e",
                   "graphics/pictures/club/a&amp;b&lt;c&quot;d>e/logo"},
        RecordCase{"R&D_h\"1", 6, 2, "R&amp;D_h&quot;1",
                   "graphics/pictures/team/R&amp;D/kit_textures/h&quot;1"},
        // No record at all.
        RecordCase{"1234", 0, 1, "", ""}, RecordCase{"1234", 8, 1, "", ""},
        RecordCase{"1234", -3, 1, "", ""}, RecordCase{"1234", 6, 1, "", ""},
        RecordCase{"1234_home_2", 6, 1, "", ""}, RecordCase{"1234__home", 6, 1, "", ""},
        RecordCase{"_home", 6, 1, "", ""}, RecordCase{"_", 6, 2, "", ""},
        RecordCase{"", 6, 1, "", ""}, RecordCase{"1234_home", 6, 0, "", ""},
        RecordCase{"1234_home", 6, 3, "", ""},
        // Names the document cannot hold on one line, or as UTF-8.
        RecordCase{"two\nlines", 1, 1, "", ""}, RecordCase{"tab\there", 5, 0, "", ""},
        RecordCase{std::string("nul\0x", 5), 1, 1, "", ""}, RecordCase{"latin1 \xE9", 1, 1, "", ""},
        RecordCase{"cut \xC3", 1, 1, "", ""}, RecordCase{"overlong \xC0\xAF", 1, 1, "", ""},
        RecordCase{"surrogate \xED\xA0\x80", 1, 1, "", ""},
        RecordCase{"nonchar \xEF\xBF\xBF", 7, 1, "", ""},
        RecordCase{"beyond \xF4\x90\x80\x80", 1, 1, "", ""}));

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
