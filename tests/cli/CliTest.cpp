#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::entryNames;
using test::expectedDocument;
using test::expectedRecord;
using test::ProcessOptions;
using test::ProcessResult;
using test::readFile;
using test::TempDir;
using test::writeFile;

ProcessResult cli(std::vector<std::string> args, const ProcessOptions& options = {})
{
    args.insert(args.begin(), CRESTMAP_CLI_PATH);
    return test::runProcess(args, options);
}

// Each option value reaches its setting; the settings' meaning is the record builder's to test.
TEST(Cli, EveryStyleOptionValueReachesTheDocument)
{
    const TempDir dir;
    writeFile(dir / "12_home.png", "");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "club/12_home/logo"},
        {{"--style", "icon", "--logo-type", "nation"}, "nation/12_home/icon"},
        {{"--style", "logo-left", "--logo-type", "comp"}, "comp/12_home/logo/background/left"},
        {{"--style", "logo-right", "--logo-type", "media_source"},
         "media_source/12_home/logo/background/right"},
        {{"--style", "portrait", "--logo-type", "nation"}, "person/12_home/portrait"},
        {{"--style", "kit", "--kit-type", "kit"}, "team/12/kits/home"},
        {{"--style", "kit", "--kit-type", "texture"}, "team/12/kit_textures/home"},
        {{"--style", "background", "--background-type", "stadium"}, "stadium/12_home/background"},
        {{"--style", "background", "--background-type", "comp"}, "comp/12_home/background"},
        {{"--style", "background", "--background-type", "person", "--kit-type", "texture"},
         "person/12_home/background"},
        {{"--style", "logo", "--logo-type", "club", "--background-type", "team"},
         "club/12_home/logo"}};
    for (auto [args, to] : cases) {
        args.insert(args.end(), {"--stdout", dir.path().string()});
        const ProcessResult result = cli(args);
        EXPECT_EQ(result.exitStatus, 0) << result.err;
        EXPECT_EQ(result.out, expectedDocument({expectedRecord("12_home", to)}))
            << ::testing::PrintToString(args);
    }
    EXPECT_EQ(entryNames(dir.path()), std::set<std::string>{"12_home.png"});
}

TEST(Cli, FolderWritesConfigAndCountsWhatItLeftOutByReason)
{
    const TempDir dir;
    for (const char* name :
         {"12_home.png", "1234.png", "a_b_c.jpg", "13.PNG", "bad\xFF_x.png", "notes.txt"}) {
        writeFile(dir / name, "");
    }
    writeFile(dir / "config.xml", std::string(5000, 'o'));
    const ProcessResult result = cli({"--style", "kit", "--verbose", dir.path().string() + "/"});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(readFile(dir / "config.xml"),
              expectedDocument({expectedRecord("12_home", "team/12/kits/home")}));
    EXPECT_EQ(result.out, "Wrote 1 record to " + (dir / "config.xml") +
                              "; 2 files without a record (kit name), 1 file without a record "
                              "(unusable name), 1 entry passed over (.PNG)\n");
    const std::string kitName = ": a kit image needs a name like TEAM_KIT, with exactly one "
                                "underscore\n";
    for (const std::string& line :
         {dir / "1234.png" + kitName, dir / "a_b_c.jpg" + kitName,
          dir / "bad\xFF_x.png: the name is not valid UTF-8 or holds a control character\n",
          dir / "13.PNG: the extension is not in lower case (.png, .jpg, .jpeg)\n"}) {
        EXPECT_NE(result.err.find(line), std::string::npos) << line << " in " << result.err;
    }
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 4);
}

TEST(Cli, ImagesAreMappedInTheGivenOrderBesideTheFirst)
{
    const TempDir first;
    const TempDir other;
    writeFile(first / "b.png", "");
    writeFile(other / "a_x.jpg", "");
    writeFile(other / "readme.txt", "");
    const ProcessResult result =
        cli({"--style", "kit", first / "b.png", other / "a_x.jpg", other / "readme.txt"});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    // Unfiltered: the text file is handed over too, and gets a record when its name fits.
    EXPECT_EQ(readFile(first / "config.xml"),
              expectedDocument({expectedRecord("a_x", "team/a/kits/x")}));
    EXPECT_FALSE(fs::exists(other / "config.xml"));
    EXPECT_EQ(result.out, "Wrote 1 record to " + (first / "config.xml") +
                              "; 2 files without a record (kit name)\n");
    EXPECT_EQ(result.err, "");
}

TEST(Cli, RelativeImageWritesIntoTheWorkingFolder)
{
    const TempDir dir;
    writeFile(dir / "5.png", "");
    ProcessOptions options;
    options.workingDirectory = dir.path();
    const ProcessResult result = cli({"5.png"}, options);
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(readFile(dir / "config.xml"), expectedDocument({expectedRecord("5", "club/5/logo")}));
}

TEST(Cli, UsageErrorsExitTwoAndTouchNothing)
{
    const TempDir dir;
    writeFile(dir / "1.png", "");
    fs::create_directory(dir / "sub");
    const std::vector<std::vector<std::string>> cases{
        {},
        {"--bogus", dir.path().string()},
        {"--style", "mural", dir.path().string()},
        {"--kit-type", "2", dir.path().string()},
        {dir / "missing.png"},
        {dir / "1.png", dir / "missing.png"},
        {dir / "1.png", dir / "sub"},
        {dir / "sub", dir / "sub"},
        {"--recursive", dir / "1.png"},
        {"--check", dir / "1.png"},
        {"--recursive", "--stdout", dir / "sub"},
    };
    for (const auto& args : cases) {
        const ProcessResult result = cli(args);
        EXPECT_EQ(result.exitStatus, 2) << ::testing::PrintToString(args);
        EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(entryNames(dir.path()), (std::set<std::string>{"1.png", "sub"}));
}

TEST(Cli, WriteFailuresExitOneAndKeepTheOldDocument)
{
    const TempDir dir;
    for (int i = 0; i < 20000; ++i) {
        writeFile(dir / (std::to_string(i) + ".png"), "");
    }
    writeFile(dir / "config.xml", "old");
    const auto before = entryNames(dir.path());

    ProcessOptions limited;
    limited.fileSizeLimit = 4096;
    const ProcessResult capped = cli({dir.path().string()}, limited);
    EXPECT_EQ(capped.exitStatus, 1);
    EXPECT_EQ(capped.err.rfind("Unexpected error: ", 0), 0u) << capped.err;
    EXPECT_EQ(capped.err.back(), '\n');
    EXPECT_EQ(capped.err[capped.err.size() - 2], '.');
    EXPECT_EQ(capped.out, "");
    EXPECT_EQ(readFile(dir / "config.xml"), "old");
    EXPECT_EQ(entryNames(dir.path()), before);

    ProcessOptions full;
    full.stdoutFile = "/dev/full";
    const ProcessResult noSpace = cli({"--stdout", dir.path().string()}, full);
    EXPECT_EQ(noSpace.exitStatus, 1);
    EXPECT_NE(noSpace.err.find("standard output"), std::string::npos) << noSpace.err;
    EXPECT_EQ(entryNames(dir.path()), before);
}

TEST(Cli, HelpAndVersion)
{
    const ProcessResult help = cli({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.out.find("--background-type"), std::string::npos);
    EXPECT_EQ(help.out.find("Usage:"), help.out.rfind("Usage:")) << help.out;
    EXPECT_EQ(cli({"--version"}).out, "crestmap-cli " CRESTMAP_VERSION "\n");
}

} // namespace
} // namespace crestmap
