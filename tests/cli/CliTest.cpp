#include "CliApp.h"
#include "CliOptions.h"
#include "CliWords.h"
#include "StyleChoices.h"
#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <set>
#include <sstream>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::entryNames;
using test::expectedDocument;
using test::expectedRecord;
using test::has;
using test::logoRecord;
using test::readFile;
using test::TempDir;
using test::writeFile;
using Kind = Fact::Kind;

using Outcome = test::ProcessResult;

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

// A scenario's runs, each with all it must print; "@" stands for the scenario's folder.
using Steps = std::vector<std::pair<std::vector<std::string>, Outcome>>;

// Each scenario in a folder of its own.
class Cli : public ::testing::Test {
protected:
    const TempDir dir;

    void expectSteps(const Steps& steps) const
    {
        const auto in = [root = dir.path().string()](std::string text) {
            for (auto at = text.find('@'); at != std::string::npos; at = text.find('@', at)) {
                text.replace(at, 1, root);
                at += root.size();
            }
            return text;
        };
        for (auto [args, expected] : steps) {
            std::ranges::transform(args, args.begin(), in);
            EXPECT_EQ(cli(args), (Outcome{expected.exitStatus, in(expected.out), in(expected.err)}))
                << ::testing::PrintToString(args);
        }
    }
};

// Every fact of the core and the words the command line gives it: scripts read these.
TEST(CliWords, GiveEachFactItsWords)
{
    ConfigCheck cut;
    cut.state = ConfigCheck::State::CutShort;
    cut.file.state = MappingScan::State::CutShort;
    cut.file.cut = CutPlace::Record;
    ConfigCheck stale;
    stale.state = ConfigCheck::State::Stale;
    stale.added = 6;
    stale.changed = 1;
    // A forced undo puts old copies back, but a file the write made has none: it says it goes.
    const auto undo = [](std::vector<std::string> changed, std::size_t made) {
        UndoOutcome outcome;
        outcome.changedSince = std::move(changed);
        outcome.madeChangedSince = made;
        return cli::undoLine(outcome);
    };
    const std::string undone = "Undo: 0 config.xml files put back, 0 removed; ";
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases{
        {cli::factLine({{Kind::Written, 1204, 12}}), "Wrote 1204 records in 12 folders"},
        {cli::factLine({{Kind::Written, 3, 1}, {Kind::Unchanged, 7, 40}}), "Wrote 3 records in 1 folder; 7 config.xml files unchanged"},
        {cli::factLine({{Kind::Kept, 1}, {Kind::Kept, 2}}), "1 folder kept in its own style; 2 folders kept in their own style"},
        {cli::factLine({{Kind::CutShort, 1}, {Kind::NotMapped, 2}}), "1 config.xml cut short, kept; 2 folders not mapped yet"},
        {cli::factLine({{Kind::Unreadable, 1}, {Kind::Unwritable, 2}}), "1 folder could not be read; 2 folders could not be written"},
        {cli::factLine({{Kind::RecordsLost, 1, 1}, {Kind::RecordsLost, 21, 4}}),
         "1 record of the replaced config.xml is not in the new one; 21 records of the replaced config.xml files are not in the new ones"},
        {cli::factLine({{Kind::ImagesBelow}}), "Its sub-folders hold images: use --recursive to write them"},
        {cli::factLine({{Kind::Clashes, 2}, {Kind::Current, 8}}), "2 images map to the same picture as another; all 8 config.xml files are current"},
        {cli::factLine({{Kind::Outdated, 1, 3}, {Kind::Outdated, 2, 3}}), "1 of 3 config.xml files is not current; 2 of 3 config.xml files are not current"},
        {cli::checkDetail(cut), "ends inside a record"},
        {cli::checkDetail(stale), "6 records to add, 1 to change"},
        {cli::styleWords({7, 2}), "stadium background"},
        {cli::styleWords({6, 2}), "kit texture"},
        {undo({"a"}, 1), undone + "1 changed since, left alone (crestmap-cli --undo --force removes it, edit and all)"},
        {undo({"a", "b"}, 2), undone + "2 changed since, left alone (crestmap-cli --undo --force removes them, edit and all)"},
        {undo({"a", "b", "c"}, 1),
         undone + "3 changed since, left alone (crestmap-cli --undo --force puts them back over the edit and removes the 1 the write made)"},
    };
    // clang-format on
    for (const auto& [said, words] : cases) {
        EXPECT_EQ(said, words);
    }
}

TEST_F(Cli, FolderWritesConfigAndCountsWhatItLeftOutByReason)
{
    test::makeFiles(dir.path(), {"12_home.png", "1234.png", "a_b_c.jpg", "13.PNG", "bad\xFF_x.png",
                                 "notes.txt"});
    writeFile(dir / "config.xml", std::string(5000, 'o'));
    const Outcome run = cli({"--style", "kit", "--verbose", dir.path().string() + "/"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(readFile(dir / "config.xml"),
              expectedDocument({expectedRecord("12_home", "team/12/kits/home")}));
    EXPECT_EQ(run.out, "Wrote 1 record to " + (dir / "config.xml") +
                           "; 2 files without a record (kit name); 1 file without a record "
                           "(unusable name); 1 entry passed over (.PNG)\n");
    // Each file left out once, by its reason, and notes.txt, no image by its name, not at all.
    EXPECT_TRUE(has(run.err, dir / "bad\xFF_x.png: the name")) << run.err;
    EXPECT_TRUE(has(run.err, "written: " + (dir / "config.xml") + " (1 kit record)")) << run.err;
    EXPECT_EQ(std::ranges::count(run.err, '\n'), 6) << run.err;
}

// A name's control characters reach the terminal as escapes: raw, they hid bytes of the name,
// or moved the cursor and recoloured the terminal. Letters beside them stay as they are.
TEST_F(Cli, NamesReachTheTerminalWithoutTheirControlCharacters)
{
    const std::string folder = "pack\xC2\xB0";
    test::makeFiles(dir.path(),
                    {folder + "/c\x01"
                              "d.png",
                     folder + "/x\x1B[31mRED.png",
                     folder + "/e\xC2\x85"
                              "f.png",
                     folder + "/tab\there.png"},
                    test::pngSignature);
    const Outcome run = cli({"-v", dir / folder});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    for (const char* shown :
         {"/c\\x01d.png: ", "/x\\x1b[31mRED.png: ", "/e\\xc2\\x85f.png: ", "/tab\\x09here.png: "}) {
        EXPECT_TRUE(has(run.err, dir / (folder + shown))) << shown << "\n" << run.err;
    }
    const std::string said = run.out + run.err;
    const auto control = std::ranges::find_if(said, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\n') || byte == 0x7f;
    });
    EXPECT_EQ(control, said.end()) << said;
    EXPECT_FALSE(has(said, "\xC2\x85")) << said;
}

// A shell wildcard hands over config.xml and notes too: neither is an image. An upper-case
// extension is passed over as a folder's listing passes it over, so both ways map the same
// images, and the check finds the file current.
TEST_F(Cli, ImagesAreMappedInTheGivenOrderBesideTheFirst)
{
    test::makeFiles(dir.path(), {"b_1.png", "A_X.JPG", "c.png", "a_2.jpg", "readme.txt"},
                    test::pngSignature);
    writeFile(dir / "config.xml", expectedDocument({}));
    expectSteps({{{"--style", "kit", "@/b_1.png", "@/c.png", "@/A_X.JPG", "@/a_2.jpg",
                   "@/readme.txt", "@/config.xml"},
                  {0, "Wrote 2 records to @/config.xml; 1 file without a record (kit name); 2 "
                      "files without a record (not an image); 1 entry passed over (.PNG)\n"}},
                 // As the write, and the check's own JSON, tell of what gets no record.
                 {{"--check", "@"},
                  {0, "config.xml is current; 1 file without a record (kit name); 1 entry passed "
                      "over (.PNG)\n"}}});
    EXPECT_EQ(readFile(dir / "config.xml"),
              expectedDocument({expectedRecord("b_1", "team/b/kits/1"),
                                expectedRecord("a_2", "team/a/kits/2")}));
}

TEST_F(Cli, UsageErrorsExitTwoAndTouchNothing)
{
    test::makeFiles(dir.path(), {"1.png", "sub/2.png", "sub/notes.txt"});
    const std::string root = dir.path().string();
    // clang-format off
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "required"}, {{"--kit-type", "2", root}, "--kit-type: 2 not in"}, {{dir / "gone.png"}, "no such file or folder"},
        {{root + "/" + std::string(300, 'x') + ".png"}, "File name too long"},
        {{dir / "1.png", dir / "sub"}, "only argument"}, {{dir / "1.png", dir / "sub/2.png"}, "in one folder"},
        {{dir / "sub/notes.txt"}, "none of the files"}, {{"--update", dir / "1.png"}, "--update takes one FOLDER"},
        {{"--update", "--restyle", root}, "choose one"}, {{"--recursive", "--stdout", dir / "sub"}, "--stdout"},
        {{"--force", root}, "--force goes with --undo"}, {{"--undo", root}, "--undo takes no"},
        {{"--restyle", root}, "--restyle writes"},
    };
    // clang-format on
    for (const auto& [args, message] : cases) {
        const Outcome run = cli(args);
        EXPECT_EQ(run.exitStatus, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(has(run.err, message)) << run.err;
        EXPECT_TRUE(has(run.err, "--help")) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(entryNames(dir.path()), (std::set<std::string>{"1.png", "sub"}));
    EXPECT_EQ(entryNames(dir / "sub"), (std::set<std::string>{"2.png", "notes.txt"}));
}

// Standard output on a full disk: what is printed waits in the buffer until a flush fails.
class FullBuffer : public std::stringbuf {
    int sync() override { return -1; }
};

// --stdout prints the document and writes nothing; and what the tool prints is its answer, so
// output that cannot be written fails the run, even a check that would pass.
TEST_F(Cli, PrintingWritesNothingAndAnAnswerThatCannotBePrintedFailsTheRun)
{
    test::makeFiles(dir.path(), {"1.png"});
    EXPECT_EQ(cli({"--stdout", dir.path().string()}).out, expectedDocument({logoRecord("1")}));
    EXPECT_EQ(entryNames(dir.path()), std::set<std::string>{"1.png"});
    for (const std::string flag : {"--style=logo", "--check", "--stdout", "--version"}) {
        FullBuffer full;
        std::ostream out(&full);
        const Outcome run = cli({flag, dir.path().string()}, &out);
        EXPECT_EQ(run.exitStatus, 1) << flag;
        EXPECT_EQ(run.err, "crestmap-cli: cannot write to standard output\n") << flag;
    }
}

// Help fits the console it is shown in, whole words on every line.
TEST_F(Cli, HelpOnceWrappedToTheConsoleAndVersion)
{
    const Outcome help = cli({"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_TRUE(has(help.out, "--background-type")) << help.out;
    const auto usage = help.out.find("Usage:");
    EXPECT_NE(usage, std::string::npos) << help.out;
    EXPECT_EQ(usage, help.out.rfind("Usage:")) << help.out;
    std::istringstream lines(help.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(line.size(), 80u) << line;
    }
    EXPECT_EQ(cli::wrapped("  --flag  one two three four", 20),
              "  --flag  one two\n          three four\n");
    // A console narrower than the indent once wrapped forever, and trailing blanks threw.
    for (std::size_t width = 1; width < 12; ++width) {
        const std::string narrow = cli::wrapped("  -r,--recursive  one two  \n", width);
        std::string words = narrow;
        std::erase_if(words, [](char c) { return c == ' ' || c == '\n'; });
        EXPECT_EQ(words, "-r,--recursiveonetwo") << width << ": " << narrow;
    }
    EXPECT_EQ(cli({"--version"}).out, "crestmap-cli " CRESTMAP_VERSION "\n");
}

// A folder whose images are all below it: its check, as its write, points to --recursive rather
// than leave the user to think the images were looked at.
TEST_F(Cli, ACheckOfAFolderWithImagesOnlyBelowItPointsBelow)
{
    test::makeFiles(dir.path(), {"season/leagues/1.png"}, test::pngSignature);
    test::makeFiles(dir.path(), {"notes/readme.txt"});
    const std::string below = "its sub-folders hold images: use --recursive to write them\n";
    expectSteps(
        {{{"-r", "--check", "@/notes"}, {0, "No folder here holds images\n"}},
         {{"--check", "@/season"},
          {1, "missing: @/season/config.xml\n1 of 1 config.xml file is not current; " + below}},
         {{"@/season"}, {0, "Wrote 0 records to @/season/config.xml; " + below}},
         {{"--check", "@/season"}, {0, "config.xml is current; " + below}},
         {{"-r", "--check", "@/season"},
          {1, "missing: @/season/leagues/config.xml\n1 of 1 config.xml file is not "
              "current\n"}}});
}

// A pack: written folder by folder, each in its own style, then checked and updated.
TEST_F(Cli, APackIsWrittenCheckedAndUpdatedFolderByFolder)
{
    test::makeFiles(dir.path(), {"kits/1_home.png", "logos/7.png", "logos/7.jpg", "new/8.png"},
                    test::pngSignature);
    test::makeFiles(dir.path(), {"logos/9.png"}, "<html></html>");
    expectSteps({{{"--style", "kit", "@/kits"}, {0, "Wrote 1 record to @/kits/config.xml\n"}},
                 {{"-r", "--verify", "@"},
                  {0, "kept: @/kits: maps kit records; use --update or --restyle\nWrote 4 "
                      "records in 2 folders; 1 folder kept in its own style; 2 images map to "
                      "the same picture as another; 1 image would not load\n"}}});
    fs::remove(dir / "new/config.xml");
    fs::remove(dir / "logos/7.jpg");
    const Outcome check = cli({"-r", "--check", dir.path().string()});
    EXPECT_EQ(check.exitStatus, 1);
    // Folders in the order the system lists them, then the facts, what fails first.
    EXPECT_TRUE(has(check.out, "stale: " + (dir / "logos/config.xml") + ": 1 record to remove\n"));
    EXPECT_TRUE(has(check.out, "missing: " + (dir / "new/config.xml") + "\n"));
    EXPECT_TRUE(check.out.ends_with("\n2 of 3 config.xml files are not current; 1 image would "
                                    "not load\n"))
        << check.out;
    // The check of an update in a style reads each folder in its own, as the update would.
    const Outcome update =
        cli({"-r", "--check", "--update", "--style", "kit", dir.path().string()});
    EXPECT_TRUE(has(update.out, "stale: " + (dir / "logos/config.xml") + ": 1 record to remove\n"))
        << update.out;
    expectSteps({{{"-r", "--update", "@"},
                  {0, "not mapped yet: @/new (give a style to write it)\nWrote 2 records in 1 "
                      "folder; 1 config.xml unchanged; 1 folder not mapped yet\n"}}});
    EXPECT_FALSE(fs::exists(dir / "new/config.xml"));
}

// A folder in another style is kept, however it is named, unless restyled; what undo leaves
// alone it keeps until forced, and a write that changes nothing leaves the last one to undo.
TEST_F(Cli, AnotherStyleIsKeptAndUndoKeepsWhatItLeavesAlone)
{
    test::makeFiles(dir.path(), {"1_home.png", "1_away.png"}, test::pngSignature);
    ASSERT_EQ(cli({"--style", "kit", dir.path().string()}).exitStatus, 0);
    const std::string kits = readFile(dir / "config.xml");
    const std::string kept = "kept: @: maps kit records; use --update or --restyle\n1 folder "
                             "kept in its own style\n";
    const std::string left = "changed since, left alone: @/config.xml\nUndo: 0 config.xml files "
                             "put back, 0 removed; 1 changed since, left alone (crestmap-cli "
                             "--undo --force puts it back over the edit)\n";
    expectSteps({{{"@"}, {0, kept}}, {{"@/1_home.png"}, {0, kept}}});
    EXPECT_EQ(readFile(dir / "config.xml"), kits);
    expectSteps(
        {{{"--restyle", "--style", "icon", "@"},
          {0,
           "Wrote 2 records to @/config.xml; 2 records of the replaced config.xml are not in the "
           "new one\n",
           "replaced @/config.xml: 2 records it held are not in the new one; crestmap-cli --undo "
           "puts it back\n"}},
         {{"--update", "@"},
          {0, "@/config.xml is unchanged: it already holds these 2 records\n"}}});
    writeFile(dir / "config.xml", readFile(dir / "config.xml") + "<!-- my note -->");
    expectSteps(
        {{{"--undo"}, {1, left}},
         {{"--undo", "--force"},
          {0, "put back: @/config.xml\nUndo: 1 config.xml put back, 0 removed\n"}},
         {{"--undo"}, {1, "", "crestmap-cli: Nothing to undo: no write has been kept to undo\n"}}});
    EXPECT_EQ(readFile(dir / "config.xml"), kits);
}

// Another program's config.xml is not replaced without a word, and the way back is told; where no
// journal can be kept, what a write took away is not promised back.
TEST_F(Cli, AReplacedFileIsNamedWithTheWayBackIfThereIsOne)
{
    test::makeFiles(dir.path(), {"1_home.png"});
    writeFile(dir / "cache", "a file, so no folder can be made in it");
    const std::string settings = "<settings><volume>3</volume></settings>";
    const std::string kits = expectedDocument({expectedRecord("1_home", "team/1/kits/home")});
    const std::string wrote = "Wrote 1 record to @/config.xml";
    const std::string notMine =
        "replaced @/config.xml: it was not a mapping file; crestmap-cli --undo puts it back\n";
    const std::vector<std::string> restyle{"--restyle", "--style", "icon", "@"};
    const std::string noJournal =
        "crestmap-cli: Undo is not available: cannot make @/cache/crestmap/undo: Not a directory\n";
    // clang-format off
    const std::vector<std::tuple<std::string, bool, std::vector<std::string>, Outcome>> cases{
        {settings, true, {"--style", "icon", "@"}, {0, wrote + "\n", notMine}},
        {settings, true, restyle, {0, wrote + "\n", notMine}},
        {"", true, {"@"}, {0, wrote + "\n"}}, // an empty file held nothing to name
        {settings, false, restyle, {0, wrote + "\n", "replaced @/config.xml: it was not a mapping file; Undo is not available to put it back\n" + noJournal}},
        {kits, false, restyle, {0, wrote + "; 1 record of the replaced config.xml is not in the new one\n",
         "replaced @/config.xml: 1 record it held is not in the new one; Undo is not available to put it back\n" + noJournal}},
    };
    // clang-format on
    for (const auto& [old, journal, args, outcome] : cases) {
        writeFile(dir / "config.xml", old);
        std::optional<test::CacheFolder> unwritable;
        if (!journal) {
            unwritable.emplace(dir / "cache");
        }
        expectSteps({{args, outcome}});
    }
}

// A pack's CI reads these lines: every text field valid JSON whatever the name, with its bytes
// beside it when they are not UTF-8, no style where a folder has none, and a line for each file
// without a record; a clash alone fails a check.
TEST_F(Cli, JsonLinesHoldEveryNameAndEveryFileWithoutARecord)
{
    const std::string odd = "q\"b\\c\xC2\x85";
    test::makeFiles(dir.path(), {odd + "/1.png", odd + "/1.jpg", "bad\xFF/2.png", "bad\xFF/X.PNG"},
                    test::pngSignature);
    test::makeFiles(dir.path(), {"new/3.png"}, test::pngSignature);
    ASSERT_EQ(cli({"-r", dir.path().string()}).exitStatus, 0);
    fs::remove(dir / "new/config.xml");
    const Outcome check = cli({"-r", "--check", "--format", "json", dir.path().string()});
    EXPECT_EQ(check.exitStatus, 1) << "1.png and 1.jpg map to one picture";
    std::map<std::string, nlohmann::json> folders;
    std::set<std::pair<std::string, std::string>> clashes;
    std::set<std::string> skipped;
    std::istringstream stream(check.out);
    for (std::string line; std::getline(stream, line);) {
        const auto object = nlohmann::json::parse(line);
        if (object.contains("state")) {
            folders[object.value("folder", "")] = object;
        } else if (object.contains("no_record")) {
            skipped.insert(object.value("no_record", ""));
        } else {
            clashes.emplace(object.value("image", ""), object.value("other", ""));
        }
    }
    ASSERT_EQ(folders.size(), 3u) << check.out;
    EXPECT_EQ(folders[dir / odd].value("style", ""), "club logo");
    EXPECT_TRUE(folders[dir / "new"]["style"].is_null()) << check.out;
    EXPECT_EQ(folders[dir / "new"]["state"], "missing");
    EXPECT_EQ(folders[dir / "new"]["images"], 1) << "a check's line counts images as a write's";
    const auto bad = folders.find(dir / "bad\xEF\xBF\xBD");
    ASSERT_NE(bad, folders.end()) << check.out;
    EXPECT_TRUE(bad->second.value("folder_hex", "").ends_with("2f626164ff")) << check.out;
    EXPECT_EQ(skipped, std::set<std::string>{"extension case"});
    const std::string png = dir / (odd + "/1.png");
    const std::string jpg = dir / (odd + "/1.jpg");
    EXPECT_EQ(clashes, (std::set<std::pair<std::string, std::string>>{{png, jpg}, {jpg, png}}));
}

// The names of the choices live in the core's table: each reaches the document as its word, and
// the manual page and the completion script offer the same ones.
TEST_F(Cli, EveryChoiceReachesTheDocumentAndIsOfferedEverywhere)
{
    const std::string manual = readFile(CRESTMAP_SOURCE_DIR "/cli/crestmap-cli.1");
    const std::string completion =
        readFile(CRESTMAP_SOURCE_DIR "/cli/crestmap-cli.bash-completion");
    writeFile(dir / "12_home.png", "");
    const std::vector<std::pair<std::vector<std::string>, std::span<const Choice>>> groups{
        {{"--style"}, graphicStyleChoices},
        {{"--logo-type"}, logoTypeChoices},
        {{"--style", "kit", "--kit-type"}, kitTypeChoices},
        {{"--style", "background", "--background-type"}, backgroundTypeChoices}};
    for (const auto& [options, choices] : groups) {
        std::set<std::string> documents; // an ignored option would give one for every choice
        std::string names;
        for (const Choice& choice : choices) {
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
        EXPECT_EQ(documents.size(), choices.size()) << options.back();
        EXPECT_TRUE(
            has(completion,
                options.back() + ")\n        mapfile -t COMPREPLY < <(compgen -W '" + names + "'"))
            << options.back();
    }
    // Every option the help names, the completion offers and the manual explains.
    const std::string help = cli({"--help"}).out;
    const std::regex option("--[a-z][a-z-]+");
    std::size_t options = 0;
    for (auto at = std::sregex_iterator(help.begin(), help.end(), option);
         at != std::sregex_iterator(); ++at, ++options) {
        EXPECT_TRUE(has(completion, at->str())) << at->str();
        EXPECT_TRUE(has(manual, "\\-\\-" + at->str().substr(2))) << at->str();
    }
    EXPECT_GE(options, 14u) << help;
}

} // namespace
} // namespace crestmap
