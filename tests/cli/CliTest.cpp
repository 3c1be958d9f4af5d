#include "CliApp.h"
#include "StyleChoices.h"
#include "TestSupport.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::entryNames;
using test::expectedDocument;
using test::expectedRecord;
using test::readFile;
using test::TempDir;
using test::writeFile;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// crestmap-cli in this process, its output caught; `out` stands in for standard output.
Outcome cli(std::vector<std::string> args, std::ostream* out = nullptr)
{
    args.insert(args.begin(), "crestmap-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream caught;
    std::ostringstream err;
    const int status =
        cli::run(static_cast<int>(argv.size()), argv.data(), out ? *out : caught, err);
    return {status, caught.str(), err.str()};
}

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(Cli, OptionNamesReachTheDocument)
{
    const TempDir dir;
    writeFile(dir / "12_home.png", "");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--style", "icon", "--logo-type", "nation"}, "nation/12_home/icon"},
        {{"--style", "kit", "--kit-type", "texture"}, "team/12/kit_textures/home"},
        {{"--style", "background", "--background-type", "stadium", "--kit-type", "texture"},
         "stadium/12_home/background"}};
    for (auto [args, to] : cases) {
        args.insert(args.end(), {"--stdout", dir.path().string()});
        const Outcome run = cli(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, expectedDocument({expectedRecord("12_home", to)}));
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
    const Outcome run = cli({"--style", "kit", "--verbose", dir.path().string() + "/"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir / "config.xml"),
              expectedDocument({expectedRecord("12_home", "team/12/kits/home")}));
    EXPECT_EQ(run.out, "Wrote 1 record to " + (dir / "config.xml") +
                           "; 2 files without a record (kit name), 1 file without a record "
                           "(unusable name), 1 entry passed over (.PNG)\n");
    for (const char* name : {"1234.png: a kit", "a_b_c.jpg: a kit", "bad\xFF_x.png: the name",
                             "13.PNG: the extension"}) {
        EXPECT_TRUE(has(run.err, dir / name)) << name << " in " << run.err;
    }
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 4);
}

// A shell wildcard hands over config.xml and notes too: neither is an image.
TEST(Cli, ImagesAreMappedInTheGivenOrderBesideTheFirst)
{
    const TempDir dir;
    for (const char* name : {"b_1.png", "A_X.JPG", "c.png", "readme.txt", "config.xml"}) {
        writeFile(dir / name, "");
    }
    const Outcome run = cli({"--style", "kit", dir / "b_1.png", dir / "c.png", dir / "A_X.JPG",
                             dir / "readme.txt", dir / "config.xml"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir / "config.xml"),
              expectedDocument({expectedRecord("b_1", "team/b/kits/1"),
                                expectedRecord("A_X", "team/A/kits/X")}));
    EXPECT_EQ(run.out, "Wrote 2 records to " + (dir / "config.xml") +
                           "; 1 file without a record (kit name), 2 files without a record (not "
                           "an image)\n");
}

TEST(Cli, UsageErrorsExitTwoAndTouchNothing)
{
    const TempDir dir;
    writeFile(dir / "1.png", "");
    fs::create_directory(dir / "sub");
    writeFile(dir / "sub/2.png", "");
    writeFile(dir / "sub/notes.txt", "");
    fs::create_symlink(dir / "1.png", dir / "dangling.png");
    const std::string root = dir.path().string();
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "required"},
        {{"--bogus", root}, "--bogus"},
        {{"--style", "mural", root}, "mural"},
        {{"--kit-type", "2", root}, "2"},
        {{dir / "missing.png"}, "no such file or folder"},
        {{dir / "gone.png"}, "gone.png"},
        {{root + "/" + std::string(300, 'x') + ".png"}, "File name too long"},
        {{dir / "1.png", dir / "sub"}, "only argument"},
        {{dir / "1.png", dir / "sub/2.png"}, "in one folder"},
        {{dir / "sub/notes.txt"}, "none of the files"},
        {{"--update", dir / "1.png"}, "--update takes one FOLDER"},
        {{"--update", "--restyle", root}, "choose one"},
        {{"--recursive", dir / "1.png"}, "--recursive takes one FOLDER"},
        {{"--check", dir / "1.png"}, "--check takes one FOLDER"},
        {{"--recursive", "--stdout", dir / "sub"}, "--stdout"},
    };
    for (const auto& [args, message] : cases) {
        const Outcome run = cli(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(has(run.err, message) && has(run.err, "--help")) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(entryNames(dir.path()), (std::set<std::string>{"1.png", "dangling.png", "sub"}));
    EXPECT_EQ(entryNames(dir / "sub"), (std::set<std::string>{"2.png", "notes.txt"}));
}

TEST(Cli, FailuresExitOneAndKeepTheOldDocument)
{
    const TempDir dir;
    test::makeImages(dir.path(), 3000);
    writeFile(dir / "config.xml", "old");
    const auto before = entryNames(dir.path());
    {
        const test::FileSizeLimit cap(4096);
        const Outcome run = cli({dir.path().string()});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(
            std::regex_match(run.err, std::regex("Unexpected error: .*File too large\\.\n")))
            << run.err;
        EXPECT_EQ(run.out, "");
    }
    std::ostream full(nullptr);
    const Outcome print = cli({"--stdout", dir.path().string()}, &full);
    EXPECT_EQ(print.status, 1);
    EXPECT_TRUE(has(print.err, "standard output")) << print.err;
    EXPECT_EQ(readFile(dir / "config.xml"), "old");
    EXPECT_EQ(entryNames(dir.path()), before);
}

TEST(Cli, HelpOnceAndVersion)
{
    const Outcome help = cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(has(help.out, "--background-type"));
    EXPECT_EQ(occurrences(help.out, "Usage:"), 1u) << help.out;
    EXPECT_EQ(cli({"--version"}).out, "crestmap-cli " CRESTMAP_VERSION "\n");
}

TEST(Cli, RecursiveWriteAndCheckOfAPack)
{
    const TempDir dir;
    for (const char* folder : {"clubs/.hidden", "nations", "empty", "broken/config.xml"}) {
        fs::create_directories(dir / folder);
    }
    for (const char* image :
         {"clubs/2.png", "clubs/.hidden/3.png", "nations/4.png", "nations/5.png", "broken/7.png"}) {
        writeFile(dir / image, test::pngSignature);
    }
    const std::string root = dir.path().string();
    const Outcome written = cli({"--recursive", root});
    EXPECT_EQ(written.status, 1);
    EXPECT_EQ(written.out, "Wrote 4 records in 3 folders; 1 folder could not be written\n");
    EXPECT_TRUE(has(written.err, "broken/config.xml: Is a directory")) << written.err;
    EXPECT_EQ(readFile(dir / "clubs/.hidden/config.xml"),
              expectedDocument({expectedRecord("3", "club/3/logo")}));
    EXPECT_FALSE(fs::exists(dir / "empty/config.xml") || fs::exists(dir / "config.xml"));

    fs::remove_all(dir / "broken");
    EXPECT_EQ(cli({"-r", "--check", root}).out, "All 3 config.xml files are current\n");
    writeFile(dir / "clubs/8.png", test::pngSignature);
    fs::remove(dir / "nations/5.png");
    fs::remove(dir / "clubs/.hidden/config.xml");
    const auto before = entryNames(dir / "clubs");
    const Outcome check = cli({"--recursive", "--check", root});
    EXPECT_EQ(check.status, 1);
    for (const std::string& line :
         {"stale: " + (dir / "clubs/config.xml") + ": 1 record added\n",
          "missing: " + (dir / "clubs/.hidden/config.xml") + "\n",
          "stale: " + (dir / "nations/config.xml") + ": 1 record removed\n",
          std::string("3 of 3 config.xml files missing or stale\n")}) {
        EXPECT_TRUE(has(check.out, line)) << line << " in " << check.out;
    }
    EXPECT_EQ(occurrences(check.out, "\n"), 4u) << check.out;
    EXPECT_EQ(entryNames(dir / "clubs"), before) << "a check writes nothing";
}

TEST(Cli, APackKeepsEachFolderStyleAndItsProblemsAreCounted)
{
    const TempDir dir;
    for (const char* folder : {"kits", "logos", "new"}) {
        fs::create_directory(dir / folder);
    }
    for (const char* image : {"kits/1_home.png", "logos/7.png", "logos/7.jpg", "new/8.png"}) {
        writeFile(dir / image, test::pngSignature);
    }
    writeFile(dir / "logos/9.png", "<html></html>");
    const std::string root = dir.path().string();
    ASSERT_EQ(cli({"--style", "kit", dir / "kits"}).status, 0);
    writeFile(dir / "new/config.xml", "");

    const Outcome kept = cli({"-r", "--verify", root});
    EXPECT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(kept.out, "kept: " + (dir / "kits") +
                            ": maps kit records; use --update or --restyle\nWrote 4 records in 2 "
                            "folders; 1 folder kept in their own style; 2 images mapping to a "
                            "picture another maps to; 1 image that would not load\n");
    EXPECT_EQ(cli({"--check", dir / "kits"}).out, "config.xml is current\n");
    EXPECT_TRUE(has(cli({"--check", "--style", "logo", dir / "kits"}).out, "stale: "));

    fs::remove(dir / "new/config.xml");
    const Outcome update = cli({"-r", "--update", "--verify", "--verbose", root});
    EXPECT_EQ(update.status, 0);
    EXPECT_TRUE(has(update.out, "not mapped yet: " + (dir / "new"))) << update.out;
    EXPECT_TRUE(has(update.err, "7.png: maps to the same picture as " + (dir / "logos/7.jpg")))
        << update.err;
    EXPECT_TRUE(has(update.err, "9.png: not a PNG image (it holds HTML)")) << update.err;

    const Outcome json = cli({"-r", "--check", "--format", "json", root});
    EXPECT_EQ(json.status, 1);
    EXPECT_TRUE(has(json.out, "{\"folder\":\"" + (dir / "new") + "\",\"config\":\"" +
                                  (dir / "new/config.xml") + "\",\"state\":\"missing\"}\n"))
        << json.out;
    EXPECT_TRUE(has(json.out, "\"problem\":\"clash\""));
}

// The names of the choices live in the core's table; the window, the manual page and the
// completion script must offer the same ones.
TEST(Cli, WindowManualAndCompletionOfferTheChoicesOfTheTable)
{
    const auto text = [](const char* path) {
        return readFile(CRESTMAP_SOURCE_DIR "/" + std::string(path));
    };
    const std::string ui = text("app/MainWindow.ui");
    const std::string manual = text("cli/crestmap-cli.1");
    const std::string completion = text("cli/crestmap-cli.bash-completion");
    const std::vector<std::tuple<std::string, std::string, std::span<const Choice>>> groups{
        {"graphicStyle", "--style", graphicStyleChoices},
        {"logoType", "--logo-type", logoTypeChoices},
        {"kitType", "--kit-type", kitTypeChoices},
        {"backgroundType", "--background-type", backgroundTypeChoices}};
    for (const auto& [group, option, choices] : groups) {
        std::vector<std::int64_t> tags;
        const std::string button = "<widget class=\"QRadioButton\" name=\"" + group;
        for (auto at = ui.find(button); at != std::string::npos; at = ui.find(button, at + 1)) {
            const auto tag = ui.find("<number>", ui.find("name=\"tag\"", at));
            tags.push_back(std::stoll(ui.substr(tag + 8)));
        }
        std::vector<std::int64_t> values;
        std::string names;
        for (const Choice& choice : choices) {
            values.push_back(choice.value);
            names += (names.empty() ? "" : " ") + std::string(choice.name);
            EXPECT_TRUE(has(manual, "\\fB" + std::string(choice.name) + "\\fR")) << choice.name;
        }
        std::sort(tags.begin(), tags.end());
        EXPECT_EQ(tags, values) << group;
        EXPECT_TRUE(has(completion,
                        option + ")\n        mapfile -t COMPREPLY < <(compgen -W '" + names + "'"))
            << option;
    }
}

} // namespace
} // namespace crestmap
