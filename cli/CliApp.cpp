#include "CliApp.h"

#include "ConfigBuilder.h"
#include "ConfigCheck.h"
#include "FileNames.h"
#include "PackWalk.h"
#include "StyleChoices.h"
#include "StyleSelectors.h"
#include "SystemNames.h"
#include "WriteAccount.h"

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
               std::span<const Choice> choices, std::int64_t& target)
{
    std::vector<std::string> names;
    for (const Choice& choice : choices) {
        names.emplace_back(choice.name);
    }
    app.add_option_function<std::string>(
           option,
           [choices, &target](const std::string& name) {
               target = choiceNamed(choices, name)->value;
           },
           help)
        ->check(CLI::IsMember(names));
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

// Keeps the figures, and with --verbose names each file without a record, and why.
class Account : public WriteTally {
public:
    Account(bool verbose, std::ostream& err) : m_verbose(verbose), m_err(err) {}

    void entry(const EntryAccount& entry) override
    {
        WriteTally::entry(entry);
        if (m_verbose && entry.reason) {
            m_err << (entry.folder.empty() ? std::string(entry.name)
                                           : joinPath(entry.folder, entry.name))
                  << ": " << describeSkipReason(*entry.reason) << '\n';
        }
    }

private:
    bool m_verbose;
    std::ostream& m_err;
};

int printDocument(const Request& request, StylePair style, std::ostream& out, std::ostream& err)
{
    const auto sink = [&out](std::string_view piece) {
        out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        return static_cast<bool>(out);
    };
    Account account(request.verbose, err);
    std::string error;
    if (request.folder) {
        error = ConfigBuilder::streamFolderDocument(request.inputs.front(), style, sink, &account);
    } else if (!ConfigBuilder::streamDocument(request.inputs, style.graphicStyle, style.subType,
                                              sink, &account)) {
        error = "cannot write to standard output";
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
int write(const Request& request, StylePair style, std::ostream& out, std::ostream& err)
{
    Account account(request.verbose, err);
    if (!request.folder) {
        const std::string configPath = configPathBeside(request.inputs.front());
        (void)ConfigBuilder::writeConfig(configPath, request.inputs, style.graphicStyle,
                                         style.subType, err, &account);
    } else {
        (void)writePack(request.inputs.front(), style, account, err, request.recursive);
    }
    if (!request.recursive) {
        if (account.foldersFailed() > 0) {
            return Failed;
        }
        out << "Wrote " << countOf(account.records(), "record") << " to "
            << shown(account.lastConfigPath()) << skippedSuffix(account.skipped()) << '\n';
        return Written;
    }
    out << "Wrote " << countOf(account.records(), "record") << " in "
        << countOf(account.foldersWritten(), "folder");
    if (account.foldersFailed() > 0) {
        out << "; " << countOf(account.foldersFailed(), "folder") << " could not be written";
    }
    out << skippedSuffix(account.skipped()) << '\n';
    return account.foldersFailed() == 0 ? Written : Failed;
}

int checkPack(const Request& request, StylePair style, std::ostream& out, std::ostream& err)
{
    Account account(request.verbose, err);
    const PackCheck pack = crestmap::checkPack(
        request.inputs.front(), style, request.recursive,
        [&](const std::string& folder, const ConfigCheck& check) {
            const std::string path = shown(configPathIn(folder));
            switch (check.state) {
            case ConfigCheck::State::Failed:
                err << programName << ": " << check.detail << '\n';
                break;
            case ConfigCheck::State::Missing:
                out << "missing: " << path << '\n';
                break;
            case ConfigCheck::State::NotMapping:
                out << "not a mapping file: " << path << '\n';
                break;
            case ConfigCheck::State::Stale:
                out << "stale: " << path << ": " << check.detail << '\n';
                break;
            case ConfigCheck::State::Current:
            case ConfigCheck::State::Skipped:
                break;
            }
        },
        &account);
    if (pack.allCurrent()) {
        out << (pack.checked == 1
                    ? "config.xml is current"
                    : "All " + countOf(pack.checked, "config.xml file") + " are current")
            << '\n';
        return Written;
    }
    out << pack.outdated << " of " << countOf(pack.checked, "config.xml file")
        << " missing or stale";
    if (pack.failed > 0) {
        out << "; " << countOf(pack.failed, "folder") << " could not be read";
    }
    out << '\n';
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
    addChoice(app, "--style", "What the images are (default: logo)", graphicStyleChoices,
              request.styles.graphicStyle);
    addChoice(app, "--logo-type", "Whose logos, icons or logo backgrounds (default: club)",
              logoTypeChoices, request.styles.logoType);
    addChoice(app, "--kit-type", "Kits or kit textures (default: kit)", kitTypeChoices,
              request.styles.kitType);
    addChoice(app, "--background-type", "Whose backgrounds (default: team)", backgroundTypeChoices,
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
    return write(request, style, out, err);
}

} // namespace crestmap::cli
