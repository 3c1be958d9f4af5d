#include "CliOptions.h"

#include "StyleChoices.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdlib>
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

// Only the names are accepted: the numbers behind them are not part of the interface.
void addChoice(CLI::App& app, const std::string& option, const std::string& help,
               std::span<const Choice> choices, std::int64_t& target, bool& given)
{
    std::vector<std::string> names(choices.size());
    std::ranges::transform(choices, names.begin(), &Choice::name);
    app.add_option_function<std::string>(
           option,
           [choices, &target, &given](const std::string& name) {
               target = choiceWhere(choices, &Choice::name, name)->value;
               given = true;
           },
           help)
        ->check(CLI::IsMember(names));
}

} // namespace

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

void declareOptions(CLI::App& app, Request& request)
{
    app.name(programName);
    app.description("Writes config.xml, the file that maps a folder of images to the game's "
                    "pictures.\n\n"
                    "With a FOLDER, maps its .png, .jpg and .jpeg entries into FOLDER/config.xml.\n"
                    "With IMAGEs, maps each one, in the order given, into config.xml in their "
                    "folder.\n"
                    "A folder whose config.xml maps another style is kept unless --update or "
                    "--restyle says otherwise.\n");
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
}

std::string wrapped(const std::string& text, std::size_t width)
{
    // A line too long for the console breaks between words, each new line under the start of
    // its description, so that no word is cut at the edge.
    std::istringstream lines(text);
    std::string out;
    for (std::string line; std::getline(lines, line);) {
        std::size_t indent = line.find_first_not_of(' ');
        const auto description = line.find_first_not_of(' ', line.find("  ", indent));
        indent = description != std::string::npos ? description : indent;
        indent = indent == std::string::npos || indent > width / 2 ? 4 : indent;
        while (line.size() > width) {
            auto cut = line.rfind(' ', width);
            if (cut == std::string::npos || cut <= indent) {
                // Past the indent, so that each new line is shorter than the one it came from.
                cut = line.find(' ', std::max(width, indent + 1));
            }
            const auto next = line.find_first_not_of(' ', cut);
            if (next == std::string::npos) {
                line.resize(std::min(cut, line.size()));
                break;
            }
            out += line.substr(0, cut) + '\n';
            line = std::string(indent, ' ') + line.substr(next);
        }
        out += line + '\n';
    }
    return out;
}

} // namespace crestmap::cli
