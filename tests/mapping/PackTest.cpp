#include "FileNames.h"
#include "ImageCheck.h"
#include "MappingFile.h"
#include "PackWalk.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
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
    [[nodiscard]] bool wantsPictures() const override { return true; }
    void entry(const EntryAccount& e) override
    {
        entries.push_back(
            std::string(e.name) + " " +
            (e.reason ? std::string(skipReasonLabel(*e.reason)) : std::string(e.picture)));
    }
    void folder(const FolderAccount& f) override
    {
        folders.emplace_back(f.folder);
        outcomes.push_back(f.outcome);
    }
    std::vector<std::string> entries;
    std::vector<std::string> folders;
    std::vector<FolderAccount::Outcome> outcomes;
};

PackRequest pack(StylePair style, StyleRule rule = StyleRule::AsAsked)
{
    PackRequest request;
    request.style = style;
    request.rule = rule;
    request.recursive = true;
    return request;
}

// Another reader's view of a folder's order: what the system lists, not what the code thinks.
std::vector<std::string> listed(const fs::path& folder, bool folders)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_directory() && !entry.is_symlink()) {
            if (folders) {
                names.push_back(entry.path().filename().string());
            }
        } else if (!folders) {
            names.push_back(entry.path().filename().string());
        }
    }
    return names;
}

TEST(Pack, EntriesAndSiblingFoldersFollowTheListingOrder)
{
    const TempDir dir;
    const std::string root = dir.path().string();
    for (const char* name : {"a.png", "b.jpg", "c.jpeg", ".hidden.png", "e.PNG", "notes.txt"}) {
        writeFile(dir / name, "");
    }
    for (int i = 0; i < 8; ++i) {
        fs::create_directory(dir / ("s" + std::to_string(i)));
        writeFile(dir / ("s" + std::to_string(i) + "/1.png"), "");
    }
#ifndef _WIN32
    fs::create_directory_symlink(dir.path(), dir / "loop");
#endif
    Recorder account;
    std::ostringstream errors;
    EXPECT_TRUE(writePack(root, pack({1, 1}), account, errors));

    std::vector<std::string> expected;
    for (const std::string& name : listed(dir.path(), false)) {
        if (name == "e.PNG") {
            expected.push_back("e.PNG .PNG");
        } else if (name != "notes.txt" && name != "loop" && name != "config.xml") {
            expected.push_back(name + " graphics/pictures/club/" + fs::path(name).stem().string() +
                               "/logo");
        }
    }
    EXPECT_EQ(std::vector(account.entries.begin(), account.entries.begin() + 5), expected);
    std::vector<std::string> folders{root};
    for (const std::string& folder : listed(dir.path(), true)) {
        folders.push_back(joinPath(root, folder));
    }
    EXPECT_EQ(account.folders, folders);
    EXPECT_EQ(errors.str(), "");
}

TEST(Pack, TallyAddsUpEveryFolderAndCountsWhatFoldersLeftAloneHold)
{
    const TempDir dir;
    for (const char* file : {"a/1234.png", "b/5678.png", "b/1_x.png", "c/X.PNG", "d/9_9.png"}) {
        fs::create_directories((dir.path() / file).parent_path());
        writeFile(dir / file, "");
    }
    fs::create_directory(dir / "d/config.xml");
    WriteTally tally;
    std::ostringstream errors;
    EXPECT_FALSE(writePack(dir.path().string(), pack({GraphicStyle::Kit, 1}), tally, errors));
    EXPECT_EQ(tally.foldersWritten(), 2u); // a and b; the root and c hold no image
    EXPECT_EQ(tally.records(), 1u);
    EXPECT_EQ(tally.skipped().count(SkipReason::KitNameShape), 2u);
    EXPECT_EQ(tally.skipped().passedOver(), 1u);
    ASSERT_EQ(tally.failures().size(), 1u);
    EXPECT_EQ(tally.failures().front().folder, joinPath(dir.path().string(), "d"));
    EXPECT_EQ(errors.str(), "Unexpected error: " + tally.failures().front().error + ".\n");
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
    EXPECT_GT(tally.foldersFailed(), 0u);
    EXPECT_NE(errors.str().find("File name too long"), std::string::npos) << errors.str();
    EXPECT_EQ(readFile(dir / (name + "/config.xml")),
              expectedDocument({expectedRecord("1", "club/1/logo")}));

    const PackCheck check = checkPack(dir.path().string(), pack({1, 1}), {});
    EXPECT_GT(check.failed, 0u);
    EXPECT_EQ(check.outdated, 0u);
    EXPECT_FALSE(check.allCurrent());
    // The standard library cannot remove what it cannot name.
    EXPECT_EQ(test::runProcess({"/bin/rm", "-rf", dir / name}).exitStatus, 0);
}
#endif

// Whether the game would read the file differently, not whether its bytes differ.
TEST(ConfigCheck, SaysWhatDiffersFromTheDocumentItWouldWrite)
{
    const TempDir dir;
    writeFile(dir / "1.png", "");
    writeFile(dir / "2.png", "");
    const std::string folder = dir.path().string();
    const std::string one = expectedRecord("1", "club/1/logo");
    const std::string two = expectedRecord("2", "club/2/logo");
    std::ostringstream errors;
    ASSERT_TRUE(ConfigBuilder::writeFolderConfig(folder, {1, 1}, errors));
    const std::string both = readFile(dir / "config.xml");
    const std::string header = both.substr(0, both.find("\n\t\t"));
    const bool oneFirst = both == expectedDocument({one, two});
    using State = ConfigCheck::State;
    const std::string same = "the same records in another order or layout";
    const std::vector<std::tuple<std::optional<std::string>, StylePair, State, std::string>> cases{
        {oneFirst ? expectedDocument({two, one}) : expectedDocument({one, two}),
         {1, 1},
         State::Current,
         same},
        {both + "\n", {1, 1}, State::Current, same},
        {"<!-- mine -->\r\n" + header + "\r\n  " + one + two + "</list></record>",
         {1, 1},
         State::Current,
         same},
        {both + "\nmore", {1, 1}, State::Stale, "text or elements a mapping file does not hold"},
        {both.substr(0, both.size() - 9), {1, 1}, State::Stale, "no proper end"},
        {"<record><boolean id=\"x\" value=\"1\"/>" + both.substr(8),
         {1, 1},
         State::Stale,
         "other options than preload and amap off"},
        {both, {2, 1}, State::Stale, "2 records changed"},
        {expectedDocument({one}), {1, 1}, State::Stale, "1 record added"},
        {"<html>not mine</html>", {1, 1}, State::NotMapping, "not a mapping file"},
        {std::nullopt, {1, 1}, State::Missing, "missing"},
    };
    for (const auto& [file, style, state, detail] : cases) {
        fs::remove(dir / "config.xml");
        if (file) {
            writeFile(dir / "config.xml", *file);
        }
        const ConfigCheck check = checkFolderConfig(folder, style);
        EXPECT_EQ(check.state, state) << detail;
        EXPECT_EQ(check.detail, detail);
        EXPECT_EQ(file ? readFile(dir / "config.xml") : "", file.value_or("")) << "nothing written";
    }
}

// Hand-edited, foreign, cut and hostile files: a style only where every record has one.
TEST(OwnStyle, IsTheOneStyleEveryRecordHas)
{
    const TempDir dir;
    const std::string kit = expectedRecord("1_a", "team/1/kit_textures/a");
    const std::vector<std::pair<std::string, std::optional<std::pair<int, int>>>> cases{
        {expectedDocument({kit, expectedRecord("2_b", "team/2/kit_textures/b")}), {{6, 2}}},
        {expectedDocument({expectedRecord("9", "stadium/9/background")}), {{7, 2}}},
        {expectedDocument({expectedRecord("9", "person/9/background")}), {{7, 4}}},
        {expectedDocument({expectedRecord("9", "person/9/portrait")}), {{5, 0}}},
        {expectedDocument({expectedRecord("A&amp;B", "comp/A&amp;B/logo/background/right")}),
         {{4, 3}}},
        {expectedDocument({kit, expectedRecord("3", "club/3/logo")}), std::nullopt},
        {expectedDocument({expectedRecord("9", "club/9/logo/extra")}), std::nullopt},
        {expectedDocument({}), std::nullopt},
        {expectedDocument({kit}).substr(0, expectedDocument({kit}).size() - 15), {{6, 2}}},
        {"<!DOCTYPE x [<!ENTITY a \"b\">]>" + expectedDocument({kit}), std::nullopt},
        {"<record>" + std::string(200000, '<') + kit, std::nullopt},
        {std::string(3000000, 'x'), std::nullopt},
    };
    for (const auto& [file, style] : cases) {
        writeFile(dir / "config.xml", file);
        const OwnStyle own = readOwnStyle(dir.path().string());
        EXPECT_TRUE(own.exists);
        ASSERT_EQ(own.style.has_value(), style.has_value()) << file.substr(0, 400);
        if (style) {
            EXPECT_EQ(own.style->graphicStyle, style->first);
            EXPECT_EQ(own.style->subType, style->second);
        }
    }
    fs::remove(dir / "config.xml");
    EXPECT_FALSE(readOwnStyle(dir.path().string()).exists);
}

// A recursive write keeps folders mapped in another style unless told to update or restyle.
TEST(Pack, EachFolderKeepsItsOwnStyleUnlessToldOtherwise)
{
    const TempDir dir;
    for (const char* file : {"kits/1_home.png", "logos/7.png", "new/8.png"}) {
        fs::create_directories((dir.path() / file).parent_path());
        writeFile(dir / file, "");
    }
    const std::string kits = expectedDocument({expectedRecord("1_home", "team/1/kits/home")});
    writeFile(dir / "kits/config.xml", kits);
    writeFile(dir / "logos/config.xml", expectedDocument({}));
    const std::string root = dir.path().string();
    std::ostringstream errors;
    Recorder account;
    using Outcome = FolderAccount::Outcome;
    ASSERT_TRUE(writePack(root, pack({1, 1}, StyleRule::KeepOwn), account, errors));
    EXPECT_EQ(readFile(dir / "kits/config.xml"), kits);
    EXPECT_EQ(readFile(dir / "logos/config.xml"),
              expectedDocument({expectedRecord("7", "club/7/logo")}));
    const auto outcome = [&account, &root](const std::string& folder) {
        const auto at =
            std::find(account.folders.begin(), account.folders.end(), joinPath(root, folder));
        return account.outcomes.at(static_cast<std::size_t>(at - account.folders.begin()));
    };
    EXPECT_EQ(outcome("kits"), Outcome::Kept);

    PackRequest update = pack({1, 1}, StyleRule::Update);
    update.style.reset();
    writeFile(dir / "kits/2_away.png", "");
    fs::remove(dir / "new/config.xml");
    account = {};
    ASSERT_TRUE(writePack(root, update, account, errors));
    const std::string updated = readFile(dir / "kits/config.xml");
    EXPECT_NE(updated.find("team/2/kits/away"), std::string::npos) << updated;
    EXPECT_NE(updated.find("team/1/kits/home"), std::string::npos) << updated;
    EXPECT_EQ(outcome("new"), Outcome::NotMapped);
    EXPECT_FALSE(fs::exists(dir / "new/config.xml"));

    account = {};
    ASSERT_TRUE(writePack(root, pack({1, 1}), account, errors));
    EXPECT_EQ(outcome("kits"), Outcome::Written);
    EXPECT_NE(readFile(dir / "kits/config.xml").find("club/1_home/logo"), std::string::npos);
}

// Two images that map to one picture, in one folder or two of a pack, each naming the other.
TEST(Pack, ImagesThatMapToOnePictureAreNamedAndStillWritten)
{
    const TempDir dir;
    for (const char* file : {"a/12.png", "a/12.jpg", "a/13.png", "b/13.jpeg"}) {
        fs::create_directories((dir.path() / file).parent_path());
        writeFile(dir / file, "");
    }
    struct Clashes : WriteTally {
        void problem(const ProblemAccount& p) override
        {
            found.insert(std::string(fs::path(std::string(p.name)).filename().string()) + " " +
                         fs::path(std::string(p.detail)).filename().string());
        }
        std::set<std::string> found;
    } clashes;
    std::ostringstream errors;
    ASSERT_TRUE(writePack(dir.path().string(), pack({1, 1}), clashes, errors));
    EXPECT_EQ(clashes.found, (std::set<std::string>{"12.png 12.jpg", "12.jpg 12.png",
                                                    "13.png 13.jpeg", "13.jpeg 13.png"}));
    EXPECT_EQ(readFile(dir / "b/config.xml"),
              expectedDocument({expectedRecord("13", "club/13/logo")}));
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
}

} // namespace
} // namespace crestmap
