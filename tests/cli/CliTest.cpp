#include "TestSupport.h"

#include <algorithm>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
    test::makeImages(dir.path(), 20000);
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

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A small pack: images at every level, a hidden folder, a folder without images, a symbolic-link
// loop, a folder name that is not UTF-8, and one folder whose config.xml cannot be replaced.
class Pack : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* folder : {"clubs/.hidden", "nations", "empty", "bad\xFF", "broken"}) {
            fs::create_directories(m_dir / folder);
        }
        for (const char* image : {"1.png", "clubs/2.png", "clubs/.hidden/3.png", "nations/4.png",
                                  "nations/5.png", "bad\xFF/6.png", "broken/7.png"}) {
            writeFile(m_dir / image, "");
        }
        fs::create_directory_symlink(m_dir.path(), m_dir / "clubs/loop");
        fs::create_directory(m_dir / "broken/config.xml");
    }

    std::string config(const std::string& folder) { return m_dir / (folder + "config.xml"); }

    TempDir m_dir;
    const std::string m_root = m_dir.path().string();
};

TEST_F(Pack, RecursiveWritesEveryImageFolderAndGoesOnPastAFailure)
{
    const ProcessResult result = cli({"--recursive", m_root});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "Wrote 6 records in 5 folders; 1 folder could not be written\n");
    EXPECT_TRUE(has(result.err, "broken/config.xml: Is a directory")) << result.err;
    for (const char* folder : {"", "clubs/", "clubs/.hidden/", "bad\xFF/"}) {
        EXPECT_TRUE(fs::is_regular_file(config(folder))) << folder;
    }
    EXPECT_EQ(readFile(config("clubs/.hidden/")),
              expectedDocument({expectedRecord("3", "club/3/logo")}));
    EXPECT_FALSE(fs::exists(config("empty/")));
    EXPECT_TRUE(fs::is_directory(config("broken/")));
    EXPECT_EQ(entryNames(m_dir / "clubs"),
              (std::set<std::string>{".hidden", "2.png", "config.xml", "loop"}));
}

TEST_F(Pack, CheckNamesEachFolderThatIsMissingStaleOrNotAMappingFile)
{
    fs::remove_all(m_dir / "broken");
    ASSERT_EQ(cli({"-r", m_root}).exitStatus, 0);
    const ProcessResult current = cli({"--recursive", "--check", m_root});
    EXPECT_EQ(current.exitStatus, 0) << current.err;
    EXPECT_EQ(current.out, "All 5 config.xml files are current\n");

    writeFile(m_dir / "clubs/8.png", "");
    fs::remove(m_dir / "nations/5.png");
    fs::remove(config("clubs/.hidden/"));
    writeFile(config(""), "<html>not mine</html>");
    const auto before = entryNames(m_dir.path());
    const ProcessResult stale = cli({"--recursive", "--check", m_root});
    EXPECT_EQ(stale.exitStatus, 1);
    for (const std::string& line :
         {"stale: " + config("clubs/") + ": 1 record added\n",
          "stale: " + config("nations/") + ": 1 record removed\n",
          "missing: " + config("clubs/.hidden/") + "\n", "not a mapping file: " + config("") + "\n",
          std::string("4 of 5 config.xml files missing or stale\n")}) {
        EXPECT_TRUE(has(stale.out, line)) << line << " in " << stale.out;
    }
    EXPECT_FALSE(has(stale.out, "bad")) << stale.out;
    EXPECT_EQ(entryNames(m_dir.path()), before) << "a check writes nothing";
    EXPECT_TRUE(fs::exists(m_dir / "clubs/.hidden") && !fs::exists(config("clubs/.hidden/")));

    const ProcessResult otherStyle = cli({"--check", "--style", "icon", m_dir / "nations"});
    EXPECT_EQ(otherStyle.exitStatus, 1);
    EXPECT_EQ(otherStyle.out, "stale: " + config("nations/") +
                                  ": 1 record removed, 1 changed\n1 of 1 config.xml file missing "
                                  "or stale\n");
}

// Runs crestmap-cli with the fault shim preloaded and set up by `settings`.
ProcessOptions withFault(std::vector<std::string> settings)
{
    ProcessOptions options;
    options.environment = std::move(settings);
    options.environment.insert(options.environment.end(),
                               {"LD_PRELOAD=" CRESTMAP_FAULT_SHIM,
                                "ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0"});
    return options;
}

// Faults a real disk can give and a test folder cannot: each leaves the old file and nothing else.
TEST(Faults, FailedListingFlushOrRenameKeepTheOldDocument)
{
    const TempDir dir;
    test::makeImages(dir.path(), 300);
    writeFile(dir / "config.xml", "old");
    const auto before = entryNames(dir.path());
    for (const std::string call : {"readdir", "fsync", "renameat"}) {
        const ProcessOptions options =
            withFault({"CRESTMAP_FAIL=" + call, "CRESTMAP_FAIL_AFTER=100"});
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{dir.path().string()}, {"-r", dir.path().string()}}) {
            const ProcessResult result = cli(args, options);
            EXPECT_EQ(result.exitStatus, 1) << call;
            EXPECT_TRUE(has(result.err, "Input/output error")) << call << ": " << result.err;
            EXPECT_TRUE(readFile(dir / "config.xml") == "old") << call;
            EXPECT_EQ(entryNames(dir.path()), before) << call;
        }
    }
    // A folder of the walk that cannot be listed is named; the rest is written.
    fs::create_directories(dir / "a/b");
    writeFile(dir / "a/b/1.png", "");
    const ProcessResult walk = cli({"-r", dir.path().string()},
                                   withFault({"CRESTMAP_FAIL=opendir", "CRESTMAP_FAIL_PATH=/a"}));
    EXPECT_EQ(walk.exitStatus, 1);
    EXPECT_TRUE(has(walk.err, "cannot list " + (dir / "a"))) << walk.err;
    EXPECT_NE(readFile(dir / "config.xml"), "old");
}

// Deeper than a path can name: the folders past the limit are reported, the others written.
TEST(Faults, TreeDeeperThanThePathLimit)
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
    const ProcessResult result = cli({"-r", dir.path().string()});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_TRUE(has(result.err, "File name too long")) << result.err;
    EXPECT_TRUE(has(result.out, "Wrote ")) << result.out;
    EXPECT_EQ(readFile(dir / (name + "/config.xml")),
              expectedDocument({expectedRecord("1", "club/1/logo")}));
    // The standard library cannot remove what it cannot name.
    EXPECT_EQ(test::runProcess({"/bin/rm", "-rf", dir / name}).exitStatus, 0);
}

} // namespace
} // namespace crestmap
