#include "ConfigBuilder.h"
#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::writeFile;

// A folder as one pass of the writer sees it.
struct Listed {
    FolderPass pass;
    std::vector<std::string> images;
    std::vector<std::string> passedOver;
    std::vector<std::string> subfolders;
};

Listed list(const std::string& folder)
{
    Listed listed;
    DocumentStream stream(
        {1, 1}, [](std::string_view) { return true; }, 0,
        [&listed](std::string_view name, SkipReason reason) {
            if (reason == SkipReason::ExtensionCase) {
                listed.passedOver.emplace_back(name);
            }
        });
    listed.pass =
        streamFolder(folder, stream, &listed.subfolders,
                     [&listed](std::string_view name) { listed.images.emplace_back(name); });
    return listed;
}

TEST(FolderListing, KeepsImageNamesInListingOrderAndReportsOtherCases)
{
    const TempDir dir;
    for (const char* name :
         {"a.png", "b.jpg", "c.jpeg", ".hidden.png", "._d.png", "e.PNG", "f.Jpg", "g.gif",
          "h.png.bak", "config.xml", "noext", ".png", "two words.png"}) {
        writeFile(dir / name, "");
    }
    fs::create_directory(dir / "folder.png");
    fs::create_directory(dir / "sub");
#ifndef _WIN32
    fs::create_directory_symlink(dir / "sub", dir / "link");
#endif
    writeFile(dir / "sub/deep.png", "");

    const Listed listing = list(dir.path().string());
    ASSERT_EQ(listing.pass.error, "");
    EXPECT_EQ(listing.pass.images, listing.images.size());

    std::vector<std::string> expectedOrder;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        if (std::set<std::string>{"a.png", "b.jpg", "c.jpeg", ".hidden.png", "._d.png",
                                  "two words.png", "folder.png"}
                .count(name) != 0) {
            expectedOrder.push_back(name);
        }
    }
    EXPECT_EQ(listing.images, expectedOrder);
    EXPECT_EQ(std::set<std::string>(listing.passedOver.begin(), listing.passedOver.end()),
              (std::set<std::string>{"e.PNG", "f.Jpg"}));
    EXPECT_EQ(std::set<std::string>(listing.subfolders.begin(), listing.subfolders.end()),
              (std::set<std::string>{"folder.png", "sub"}));
}

TEST(FolderListing, UnlistableFolderIsAFailureNotAnEmptyList)
{
    const TempDir dir;
    writeFile(dir / "file.png", "");
    for (const std::string& folder : {dir / "missing", dir / "file.png"}) {
        const FolderPass pass = list(folder).pass;
        EXPECT_NE(pass.error.find(folder), std::string::npos) << pass.error;
    }
    const Listed withSlash = list(dir / "");
    EXPECT_EQ(withSlash.images, std::vector<std::string>{"file.png"});
}

} // namespace
} // namespace crestmap
