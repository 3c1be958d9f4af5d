#include "CliReport.h"

#include "CliWords.h"
#include "FileNames.h"
#include "Text.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace crestmap::cli {

namespace {

using Json = nlohmann::ordered_json;
using Outcome = FolderAccount::Outcome;

// A text field. A name that is not UTF-8 cannot stand in JSON as it is: its field holds it with
// U+FFFD in place of each byte that is not, and "<field>_hex" holds its bytes, to find the file.
void put(Json& object, const std::string& key, std::string_view text)
{
    if (isUtf8(text)) {
        object[key] = std::string(text);
        return;
    }
    object[key] = withReplacementCharacters(text);
    object[key + "_hex"] = hexOf(text);
}

// An object of text fields, in this order.
Json textFields(std::initializer_list<std::pair<std::string, std::string_view>> fields)
{
    Json object = Json::object();
    for (const auto& [key, text] : fields) {
        put(object, key, text);
    }
    return object;
}

// Why a folder was kept or not mapped, and what would write it.
std::string leftAlone(const FolderAccount& folder)
{
    using State = MappingScan::State;
    const std::string config(folder.configPath);
    const std::string detail = fileDetail(folder.existing);
    switch (folder.existing.state) {
    case State::CutShort:
        return "cut short: " + config + " " + detail + "; kept (use --restyle to replace it)";
    case State::NotMapping:
        return "not a mapping file: " + config + (detail.empty() ? "" : " (" + detail + ")") +
               "; give a style to write it";
    case State::Mapping:
        return folder.outcome == Outcome::Kept
                   ? "kept: " + std::string(folder.folder) + ": maps " + styleWords(*folder.style) +
                         " records; use --update or --restyle"
                   : "not mapped yet: " + config +
                         " maps no records of a style; give a style to write it";
    default:
        return "not mapped yet: " + std::string(folder.folder) + " (give a style to write it)";
    }
}

} // namespace

void CliReport::entry(const EntryAccount& entry)
{
    WriteTally::entry(entry);
    if (!entry.reason) {
        return;
    }
    const std::string path = joinPath(entry.folder, entry.name);
    if (m_json) {
        m_out << textFields({{"file", path}, {"no_record", skipLabel(*entry.reason)}}).dump()
              << '\n';
    } else if (m_verbose) {
        m_err << path << ": " << skipWords(*entry.reason) << '\n';
    }
}

void CliReport::folder(const FolderAccount& folder)
{
    WriteTally::folder(folder);
    const bool mapped = folder.outcome == Outcome::Written || folder.outcome == Outcome::Unchanged;
    if (m_json) {
        if (folder.outcome == Outcome::NoImages) {
            return;
        }
        Json object = textFields({{"folder", folder.folder},
                                  {"config", folder.configPath},
                                  {"outcome", outcomeWord(folder.outcome)}});
        object["style"] = folder.style ? Json(styleWords(*folder.style)) : Json(nullptr);
        object["images"] = folder.images;
        if (mapped) {
            object["records"] = folder.records;
            object["records_lost"] = folder.recordsLost;
        }
        const MappingScan::State existing = folder.existing.state;
        if (folder.outcome == Outcome::NotMapped ||
            (folder.outcome == Outcome::Kept && existing == MappingScan::State::CutShort)) {
            // Without a config.xml, a folder is not mapped yet rather than missing one.
            object["state"] =
                stateWord(existing == MappingScan::State::Missing ? ConfigCheck::State::NotMapped
                                                                  : checkStateOf(existing));
        }
        if (folder.error) {
            put(object, "error", describeForLog(*folder.error));
        }
        m_out << object.dump() << '\n';
        return;
    }
    if (folder.outcome == Outcome::Kept || folder.outcome == Outcome::NotMapped) {
        m_out << leftAlone(folder) << '\n';
    } else if (folder.outcome == Outcome::Unreadable) {
        m_err << "crestmap-cli: " << describeForLog(*folder.error) << '\n';
    }
    // Only what the journal kept can be promised back.
    const char* back = folder.undoable ? "; crestmap-cli --undo puts it back\n"
                                       : "; Undo is not available to put it back\n";
    if (mapped && folder.replacedForeign) {
        m_err << "replaced " << folder.configPath << ": it was not a mapping file" << back;
    }
    if (mapped && folder.recordsLost > 0) {
        m_err << "replaced " << folder.configPath << ": " << folder.recordsLost
              << (folder.recordsLost == 1 ? " record it held is" : " records it held are")
              << " not in the new one" << back;
    }
    if (mapped && m_verbose) {
        m_err << outcomeWord(folder.outcome) << ": " << folder.configPath << " (" << folder.records
              << ' ' << styleWords(*folder.style)
              << (folder.records == 1 ? " record)\n" : " records)\n");
    }
}

void CliReport::problem(const ProblemAccount& problem)
{
    WriteTally::problem(problem);
    const std::string path = joinPath(problem.folder, problem.name);
    const bool clash = problem.kind == ProblemAccount::Kind::Clash;
    // A clash names the other image; an image that would not load, what it holds.
    const std::string detail = clash ? std::string(problem.other) : imageWords(problem.image);
    if (m_json) {
        m_out << textFields({{"image", path},
                             {"problem", clash ? "clash" : "unloadable"},
                             {clash ? "other" : "detail", detail}})
                     .dump()
              << '\n';
    } else if (m_verbose) {
        m_err << path << ": " << (clash ? "maps to the same picture as " : "") << detail << '\n';
    }
}

void CliReport::checked(const std::string& folder, const ConfigCheck& check,
                        std::optional<StylePair> style)
{
    using State = ConfigCheck::State;
    const std::string path = configPathIn(folder);
    const std::string detail = checkDetail(check);
    if (m_json) {
        Json object =
            textFields({{"folder", folder}, {"config", path}, {"state", stateWord(check.state)}});
        object["style"] = style ? Json(styleWords(*style)) : Json(nullptr);
        object["images"] = check.images;
        if (!detail.empty()) {
            put(object, "detail", detail);
        }
        m_out << object.dump() << '\n';
        return;
    }
    if (check.state == State::Unreadable) {
        m_err << "crestmap-cli: " << detail << '\n';
    } else if (check.state == State::Stale) {
        m_out << "stale: " << path << ": " << detail << '\n';
    } else if (check.state != State::Current) {
        m_out << stateWord(check.state) << ": " << path
              << (detail.empty() ? "" : " (" + detail + ")") << '\n';
    } else if (m_verbose && check.otherLayout) {
        m_err << path << ": current, " << detail << '\n';
    }
}

void CliReport::undone(const UndoOutcome& outcome)
{
    const auto each = [this](const std::vector<std::string>& paths, std::string_view what) {
        for (const std::string& path : paths) {
            m_out << (m_json ? textFields({{"config", path}, {"undo", what}}).dump()
                             : std::string(what) + ": " + path)
                  << '\n';
        }
    };
    each(outcome.restored, "put back");
    each(outcome.removed, "removed");
    each(outcome.alreadyBack, "already as before the write");
    each(outcome.changedSince, "changed since, left alone");
    for (const UndoOutcome::Failure& failure : outcome.failed) {
        m_err << "crestmap-cli: " << failureWords(failure) << '\n';
    }
    summary(undoLine(outcome));
}

void CliReport::summary(const std::string& line)
{
    if (!m_json) {
        m_out << line << '\n';
    }
}

} // namespace crestmap::cli
