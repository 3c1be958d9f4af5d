#include "CliApp.h"

#include "CliOptions.h"
#include "CliReport.h"
#include "CliWords.h"
#include "ConfigBuilder.h"
#include "FileNames.h"
#include "PackWalk.h"
#include "SystemNames.h"
#include "UndoRecorder.h"
#include "UndoReplay.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace crestmap::cli {

namespace {

namespace fs = std::filesystem;

// Passes text on to another stream buffer with its control characters written as escapes
// ("\x1b"), so that a file's name cannot move the cursor, recolour or retitle the terminal.
// Line feeds pass as they are.
class TerminalText : public std::streambuf {
public:
    explicit TerminalText(std::streambuf& target) : m_target(target) {}

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        const auto byte = static_cast<unsigned char>(traits_type::to_char_type(c));
        // U+0080 to U+009F, as UTF-8 writes them, are controls to a terminal too.
        if (std::exchange(m_lead, false)) {
            if (byte >= 0x80 && byte <= 0x9f) {
                return escape(0xc2) && escape(byte) ? c : traits_type::eof();
            }
            if (!put(0xc2)) {
                return traits_type::eof();
            }
        }
        if (byte == 0xc2) {
            m_lead = true;
            return c;
        }
        const bool control = (byte < 0x20 && byte != '\n') || byte == 0x7f;
        return (control ? escape(byte) : put(byte)) ? c : traits_type::eof();
    }

    int sync() override
    {
        return std::exchange(m_lead, false) && !put(0xc2) ? -1 : m_target.pubsync();
    }

private:
    bool put(unsigned char byte)
    {
        return m_target.sputc(static_cast<char>(byte)) != traits_type::eof();
    }

    bool escape(unsigned char byte)
    {
        constexpr std::string_view hex = "0123456789abcdef";
        return put('\\') && put('x') && put(hex[byte >> 4]) && put(hex[byte & 0xf]);
    }

    std::streambuf& m_target;
    bool m_lead = false; ///< a 0xC2 held back: with the next byte it may be a C1 control
};

int usageError(std::ostream& err, const std::string& message)
{
    err << programName << ": " << message << "\nTry '" << programName
        << " --help' for more information.\n";
    return UsageError;
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
        if (!request.inputs.empty() || request.styleGiven || request.recursive || request.check ||
            request.update || request.restyle || request.verify || request.toStdout) {
            return "--undo takes no FOLDER, IMAGE or other option but --force";
        }
        return std::nullopt;
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
            return error && error != std::errc::no_such_file_or_directory
                       ? "cannot access " + input + ": " + error.message()
                       : "no such file or folder: " + input;
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

// The report speaks text here, for --stdout refuses --format json: no line goes into the document.
int printDocument(const Request& request, CliReport& report, std::ostream& out, std::ostream& err)
{
    const auto sink = [&out](std::string_view piece) {
        out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        return static_cast<bool>(out);
    };
    const StylePair style = request.styles.stylePair();
    if (request.folder) {
        if (const auto error =
                ConfigBuilder::streamFolderDocument(request.inputs.front(), style, sink, &report)) {
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
int write(const Request& request, CliReport& report, std::ostream& out, std::ostream& err)
{
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

int check(const Request& request, CliReport& report, std::ostream& out, std::ostream& err)
{
    // A style given checks every folder in it, unless the check is of an update.
    const StyleRule rule =
        request.styleGiven && !request.update ? StyleRule::AsAsked : StyleRule::Update;
    const PackCheck result = checkPack(request.inputs.front(), packRequest(request, rule),
                                       std::bind_front(&CliReport::checked, &report), &report);
    report.summary(factLine(result.facts(report)));
    return finished(result.allCurrent() ? Written : Failed, out, err);
}

int undo(const Request& request, CliReport& report, std::ostream& out, std::ostream& err)
{
    const UndoOutcome outcome = undoLastWrite(undoFolder(), {{}, request.force});
    if (outcome.nothing != UndoOutcome::Nothing::No) {
        err << programName << ": " << nothingWords(outcome) << '\n';
        return Failed;
    }
    report.undone(outcome);
    return finished(outcome.keeps() ? Failed : Written, out, err);
}

} // namespace

int run(int argc, const char* const* argv, std::ostream& rawOut, std::ostream& rawErr)
{
    // What is said, as against a document or JSON, reaches a terminal with no control character
    // of a file's name in it.
    TerminalText errText(*rawErr.rdbuf());
    std::ostream err(&errText);
    err.flags(rawErr.flags());
    TerminalText outText(*rawOut.rdbuf());
    std::ostream saidOut(&outText);
    err.tie(&saidOut);
    Request request;
    CLI::App app;
    declareOptions(app, request);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return finished(Written, saidOut << wrapped(app.help(), consoleWidth()), err);
    } catch (const CLI::CallForVersion& version) {
        return finished(Written, saidOut << version.what() << '\n', err);
    } catch (const CLI::ParseError& error) {
        return usageError(err, error.what());
    }
    if (const auto problem = checkInputs(request)) {
        return usageError(err, *problem);
    }
    std::ostream& out = request.format == Format::Text && !request.toStdout ? saidOut : rawOut;
    err.tie(&out);
    const auto mode = request.undo       ? undo
                      : request.check    ? check
                      : request.toStdout ? printDocument
                                         : write;
    CliReport report(request.format, request.verbose, out, err);
    return mode(request, report, out, err);
}

} // namespace crestmap::cli
