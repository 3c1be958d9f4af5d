#include "TestSupport.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::entryNames;
using test::readFile;
using test::TempDir;
using test::writeFile;

const std::string cliPath = CRESTMAP_CLI_PATH;

std::string printed(const std::vector<std::string>& args)
{
    std::vector<std::string> argv{cliPath, "--stdout"};
    argv.insert(argv.end(), args.begin(), args.end());
    const test::ProcessResult result = test::runProcess(argv);
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    return result.out;
}

std::size_t leftovers(const fs::path& folder)
{
    std::size_t count = 0;
    for (const std::string& name : entryNames(folder)) {
        count += name.ends_with(".crestmap-tmp") ? 1 : 0;
    }
    return count;
}

pid_t start(std::vector<std::string> args)
{
    args.insert(args.begin(), cliPath);
    return test::startProcess(args, "/dev/null", "/dev/null");
}

TEST(Robustness, KilledMidWriteLeavesTheOldOrTheNewDocumentWhole)
{
    const TempDir dir;
    test::makeImages(dir.path(), 40000);
    const std::string folder = dir.path().string();
    const std::string oldDocument = printed({"--style", "icon", folder});
    const std::string newDocument = printed({folder});

    int killedWhileWriting = 0;
    for (int round = 0; round < 12; ++round) {
        writeFile(dir / "config.xml", oldDocument);
        // The kill follows the first file event of the run at a different moment each round.
        const int watch = ::inotify_init1(IN_CLOEXEC);
        ::inotify_add_watch(watch, folder.c_str(), IN_CREATE | IN_OPEN | IN_MODIFY);
        const pid_t pid = start({folder});
        pollfd ready{watch, POLLIN, 0};
        ASSERT_EQ(::poll(&ready, 1, 10000), 1) << "crestmap-cli never touched the folder";
        std::this_thread::sleep_for(std::chrono::microseconds(round * 1500));
        ::kill(pid, SIGKILL);
        killedWhileWriting += test::finishProcess(pid) == -SIGKILL ? 1 : 0;
        ::close(watch);

        const std::string now = readFile(dir / "config.xml");
        EXPECT_TRUE(now == oldDocument || now == newDocument) << "round " << round;
        EXPECT_LE(leftovers(dir.path()), 1u) << "round " << round;
        // The next run is not misled by anything the killed one left.
        EXPECT_EQ(test::finishProcess(start({folder})), 0);
        EXPECT_EQ(readFile(dir / "config.xml"), newDocument);
    }
    EXPECT_GT(killedWhileWriting, 0);
}

TEST(Robustness, ConcurrentWritersLeaveOneWholeDocument)
{
    const TempDir dir;
    test::makeImages(dir.path(), 10000);
    const std::string folder = dir.path().string();
    const std::vector<std::vector<std::string>> styles{{"--style", "logo"},
                                                       {"--style", "icon"},
                                                       {"--style", "portrait"},
                                                       {"--style", "background"}};
    std::set<std::string> documents;
    for (const auto& style : styles) {
        std::vector<std::string> args = style;
        args.push_back(folder);
        documents.insert(printed(args));
    }

    for (int round = 0; round < 10; ++round) {
        std::vector<pid_t> writers;
        for (const auto& style : styles) {
            std::vector<std::string> args = style;
            args.push_back(folder);
            writers.push_back(start(args));
        }
        for (const pid_t pid : writers) {
            EXPECT_EQ(test::finishProcess(pid), 0);
        }
        EXPECT_EQ(documents.count(readFile(dir / "config.xml")), 1u) << "round " << round;
        EXPECT_EQ(leftovers(dir.path()), 0u);
    }
}

TEST(Robustness, BadArgumentsGetClearErrors)
{
    const TempDir dir;
    writeFile(dir / "notes.txt", "");
    fs::create_symlink(dir / "gone.png", dir / "dangling.png");
    // Close to the longest path there can be: config.xml beside it still fits.
    std::string deep = dir.path().string();
    while (deep.size() < 4000) {
        deep += '/';
        deep.append(std::min<std::size_t>(200, 4060 - deep.size()), 'd');
    }
    fs::create_directories(deep);
    writeFile(deep + "/1.png", "");

    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    const std::vector<Case> cases{
        {{dir / "dangling.png"}, 2, "dangling.png"},
        {{dir / "notes.txt", dir.path().string()}, 2, "only argument"},
        {{deep}, 0, ""},
        {{deep + "/" + std::string(100, 'x') + "/1.png"}, 2, "File name too long"},
        {{dir.path().string() + "/" + std::string(300, 'x') + ".png"}, 2, "File name too long"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> argv{cliPath};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const test::ProcessResult result = test::runProcess(argv);
        EXPECT_EQ(result.exitStatus, c.status) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_EQ(readFile(deep + "/config.xml"),
              test::expectedDocument({test::expectedRecord("1", "club/1/logo")}));
    // A folder without images still gets a valid, empty mapping.
    const TempDir plain;
    writeFile(plain / "notes.txt", "");
    EXPECT_EQ(test::runProcess({cliPath, plain.path().string()}).exitStatus, 0);
    EXPECT_EQ(readFile(plain / "config.xml"), test::expectedDocument({}));
}

} // namespace
} // namespace crestmap
