// What only Windows can show: names that are not valid UTF-16, a config.xml another program
// holds open, a read-only config.xml.

#include "ConfigBuilder.h"
#include "SystemNames.h"
#include "TestSupport.h"
#include "XmlRecordBuilder.h"

#include <gtest/gtest.h>
#include <sstream>
#include <windows.h>

namespace crestmap {
namespace {

using test::entryNames;
using test::readFile;
using test::TempDir;

TEST(Windows, NonAsciiNamesRoundTripAndUnpairedSurrogatesGetNoRecord)
{
    const TempDir dir;
    for (const std::wstring& name :
         {std::wstring(L"M\u00f6n #2.png"), std::wstring(L"\U0001F600.png")}) {
        const HANDLE file = ::CreateFileW((dir.path() / name).c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_NEW, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        ::CloseHandle(file);
    }
    const WriteResult result = ConfigBuilder::writeFolderConfig(bytesFromPath(dir.path()), {1, 1});
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(result.records, 2u);
    const std::string document = readFile(dir.path() / "config.xml");
    EXPECT_NE(document.find("from=\"M\xC3\xB6n #2\""), std::string::npos) << document;
    EXPECT_NE(document.find("from=\"\xF0\x9F\x98\x80\""), std::string::npos) << document;

    // Not every file system can hold such a name, so the conversion is checked on its own: the
    // surrogate keeps its place, can be turned back, and is never mapped.
    const std::string lone = bytesFromWide(L"\xD800x");
    EXPECT_EQ(lone, "\xED\xA0\x80x");
    EXPECT_EQ(wideFromBytes(lone), L"\xD800x");
    EXPECT_EQ(recordSkipReason(lone, 1, 1), SkipReason::UnwritableName);
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

} // namespace
} // namespace crestmap
