// What only Windows can show: names that are not valid UTF-16, a config.xml another program
// holds open, a read-only config.xml. Names outside ASCII are compared with the Linux build by
// the test of crestmap-cli.exe under Wine.

#include "ConfigBuilder.h"
#include "PackWalk.h"
#include "SystemNames.h"
#include "TestSupport.h"
#include "UndoRecorder.h"

#include <gtest/gtest.h>
#include <sstream>
#include <windows.h>

namespace crestmap {
namespace {

using test::entryNames;
using test::readFile;
using test::TempDir;

// Not every file system can hold a name with an unpaired surrogate, so the conversion is checked
// on its own: the surrogate keeps its place and can be turned back (the record table holds its
// bytes to no record).
TEST(Windows, UnpairedSurrogatesKeepTheirPlace)
{
    const std::string lone = bytesFromWide(L"\xD800x");
    EXPECT_EQ(lone, "\xED\xA0\x80x");
    EXPECT_EQ(wideFromBytes(lone), L"\xD800x");
}

TEST(Windows, HeldOpenOrReadOnlyConfigIsKeptAndNothingIsLeftBehind)
{
    const TempDir dir;
    const std::wstring target = (dir.path() / "config.xml").native();
    test::writeFile(dir.path() / "config.xml", "old");
    const std::vector<std::string> files{"1.png"};
    const std::string path = bytesFromPath(dir.path() / "config.xml");

    const HANDLE held =
        ::CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::ostringstream errors;
    EXPECT_FALSE(ConfigBuilder::writeConfig(path, files, 1, 1, errors));
    ::CloseHandle(held);
    EXPECT_EQ(errors.str().rfind("Unexpected error: cannot replace ", 0), 0u) << errors.str();

    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(ConfigBuilder::writeConfig(path, files, 1, 1, errors));
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_EQ(readFile(dir.path() / "config.xml"), "old");
    EXPECT_EQ(entryNames(dir.path()), std::set<std::string>{"config.xml"});
}

// The journal's copy of a read-only config.xml is read-only too when it is a second name for it:
// the refused write could not take it away, and left it in the undo folder for good.
TEST(Windows, AWriteRefusedByAReadOnlyConfigLeavesNoJournal)
{
    const TempDir dir;
    const test::CacheFolder cache(dir / "cache");
    test::makeImages(dir.path() / "pack", 1);
    const std::wstring target = (dir.path() / "pack/config.xml").native();
    test::writeFile(dir.path() / "pack/config.xml", "old");
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    {
        WriteTally tally;
        UndoRecorder journal(tally, "crestmap-cli", dir / "pack");
        std::ostringstream errors;
        EXPECT_FALSE(writePack(dir / "pack", {}, journal, errors));
        EXPECT_TRUE(journal.seal());
    }
    EXPECT_NE(::GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    ::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readFile(dir.path() / "pack/config.xml"), "old");
    EXPECT_EQ(entryNames(dir.path() / "cache/crestmap/undo"), std::set<std::string>{});
}

} // namespace
} // namespace crestmap
