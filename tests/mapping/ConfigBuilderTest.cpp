#include "ConfigBuilder.h"

#include "FileNames.h"
#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::entryNames;
using test::logoRecord;
using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(ConfigDocument, HasTheExactFrameAndRecordsInListOrder)
{
    const TempDir dir;
    const std::string path = dir / "config.xml";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, test::expectedDocument({})},
        // Named by the last component without the last extension; ".png" has none at all.
        {{"/p/b.c.png", "/p/.a.png", ".png"},
         test::expectedDocument({logoRecord("b.c"), logoRecord(".a")})},
        {{"logo.png", "logo.jpg"},
         test::expectedDocument({logoRecord("logo"), logoRecord("logo")})},

        // A file without a mapping leaves no empty line behind.
        {{"1.png", "bad\nname.png", "2.png"},
         test::expectedDocument({logoRecord("1"), logoRecord("2")})},
    };
    for (const auto& [files, expected] : cases) {
        std::ostringstream errors;
        const WriteResult result = ConfigBuilder::writeConfig(path, files, 1, 1, errors);
        ASSERT_TRUE(result) << (result.error ? result.error->reason : "");
        EXPECT_EQ(readFile(path), expected);
        EXPECT_EQ(errors.str(), "");
    }
}

TEST(ConfigDocument, LargeListsStreamByteExact)
{
    std::vector<std::string> files;
    std::vector<std::string> lines;
    for (int i = 0; i < 60000; ++i) {
        files.push_back("/img/" + std::to_string(i) + ".png");
        lines.push_back(logoRecord(std::to_string(i)));
    }
    std::size_t pieces = 0; // a million records come in pieces, never whole
    std::string streamed;
    const auto records = ConfigBuilder::streamDocument(files, {1, 1}, [&](std::string_view piece) {
        ++pieces;
        streamed += piece;
        return true;
    });
    EXPECT_EQ(records, files.size());
    EXPECT_GT(pieces, 1U);
    EXPECT_EQ(streamed, test::expectedDocument(lines));
}

// A file that already holds the document is not written again: not a byte, not its time, not its
// permissions; one that differs is replaced with the permissions it had, and the write counts
// the records it held that the new one lacks.
TEST(ConfigWrite, LeavesWhatItWouldWriteAloneAndCountsWhatAReplacedFileLoses)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"1.png", "2.png"});
    const std::vector<std::string> files{dir / "1.png", dir / "2.png"};
    struct Account : WriteListener {
        void folder(const FolderAccount& f) override { told.push_back(f); }
        std::vector<FolderAccount> told;
    } account;
    FolderWriteOptions options;
    options.listener = &account;
    std::ostringstream errors;
    ASSERT_TRUE(ConfigBuilder::writeConfig(dir / "config.xml", files, 1, 1, errors, options));
    const std::string both = readFile(dir / "config.xml");
    const auto before = fs::last_write_time(dir / "config.xml");
    fs::permissions(dir / "config.xml", fs::perms::owner_read);
    ASSERT_TRUE(ConfigBuilder::writeConfig(dir / "config.xml", files, 1, 1, errors, options));
    EXPECT_EQ(fs::last_write_time(dir / "config.xml"), before);
    EXPECT_EQ(account.told.back().outcome, FolderAccount::Outcome::Unchanged);

    // clang-format off
    const std::vector<std::tuple<std::string, std::size_t>> replaced{
        {test::expectedDocument({logoRecord("1"), logoRecord("7"), logoRecord("8")}), 2},
        {test::expectedDocument({logoRecord("2"), logoRecord("1")}) + "\n", 0},
        {test::expectedDocument({test::expectedRecord("1", "club/1/icon")}), 1},
        {"<html>no mapping</html>", 0},
    };
    // clang-format on
    for (const auto& [old, lost] : replaced) {
        fs::permissions(dir / "config.xml", fs::perms::owner_all);
        writeFile(dir / "config.xml", old);
#ifndef _WIN32
        // Windows refuses to replace a read-only file; elsewhere it is replaced, and stays so.
        fs::permissions(dir / "config.xml", fs::perms::owner_read | fs::perms::group_read);
#endif
        ASSERT_TRUE(ConfigBuilder::writeConfig(dir / "config.xml", files, 1, 1, errors, options));
        EXPECT_EQ(readFile(dir / "config.xml"), both);
        EXPECT_EQ(account.told.back().outcome, FolderAccount::Outcome::Written);
        EXPECT_EQ(account.told.back().recordsLost, lost) << old;
#ifndef _WIN32
        EXPECT_EQ(fs::status(dir / "config.xml").permissions(),
                  fs::perms::owner_read | fs::perms::group_read);
#endif
    }
    EXPECT_EQ(errors.str(), "");
}

// Each failure leaves the folder exactly as it was and says so on the chosen stream.
void expectFailureLeavesFolderAlone(const std::string& path, const fs::path& folder)
{
    static const std::vector<std::string> files(50000, "/img/12345.png");
    const auto before = fs::exists(folder) ? entryNames(folder) : std::set<std::string>{};
    const std::string old = fs::is_regular_file(path) ? readFile(path) : std::string();
    std::ostringstream errors;
    const WriteResult result = ConfigBuilder::writeConfig(path, files, 1, 1, errors);
    EXPECT_FALSE(result) << path;
    // One line that names where it failed, whatever the system's words for the reason.
    EXPECT_TRUE(errors.str().starts_with("Unexpected error: ")) << errors.str();
    EXPECT_TRUE(test::has(errors.str(), parentFolderOf(path))) << errors.str();
    EXPECT_TRUE(errors.str().ends_with(".\n")) << errors.str();
    EXPECT_EQ(std::ranges::count(errors.str(), '\n'), 1) << errors.str();
    EXPECT_EQ(fs::exists(folder) ? entryNames(folder) : std::set<std::string>{}, before);
    if (!old.empty()) {
        EXPECT_EQ(readFile(path), old);
    }
}

// No folder, a file or a folder in the way, and a file size limit within the header, the first
// piece, past a piece, and just short of the footer.
TEST(ConfigWriteFailure, NothingInTheWayIsTouchedNorAnyStageOfTheWriteLeftBehind)
{
    const TempDir dir;
    writeFile(dir / "plain", "file");
    fs::create_directories(dir / "config.xml/inside");
    expectFailureLeavesFolderAlone(dir / "gone/config.xml", dir / "gone");
    expectFailureLeavesFolderAlone(dir / "plain/config.xml", dir.path());
    expectFailureLeavesFolderAlone(dir / "config.xml", dir.path());
#ifndef _WIN32
    fs::remove_all(dir / "config.xml");
    const std::size_t full =
        test::expectedDocument(std::vector<std::string>(50000, logoRecord("12345"))).size();
    for (const rlim_t limit :
         {rlim_t{0}, rlim_t{100}, rlim_t{5000}, rlim_t{1500000}, static_cast<rlim_t>(full - 5)}) {
        writeFile(dir / "config.xml", "old document that must survive");
        const test::FileSizeLimit cap(limit);
        expectFailureLeavesFolderAlone(dir / "config.xml", dir.path());
    }
#endif
}

#ifndef _WIN32 // making a symbolic link needs a privilege on Windows
// A symbolic link at config.xml is replaced, not followed. But what cannot be read (here a link
// loop; for its owner, a file of mode 000) could be neither kept for Undo nor compared: a restyle
// left it unrestorable.
TEST(ConfigWrite, ASymbolicLinkIsReplacedWholeUnlessItCannotBeRead)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"1.png"});
    writeFile(dir / "target.xml", "kept");
    fs::create_symlink("target.xml", dir / "config.xml");
    const std::vector<std::string> files{dir / "1.png"};
    ASSERT_TRUE(ConfigBuilder::writeConfig(dir / "config.xml", files, 1, 1));
    EXPECT_EQ(readFile(dir / "config.xml"), test::expectedDocument({logoRecord("1")}));
    EXPECT_EQ(readFile(dir / "target.xml"), "kept");
    EXPECT_EQ(entryNames(dir.path()), (std::set<std::string>{"1.png", "config.xml", "target.xml"}));

    fs::remove(dir / "target.xml");
    fs::remove(dir / "config.xml");
    fs::create_symlink("config.xml", dir / "config.xml");
    std::ostringstream errors;
    for (const WriteResult& result :
         {ConfigBuilder::writeConfig(dir / "config.xml", files, 1, 1, errors),
          ConfigBuilder::writeFolderConfig(dir.path().string(), {1, 1}, errors)}) {
        EXPECT_FALSE(result);
        ASSERT_TRUE(result.error);
        EXPECT_EQ(result.error->action, FileError::Action::Read);
        EXPECT_EQ(fs::read_symlink(dir / "config.xml"), "config.xml");
        EXPECT_EQ(entryNames(dir.path()), (std::set<std::string>{"1.png", "config.xml"}));
    }
}
#endif

} // namespace
} // namespace crestmap
