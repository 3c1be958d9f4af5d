#include "FileNames.h"
#include "ImageCheck.h"
#include "MappingFile.h"
#include "PackWalk.h"
#include "StyleChoices.h"
#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <span>
#include <sstream>
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
using test::readFile;
using test::TempDir;
using test::writeFile;

// Everything a write's account says, in the order it says it.
struct Recorder : WriteListener {
    [[nodiscard]] EntryDetail entryDetail() const override { return EntryDetail::Pictures; }
    void entry(const EntryAccount& e) override
    {
        entries.push_back(std::string(e.name) + " " +
                          std::string(e.reason ? skipReasonLabel(*e.reason) : e.picture));
    }
    void folder(const FolderAccount& f) override
    {
        folders[std::string(f.folder)] = f.outcome;
        order.emplace_back(f.folder);
    }
    std::vector<std::string> entries;
    std::map<std::string, FolderAccount::Outcome> folders;
    std::vector<std::string> order;
};

PackRequest pack(StylePair style, StyleRule rule = StyleRule::AsAsked)
{
    PackRequest request;
    request.style = style;
    request.rule = rule;
    request.recursive = true;
    return request;
}

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
    EXPECT_TRUE(writePack(root, pack({1, 1}), account, errors));
    // Another reader's view of the order: what the system lists, not what the code thinks.
    std::vector<std::string> entries;
    std::vector<std::string> folders{root};
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() && !entry.is_symlink()) {
            folders.push_back(joinPath(root, name));
        } else if (name == "e.PNG") {
            entries.push_back("e.PNG .PNG");
        } else if (name.ends_with(".png") || name.ends_with(".jpg")) {
            entries.push_back(name + " graphics/pictures/club/" + name.substr(0, name.rfind('.')) +
                              "/logo");
        }
    }
    EXPECT_EQ(std::vector(account.entries.begin(), account.entries.begin() + 4), entries);
    EXPECT_EQ(account.order, folders);
    EXPECT_EQ(errors.str(), "");
}

TEST(Pack, TallyAddsUpEveryFolderAndCountsWhatFoldersLeftAloneHold)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"a/1234.png", "b/5678.png", "b/1_x.png", "c/X.PNG", "d/9_9.png"});
    fs::create_directory(dir / "d/config.xml");
    WriteTally tally;
    std::ostringstream errors;
    EXPECT_FALSE(writePack(dir.path().string(), pack({GraphicStyle::Kit, 1}), tally, errors));
    EXPECT_EQ(tally.foldersWritten(), 2u); // a and b; the root and c hold no image
    EXPECT_EQ(tally.records(), 1u);
    EXPECT_EQ(tally.skipped().count(SkipReason::KitNameShape), 2u);
    EXPECT_EQ(tally.skipped().passedOver(), 1u);
    ASSERT_EQ(tally.failures().at(0).folder, joinPath(dir.path().string(), "d"));
    EXPECT_TRUE(
        errors.str().starts_with("Unexpected error: cannot replace " +
                                 joinPath(joinPath(dir.path().string(), "d"), "config.xml")) &&
        errors.str().ends_with(".\n"))
        << errors.str();
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
    EXPECT_FALSE(writePack(dir.path().string(), pack({1, 1}), tally, errors));
    EXPECT_TRUE(tally.foldersFailed() > 0 && test::has(errors.str(), "File name too long"));
    EXPECT_EQ(readFile(dir / (name + "/config.xml")),
              expectedDocument({expectedRecord("1", "club/1/logo")}));

    const PackCheck check = checkPack(dir.path().string(), pack({1, 1}), {});
    EXPECT_TRUE(check.failed > 0 && check.outdated == 0 && !check.allCurrent());
    // The standard library cannot remove what it cannot name.
    EXPECT_EQ(test::runProcess({"/bin/rm", "-rf", dir / name}).exitStatus, 0);
}
#endif

// Whether the game would read the file differently, not whether its bytes differ.
TEST(ConfigCheck, SaysWhatDiffersFromTheDocumentItWouldWrite)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"1.png", "2.png"});
    const std::string folder = dir.path().string();
    const std::string one = expectedRecord("1", "club/1/logo");
    const std::string two = expectedRecord("2", "club/2/logo");
    std::ostringstream errors;
    ASSERT_TRUE(ConfigBuilder::writeFolderConfig(folder, {1, 1}, errors));
    const std::string both = readFile(dir / "config.xml");
    const std::string header = both.substr(0, both.find("\n\t\t"));
    const bool oneFirst = both == expectedDocument({one, two});
    using enum ConfigCheck::State;
    const std::string same = "the same records in another order or layout";
    // clang-format off
    const std::vector<std::tuple<std::optional<std::string>, StylePair, ConfigCheck::State, std::string>> cases{
        {oneFirst ? expectedDocument({two, one}) : expectedDocument({one, two}), {1, 1}, Current, same},
        {both + "\n", {1, 1}, Current, same},
        {"<!-- mine -->\r\n" + header + "\r\n  " + one + two + "</list></record>", {1, 1}, Current, same},
        {both + "\nmore", {1, 1}, Stale, "text or elements a mapping file does not hold"},
        {both.substr(0, both.size() - 9), {1, 1}, Stale, "no proper end"},
        {"<record><boolean id=\"x\" value=\"1\"/>" + both.substr(8), {1, 1}, Stale, "other options than preload and amap off"},
        {both, {2, 1}, Stale, "2 records changed"},
        {expectedDocument({one}), {1, 1}, Stale, "1 record added"},
        {"<html>not mine</html>", {1, 1}, NotMapping, "not a mapping file"},
        {std::nullopt, {1, 1}, Missing, "missing"},
    };
    // clang-format on
    for (const auto& [file, style, state, detail] : cases) {
        fs::remove(dir / "config.xml");
        if (file) {
            writeFile(dir / "config.xml", *file);
        }
        const ConfigCheck check = checkFolderConfig(folder, style);
        EXPECT_EQ(check.state, state) << detail;
        EXPECT_EQ(check.detail, detail);
        if (file) {
            EXPECT_EQ(readFile(dir / "config.xml"), *file) << "nothing written";
        } else {
            EXPECT_FALSE(fs::exists(dir / "config.xml")) << "nothing written";
        }
    }
}

// Hand-edited, foreign, cut and hostile files: the first record's style, when it has one.
TEST(OwnStyle, IsTheFirstRecordsStyle)
{
    const TempDir dir;
    const std::string kit = expectedRecord("1_a", "team/1/kit_textures/a");
    // clang-format off
    const std::vector<std::pair<std::string, std::optional<StylePair>>> cases{
        {expectedDocument({kit, expectedRecord("2_b", "team/2/kit_textures/b")}), StylePair{6, 2}},
        {expectedDocument({kit, expectedRecord("3", "club/3/logo")}), StylePair{6, 2}},
        {expectedDocument({expectedRecord("a>b", "person/a>b/portrait")}), StylePair{5, 0}},
        {expectedDocument({expectedRecord("9", "club/9/logo/extra")}), std::nullopt},
        {expectedDocument({}), std::nullopt},
        {expectedDocument({kit}).substr(0, expectedDocument({kit}).size() - 15), StylePair{6, 2}},
        {"<!DOCTYPE x [<!ENTITY a \"b\">]>" + expectedDocument({kit}), std::nullopt},
        {"<record>" + std::string(200000, '<') + kit, std::nullopt},
        {std::string(3000000, 'x'), std::nullopt},
    };
    // clang-format on
    for (const auto& [file, style] : cases) {
        writeFile(dir / "config.xml", file);
        const OwnStyle own = readOwnStyle(dir.path().string());
        EXPECT_TRUE(own.exists);
        EXPECT_EQ(own.style, style) << file.substr(0, 400);
    }
    fs::remove(dir / "config.xml");
    EXPECT_FALSE(readOwnStyle(dir.path().string()).exists);
}

// A recursive write keeps folders mapped in another style unless told to update or restyle.
TEST(Pack, EachFolderKeepsItsOwnStyleUnlessToldOtherwise)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"kits/1_home.png", "logos/7.png", "new/8.png"});
    const std::string kits = expectedDocument({expectedRecord("1_home", "team/1/kits/home")});
    writeFile(dir / "kits/config.xml", kits);
    writeFile(dir / "logos/config.xml", expectedDocument({}));
    const std::string root = dir.path().string();
    std::ostringstream errors;
    using Outcome = FolderAccount::Outcome;
    const auto run = [&](PackRequest request, const char* folder) {
        Recorder account;
        EXPECT_TRUE(writePack(root, request, account, errors));
        return account.folders.at(joinPath(root, folder));
    };
    EXPECT_EQ(run(pack({1, 1}, StyleRule::KeepOwn), "kits"), Outcome::Kept);
    EXPECT_EQ(readFile(dir / "kits/config.xml"), kits);
    EXPECT_EQ(readFile(dir / "logos/config.xml"),
              expectedDocument({expectedRecord("7", "club/7/logo")}));

    PackRequest update = pack({1, 1}, StyleRule::Update);
    update.style.reset();
    writeFile(dir / "kits/2_away.png", "");
    fs::remove(dir / "new/config.xml");
    EXPECT_EQ(run(update, "new"), Outcome::NotMapped);
    EXPECT_NE(readFile(dir / "kits/config.xml").find("team/2/kits/away"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "new/config.xml"));

    EXPECT_EQ(run(pack({1, 1}), "kits"), Outcome::Written);
    EXPECT_NE(readFile(dir / "kits/config.xml").find("club/1_home/logo"), std::string::npos);
}

// Two images that map to one picture, in one folder or two of a pack, each naming the other;
// names that only look alike under other styles are no clash.
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
    std::ostringstream errors;
    ASSERT_TRUE(writePack(dir.path().string(), pack({1, 1}, StyleRule::KeepOwn), clashes, errors));
    EXPECT_EQ(clashes.found, (std::set<std::string>{"12.png 12.jpg", "12.jpg 12.png",
                                                    "13.png 13.jpeg", "13.jpeg 13.png"}));
    EXPECT_EQ(readFile(dir / "b/config.xml"),
              expectedDocument({expectedRecord("13", "club/13/logo")}));

    // Pictures that share a key but differ are told apart by the pictures themselves.
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
                std::ostringstream errors;
                ASSERT_EQ(ConfigBuilder::writeFolderConfig(folder, style, errors).records, 1u);
                writeFile(folder + "/config.xml", readFile(folder + "/config.xml") + "\n");
                EXPECT_EQ(readOwnStyle(folder).style, style) << names[n] << ' ' << graphic.name;
                const ConfigCheck check = checkFolderConfig(folder, style);
                EXPECT_EQ(check.state, ConfigCheck::State::Current) << names[n] << check.detail;
            }
        }
    }
}

TEST(ImageCheck, SaysWhyAFileWouldNotLoad)
{
    const TempDir dir;
    fs::create_directory(dir / "folder.png");
    const std::vector<std::tuple<std::string, std::string, std::optional<std::string>>> cases{
        {"a.png", "\x89PNG\r\n\x1A\n", std::nullopt},
        {"b.jpg", "\xFF\xD8\xFF\xE0", std::nullopt},
        {"c.jpeg", "\x89PNG\r\n\x1A\nrest", std::nullopt},
        {"d.png", "", "not a PNG image (0 bytes)"},
        {"e.jpg", "just some words\n", "not a JPEG image (it holds text)"},
        {"f.png", "<!DOCTYPE html><html>", "not a PNG image (it holds HTML)"},
        {"g.PNG", std::string("\0\x01\x02", 3), "not a PNG image (it holds other data)"},
    };
    for (const auto& [name, bytes, problem] : cases) {
        writeFile(dir / name, bytes);
        EXPECT_EQ(imageLoadProblem(dir / name), problem) << name;
    }
    EXPECT_EQ(imageLoadProblem(dir / "folder.png"), "not a PNG image (a folder)");
#ifndef _WIN32
    // Opening a pipe to read waits for a writer that never comes: it must not be opened so.
    ASSERT_EQ(::mkfifo((dir / "pipe.png").c_str(), 0600), 0);
    EXPECT_EQ(imageLoadProblem(dir / "pipe.png"), "not a PNG image (a named pipe)");
    ASSERT_EQ(::mkfifo((dir / "config.xml").c_str(), 0600), 0);
    EXPECT_EQ(checkFolderConfig(dir.path().string(), {1, 1}).detail,
              "not a mapping file: a named pipe");
#endif
}

} // namespace
} // namespace crestmap
