#include "CliApp.h"

#include "CliReport.h"
#include "CliWords.h"
#include "ConfigBuilder.h"
#include "FileNames.h"
#include "PackWalk.h"
#include "StyleChoices.h"
#include "SystemNames.h"
#include "UndoRecorder.h"
#include "UndoReplay.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace crestmap::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* programName = "crestmap-cli";

constexpr const char* usage = "Usage: crestmap-cli [OPTIONS] FOLDER\n"
                              "       crestmap-cli [OPTIONS] IMAGE...\n"
                              "       crestmap-cli [OPTIONS] --recursive [--update | --restyle] "
                              "[--check] FOLDER\n"
                              "       crestmap-cli --undo [--force]\n";

// Paths that read the same in a Windows console and a POSIX shell.
constexpr const char* examples = R"(Examples:
  crestmap-cli graphics/logos/clubs
      writes config.xml in graphics/logos/clubs from every .png, .jpg and .jpeg in it
  crestmap-cli --style kit --kit-type texture 1234_home.png 1234_away.png
      maps the two kit textures, in that order, in config.xml beside them
  crestmap-cli --style background --background-type stadium --stdout stadiums
      prints the document without writing anything
  crestmap-cli --recursive --update graphics
      rewrites every config.xml of a pack in the style it already uses
  crestmap-cli --recursive --check graphics/logos
      lists every config.xml in the pack that is missing or out of date
  crestmap-cli --undo
      puts back what the last write replaced
)"
#ifdef _WIN32
                                 "\nREADME.txt, beside crestmap-cli.exe, tells more.\n";
#else
                                 "\nThe manual page, crestmap-cli(1), tells more.\n";
#endif

// CLI11 would print a one-line usage of its own after ours.
class UsageFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App*, std::string) const override { return usage; }
};

struct Request {
    StyleSelectors styles;
    bool styleGiven = false;
    std::vector<std::string> inputs;
    bool toStdout = false;
    bool recursive = false;
    bool check = false;
    bool update = false;
    bool restyle = false;
    bool verify = false;
    bool verbose = false;
    bool undo = false;
    bool force = false;
    Format format = Format::Text;
    bool folder = false; ///< the one input is a folder
};

int usageError(std::ostream& err, const std::string& message)
{
    err << programName << ": " << message << "\nTry '" << programName
        << " --help' for more information.\n";
    return UsageError;
}

// Only the names are accepted: the numbers behind them are not part of the interface.
void addChoice(CLI::App& app, const std::string& option, const std::string& help,
               std::span<const Choice> choices, std::int64_t& target, bool& given)
{
    std::vector<std::string> names;
    for (const Choice& choice : choices) {
        names.emplace_back(choice.name);
    }
    app.add_option_function<std::string>(
           option,
           [choices, &target, &given](const std::string& name) {
               target = choiceNamed(choices, name)->value;
               given = true;
           },
           help)
        ->check(CLI::IsMember(names));
}

// The one form every path takes in messages and in the account: absolute, with the system's
// separators.
std::string absolute(const std::string& path)
{
    std::error_code error;
    fs::path whole = fs::absolute(pathFromBytes(path), error);
    if (error) {
        return path;
    }
    whole.make_preferred();
    // "." and trailing separators go; ".." stays, for a link it follows is the system's to read.
    fs::path tidy;
    for (const fs::path& part : whole) {
        if (part != "." && !part.empty()) {
            tidy /= part;
        }
    }
    return bytesFromPath(tidy);
}

// A folder alone, or one or more existing image files of one folder; anything else is the
// user's mistake.
std::optional<std::string> checkInputs(Request& request)
{
    if (request.undo) {
        const bool alone = request.inputs.empty() && !request.styleGiven && !request.recursive &&
                           !request.check && !request.update && !request.restyle &&
                           !request.verify && !request.toStdout;
        return alone ? std::nullopt
                     : std::optional<std::string>(
                           "--undo takes no FOLDER, IMAGE or other option but --force");
    }
    if (request.force) {
        return "--force goes with --undo only";
    }
    std::vector<std::string>& inputs = request.inputs;
    if (inputs.empty()) {
        return "a FOLDER or IMAGE is required";
    }
    bool anyImage = false;
    for (std::string& input : inputs) {
        std::error_code error;
        const fs::file_status status = fs::status(pathFromBytes(input), error);
        if (!fs::exists(status)) {
            if (error && error != std::errc::no_such_file_or_directory) {
                return "cannot access " + input + ": " + error.message();
            }
            return "no such file or folder: " + input;
        }
        input = absolute(input);
        if (fs::is_directory(status)) {
            if (inputs.size() > 1) {
                return "a folder must be the only argument: " + input;
            }
            request.folder = true;
            continue;
        }
        anyImage = anyImage || classifyEntryName(lastPathComponent(input)) == EntryName::Image;
        if (parentFolderOf(input) != parentFolderOf(inputs.front())) {
            return "the images must all be in one folder, as config.xml goes beside them: " +
                   parentFolderOf(inputs.front()) + " and " + parentFolderOf(input);
        }
    }
    if (!request.folder && !anyImage) {
        return "none of the files is a .png, .jpg or .jpeg image (in lower case)";
    }
    for (const auto& [flag, set] : {std::pair{"--recursive", request.recursive},
                                    {"--check", request.check},
                                    {"--update", request.update}}) {
        if (set && !request.folder) {
            return std::string(flag) + " takes one FOLDER, not image files";
        }
    }
    if (request.toStdout &&
        (request.recursive || request.check || request.update || request.format == Format::Json)) {
        return "--stdout prints one document: it goes with none of --recursive, --check, "
               "--update and --format json";
    }
    if (request.update && request.restyle) {
        return "--update keeps each folder's own style and --restyle replaces it: choose one";
    }
    if (request.restyle && !request.styleGiven) {
        return "--restyle writes every folder in the style given: give --style (and its type)";
    }
    return std::nullopt;
}

// Output that could not be written is a failure too, however the rest went.
int finished(int status, std::ostream& out, std::ostream& err)
{
    if (!out.flush()) {
        err << programName << ": cannot write to standard output\n";
        return Failed;
    }
    return status;
}

// What writePack and checkPack are asked, with the rule that picks each folder's style.
PackRequest packRequest(const Request& request, StyleRule rule)
{
    PackRequest pack;
    pack.rule = rule;
    pack.recursive = request.recursive;
    pack.verifyImages = request.verify || request.check;
    // An update without a style given takes each folder's own, and writes no other.
    if (request.styleGiven || rule != StyleRule::Update) {
        pack.style = request.styles.stylePair();
    }
    if (!request.folder) {
        pack.images = request.inputs;
    }
    return pack;
}

int printDocument(const Request& request, std::ostream& out, std::ostream& err)
{
    const auto sink = [&out](std::string_view piece) {
        out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        return static_cast<bool>(out);
    };
    const StylePair style = request.styles.stylePair();
    CliReport report(Format::Text, request.verbose, out, err);
    if (request.folder) {
        bool refused = false;
        if (const auto error = ConfigBuilder::streamFolderDocument(request.inputs.front(), style,
                                                                   sink, refused, &report)) {
            err << programName << ": " << describeForLog(*error) << '\n';
            return Failed;
        }
    } else {
        (void)ConfigBuilder::streamDocument(request.inputs, style, sink, &report);
    }
    return finished(Written, out, err);
}

// Images one by one, or a folder, and with --recursive every folder below it that holds images;
// a folder whose config.xml maps another style, or was cut short, is kept unless --restyle or
// --update says.
int write(const Request& request, std::ostream& out, std::ostream& err)
{
    CliReport report(request.format, request.verbose, out, err);
    const std::string& first = request.inputs.front();
    const std::string root = request.folder ? first : parentFolderOf(first);
    UndoRecorder journal(report, programName, root);
    const StyleRule rule = request.update    ? StyleRule::Update
                           : request.restyle ? StyleRule::AsAsked
                                             : StyleRule::KeepOwn;
    (void)writePack(root, packRequest(request, rule), journal, err);
    if (!journal.seal()) {
        err << programName << ": Undo is not available: " << describeForLog(*journal.error())
            << '\n';
    }
    using Outcome = FolderAccount::Outcome;
    const std::size_t failed =
        report.folders(Outcome::Unwritable) + report.folders(Outcome::Unreadable);
    // A lone folder that failed has said why; a summary would only repeat it.
    if (failed == 0 || report.folders(Outcome::Written) > 0 || request.recursive) {
        report.summary(factLine(report.facts()));
    }
    return finished(failed > 0 ? Failed : Written, out, err);
}

int check(const Request& request, std::ostream& out, std::ostream& err)
{
    CliReport report(request.format, request.verbose, out, err);
    const StyleRule rule = request.styleGiven ? StyleRule::AsAsked : StyleRule::Update;
    const PackCheck result = checkPack(request.inputs.front(), packRequest(request, rule),
                                       std::bind_front(&CliReport::checked, &report), &report);
    report.summary(factLine(result.facts(report)));
    return finished(result.allCurrent() ? Written : Failed, out, err);
}

int undo(const Request& request, std::ostream& out, std::ostream& err)
{
    const UndoOutcome outcome = undoLastWrite(undoFolder(), {{}, request.force});
    if (outcome.nothing != UndoOutcome::Nothing::No) {
        err << programName << ": " << nothingWords(outcome) << '\n';
        return Failed;
    }
    CliReport report(request.format, request.verbose, out, err);
    report.undone(outcome);
    return finished(outcome.keeps() ? Failed : Written, out, err);
}

// How wide the terminal is; 80 columns when it cannot tell.
std::size_t consoleWidth()
{
#ifdef _WIN32
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (::GetConsoleScreenBufferInfo(::GetStdHandle(STD_OUTPUT_HANDLE), &info)) {
        return static_cast<std::size_t>(info.srWindow.Right - info.srWindow.Left + 1);
    }
#else
    winsize size{};
    if (::isatty(STDOUT_FILENO) != 0 && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 &&
        size.ws_col > 0) {
        return size.ws_col;
    }
    if (const char* columns = std::getenv("COLUMNS");
        columns != nullptr && std::atoi(columns) > 0) {
        return static_cast<std::size_t>(std::atoi(columns));
    }
#endif
    return 80;
}

} // namespace

std::string wrapped(const std::string& text, std::size_t width)
{
    // A line too long for the console breaks between words, each new line under the start of
    // its description, so that no word is cut at the edge.
    std::istringstream lines(text);
    std::string out;
    for (std::string line; std::getline(lines, line);) {
        std::size_t indent = line.find_first_not_of(' ');
        const auto gap = line.find("  ", indent == std::string::npos ? 0 : indent);
        if (gap != std::string::npos && line.find_first_not_of(' ', gap) != std::string::npos) {
            indent = line.find_first_not_of(' ', gap);
        }
        indent = indent == std::string::npos || indent > width / 2 ? 4 : indent;
        while (line.size() > width) {
            auto cut = line.rfind(' ', width);
            if (cut == std::string::npos || cut <= indent) {
                cut = line.find(' ', width);
            }
            if (cut == std::string::npos) {
                break;
            }
            out += line.substr(0, cut) + '\n';
            line = std::string(indent, ' ') + line.substr(line.find_first_not_of(' ', cut));
        }
        out += line + '\n';
    }
    return out;
}

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    Request request;
    CLI::App app{"Writes config.xml, the file that maps a folder of images to the game's "
                 "pictures.\n\n"
                 "With a FOLDER, maps its .png, .jpg and .jpeg entries into FOLDER/config.xml.\n"
                 "With IMAGEs, maps each one, in the order given, into config.xml in their "
                 "folder.\n"
                 "A folder whose config.xml maps another style is kept unless --update or "
                 "--restyle says otherwise.\n",
                 programName};
    app.formatter(std::make_shared<UsageFormatter>());
    // On Windows CLI11 would read "/tmp/logos" as an option; only - and -- begin one here.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string(programName) + " " CRESTMAP_VERSION);
    app.footer(examples);
    StyleSelectors& styles = request.styles;
    bool& given = request.styleGiven;
    addChoice(app, "--style", "What the images are (default: logo)", graphicStyleChoices,
              styles.graphicStyle, given);
    addChoice(app, "--logo-type", "Whose logos, icons or logo backgrounds (default: club)",
              logoTypeChoices, styles.logoType, given);
    addChoice(app, "--kit-type", "Kits or kit textures (default: kit)", kitTypeChoices,
              styles.kitType, given);
    addChoice(app, "--background-type", "Whose backgrounds (default: team)", backgroundTypeChoices,
              styles.backgroundType, given);
    app.add_flag("-r,--recursive", request.recursive,
                 "Also write config.xml in every folder below FOLDER that holds images");
    app.add_flag("--update", request.update,
                 "Rewrite each config.xml in the style it already uses; with a style option, "
                 "folders without one get that style");
    app.add_flag("--restyle", request.restyle,
                 "Rewrite folders whose config.xml maps another style too, in the style given");
    app.add_flag("--check", request.check,
                 "Write nothing; list each config.xml that is missing or out of date, and images "
                 "that clash or would not load (exit 1)");
    app.add_flag("--verify", request.verify, "Also read each image's first bytes as it is mapped");
    app.add_option_function<std::string>(
           "--format",
           [&request](const std::string& format) {
               request.format = format == "json" ? Format::Json : Format::Text;
           },
           "text (the default), or json: one object a folder")
        ->check(CLI::IsMember({"text", "json"}));
    app.add_flag("--stdout", request.toStdout,
                 "Print the document instead of writing config.xml; nothing on disk changes");
    app.add_flag("-v,--verbose", request.verbose,
                 "List each file that gets no record, and each image with a problem, on "
                 "standard error");
    app.add_flag("--undo", request.undo,
                 "Put back what the last write (of crestmap-cli or the window) replaced");
    app.add_flag("--force", request.force,
                 "With --undo, also put back files changed since the write, over the change");
    app.add_option("FOLDER|IMAGE", request.inputs, "A folder, or image files of one folder");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << wrapped(app.help(), consoleWidth());
        return finished(Written, out, err);
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return Written;
    } catch (const CLI::ParseError& error) {
        return usageError(err, error.what());
    }

    if (const auto problem = checkInputs(request)) {
        return usageError(err, *problem);
    }
    if (request.undo) {
        return undo(request, out, err);
    }
    if (request.check) {
        return check(request, out, err);
    }
    if (request.toStdout) {
        return printDocument(request, out, err);
    }
    return write(request, out, err);
}

} // namespace crestmap::cli
