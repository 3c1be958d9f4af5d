#include "CliApp.h"
#include "StyleChoices.h"
#include "TestSupport.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::entryNames;
using test::expectedDocument;
using test::expectedRecord;
using test::has;
using test::occurrences;
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

TEST(Cli, FolderWritesConfigAndCountsWhatItLeftOutByReason)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"12_home.png", "1234.png", "a_b_c.jpg", "13.PNG", "bad\xFF_x.png",
                                 "notes.txt"});
    writeFile(dir / "config.xml", std::string(5000, 'o'));
    const Outcome run = cli({"--style", "kit", "--verbose", dir.path().string() + "/"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir / "config.xml"),
              expectedDocument({expectedRecord("12_home", "team/12/kits/home")}));
    EXPECT_EQ(run.out, "Wrote 1 record to " + (dir / "config.xml") +
                           "; 2 files without a record (kit name); 1 file without a record "
                           "(unusable name); 1 entry passed over (.PNG)\n");
    EXPECT_TRUE(has(run.err, dir / "bad\xFF_x.png: the name") && has(run.err, dir / "13.PNG: the"));
    EXPECT_EQ(occurrences(run.err, "\n"), 4u) << run.err;
}

// A shell wildcard hands over config.xml and notes too: neither is an image. An upper-case
// extension is passed over as a folder's listing passes it over, so both ways write one file.
TEST(Cli, ImagesAreMappedInTheGivenOrderBesideTheFirst)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"b_1.png", "A_X.JPG", "c.png", "a_2.jpg", "readme.txt"},
                    test::pngSignature);
    writeFile(dir / "config.xml", expectedDocument({}));
    const Outcome run = cli({"--style", "kit", dir / "b_1.png", dir / "c.png", dir / "A_X.JPG",
                             dir / "a_2.jpg", dir / "readme.txt", dir / "config.xml"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readFile(dir / "config.xml"),
              expectedDocument({expectedRecord("b_1", "team/b/kits/1"),
                                expectedRecord("a_2", "team/a/kits/2")}));
    EXPECT_EQ(run.out, "Wrote 2 records to " + (dir / "config.xml") +
                           "; 1 file without a record (kit name); 2 files without a record (not "
                           "an image); 1 entry passed over (.PNG)\n");
    EXPECT_EQ(cli({"--check", dir.path().string()}).out, "config.xml is current\n");
}

TEST(Cli, UsageErrorsExitTwoAndTouchNothing)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"1.png", "sub/2.png", "sub/notes.txt"});
    const std::string root = dir.path().string();
    // clang-format off
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "required"}, {{"--kit-type", "2", root}, "2"}, {{dir / "gone.png"}, "no such file or folder"},
        {{root + "/" + std::string(300, 'x') + ".png"}, "File name too long"},
        {{dir / "1.png", dir / "sub"}, "only argument"}, {{dir / "1.png", dir / "sub/2.png"}, "in one folder"},
        {{dir / "sub/notes.txt"}, "none of the files"}, {{"--update", dir / "1.png"}, "--update takes one FOLDER"},
        {{"--update", "--restyle", root}, "choose one"}, {{"--recursive", "--stdout", dir / "sub"}, "--stdout"},
    };
    // clang-format on
    for (const auto& [args, message] : cases) {
        const Outcome run = cli(args);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(has(run.err, message) && has(run.err, "--help")) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(entryNames(dir.path()), (std::set<std::string>{"1.png", "sub"}));
    EXPECT_EQ(entryNames(dir / "sub"), (std::set<std::string>{"2.png", "notes.txt"}));
}

// Writing is the core's to get right; the tool's part is to say so when the output fails.
TEST(Cli, AFailingOutputExitsOne)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"1.png"});
    std::ostream full(nullptr);
    const Outcome print = cli({"--stdout", dir.path().string()}, &full);
    EXPECT_EQ(print.status, 1);
    EXPECT_TRUE(has(print.err, "standard output")) << print.err;
}

TEST(Cli, HelpOnceAndVersion)
{
    const Outcome help = cli({"--help"});
    EXPECT_TRUE(help.status == 0 && has(help.out, "--background-type"));
    EXPECT_EQ(occurrences(help.out, "Usage:"), 1u) << help.out;
    EXPECT_EQ(cli({"--version"}).out, "crestmap-cli " CRESTMAP_VERSION "\n");
}

// A pack: written folder by folder, each in its own style, then checked and updated.
TEST(Cli, APackIsWrittenCheckedAndUpdatedFolderByFolder)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"kits/1_home.png", "logos/7.png", "logos/7.jpg", "new/8.png"},
                    test::pngSignature);
    test::makeFiles(dir.path(), {"logos/9.png"}, "<html></html>");
    const std::string root = dir.path().string();
    ASSERT_EQ(cli({"--style", "kit", dir / "kits"}).status, 0);
    EXPECT_EQ(cli({"-r", "--verify", root}).out,
              "kept: " + (dir / "kits") +
                  ": maps kit records; use --update or --restyle\nWrote 4 records in 2 folders; 1 "
                  "folder kept in its own style; 2 images map to the same picture as another; 1 "
                  "image would not load\n");

    fs::remove(dir / "new/config.xml");
    fs::remove(dir / "logos/7.jpg");
    const Outcome check = cli({"-r", "--check", root});
    EXPECT_EQ(check.status, 1);
    // Folders in the order the system lists them, then the facts.
    EXPECT_TRUE(has(check.out, "stale: " + (dir / "logos/config.xml") + ": 1 record removed\n") &&
                has(check.out, "missing: " + (dir / "new/config.xml") + "\n") &&
                check.out.ends_with("\n2 of 3 config.xml files missing or stale; 1 image would not "
                                    "load\n") &&
                occurrences(check.out, "\n") == 3)
        << check.out;

    const Outcome update = cli({"-r", "--update", "--verbose", root});
    EXPECT_TRUE(update.status == 0 && has(update.out, "not mapped yet: " + (dir / "new")))
        << update.out;
}

// A folder in another style is kept, however it is named, unless restyled; a write that loses
// records says so, and --undo puts back exactly what it replaced.
TEST(Cli, AnotherStyleIsKeptUnlessRestyledAndUndoPutsBackWhatWasReplaced)
{
    const TempDir dir;
    test::makeFiles(dir.path(), {"1_home.png", "1_away.png"}, test::pngSignature);
    const std::string folder = dir.path().string();
    ASSERT_EQ(cli({"--style", "kit", folder}).status, 0);
    const std::string kits = readFile(dir / "config.xml");
    const auto before = entryNames(dir.path());
    const std::string kept = "kept: " + folder + ": maps kit records; use --update or --restyle\n";
    EXPECT_EQ(cli({folder}).out, kept + "1 folder kept in its own style\n");
    EXPECT_EQ(cli({dir / "1_home.png"}).out, kept + "1 folder kept in its own style\n");
    EXPECT_EQ(cli({"--stdout", folder}).status, 0);
    EXPECT_EQ(readFile(dir / "config.xml"), kits);
    EXPECT_EQ(entryNames(dir.path()), before);
    EXPECT_EQ(cli({"--restyle", folder}).status, 2) << "--restyle needs a style";

    const Outcome restyled = cli({"--restyle", "--style", "icon", folder});
    EXPECT_EQ(restyled.err, "replaced " + (dir / "config.xml") +
                                ": 2 records it held are not in the new one; crestmap-cli --undo "
                                "puts it back\n");
    EXPECT_TRUE(has(readFile(dir / "config.xml"), "club/1_home/icon"));
    const Outcome json = cli({"--update", "--format", "json", folder});
    EXPECT_TRUE(has(json.out, "\"outcome\":\"written\",\"style\":\"club icon\"")) << json.out;

    EXPECT_EQ(cli({"--undo"}).out,
              "put back: " + (dir / "config.xml") + "\nUndo: 1 config.xml put back, 0 removed\n");
    EXPECT_TRUE(has(readFile(dir / "config.xml"), "club/1_home/icon")) << "the update's undo";
    EXPECT_EQ(cli({"--undo"}).status, 1) << "one write, one undo";
    EXPECT_EQ(cli({"--undo"}).err,
              "crestmap-cli: Nothing to undo: no write has been kept to undo\n");
    EXPECT_EQ(cli({"--undo", folder}).status, 2);
}

// A pack's CI reads these lines: every text field valid JSON whatever the name, with its bytes
// beside it when they are not UTF-8; a clash alone fails a check.
TEST(Cli, JsonLinesHoldEveryNameAndAClashFailsTheCheck)
{
    const TempDir dir;
    const std::string odd = "q\"b\\c\xC2\x85";
    test::makeFiles(dir.path(), {odd + "/1.png", odd + "/1.jpg", "bad\xFF/2.png"},
                    test::pngSignature);
    ASSERT_EQ(cli({"-r", dir.path().string()}).status, 0);
    const Outcome check = cli({"-r", "--check", "--format", "json", dir.path().string()});
    EXPECT_EQ(check.status, 1) << "1.png and 1.jpg map to one picture";
    std::map<std::string, nlohmann::json> folders;
    std::set<std::pair<std::string, std::string>> clashes;
    std::istringstream stream(check.out);
    for (std::string line; std::getline(stream, line);) {
        const auto object = nlohmann::json::parse(line);
        if (object.contains("state")) {
            folders[object.value("folder", "")] = object;
        } else {
            clashes.emplace(object.value("image", ""), object.value("other", ""));
        }
    }
    ASSERT_EQ(folders.size(), 2u) << check.out;
    EXPECT_EQ(folders.count(dir / odd), 1u);
    const auto bad = folders.find(dir / "bad\xEF\xBF\xBD");
    ASSERT_NE(bad, folders.end()) << check.out;
    EXPECT_TRUE(bad->second.value("folder_hex", "").ends_with("2f626164ff")) << check.out;
    const std::string png = dir / (odd + "/1.png");
    const std::string jpg = dir / (odd + "/1.jpg");
    EXPECT_EQ(clashes, (std::set<std::pair<std::string, std::string>>{{png, jpg}, {jpg, png}}));
}

// The names of the choices live in the core's table: each reaches the document as its word, and
// the window, the manual page and the completion script offer the same ones.
TEST(Cli, EveryChoiceReachesTheDocumentAndIsOfferedEverywhere)
{
    const auto text = [](const char* path) {
        return readFile(CRESTMAP_SOURCE_DIR "/" + std::string(path));
    };
    const std::string ui = text("app/MainWindow.ui");
    const std::string manual = text("cli/crestmap-cli.1");
    const std::string completion = text("cli/crestmap-cli.bash-completion");
    const TempDir dir;
    writeFile(dir / "12_home.png", "");
    const std::vector<std::tuple<std::string, std::vector<std::string>, std::span<const Choice>>>
        groups{{"graphicStyle", {"--style"}, graphicStyleChoices},
               {"logoType", {"--logo-type"}, logoTypeChoices},
               {"kitType", {"--style", "kit", "--kit-type"}, kitTypeChoices},
               {"backgroundType",
                {"--style", "background", "--background-type"},
                backgroundTypeChoices}};
    for (const auto& [group, options, choices] : groups) {
        std::vector<std::int64_t> tags;
        const std::string button = "<widget class=\"QRadioButton\" name=\"" + group;
        for (auto at = ui.find(button); at != std::string::npos; at = ui.find(button, at + 1)) {
            tags.push_back(std::stoll(ui.substr(ui.find("<number>", ui.find("\"tag\"", at)) + 8)));
        }
        std::vector<std::int64_t> values;
        std::set<std::string> documents; // an ignored option would give one for every choice
        std::string names;
        for (const Choice& choice : choices) {
            values.push_back(choice.value);
            names += (names.empty() ? "" : " ") + std::string(choice.name);
            EXPECT_TRUE(has(manual, "\\fB" + std::string(choice.name) + "\\fR")) << choice.name;
            std::vector<std::string> args = options;
            args.insert(args.end(), {std::string(choice.name), "--stdout", dir.path().string()});
            const std::string word = choice.word.empty() ? "kits" : std::string(choice.word);
            const std::string document = cli(args).out;
            EXPECT_TRUE(has(document, "/" + word + "/") || has(document, "/" + word + "\""))
                << choice.name;
            documents.insert(document);
        }
        EXPECT_EQ(documents.size(), choices.size()) << group;
        std::sort(tags.begin(), tags.end());
        EXPECT_EQ(tags, values) << group;
        EXPECT_TRUE(
            has(completion,
                options.back() + ")\n        mapfile -t COMPREPLY < <(compgen -W '" + names + "'"))
            << group;
    }
}

} // namespace
} // namespace crestmap
