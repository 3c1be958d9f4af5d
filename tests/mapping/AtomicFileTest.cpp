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

// A new file gets the permissions any file the user makes gets; a replaced one keeps its own,
// read-only ones too.
TEST_P(AtomicFileStaging, CommitReplacesWholeWithThePermissionsItShould)
{
    const TempDir dir;
    const auto mode = [&dir] {
        struct stat info {};
        EXPECT_EQ(::stat((dir / "config.xml").c_str(), &info), 0);
        return info.st_mode & 07777;
    };
    for (const bool replacing : {false, true}) {
        if (replacing) {
            writeFile(dir / "config.xml", std::string(10000, 'o'));
            ::chmod((dir / "config.xml").c_str(), 0444);
        }
        const mode_t previousMask = ::umask(027);
        AtomicFile file(dir / "config.xml", GetParam());
        ::umask(previousMask); // the new file takes the mask of its making
        EXPECT_TRUE(file.write("new"));
        EXPECT_TRUE(file.commit()) << file.error().reason;
        EXPECT_EQ(readFile(dir / "config.xml"), "new");
        EXPECT_EQ(mode(), replacing ? 0444u : 0640u);
        EXPECT_EQ(entryNames(dir.path()), std::set<std::string>{"config.xml"});
        ::chmod((dir / "config.xml").c_str(), 0644);
        std::filesystem::remove(dir / "config.xml");
    }
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
        EXPECT_EQ(capped.error().reason, "File too large");
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
