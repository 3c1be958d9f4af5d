#include "CliApp.h"

#include "ConfigBuilder.h"
#include "ConfigCheck.h"
#include "FileNames.h"
#include "PackWalk.h"
#include "StyleSelectors.h"
#include "SystemNames.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace crestmap::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* programName = "crestmap-cli";

const std::map<std::string, std::int64_t> styleNames{
    {"logo", GraphicStyle::Logo},
    {"icon", GraphicStyle::Icon},
    {"logo-left", GraphicStyle::LogoBackgroundLeft},
    {"logo-right", GraphicStyle::LogoBackgroundRight},
    {"portrait", GraphicStyle::Portrait},
    {"kit", GraphicStyle::Kit},
    {"background", GraphicStyle::Background},
};
const std::map<std::string, std::int64_t> logoTypeNames{
    {"club", 1}, {"nation", 2}, {"comp", 3}, {"media_source", 4}};
const std::map<std::string, std::int64_t> kitTypeNames{{"kit", 1}, {"texture", 2}};
const std::map<std::string, std::int64_t> backgroundTypeNames{
    {"team", 1}, {"stadium", 2}, {"comp", 3}, {"person", 4}};

constexpr const char* usage = "Usage: crestmap-cli [OPTIONS] FOLDER\n"
                              "       crestmap-cli [OPTIONS] IMAGE...\n"
                              "       crestmap-cli [OPTIONS] --recursive [--check] FOLDER\n";

constexpr const char* examples = R"(Examples:
  crestmap-cli ~/graphics/logos/clubs
      writes ~/graphics/logos/clubs/config.xml from every .png, .jpg and .jpeg in it
  crestmap-cli --style kit --kit-type texture 1234_home.png 1234_away.png
      maps the two kit textures, in that order, in ./config.xml
  crestmap-cli --style background --background-type stadium --stdout pics/ | less
      shows the document without writing anything
  crestmap-cli --recursive --check ~/graphics/logos
      lists every config.xml in the pack that is missing or out of date
)";

// CLI11 would print a one-line usage of its own after ours.
class UsageFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App*, std::string) const override { return usage; }
};

struct Request {
    StyleSelectors styles;
    std::vector<std::string> inputs;
    bool toStdout = false;
    bool recursive = false;
    bool check = false;
    bool verbose = false;
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
               const std::map<std::string, std::int64_t>& names, std::int64_t& target)
{
    std::vector<std::string> choices;
    for (const auto& [name, value] : names) {
        choices.push_back(name);
    }
    app.add_option_function<std::string>(
           option, [&names, &target](const std::string& name) { target = names.at(name); }, help)
        ->check(CLI::IsMember(choices));
}

// A folder alone, or one or more existing files; anything else is the user's mistake.
std::optional<std::string> checkInputs(Request& request)
{
    const std::vector<std::string>& inputs = request.inputs;
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
        }
    }
    if ((request.recursive || request.check) && !request.folder) {
        return std::string(request.recursive ? "--recursive" : "--check") +
               " takes one FOLDER, not image files";
    }
    if (request.toStdout && (request.recursive || request.check)) {
        return "--stdout prints one document: it goes with neither --recursive nor --check";
    }
    return std::nullopt;
}

std::string shown(const std::string& path)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(pathFromBytes(path), error).lexically_normal();
    return error ? path : bytesFromPath(absolute);
}

// What a run passed over, after its main figure: "; 2 files without a record (kit name)".
std::string skippedSuffix(const SkipTally& tally)
{
    const std::string text = describeTally(tally);
    return text.empty() ? text : "; " + text;
}

// With --verbose, each file without a record and why, on standard error.
void printSkip(std::ostream& err, const std::string& folder, std::string_view file,
               SkipReason reason)
{
    err << (folder.empty() ? std::string(file) : joinPath(folder, file)) << ": "
        << describeSkipReason(reason) << '\n';
}

SkipObserver verboseObserver(const Request& request, const std::string& folder, std::ostream& err)
{
    if (!request.verbose) {
        return {};
    }
    return [&err, folder](std::string_view file, SkipReason reason) {
        printSkip(err, folder, file, reason);
    };
}

int printDocument(const Request& request, StylePair style, std::ostream& out, std::ostream& err)
{
    DocumentStream stream(
        style,
        [&out](std::string_view piece) {
            out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            return static_cast<bool>(out);
        },
        request.inputs.size(), verboseObserver(request, {}, err));
    bool printed = true;
    if (request.folder) {
        const FolderPass pass = streamFolder(request.inputs.front(), stream);
        if (!pass.error.empty()) {
            err << programName << ": " << pass.error << '\n';
            return Failed;
        }
    } else {
        for (const std::string& file : request.inputs) {
            printed = printed && stream.add(file);
        }
    }
    if (!printed || !stream.finish() || !out.flush()) {
        err << programName << ": cannot write to standard output\n";
        return Failed;
    }
    return Written;
}

int writeImages(const Request& request, StylePair style, std::ostream& out, std::ostream& err)
{
    const std::string configPath = configPathBeside(request.inputs.front());
    const WriteResult result =
        ConfigBuilder::writeConfig(configPath, request.inputs, style.graphicStyle, style.subType,
                                   err, verboseObserver(request, {}, err));
    if (!result) {
        return Failed;
    }
    out << "Wrote " << countOf(result.records, "record") << " to " << shown(configPath)
        << skippedSuffix(result.skipped) << '\n';
    return Written;
}

// A folder, and with --recursive every folder below it that holds images.
int writeFolders(const Request& request, StylePair style, std::ostream& out, std::ostream& err)
{
    const std::string& root = request.inputs.front();
    PackOptions options;
    options.recursive = request.recursive;
    if (request.verbose) {
        options.onSkip = [&err](const std::string& folder, std::string_view file,
                                SkipReason reason) { printSkip(err, folder, file, reason); };
    }
    const PackResult pack = writePack(root, style, err, options);
    if (!request.recursive) {
        if (!pack.failures.empty()) {
            return Failed;
        }
        out << "Wrote " << countOf(pack.records, "record") << " to " << shown(configPathIn(root))
            << skippedSuffix(pack.skipped) << '\n';
        return Written;
    }
    out << "Wrote " << countOf(pack.records, "record") << " in "
        << countOf(pack.foldersWritten, "folder");
    if (!pack.failures.empty()) {
        out << "; " << countOf(pack.failures.size(), "folder") << " could not be written";
    }
    out << skippedSuffix(pack.skipped) << '\n';
    return pack.failures.empty() ? Written : Failed;
}

int checkPack(const Request& request, StylePair style, std::ostream& out, std::ostream& err)
{
    const std::string& root = request.inputs.front();
    std::size_t checked = 0;
    std::size_t outdated = 0;
    bool failed = false;
    walkFolders(root, [&](const std::string& folder, std::vector<std::string>& subfolders) {
        FolderWriteOptions options;
        options.onlyWithImages = folder != root;
        options.subfolders = request.recursive ? &subfolders : nullptr;
        options.onSkip = verboseObserver(request, folder, err);
        const ConfigCheck result = checkFolderConfig(folder, style, options);
        const std::string path = shown(configPathIn(folder));
        switch (result.state) {
        case ConfigCheck::State::Skipped:
            return;
        case ConfigCheck::State::Failed:
            failed = true;
            err << programName << ": " << result.detail << '\n';
            return;
        case ConfigCheck::State::Current:
            break;
        case ConfigCheck::State::Missing:
            out << "missing: " << path << '\n';
            break;
        case ConfigCheck::State::NotMapping:
            out << "not a mapping file: " << path << '\n';
            break;
        case ConfigCheck::State::Stale:
            out << "stale: " << path << ": " << result.detail << '\n';
            break;
        }
        ++checked;
        outdated += result.current() ? 0 : 1;
    });
    if (outdated == 0 && !failed) {
        out << (checked == 1 ? "config.xml is current"
                             : "All " + countOf(checked, "config.xml file") + " are current")
            << '\n';
        return Written;
    }
    out << outdated << " of " << countOf(checked, "config.xml file") << " missing or stale\n";
    return Failed;
}

} // namespace

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    Request request;
    CLI::App app{"Writes config.xml, the file that maps a folder of images to the game's "
                 "pictures.\n\n"
                 "With a FOLDER, maps its .png, .jpg and .jpeg entries into FOLDER/config.xml.\n"
                 "With IMAGEs, maps each one, in the order given, into config.xml in the folder "
                 "of the first.\n",
                 programName};
    app.formatter(std::make_shared<UsageFormatter>());
    // On Windows CLI11 would read "/tmp/logos" as an option; only - and -- begin one here.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string(programName) + " " CRESTMAP_VERSION);
    app.footer(examples);
    addChoice(app, "--style", "What the images are (default: logo)", styleNames,
              request.styles.graphicStyle);
    addChoice(app, "--logo-type", "Whose logos, icons or logo backgrounds (default: club)",
              logoTypeNames, request.styles.logoType);
    addChoice(app, "--kit-type", "Kits or kit textures (default: kit)", kitTypeNames,
              request.styles.kitType);
    addChoice(app, "--background-type", "Whose backgrounds (default: team)", backgroundTypeNames,
              request.styles.backgroundType);
    app.add_flag("-r,--recursive", request.recursive,
                 "Also write config.xml in every folder below FOLDER that holds images");
    app.add_flag("--check", request.check,
                 "Write nothing; list each config.xml that is missing or out of date (exit 1)");
    app.add_flag("--stdout", request.toStdout,
                 "Print the document instead of writing config.xml; nothing on disk changes");
    app.add_flag("-v,--verbose", request.verbose,
                 "List each file that gets no record, and why, on standard error");
    app.add_option("FOLDER|IMAGE", request.inputs, "A folder, or one or more image files")
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
    const StylePair style = request.styles.stylePair();
    if (request.check) {
        return checkPack(request, style, out, err);
    }
    if (request.toStdout) {
        return printDocument(request, style, out, err);
    }
    return request.folder ? writeFolders(request, style, out, err)
                          : writeImages(request, style, out, err);
}

} // namespace crestmap::cli
