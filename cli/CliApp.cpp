#include "CliApp.h"

#include "CliReport.h"
#include "ConfigBuilder.h"
#include "FileNames.h"
#include "FolderListing.h"
#include "PackWalk.h"
#include "StyleChoices.h"
#include "SystemNames.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace crestmap::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* programName = "crestmap-cli";

constexpr const char* usage = "Usage: crestmap-cli [OPTIONS] FOLDER\n"
                              "       crestmap-cli [OPTIONS] IMAGE...\n"
                              "       crestmap-cli [OPTIONS] --recursive [--check] FOLDER\n";

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

// The folder an image is in, absolute, to tell whether two images share one.
std::string folderOf(const std::string& image)
{
    return shown(parentFolderOf(shown(image)));
}

// A folder alone, or one or more existing image files of one folder; anything else is the
// user's mistake.
std::optional<std::string> checkInputs(Request& request)
{
    const std::vector<std::string>& inputs = request.inputs;
    bool anyImage = false;
    for (const std::string& input : inputs) {
        std::error_code error;
        const fs::file_status status = fs::status(pathFromBytes(input), error);
        if (!fs::exists(status)) {
            if (error && error != std::errc::no_such_file_or_directory) {
                return "cannot access " + input + ": " + error.message();
            }
            return "no such file or folder: " + input;
        }
        if (fs::is_directory(status)) {
            if (inputs.size() > 1) {
                return "a folder must be the only argument: " + input;
            }
            request.folder = true;
            continue;
        }
        anyImage = anyImage || classifyEntryName(lastPathComponent(input)) != EntryName::Other;
        if (folderOf(input) != folderOf(inputs.front())) {
            return "the images must all be in one folder, as config.xml goes beside them: " +
                   folderOf(inputs.front()) + " and " + folderOf(input);
        }
    }
    if (!request.folder && !anyImage) {
        return "none of the files is a .png, .jpg or .jpeg image";
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
    return std::nullopt;
}

int printDocument(const Request& request, StylePair style, std::ostream& out, std::ostream& err)
{
    const auto sink = [&out](std::string_view piece) {
        out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        return static_cast<bool>(out);
    };
    CliReport report(Format::Text, request.verbose, out, err);
    std::string error;
    if (request.folder) {
        error = ConfigBuilder::streamFolderDocument(request.inputs.front(), style, sink, &report);
    } else {
        (void)ConfigBuilder::streamDocument(request.inputs, style.graphicStyle, style.subType, sink,
                                            &report);
    }
    // A refused piece is the output's fault, whatever the listing said.
    if (!out.flush()) {
        error = "cannot write to standard output";
    }
    if (!error.empty()) {
        err << programName << ": " << error << '\n';
        return Failed;
    }
    return Written;
}

// Images one by one, or a folder, and with --recursive every folder below it that holds images.
int write(const Request& request, std::ostream& out, std::ostream& err)
{
    CliReport report(request.format, request.verbose, out, err);
    if (!request.folder) {
        const StylePair style = request.styles.stylePair();
        (void)ConfigBuilder::writeConfig(configPathBeside(request.inputs.front()), request.inputs,
                                         style.graphicStyle, style.subType, err, &report);
    } else {
        PackRequest pack;
        pack.recursive = request.recursive;
        pack.verifyImages = request.verify;
        pack.rule = request.update                          ? StyleRule::Update
                    : request.recursive && !request.restyle ? StyleRule::KeepOwn
                                                            : StyleRule::AsAsked;
        if (request.styleGiven || !request.update) {
            pack.style = request.styles.stylePair();
        }
        (void)writePack(request.inputs.front(), pack, report, err);
    }
    const bool failed = report.foldersFailed() > 0;
    if (report.json() || (failed && !request.recursive)) {
        return failed ? Failed : Written;
    }
    if (report.foldersWritten() == 1 && !request.recursive) {
        out << "Wrote " << countOf(report.records(), "record") << " to "
            << shown(report.lastConfigPath());
    } else {
        out << "Wrote " << countOf(report.records(), "record") << " in "
            << countOf(report.foldersWritten(), "folder");
    }
    out << report.suffix() << '\n';
    return failed ? Failed : Written;
}

int check(const Request& request, std::ostream& out, std::ostream& err)
{
    CliReport report(request.format, request.verbose, out, err);
    PackRequest pack;
    pack.recursive = request.recursive;
    pack.rule = request.styleGiven ? StyleRule::AsAsked : StyleRule::Update;
    if (request.styleGiven) {
        pack.style = request.styles.stylePair();
    }
    const PackCheck result = checkPack(
        request.inputs.front(), pack,
        [&report](const std::string& folder, const ConfigCheck& check) {
            report.checked(folder, check);
        },
        &report);
    if (report.json()) {
        return result.allCurrent() ? Written : Failed;
    }
    if (result.outdated == 0 && result.failed == 0) {
        out << (result.checked == 1
                    ? std::string("config.xml is current")
                    : "All " + countOf(result.checked, "config.xml file") + " are current");
    } else {
        out << result.outdated << " of " << countOf(result.checked, "config.xml file")
            << " missing or stale";
        if (result.failed > 0) {
            out << "; " << countOf(result.failed, "folder") << " could not be read";
        }
    }
    out << report.suffix() << '\n';
    return result.allCurrent() ? Written : Failed;
}

} // namespace

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    Request request;
    CLI::App app{"Writes config.xml, the file that maps a folder of images to the game's "
                 "pictures.\n\n"
                 "With a FOLDER, maps its .png, .jpg and .jpeg entries into FOLDER/config.xml.\n"
                 "With IMAGEs, maps each one, in the order given, into config.xml in their "
                 "folder.\n",
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
                 "Also write config.xml in every folder below FOLDER that holds images; a "
                 "folder whose config.xml maps another style is kept");
    app.add_flag("--update", request.update,
                 "Rewrite each config.xml in the style it already uses; with a style option, "
                 "folders without one get that style");
    app.add_flag("--restyle", request.restyle,
                 "With --recursive, rewrite folders that use another style too");
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
    app.add_option("FOLDER|IMAGE", request.inputs, "A folder, or image files of one folder")
        ->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return Written;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return Written;
    } catch (const CLI::ParseError& error) {
        return usageError(err, error.what());
    }

    if (const auto problem = checkInputs(request)) {
        return usageError(err, *problem);
    }
    if (request.check) {
        return check(request, out, err);
    }
    if (request.toStdout) {
        return printDocument(request, request.styles.stylePair(), out, err);
    }
    return write(request, out, err);
}

} // namespace crestmap::cli
