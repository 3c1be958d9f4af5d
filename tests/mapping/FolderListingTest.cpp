#include "FolderListing.h"

#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::writeFile;

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

    const FolderListing listing = listImages(dir.path().string());
    ASSERT_TRUE(listing) << listing.error;

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
        const FolderListing listing = listImages(folder);
        EXPECT_FALSE(listing) << folder;
        EXPECT_NE(listing.error.find(folder), std::string::npos) << listing.error;
    }
    const FolderListing withSlash = listImages(dir / "");
    EXPECT_EQ(withSlash.images, std::vector<std::string>{"file.png"});
}

} // namespace
} // namespace crestmap
