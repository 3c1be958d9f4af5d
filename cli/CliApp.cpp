#include "CliApp.h"

#include "ConfigBuilder.h"
#include "FileNames.h"
#include "FolderListing.h"
#include "StyleSelectors.h"

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

constexpr const char* examples = R"(Examples:
  crestmap-cli ~/graphics/logos/clubs
      writes ~/graphics/logos/clubs/config.xml from every .png, .jpg and .jpeg in it
  crestmap-cli --style kit --kit-type texture 1234_home.png 1234_away.png
      maps the two kit textures, in that order, in ./config.xml
  crestmap-cli --style background --background-type stadium --stdout pics/ | less
      shows the document without writing anything
)";

struct Request {
    StyleSelectors styles;
    std::vector<std::string> inputs;
    bool toStdout = false;
    bool folder = false; ///< the one input is a folder
};

struct Inputs {
    std::string configPath;
    std::vector<std::string> files;
};

int usageError(std::ostream& err, const std::string& message)
{
    err << programName << ": " << message << "\nTry '" << programName
        << " --help' for more information.\n";
    return UsageError;
}

std::string plural(std::size_t count, std::string_view word)
{
    std::string text = std::to_string(count) + ' ';
    text += word;
    if (count != 1) {
        text += 's';
    }
    return text;
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
        const fs::file_status status = fs::status(input, error);
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
    return std::nullopt;
}

// With a folder, its images; with image files, the files themselves beside the first.
bool collectInputs(Request& request, Inputs& inputs, std::ostream& err)
{
    const std::string& first = request.inputs.front();
    if (!request.folder) {
        inputs.configPath = configPathBeside(first);
        inputs.files = std::move(request.inputs);
        return true;
    }
    FolderListing listing = listImages(first);
    if (!listing) {
        err << programName << ": " << listing.error << '\n';
        return false;
    }
    inputs.configPath = configPathIn(first);
    inputs.files = std::move(listing.images);
    return true;
}

int printDocument(const Inputs& inputs, StylePair style, std::ostream& out, std::ostream& err)
{
    const auto records = ConfigBuilder::streamDocument(
        inputs.files, style.graphicStyle, style.subType, [&out](std::string_view piece) {
            out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
            return static_cast<bool>(out);
        });
    if (!records || !out.flush()) {
        err << programName << ": cannot write to standard output\n";
        return Failed;
    }
    return Written;
}

int writeDocument(const Inputs& inputs, StylePair style, std::ostream& out, std::ostream& err)
{
    const WriteResult result = ConfigBuilder::writeConfig(inputs.configPath, inputs.files,
                                                          style.graphicStyle, style.subType, err);
    if (!result) {
        return Failed;
    }
    std::error_code error;
    const fs::path shown = fs::absolute(inputs.configPath, error).lexically_normal();
    out << "Wrote " << plural(result.records, "record") << " to "
        << (error ? inputs.configPath : shown.string());
    if (const std::size_t skipped = inputs.files.size() - result.records; skipped > 0) {
        out << " (" << plural(skipped, "file") << " had no mapping for this style)";
    }
    out << '\n';
    return Written;
}

} // namespace

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    Request request;
    CLI::App app{"Writes config.xml, the file that maps a folder of images to the game's "
                 "pictures.\n\nUsage: crestmap-cli [OPTIONS] FOLDER\n"
                 "       crestmap-cli [OPTIONS] IMAGE...\n\n"
                 "With a FOLDER, maps its .png, .jpg and .jpeg entries into FOLDER/config.xml.\n"
                 "With IMAGEs, maps each one, in the order given, into config.xml in the folder "
                 "of the first.",
                 programName};
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
    app.add_flag("--stdout", request.toStdout,
                 "Print the document instead of writing config.xml; nothing on disk changes");
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

    Inputs inputs;
    if (!collectInputs(request, inputs, err)) {
        return Failed;
    }
    const StylePair style = request.styles.stylePair();
    return request.toStdout ? printDocument(inputs, style, out, err)
                            : writeDocument(inputs, style, out, err);
}

} // namespace crestmap::cli
