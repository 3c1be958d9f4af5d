// What only the real crestmap-cli process can show: system calls that fail on a real disk
// (through a preloaded shim), and a kill mid-write.
#include "TestSupport.h"

#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::entryNames;
using test::has;
using test::ProcessResult;
using test::readFile;
using test::TempDir;
using test::writeFile;

ProcessResult cli(std::vector<std::string> args, std::vector<std::string> environment = {})
{
    args.insert(args.begin(), CRESTMAP_CLI_PATH);
    return test::runProcess(args, environment);
}

// The fault shim preloaded and set up by `settings`.
std::vector<std::string> withFault(std::vector<std::string> settings)
{
    settings.insert(settings.end(), {"LD_PRELOAD=" CRESTMAP_FAULT_SHIM,
                                     "ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0"});
    return settings;
}

// Each leaves the old file and nothing else, in a single and a recursive run, and says why.
TEST(Process, FailedListingFlushOrRenameKeepTheOldDocument)
{
    const TempDir dir;
    test::makeImages(dir.path(), 300);
    writeFile(dir / "config.xml", "old");
    const auto before = entryNames(dir.path());
    for (const std::string call : {"readdir", "fsync", "renameat"}) {
        for (const std::string flag : {"--style=logo", "-r"}) {
            const ProcessResult result =
                cli({flag, dir.path().string()},
                    withFault({"CRESTMAP_FAIL=" + call, "CRESTMAP_FAIL_AFTER=100"}));
            EXPECT_EQ(result.exitStatus, 1) << call;
            EXPECT_TRUE(has(result.err, "Input/output error")) << call << ": " << result.err;
            // A folder that cannot be listed was not read; one that cannot be replaced, not
            // written.
            if (flag == "-r") {
                EXPECT_TRUE(has(result.out, call == "readdir" ? "1 folder could not be read"
                                                              : "1 folder could not be written"))
                    << result.out;
            }
            EXPECT_EQ(readFile(dir / "config.xml"), "old") << call;
            EXPECT_EQ(entryNames(dir.path()), before) << call;
        }
    }
}

// An undo on a disk that fails each rename puts nothing back and keeps its journal whole, for
// the next undo to put everything back.
TEST(Process, AnUndoThatCannotWriteKeepsTheJournal)
{
    const TempDir dir;
    const TempDir cache;
    const std::vector<std::string> home{"XDG_CACHE_HOME=" + cache.path().string()};
    test::makeImages(dir.path(), 3);
    writeFile(dir / "config.xml", "old");
    ASSERT_EQ(cli({"--restyle", "--style=icon", dir.path().string()}, home).exitStatus, 0);
    const std::string written = readFile(dir / "config.xml");
    EXPECT_EQ(cli({"--undo"}, withFault({"CRESTMAP_FAIL=renameat", home.front()})).exitStatus, 1);
    EXPECT_EQ(readFile(dir / "config.xml"), written);
    // One it cannot read may be just as the write left it: it is not called changed.
    const std::string config = dir / "config.xml";
    const ProcessResult unread =
        cli({"--undo"},
            withFault({"CRESTMAP_FAIL=open", "CRESTMAP_FAIL_PATH=" + config, home.front()}));
    EXPECT_EQ(unread, (ProcessResult{1,
                                     "Undo: 0 config.xml files put back, 0 removed; 1 could not be "
                                     "put back\n",
                                     "crestmap-cli: could not put back " + config +
                                         ": cannot read " + config + ": Permission denied\n"}));
    EXPECT_EQ(readFile(dir / "config.xml"), written);
    // A journal that cannot be locked was read, not unread: the reason names what failed.
    const std::string undo = cache / "crestmap/undo";
    EXPECT_EQ(cli({"--undo"}, withFault({"CRESTMAP_FAIL=open",
                                         "CRESTMAP_FAIL_PATH=" + undo + "/undoing", home.front()})),
              (ProcessResult{1, "",
                             "crestmap-cli: Nothing to undo: cannot create a file in " + undo +
                                 ": Permission denied\n"}));
    const ProcessResult undone = cli({"--undo"}, home);
    EXPECT_EQ(undone.exitStatus, 0) << undone.out;
    EXPECT_EQ(readFile(dir / "config.xml"), "old");
}

TEST(Process, AWalkFindsFoldersWithoutEntryTypes)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"a/b/1.png"});
    fs::create_directory_symlink(dir / "a", dir / "link");
    // Some file systems leave every entry's type unknown; folders must still be found as such,
    // and a link to one still not walked.
    EXPECT_EQ(cli({"-r", dir.path().string()}, withFault({"CRESTMAP_FAIL=dtype"})),
              (ProcessResult{0, "Wrote 1 record to " + (dir / "a/b/config.xml") + "\n"}));
    EXPECT_TRUE(fs::exists(dir / "a/b/config.xml"));
}

// Over a folder that may map icons: the run replaces them.
pid_t start(const std::string& folder)
{
    return test::startProcess({CRESTMAP_CLI_PATH, "--restyle", "--style", "logo", folder},
                              "/dev/null", "/dev/null");
}

TEST(Process, KilledMidWriteLeavesTheOldOrTheNewDocumentWhole)
{
    const TempDir dir;
    test::makeImages(dir.path(), 40000);
    const std::string folder = dir.path().string();
    const std::string oldDocument = cli({"--stdout", "--style", "icon", folder}).out;
    const std::string newDocument = cli({"--stdout", folder}).out;
    int killedWhileWriting = 0;
    for (int round = 0; round < 8; ++round) {
        writeFile(dir / "config.xml", oldDocument);
        // The kill follows the run's first file event at a different moment each round.
        pollfd ready{::inotify_init1(IN_CLOEXEC), POLLIN, 0};
        ::inotify_add_watch(ready.fd, folder.c_str(), IN_CREATE | IN_OPEN | IN_MODIFY);
        const pid_t pid = start(folder);
        ASSERT_EQ(::poll(&ready, 1, 10000), 1) << "crestmap-cli never touched the folder";
        std::this_thread::sleep_for(std::chrono::microseconds(round * 2000));
        ::kill(pid, SIGKILL);
        killedWhileWriting += test::finishProcess(pid) == -SIGKILL ? 1 : 0;
        ::close(ready.fd);
        const std::string now = readFile(dir / "config.xml");
        EXPECT_TRUE(now == oldDocument || now == newDocument) << "round " << round;
        // The next run is not misled by anything the killed one left.
        EXPECT_EQ(test::finishProcess(start(folder)), 0);
        EXPECT_TRUE(readFile(dir / "config.xml") == newDocument) << "round " << round;
    }
    EXPECT_GT(killedWhileWriting, 0);
}

} // namespace
} // namespace crestmap
