#include "AtomicFile.h"

#include "TestSupport.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace crestmap {
namespace {

using Staging = AtomicFile::Staging;
using test::entryNames;
using test::readFile;
using test::TempDir;
using test::writeFile;

// Both ways of staging the new file must keep the same promises.
class AtomicFileStaging : public ::testing::TestWithParam<Staging> {};

TEST_P(AtomicFileStaging, CommitReplacesWholeWithOrdinaryPermissions)
{
    const TempDir dir;
    writeFile(dir / "config.xml", std::string(10000, 'o'));
    const mode_t previousMask = ::umask(027);
    AtomicFile file(dir / "config.xml", GetParam());
    ::umask(previousMask); // the new file takes the mask of its making
    EXPECT_TRUE(file.write("new") && file.commit()) << file.error();

    EXPECT_EQ(readFile(dir / "config.xml"), "new");
    struct stat info {};
    ASSERT_EQ(::stat((dir / "config.xml").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(entryNames(dir.path()), std::set<std::string>{"config.xml"});
}

TEST_P(AtomicFileStaging, AbandonedOrFailedFilesLeaveNothing)
{
    const TempDir dir;
    writeFile(dir / "config.xml", "old");
    {
        AtomicFile abandoned(dir / "config.xml", GetParam());
        EXPECT_TRUE(abandoned.write("never committed"));
    }
    {
        const test::FileSizeLimit cap(4);
        AtomicFile capped(dir / "config.xml", GetParam());
        EXPECT_FALSE(capped.write("too long for the limit") || capped.commit());
        EXPECT_NE(capped.error().find("File too large"), std::string::npos) << capped.error();
    }
    EXPECT_EQ(readFile(dir / "config.xml"), "old");
    EXPECT_EQ(entryNames(dir.path()), std::set<std::string>{"config.xml"});
}

INSTANTIATE_TEST_SUITE_P(BothWays, AtomicFileStaging,
                         ::testing::Values(Staging::Unnamed, Staging::Named),
                         [](const auto& param) {
                             return param.param == Staging::Unnamed ? "Unnamed" : "Named";
                         });

} // namespace
} // namespace crestmap
