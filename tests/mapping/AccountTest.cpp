// The core's middle layer: the facts of an account and their order, names, tallies and text.

#include "FileNames.h"
#include "PackWalk.h"
#include "Text.h"
#include "WriteAccount.h"

#include <gtest/gtest.h>

namespace crestmap {

void PrintTo(const Fact& fact, std::ostream* out)
{
    *out << "{kind " << int(fact.kind) << ", " << fact.count << ", of " << fact.of << ", reason "
         << int(fact.reason) << ", '" << fact.path << "'}";
}

namespace {

using Kind = Fact::Kind;
using Outcome = FolderAccount::Outcome;

FolderAccount folder(Outcome outcome, std::size_t records = 0, std::size_t lost = 0)
{
    FolderAccount account;
    account.folder = "/pack/f";
    account.configPath = "/pack/f/config.xml";
    account.outcome = outcome;
    account.records = records;
    account.recordsLost = lost;
    return account;
}

// Each front end words these facts in this order, so the order is the core's to keep: a failing
// check says first what fails, a cancel how far the write came.
TEST(Facts, ComeInTheOrderAPersonReadsThem)
{
    const auto tally = [](const std::vector<FolderAccount>& folders,
                          const std::vector<SkipReason>& skipped, std::size_t clashes) {
        WriteTally told;
        for (const SkipReason reason : skipped) {
            told.entry({"/pack/f", "x.png", {}, reason});
        }
        for (const FolderAccount& account : folders) {
            told.folder(account);
        }
        for (std::size_t i = 0; i < clashes; ++i) {
            told.problem({ProblemAccount::Kind::Clash, "/pack/f", "1.png", "/pack/f/1.jpg", {}});
        }
        return told;
    };
    FolderAccount cut = folder(Outcome::Kept);
    cut.existing.state = MappingScan::State::CutShort;
    WriteTally cancelled = tally({folder(Outcome::Written, 5)}, {}, 0);
    cancelled.markCancelled();
    // clang-format off
    const std::vector<std::pair<std::vector<Fact>, std::vector<Fact>>> cases{
        {tally({folder(Outcome::Written, 3, 2), folder(Outcome::Unchanged, 4), folder(Outcome::Kept), cut,
                folder(Outcome::NotMapped), folder(Outcome::Unreadable), folder(Outcome::Unwritable)},
               {SkipReason::ExtensionCase, SkipReason::KitNameShape, SkipReason::KitNameShape}, 2).facts(),
         {{Kind::Written, 3, 1}, {Kind::Unchanged, 1, 4}, {Kind::Kept, 1}, {Kind::CutShort, 1},
          {Kind::NotMapped, 1}, {Kind::Unreadable, 1}, {Kind::Unwritable, 1},
          {Kind::WithoutRecord, 2, 0, SkipReason::KitNameShape}, {Kind::PassedOver, 1, 0, SkipReason::ExtensionCase},
          {Kind::RecordsLost, 2, 1}, {Kind::Clashes, 2}}},
        {tally({}, {}, 0).facts(), {{Kind::Written, 0, 0}}},
        {PackCheck{8, 0, 0, 1}.facts(tally({}, {}, 1)), {{Kind::Clashes, 1}, {Kind::Current, 8}}},
        {PackCheck{8, 2, 1, 1}.facts(tally({}, {}, 1)), {{Kind::Outdated, 2, 8}, {Kind::Unreadable, 1}, {Kind::Clashes, 1}}},
        {{cancelled.facts(10).back()}, {{Kind::Cancelled, 1, 9}}},
    };
    // clang-format on
    for (const auto& [facts, expected] : cases) {
        EXPECT_EQ(facts, expected);
    }
}

TEST(FileNames, TakeNamesApartAsTheSystemDoes)
{
    // clang-format off
    const std::vector<std::tuple<std::string, std::string, std::string, std::string>> cases{
        // path, last component, name it is mapped by, its folder
        {"/pack/a.b.png", "a.b.png", "a.b", "/pack"},
        {"/pack/.hidden.png", ".hidden.png", ".hidden", "/pack"},
        {"/pack/.png", ".png", ".png", "/pack"},
        {"/pack/sub/", "sub", "sub", "/pack/sub"},
        {"1234.png", "1234.png", "1234", "."},
        {"/1.png", "1.png", "1", "/"},
        {"/pack/..", "..", "..", "/pack"},
        {"/", "/", "/", "/"},
#ifdef _WIN32
        {"C:\\pack\\1.png", "1.png", "1", "C:\\pack"},
        {"C:\\1.png", "1.png", "1", "C:\\"},
#endif
    };
    // clang-format on
    for (const auto& [path, last, name, parent] : cases) {
        EXPECT_EQ(lastPathComponent(path), last) << path;
        EXPECT_EQ(fileNameOf(path), name) << path;
        EXPECT_EQ(parentFolderOf(path), parent) << path;
    }
    EXPECT_EQ(joinPath("/pack/", "a"), "/pack/a");
    EXPECT_EQ(classifyEntryName("a.png"), EntryName::Image);
    EXPECT_EQ(classifyEntryName("a.JpEg"), EntryName::ExtensionCase);
    EXPECT_EQ(classifyEntryName("a.png.txt"), EntryName::Other);
    EXPECT_EQ(classifyEntryName(".png"), EntryName::Other);
}

TEST(SkipTally, CountsEveryFileButNamesOnlyTheFirstFew)
{
    SkipTally first;
    SkipTally second;
    for (int i = 0; i < 15; ++i) {
        first.add("a" + std::to_string(i), SkipReason::KitNameShape);
        second.add("b" + std::to_string(i), SkipReason::NotAnImage);
    }
    first.merge(second);
    EXPECT_EQ(first.count(SkipReason::KitNameShape), 15u);
    EXPECT_EQ(first.count(SkipReason::NotAnImage), 15u);
    EXPECT_EQ(first.total(), 30u);
    ASSERT_EQ(first.sample().size(), SkipTally::sampleLimit);
    EXPECT_EQ(first.sample().back().name, "b4");
}

TEST(Text, HexAndUtf8RoundTrip)
{
    EXPECT_EQ(hexOf("a\xFF\n"), "61ff0a");
    EXPECT_EQ(bytesOfHex("61ff0a"), "a\xFF\n");
    EXPECT_EQ(bytesOfHex("6"), std::nullopt);
    EXPECT_EQ(bytesOfHex("zz"), std::nullopt);
    EXPECT_EQ(withReplacementCharacters("a\xFF"
                                        "b\xE2\x82"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80", 0).length, 0u) << "a surrogate is no UTF-8";
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80", 0, true).code, 0xD800u) << "but names carry it";
    EXPECT_TRUE(equalsFolded("PnG", "png"));
}

} // namespace
} // namespace crestmap
