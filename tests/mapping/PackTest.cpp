#include "FileNames.h"
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
    EXPECT_TRUE(writePack(root, {1, 1}, account, errors));

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
    EXPECT_FALSE(writePack(dir.path().string(), {GraphicStyle::Kit, 1}, tally, errors));
    EXPECT_EQ(tally.foldersWritten(), 3u); // the root, a and b; c holds no image
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
    EXPECT_FALSE(writePack(dir.path().string(), {1, 1}, tally, errors));
    EXPECT_GT(tally.foldersFailed(), 0u);
    EXPECT_NE(errors.str().find("File name too long"), std::string::npos) << errors.str();
    EXPECT_EQ(readFile(dir / (name + "/config.xml")),
              expectedDocument({expectedRecord("1", "club/1/logo")}));

    const PackCheck check = checkPack(dir.path().string(), {1, 1}, true, {});
    EXPECT_GT(check.failed, 0u);
    EXPECT_EQ(check.outdated, 0u);
    EXPECT_FALSE(check.allCurrent());
    // The standard library cannot remove what it cannot name.
    EXPECT_EQ(test::runProcess({"/bin/rm", "-rf", dir / name}).exitStatus, 0);
}
#endif

TEST(ConfigCheck, SaysWhatDiffersFromTheDocumentItWouldWrite)
{
    const TempDir dir;
    writeFile(dir / "1.png", "");
    writeFile(dir / "2.png", "");
    const std::string folder = dir.path().string();
    const std::string path = dir / "config.xml";
    std::ostringstream errors;
    ASSERT_TRUE(ConfigBuilder::writeFolderConfig(folder, {1, 1}, errors));
    const std::string written = readFile(path);
    using State = ConfigCheck::State;
    struct Case {
        std::optional<std::string> file;
        StylePair style;
        State state;
        std::string detail;
    };
    const std::vector<Case> cases{
        {written, {1, 1}, State::Current, ""},
        {written + "\nmore", {1, 1}, State::Stale, "the same records in another order or layout"},
        {written, {2, 1}, State::Stale, "2 records changed"},
        {expectedDocument({expectedRecord("1", "club/1/logo")}),
         {1, 1},
         State::Stale,
         "1 record added"},
        {"<html>not mine</html>", {1, 1}, State::NotMapping, "not a mapping file"},
        {std::nullopt, {1, 1}, State::Missing, "missing"},
    };
    for (const Case& c : cases) {
        fs::remove(path);
        if (c.file) {
            writeFile(path, *c.file);
        }
        const ConfigCheck check = checkFolderConfig(folder, c.style);
        EXPECT_EQ(check.state, c.state) << c.detail;
        EXPECT_EQ(check.detail, c.detail);
        EXPECT_EQ(c.file ? readFile(path) : std::string(), c.file.value_or(""))
            << "nothing written";
    }
}

} // namespace
} // namespace crestmap
