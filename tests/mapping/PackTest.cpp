#include "FileNames.h"
#include "FolderReader.h"
#include "ImageCheck.h"
#include "MappingFile.h"
#include "PackPlan.h"
#include "PackWalk.h"
#include "StyleChoices.h"
#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <span>
#include <sstream>
#include <utility>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::expectedDocument;
using test::expectedRecord;
using test::logoRecord;
using test::readFile;
using test::TempDir;
using test::writeFile;
using Outcome = FolderAccount::Outcome;
using State = ConfigCheck::State;

// Everything a write's account says, in the order it says it.
struct Recorder : WriteTally {
    [[nodiscard]] EntryDetail entryDetail() const override { return EntryDetail::Pictures; }
    void entry(const EntryAccount& e) override
    {
        WriteTally::entry(e);
        entries.push_back(
            std::string(e.name) + " " +
            (e.reason ? "skipped " + std::to_string(int(*e.reason)) : std::string(e.picture)));
    }
    void folder(const FolderAccount& f) override
    {
        WriteTally::folder(f);
        folders[std::string(f.folder)] = f.outcome;
        order.emplace_back(f.folder);
    }
    std::vector<std::string> entries;
    std::map<std::string, Outcome> folders;
    std::vector<std::string> order;
};

PackRequest pack(std::optional<StylePair> style, StyleRule rule = StyleRule::AsAsked)
{
    PackRequest request;
    request.style = style;
    request.rule = rule;
    request.recursive = true;
    return request;
}

const std::string kitRecord = expectedRecord("1_a", "team/1/kits/a");

TEST(Pack, EntriesAndSiblingFoldersFollowTheListingOrder)
{
    const TempDir dir;
    const std::string root = dir.path().string();
    test::makeFiles(dir.path(), {"a.png", "b.jpg", ".hidden.png", "e.PNG", "notes.txt", "s0/1.png",
                                 "s1/1.png", "s2/1.png", "s3/1.png", "s4/1.png"});
#ifndef _WIN32
    fs::create_directory_symlink(dir.path(), dir / "loop");
#endif
    Recorder account;
    std::ostringstream errors;
    EXPECT_TRUE(writePack(root, pack(StylePair{1, 1}), account, errors));
    // Another reader's view of the order: what the system lists, not what the code thinks.
    std::vector<std::string> entries;
    std::vector<std::string> folders{root};
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && !entry.is_symlink()) {
            folders.push_back(joinPath(root, name));
        } else if (name == "e.PNG") {
            entries.push_back("e.PNG skipped 5");
        } else if (name.ends_with(".png") || name.ends_with(".jpg")) {
            entries.push_back(name + " graphics/pictures/club/" + name.substr(0, name.rfind('.')) +
                              "/logo");
        }
    }
    EXPECT_EQ(std::vector(account.entries.begin(), account.entries.begin() + 4), entries);
    EXPECT_EQ(account.order, folders);
    EXPECT_EQ(errors.str(), "");
}

// A large folder is listed on a thread once it proves large: every entry still comes, once, in
// the system's order, wherever the hand-over falls, and a reader left midway lets go.
TEST(FolderReadAhead, GivesWhatThePlainReaderGives)
{
    const TempDir dir;
    for (int i = 0; i < 9000; ++i) {
        writeFile(dir / std::to_string(i), "");
    }
    fs::create_directory(dir / "sub");
    const auto list = [](auto& reader) {
        std::vector<std::pair<std::string, bool>> entries;
        while (const auto entry = reader.next()) {
            entries.emplace_back(entry->name, entry->isFolder);
        }
        return entries;
    };
    FolderReader plain(dir.path().string());
    const auto wanted = list(plain);
    ASSERT_EQ(wanted.size(), 9001u);
    for (const std::size_t alone : {0, 1, 4096, 9000, 9001, 20000}) {
        FolderReadAhead ahead(dir.path().string(), alone);
        EXPECT_EQ(list(ahead), wanted) << alone;
        EXPECT_FALSE(ahead.error()) << alone;
    }
    {
        FolderReadAhead left(dir.path().string(), 0);
        for (int i = 0; i < 10; ++i) {
            ASSERT_TRUE(left.next());
        }
    }
    FolderReadAhead missing(dir / "none", 0);
    EXPECT_FALSE(missing.next());
    EXPECT_TRUE(missing.error());
}

#ifndef _WIN32
// Deeper than a path can name: the folders past the limit fail, the others are written, and a
// check of the same pack cannot call it current.
TEST(Pack, FoldersPastThePathLimitFailAndFailTheCheck)
{
    const TempDir dir;
    const std::string name(200, 'd');
    int fd = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
    for (int depth = 0; depth < 25 && fd >= 0; ++depth) {
        ASSERT_EQ(::mkdirat(fd, name.c_str(), 0755), 0);
        ::close(::openat(fd, "1.png", O_WRONLY | O_CREAT, 0644));
        const int next = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    ::close(fd);
    WriteTally tally;
    std::ostringstream errors;
    EXPECT_FALSE(writePack(dir.path().string(), pack(StylePair{1, 1}), tally, errors));
    EXPECT_GT(tally.folders(Outcome::Unwritable) + tally.folders(Outcome::Unreadable), 0u);
    EXPECT_EQ(readFile(dir / (name + "/config.xml")), expectedDocument({logoRecord("1")}));

    const PackCheck check = checkPack(dir.path().string(), pack(StylePair{1, 1}), {});
    EXPECT_GT(check.unreadable, 0u);
    EXPECT_EQ(check.outdated, 0u);
    EXPECT_FALSE(check.allCurrent());
    // The standard library cannot remove what it cannot name.
    EXPECT_EQ(test::runProcess({"/bin/rm", "-rf", dir / name}).exitStatus, 0);
}
#endif

// The verdict of each file, the one every front end shows: whether the game would read it
// otherwise, not whether its bytes differ.
TEST(ConfigCheck, GivesOneVerdictForEveryKindOfFile)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"1.png", "2.png"});
    const std::string folder = dir.path().string();
    const std::string one = logoRecord("1");
    const std::string two = logoRecord("2");
    ASSERT_TRUE(ConfigBuilder::writeFolderConfig(folder, {1, 1}));
    const std::string both = readFile(dir / "config.xml");
    const std::string header = both.substr(0, both.find("\n\t\t"));
    const bool oneFirst = both == expectedDocument({one, two});
    struct Case {
        std::optional<std::string> file;
        StylePair style;
        State state;
        std::string detail; // what differs: the stale reason and counts, or where it is cut
    };
    const auto shown = [](const ConfigCheck& c) {
        switch (c.state) {
        case State::Current:
            return std::string(c.otherLayout ? "other layout" : "");
        case State::Stale:
            return std::to_string(int(c.stale)) + " +" + std::to_string(c.added) + " -" +
                   std::to_string(c.removed) + " ~" + std::to_string(c.changed);
        case State::CutShort:
            return "cut " + std::to_string(int(c.file.cut));
        case State::NotMapping:
            return std::string(c.file.empty ? "empty" : "not empty");
        default:
            return std::string();
        }
    };
    // clang-format off
    const std::vector<Case> cases{
        {oneFirst ? expectedDocument({two, one}) : expectedDocument({one, two}), {1, 1}, State::Current, "other layout"},
        {both + "\n", {1, 1}, State::Current, "other layout"},
        {"<!-- mine -->\r\n" + header + "\r\n  " + one + two + "</list></record>", {1, 1}, State::Current, "other layout"},
        {both + "\nmore", {1, 1}, State::Stale, "2 +0 -0 ~0"},
        {"<record><boolean id=\"x\" value=\"1\"/>" + both.substr(8), {1, 1}, State::Stale, "1 +0 -0 ~0"},
        {both, {2, 1}, State::Stale, "0 +0 -0 ~2"},
        {expectedDocument({one}), {1, 1}, State::Stale, "0 +1 -0 ~0"},
        {expectedDocument({one, two, logoRecord("3")}), {1, 1}, State::Stale, "0 +0 -1 ~0"},
        {both.substr(0, both.size() - 9), {1, 1}, State::CutShort, "cut 3"},
        {both.substr(0, both.size() - 17), {1, 1}, State::CutShort, "cut 2"},
        {both.substr(0, both.size() - 20), {1, 1}, State::CutShort, "cut 1"},
        {header.substr(0, 50), {1, 1}, State::CutShort, "cut 0"},
        {"<rec", {1, 1}, State::CutShort, "cut 0"},
        {"", {1, 1}, State::NotMapping, "empty"},
        {"<html>not mine</html>", {1, 1}, State::NotMapping, "not empty"},
        {"<?xml version=\"1.0\"?><settings/>", {1, 1}, State::NotMapping, "not empty"},
        {std::nullopt, {1, 1}, State::Missing, ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        fs::remove(dir / "config.xml");
        if (c.file) {
            writeFile(dir / "config.xml", *c.file);
        }
        const ConfigCheck check = checkFolderConfig(folder, c.style);
        EXPECT_EQ(check.state, c.state) << c.file.value_or("(none)");
        EXPECT_EQ(shown(check), c.detail) << c.file.value_or("(none)");
        EXPECT_EQ(check.images, 2u);
        if (c.file) {
            EXPECT_EQ(readFile(dir / "config.xml"), *c.file) << "nothing written";
        } else {
            EXPECT_FALSE(fs::exists(dir / "config.xml")) << "nothing written";
        }
    }
}

// Folders a write passes over or cannot list: the check tells them as the write would.
TEST(ConfigCheck, FoldersAWriteLeavesAreCheckedAsItLeavesThem)
{
    struct Case {
        const char* what;
        std::string (*make)(const TempDir&); // the root to check
        bool recursive, whenEmpty, verify;
        std::multiset<State> verdicts;
        std::array<std::size_t, 4> counts; // checked, outdated, unreadable, problems
    };
    // clang-format off
    const std::vector<Case> cases{
        // "Wrote 0 records", then "not current": a document without images is the same in every
        // style, so a check without a style must not call it stale.
        {"written without images", [](const TempDir& dir) {
             test::makeFiles(dir.path(), {"readme.txt", "below/1.png"});
             EXPECT_TRUE(ConfigBuilder::writeFolderConfig(dir.path().string(), {6, 1}));
             return dir.path().string();
         }, false, false, false, {State::Current}, {1, 0, 0, 0}},
        // A config.xml cut short keeps its folder out of every write: its images clash with none.
        {"cut short", [](const TempDir& dir) {
             test::makeFiles(dir.path(), {"cut/7.png", "new/7.jpg"}, test::pngSignature);
             writeFile(dir / "cut/config.xml", "<rec");
             return dir.path().string();
         }, true, false, true, {State::CutShort, State::Missing}, {2, 2, 0, 0}},
        // Opened for its images below and not listable: unreadable, not checked and stale.
        {"cannot be listed", [](const TempDir& dir) { return dir / std::string(300, 'n'); },
         false, true, false, {State::Unreadable}, {0, 0, 1, 0}},
        // Without a mapping its images are still read as a write maps them, so the command line
        // finds what the window finds: two images of one picture and an empty file; its
        // sub-folder is checked once.
        {"without a mapping", [](const TempDir& dir) {
             test::makeFiles(dir.path(), {"1234.png", "1234.jpg", "below/9.png"}, test::pngSignature);
             test::makeFiles(dir.path(), {"5.png"});
             return dir.path().string();
         }, true, false, true, {State::Missing, State::Missing}, {2, 2, 0, 3}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempDir dir;
        PackRequest request = pack(std::nullopt, StyleRule::Update);
        request.recursive = c.recursive;
        request.recursiveWhenEmpty = c.whenEmpty;
        request.verifyImages = c.verify;
        std::multiset<State> verdicts;
        const PackCheck counts = checkPack(c.make(dir), request,
                                           [&](const std::string&, const ConfigCheck& check, auto) {
                                               verdicts.insert(check.state);
                                           });
        EXPECT_EQ(verdicts, c.verdicts);
        EXPECT_EQ((std::array{counts.checked, counts.outdated, counts.unreadable, counts.problems}),
                  c.counts);
    }
}

// The plan is what the user agrees to: a folder it says stays as it is must not be rewritten.
TEST(Plan, CountsEachFolderAsTheUpdateThenTreatsIt)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"same/1.png", "same/2.png", "order/1.png", "order/2.png",
                                 "stale/1.png", "stale/2.png", "none/1.png"});
    const std::string root = dir.path().string();
    for (const char* folder : {"same", "order", "stale"}) {
        ASSERT_TRUE(ConfigBuilder::writeFolderConfig(dir / folder, {1, 1}));
    }
    const std::string one = logoRecord("1");
    const std::string two = logoRecord("2");
    const bool oneFirst = readFile(dir / "order/config.xml") == expectedDocument({one, two});
    writeFile(dir / "order/config.xml",
              oneFirst ? expectedDocument({two, one}) : expectedDocument({one, two}));
    writeFile(dir / "stale/config.xml", expectedDocument({one}));

    const PackPlan plan = planPack(root, {1, 1});
    EXPECT_EQ(
        (std::array{plan.folders, plan.unchanged, plan.replaces, plan.creates, plan.writesAll}),
        (std::array<std::size_t, 5>{4, 1, 2, 1, 3}));
    // Writing all as kits would restyle a current logo folder: the plan must say so, and count it
    // among what that answer writes.
    const PackPlan restyle = planPack(dir / "same", {6, 1});
    EXPECT_EQ((std::array{restyle.otherStyle, restyle.unchanged, restyle.writesAll}),
              (std::array<std::size_t, 3>{1, 1, 1}));
    Recorder update;
    ASSERT_TRUE(writePack(root, pack(StylePair{1, 1}, StyleRule::Update), update));
    EXPECT_EQ(update.folders.at(dir / "same"), Outcome::Unchanged);
    for (const char* folder : {"order", "stale", "none"}) {
        EXPECT_EQ(update.folders.at(dir / folder), Outcome::Written) << folder;
    }
}

// A kit file cut at any byte: the check and the update agree. Cut after a whole record, it is
// still a kit file and an update makes it whole again.
TEST(ConfigCheck, AFileCutAnywhereGetsOneVerdictFromTheCheckAndTheUpdate)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"k/1_a.png", "k/2_b.png"});
    const std::string whole = expectedDocument({kitRecord, expectedRecord("2_b", "team/2/kits/b")});
    const std::size_t firstRecordEnd = whole.find(kitRecord) + kitRecord.size();
    const std::string root = dir.path().string();
    for (std::size_t cut = 0; cut < 400 && cut < whole.size(); ++cut) {
        const std::string kept = whole.substr(0, cut);
        writeFile(dir / "k/config.xml", kept);
        std::vector<std::pair<State, std::optional<StylePair>>> verdicts;
        (void)checkPack(root, pack(std::nullopt, StyleRule::Update),
                        [&](const std::string&, const ConfigCheck& c, std::optional<StylePair> s) {
                            verdicts.emplace_back(c.state, s);
                        });
        Recorder update;
        (void)writePack(root, pack(std::nullopt, StyleRule::Update), update);
        const std::string k = dir / "k";
        const bool styled = cut >= firstRecordEnd;
        ASSERT_EQ(verdicts.size(), 1u) << cut;
        EXPECT_EQ(verdicts[0].first, cut == 0 ? State::NotMapping : State::CutShort) << cut;
        EXPECT_EQ(verdicts[0].second, styled ? std::optional(StylePair{6, 1}) : std::nullopt)
            << cut;
        EXPECT_EQ(update.folders.at(k), styled     ? Outcome::Written
                                        : cut == 0 ? Outcome::NotMapped
                                                   : Outcome::Kept)
            << cut;
        EXPECT_EQ(readFile(dir / "k/config.xml"), styled ? whole : kept) << cut;
    }
}

// What stands at config.xml, and the rule, decide each folder before it is listed.
TEST(Decide, KeepsWhatAWriteWouldLoseUnlessToldToReplaceIt)
{
    using S = MappingScan::State;
    using A = Decision::Action;
    using R = StyleRule;
    const StylePair kit{6, 1};
    const StylePair logo{1, 1};
    const StylePair nationLogo{1, 2};
    const auto scan = [](S state, std::optional<StylePair> style = std::nullopt) {
        MappingScan file;
        file.state = state;
        file.style = style;
        return file;
    };
    // clang-format off
    const std::vector<std::tuple<MappingScan, R, std::optional<StylePair>, A, std::optional<StylePair>>> cases{
        {scan(S::Missing), R::KeepOwn, logo, A::Write, logo},
        {scan(S::Missing), R::Update, std::nullopt, A::NotMapped, std::nullopt},
        {scan(S::Missing), R::Update, kit, A::Write, kit},
        {scan(S::Mapping, kit), R::KeepOwn, logo, A::Keep, kit},
        {scan(S::Mapping, kit), R::KeepOwn, kit, A::Write, kit},
        {scan(S::Mapping, nationLogo), R::KeepOwn, logo, A::Keep, nationLogo},
        {scan(S::Mapping, kit), R::Update, logo, A::Write, kit},
        {scan(S::Mapping, kit), R::AsAsked, logo, A::Write, logo},
        {scan(S::Mapping), R::Update, std::nullopt, A::NotMapped, std::nullopt},
        {scan(S::Mapping), R::KeepOwn, std::nullopt, A::Write, logo},
        {scan(S::CutShort, kit), R::Update, logo, A::Write, kit},
        {scan(S::CutShort), R::Update, logo, A::Keep, std::nullopt},
        {scan(S::CutShort), R::KeepOwn, logo, A::Keep, std::nullopt},
        {scan(S::CutShort), R::AsAsked, logo, A::Write, logo},
        {scan(S::NotMapping), R::Update, std::nullopt, A::NotMapped, std::nullopt},
        {scan(S::NotMapping), R::KeepOwn, std::nullopt, A::Write, logo},
        {scan(S::Unreadable), R::AsAsked, logo, A::Unreadable, std::nullopt},
    };
    // clang-format on
    for (const auto& [file, rule, asked, action, style] : cases) {
        const Decision decision = decide(file, rule, asked);
        EXPECT_EQ(decision.action, action) << int(file.state) << " rule " << int(rule);
        EXPECT_EQ(decision.style, style) << int(file.state) << " rule " << int(rule);
    }
}

// Hand-edited, foreign, cut and hostile files: the first record's style, when it has one.
TEST(ExistingFile, IsReadUpToItsFirstRecord)
{
    const TempDir dir;
    const std::string texture = expectedRecord("1_a", "team/1/kit_textures/a");
    using S = MappingScan::State;
    // clang-format off
    const std::vector<std::tuple<std::string, S, std::optional<StylePair>>> cases{
        {expectedDocument({texture, expectedRecord("2_b", "team/2/kit_textures/b")}), S::Mapping, StylePair{6, 2}},
        {expectedDocument({texture, logoRecord("3")}), S::Mapping, StylePair{6, 2}},
        {expectedDocument({expectedRecord("9", "club/9/logo/extra")}), S::Mapping, std::nullopt},
        {expectedDocument({}), S::Mapping, std::nullopt},
        {expectedDocument(std::vector<std::string>(2000, texture)), S::Mapping, StylePair{6, 2}},
        {expectedDocument({texture}).substr(0, expectedDocument({texture}).size() - 15), S::Mapping, StylePair{6, 2}},
        {expectedDocument({texture}).substr(0, 200), S::CutShort, std::nullopt},
        {"<!DOCTYPE x [<!ENTITY a \"b\">]>" + expectedDocument({texture}), S::NotMapping, std::nullopt},
        {"<record>" + std::string(200000, '<') + texture, S::Mapping, std::nullopt},
        {std::string(3000000, 'x'), S::NotMapping, std::nullopt},
    };
    // clang-format on
    for (const auto& [file, state, style] : cases) {
        writeFile(dir / "config.xml", file);
        const MappingScan existing = readExistingFile(dir.path().string());
        EXPECT_EQ(existing.state, state) << file.substr(0, 300);
        EXPECT_EQ(existing.style, style) << file.substr(0, 300);
    }
    fs::remove(dir / "config.xml");
    EXPECT_EQ(readExistingFile(dir.path().string()).state, S::Missing);
}

// Two images that map to one picture, in one folder or two of a pack, each naming the other;
// names that only look alike under other styles are no clash, nor are lines that share a key.
TEST(Pack, ImagesThatMapToOnePictureAreNamedAndStillWritten)
{
    const TempDir dir;
    // A double quote cannot stand in a Windows name.
#ifdef _WIN32
    const std::string quoted = "'x'";
#else
    const std::string quoted = "\"x\"";
#endif
    test::makeFiles(dir.path(), {"a/12.png", "a/12.jpg", "a/13.png", "b/13.jpeg",
                                 "c/74_R&D " + quoted + ".png", "d/64_R&D " + quoted + ".png"});
    writeFile(dir / "c/config.xml", expectedDocument({expectedRecord("1", "comp/1/icon")}));
    writeFile(dir / "d/config.xml", expectedDocument({expectedRecord("1", "nation/1/icon")}));
    struct Clashes : WriteTally {
        void problem(const ProblemAccount& p) override
        {
            found.insert(std::string(p.name) + " " +
                         fs::path(std::string(p.other)).filename().string());
        }
        std::set<std::string> found;
    } clashes;
    ASSERT_TRUE(writePack(dir.path().string(), pack(StylePair{1, 1}, StyleRule::KeepOwn), clashes));
    EXPECT_EQ(clashes.found, (std::set<std::string>{"12.png 12.jpg", "12.jpg 12.png",
                                                    "13.png 13.jpeg", "13.jpeg 13.png"}));
    EXPECT_EQ(readFile(dir / "b/config.xml"), expectedDocument({logoRecord("13")}));
    // An update of some folders names their clashes with those it leaves, which stay as they are,
    // and not the clashes among those it leaves alone.
    const std::string left = readFile(dir / "a/config.xml");
    for (const bool alongside : {false, true}) {
        fs::remove(dir / "b/config.xml");
        PackRequest update = pack(StylePair{1, 1}, StyleRule::Update);
        update.folders = {dir / "b"};
        update.alongside = alongside ? std::vector{dir / "a"} : std::vector<std::string>{};
        Clashes found;
        ASSERT_TRUE(writePack(dir.path().string(), update, found));
        const std::set<std::string> withTheWritten{"13.png 13.jpeg", "13.jpeg 13.png"};
        EXPECT_EQ(found.found, alongside ? withTheWritten : std::set<std::string>{}) << alongside;
    }
    EXPECT_EQ(readFile(dir / "a/config.xml"), left);

    ClashFinder sharing([](std::string_view) noexcept { return std::uint64_t{7}; });
    sharing.add(expectedRecord("7", "comp/7/icon"));
    sharing.add(expectedRecord("7", "nation/7/icon"));
    ASSERT_TRUE(sharing.settle());
    EXPECT_TRUE(sharing.nominates(expectedRecord("7", "comp/7/icon")));
    Clashes nominated;
    reportClashes({{"graphics/pictures/comp/7/icon", "", "x.png"},
                   {"graphics/pictures/nation/7/icon", "", "y.png"}},
                  nominated);
    EXPECT_TRUE(nominated.found.empty());
}

// Whatever a name holds, what the writer writes reads back as current and in its own style, also
// through the reader (a final line feed makes the bytes differ, not the records).
TEST(Pack, EveryStyleReadsBackAsWrittenWhateverTheNames)
{
    const TempDir dir;
#ifdef _WIN32
    const std::vector<std::string> names{"R&D_ü.jpg", "9_'é'.jpeg"};
#else
    const std::vector<std::string> names{"a>b_c.png", "1<2_\"q\".png", "R&D_ü.jpg", "9_'é>'.jpeg"};
#endif
    for (std::size_t n = 0; n < names.size(); ++n) {
        const std::string folder = dir / std::to_string(n);
        test::makeFiles(folder, {names[n]});
        for (const Choice& graphic : graphicStyleChoices) {
            const auto& types =
                graphic.value == GraphicStyle::Kit          ? std::span(kitTypeChoices)
                : graphic.value == GraphicStyle::Background ? std::span(backgroundTypeChoices)
                : graphic.value == GraphicStyle::Portrait   ? std::span<const Choice>()
                                                            : std::span(logoTypeChoices);
            for (std::size_t i = 0; i < std::max<std::size_t>(types.size(), 1); ++i) {
                const StylePair style{graphic.value, types.empty() ? 0 : types[i].value};
                ASSERT_EQ(ConfigBuilder::writeFolderConfig(folder, style).records, 1u);
                writeFile(folder + "/config.xml", readFile(folder + "/config.xml") + "\n");
                EXPECT_EQ(readExistingFile(folder).style, style) << names[n] << ' ' << graphic.name;
                EXPECT_EQ(checkFolderConfig(folder, style).state, State::Current) << names[n];
            }
        }
    }
}

// Stopped while a folder is listed, the folder keeps its old file; the folders written before
// still name their images that clash, with each other's only.
TEST(Pack, ACancelWithinAFolderInstallsNothing)
{
    struct Case {
        int folders, images;
        std::size_t cancelAt;
        int written;
        std::size_t clashes;
    };
    for (const Case c :
         {Case{1, 3000, 600, 0, 0}, Case{3, 1000, 1300, 1, 0}, Case{3, 1000, 2300, 2, 2000}}) {
        const TempDir dir;
        for (int f = 0; f < c.folders; ++f) {
            test::makeImages(dir / std::to_string(f), c.images);
            writeFile(dir.path() / std::to_string(f) / "config.xml", "old");
        }
        JobControl control;
        struct Canceller : WriteTally {
            JobControl* control = nullptr;
            std::size_t seen = 0, at = 0;
            [[nodiscard]] EntryDetail entryDetail() const override { return EntryDetail::Records; }
            void entry(const EntryAccount&) override
            {
                if (++seen == at) {
                    control->cancel();
                }
            }
        } cancelling;
        cancelling.control = &control;
        cancelling.at = c.cancelAt;
        PackRequest request = pack(StylePair{1, 1});
        request.control = &control;
        (void)writePack(dir.path().string(), request, cancelling);
        EXPECT_EQ(cancelling.folders(Outcome::Cancelled), 1u) << c.cancelAt;
        EXPECT_EQ(cancelling.folders(Outcome::Written), std::size_t(c.written)) << c.cancelAt;
        EXPECT_LT(cancelling.seen, std::size_t(c.folders * c.images)) << c.cancelAt;
        int old = 0;
        for (int f = 0; f < c.folders; ++f) {
            old += readFile(dir.path() / std::to_string(f) / "config.xml") == "old" ? 1 : 0;
        }
        EXPECT_EQ(old, c.folders - c.written) << c.cancelAt;
        const std::vector<Fact> found = cancelling.findings();
        const auto clashes = std::ranges::find(found, Fact::Kind::Clashes, &Fact::kind);
        EXPECT_EQ(clashes == found.end() ? 0 : clashes->count, c.clashes) << c.cancelAt;
    }
}

TEST(ImageCheck, SaysWhyAFileWouldNotLoad)
{
    const TempDir dir;
    fs::create_directory(dir / "folder.png");
    using H = ImageProblem::Holds;
    const auto problem = [](bool png, H holds) {
        return std::optional(ImageProblem{png, holds, InputFile::Kind::Regular, {}});
    };
    const std::vector<std::tuple<std::string, std::string, std::optional<ImageProblem>>> cases{
        {"a.png", "\x89PNG\r\n\x1A\n", std::nullopt},
        {"b.jpg", "\xFF\xD8\xFF\xE0", std::nullopt},
        {"c.jpeg", "\x89PNG\r\n\x1A\nrest", std::nullopt},
        {"d.png", "", problem(true, H::Nothing)},
        {"e.jpg", "just some words\n", problem(false, H::Text)},
        {"f.png", "<!DOCTYPE html><html>", problem(true, H::Html)},
        {"g.PNG", std::string("\0\x01\x02", 3), problem(true, H::OtherData)},
    };
    for (const auto& [name, bytes, expected] : cases) {
        writeFile(dir / name, bytes);
        EXPECT_EQ(imageLoadProblem(dir / name), expected) << name;
    }
    EXPECT_EQ(imageLoadProblem(dir / "folder.png").value_or(ImageProblem{}).kind,
              InputFile::Kind::Folder);
#ifndef _WIN32
    // Opening a pipe to read waits for a writer that never comes: it must not be opened so.
    ASSERT_EQ(::mkfifo((dir / "pipe.png").c_str(), 0600), 0);
    EXPECT_EQ(imageLoadProblem(dir / "pipe.png").value_or(ImageProblem{}).kind,
              InputFile::Kind::NamedPipe);
    ASSERT_EQ(::mkfifo((dir / "config.xml").c_str(), 0600), 0);
    const ConfigCheck pipe = checkFolderConfig(dir.path().string(), {1, 1});
    EXPECT_EQ(pipe.state, State::NotMapping);
    EXPECT_EQ(pipe.file.kind, InputFile::Kind::NamedPipe);
#endif
}

} // namespace
} // namespace crestmap
