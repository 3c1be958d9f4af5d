#include "CliWords.h"

#include "StyleChoices.h"
#include "XmlRecordBuilder.h"

#include <array>

namespace crestmap::cli {

namespace {

// `one` or `many` with the count in place of %n.
std::string counted(std::size_t count, std::string_view one, std::string_view many)
{
    std::string text(count == 1 ? one : many);
    const auto at = text.find("%n");
    return at == std::string::npos ? text : text.replace(at, 2, std::to_string(count));
}

std::string_view kindWords(InputFile::Kind kind)
{
    static constexpr std::array<std::string_view, 5> words{"a file", "a folder", "a named pipe",
                                                           "a socket", "a device"};
    return words[static_cast<std::size_t>(kind)];
}

// Why, and the label, in the order of SkipReason.
constexpr std::array<std::pair<std::string_view, std::string_view>, allSkipReasons.size()>
    skipTable{{
        {"these style choices give no record", "style"},
        {"a kit image needs a name like TEAM_KIT, with exactly one underscore", "kit name"},
        {"a kit image needs a team before the underscore, like TEAM_KIT", "no team"},
        {"the name is not valid UTF-8 or holds a control character", "unusable name"},
        {"not a .png, .jpg or .jpeg file", "not an image"},
        {"the extension is not in lower case (.png, .jpg, .jpeg)", "extension case"},
    }};

std::string factWords(const Fact& fact)
{
    using Kind = Fact::Kind;
    const std::size_t n = fact.count;
    const std::string path(fact.path);
    switch (fact.kind) {
    case Kind::Written:
        return counted(n, "wrote 1 record", "wrote %n records") +
               (path.empty() ? " in " + counted(fact.of, "1 folder", "%n folders") : " to " + path);
    case Kind::Unchanged:
        return path.empty() ? counted(n, "1 config.xml unchanged", "%n config.xml files unchanged")
                            : path + " is unchanged: it already holds " +
                                  counted(fact.of, "its 1 record", "these %n records");
    case Kind::Kept:
        return counted(n, "1 folder kept in its own style", "%n folders kept in their own style");
    case Kind::CutShort:
        return counted(n, "1 config.xml cut short, kept", "%n config.xml files cut short, kept");
    case Kind::NotMapped:
        return counted(n, "1 folder not mapped yet", "%n folders not mapped yet");
    case Kind::Unreadable:
        return counted(n, "1 folder could not be read", "%n folders could not be read");
    case Kind::Unwritable:
        return counted(n, "1 folder could not be written", "%n folders could not be written");
    case Kind::WithoutRecord:
        return counted(n, "1 file without a record", "%n files without a record") + " (" +
               std::string(skipLabel(fact.reason)) + ")";
    case Kind::PassedOver:
        return counted(n, "1 entry passed over (.PNG)", "%n entries passed over (.PNG)");
    case Kind::RecordsLost:
        return counted(n, "1 record", "%n records") +
               (fact.of == 1 ? " of the replaced config.xml "
                             : " of the replaced config.xml files ") +
               (n == 1 ? "is" : "are") +
               (fact.of == 1 ? " not in the new one" : " not in the new ones");
    case Kind::Clashes:
        return counted(n, "1 image maps to the same picture as another",
                       "%n images map to the same picture as another");
    case Kind::Unloadable:
        return counted(n, "1 image would not load", "%n images would not load");
    case Kind::Cancelled:
        return counted(n, "cancelled: 1 folder written", "cancelled: %n folders written") + ", " +
               std::to_string(fact.of) + " left as they were";
    case Kind::ImagesBelow:
        return "its sub-folders hold images: use --recursive to write them";
    case Kind::Current:
        // Nothing checked is not everything current: no folder gave the check a file to read.
        return n == 0   ? "no folder here holds images"
               : n == 1 ? "config.xml is current"
                        : "all " + std::to_string(n) + " config.xml files are current";
    case Kind::Outdated:
        return std::to_string(n) + " of " +
               counted(fact.of, "1 config.xml file", "%n config.xml files") +
               (n == 1 ? " is" : " are") + " not current";
    }
    return {};
}

} // namespace

std::string styleWords(StylePair style)
{
    if (style.graphicStyle == GraphicStyle::Portrait) {
        return "portrait";
    }
    if (style.graphicStyle == GraphicStyle::Kit) {
        return style.subType == 2 ? "kit texture" : "kit";
    }
    const auto graphic = choiceWhere(graphicStyleChoices, &Choice::value, style.graphicStyle);
    return graphic ? std::string(ownerWord(style)) + " " + std::string(graphic->name) : "unknown";
}

std::string_view skipWords(SkipReason reason)
{
    return skipTable[static_cast<std::size_t>(reason)].first;
}

std::string_view skipLabel(SkipReason reason)
{
    return skipTable[static_cast<std::size_t>(reason)].second;
}

std::string factLine(const std::vector<Fact>& facts)
{
    std::string line;
    for (const Fact& fact : facts) {
        line += (line.empty() ? "" : "; ") + factWords(fact);
    }
    if (!line.empty() && line[0] >= 'a' && line[0] <= 'z' && !line.starts_with("config.xml")) {
        line[0] = static_cast<char>(line[0] - 'a' + 'A');
    }
    return line;
}

std::string imageWords(const ImageProblem& problem)
{
    using Holds = ImageProblem::Holds;
    // In the order of Holds, up to NotAFile.
    static constexpr std::array<std::string_view, 4> holds{"0 bytes", "it holds text",
                                                           "it holds HTML", "it holds other data"};
    if (problem.holds == Holds::Unreadable) {
        return "cannot be read: " + problem.reason;
    }
    const std::string_view what = problem.holds == Holds::NotAFile
                                      ? kindWords(problem.kind)
                                      : holds[static_cast<std::size_t>(problem.holds)];
    return (problem.png ? "not a PNG image (" : "not a JPEG image (") + std::string(what) + ")";
}

std::string_view outcomeWord(FolderAccount::Outcome outcome)
{
    static constexpr std::array<std::string_view, 8> words{"written",        "unchanged", "kept",
                                                           "not mapped yet", "no images", "failed",
                                                           "failed",         "cancelled"};
    return words[static_cast<std::size_t>(outcome)];
}

std::string_view stateWord(ConfigCheck::State state)
{
    static constexpr std::array<std::string_view, 8> words{
        "current",        "stale",  "missing",  "cut short", "not a mapping file",
        "not mapped yet", "failed", "no images"};
    return words[static_cast<std::size_t>(state)];
}

std::string fileDetail(const MappingScan& file)
{
    if (file.state == MappingScan::State::CutShort) {
        static constexpr std::array<std::string_view, 4> places{
            "ends in its header", "ends inside a record", "ends before the end of its list",
            "ends before </record>"};
        return std::string(places[static_cast<std::size_t>(file.cut)]);
    }
    if (file.state == MappingScan::State::NotMapping && file.kind != InputFile::Kind::Regular) {
        return std::string(kindWords(file.kind));
    }
    return file.state == MappingScan::State::NotMapping && file.empty ? "it is empty" : "";
}

std::string checkDetail(const ConfigCheck& check)
{
    using State = ConfigCheck::State;
    if (check.state == State::Current) {
        return check.otherLayout ? "the same records in another order or layout" : "";
    }
    if (check.state == State::NotMapped) {
        return "it maps no records of a style; give a style to compare it with";
    }
    if (check.state != State::Stale) {
        return check.error ? describeForLog(*check.error) : fileDetail(check.file);
    }
    if (check.stale == ConfigCheck::Stale::Options) {
        return "other options than preload and amap off";
    }
    if (check.stale == ConfigCheck::Stale::Extraneous) {
        return "text or elements a mapping file does not hold";
    }
    std::string text;
    // What a write would do to the file, whether the folder or the file was changed since.
    for (const auto& [count, what] : {std::pair{check.added, "to add"},
                                      {check.removed, "to remove"},
                                      {check.changed, "to change"}}) {
        if (count > 0) {
            text += (text.empty() ? counted(count, "1 record ", "%n records ")
                                  : ", " + std::to_string(count) + " ") +
                    what;
        }
    }
    return text;
}

std::string nothingWords(const UndoOutcome& outcome)
{
    using Nothing = UndoOutcome::Nothing;
    if (outcome.nothing == Nothing::NoCacheFolder) {
        return "Nothing to undo: " + (outcome.cacheError ? describeForLog(*outcome.cacheError)
                                                         : std::string("no cache folder"));
    }
    return outcome.nothing == Nothing::Busy
               ? "Nothing undone: another undo is under way; try again once it has ended"
           : outcome.nothing == Nothing::AnotherWrite
               ? "Nothing undone: another write has been made since, and it is the one to undo"
               : "Nothing to undo: no write has been kept to undo";
}

std::string failureWords(const UndoOutcome::Failure& failure)
{
    using Why = UndoOutcome::Failure::Why;
    const std::string why = failure.why == Why::CopyGone      ? "its kept copy is gone"
                            : failure.why == Why::CopyChanged ? "its kept copy was changed"
                            : failure.error                   ? describeForLog(*failure.error)
                                                              : "";
    return "could not put back " + failure.configPath + ": " + why;
}

std::string undoLine(const UndoOutcome& outcome)
{
    std::string line =
        "Undo: " +
        counted(outcome.restored.size(), "1 config.xml put back", "%n config.xml files put back") +
        ", " + std::to_string(outcome.removed.size()) + " removed";
    if (!outcome.alreadyBack.empty()) {
        line += "; " + std::to_string(outcome.alreadyBack.size()) + " already as before the write";
    }
    if (const std::size_t changed = outcome.changedSince.size(); changed > 0) {
        // A file the write made has no old copy: forced, its undo removes it, edit and all.
        const std::size_t made = outcome.madeChangedSince;
        const std::string them = changed == 1 ? "it" : "them";
        std::string force = "--force puts " + them + " back over the edit";
        if (made == changed) {
            force = "--force removes " + them + ", edit and all";
        } else if (made > 0) {
            force += " and removes the " + std::to_string(made) + " the write made";
        }
        line += "; " + std::to_string(changed) +
                " changed since, left alone (crestmap-cli --undo " + force + ")";
    }
    if (!outcome.failed.empty()) {
        line += "; " + std::to_string(outcome.failed.size()) + " could not be put back";
    }
    return line;
}

} // namespace crestmap::cli
