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

std::string_view outcomeWord(Outcome outcome)
{
    static constexpr std::array<std::string_view, 8> words{"written",        "unchanged", "kept",
                                                           "not mapped yet", "no images", "failed",
                                                           "failed",         "cancelled"};
    return words[static_cast<std::size_t>(outcome)];
}

std::string pathOf(std::string_view folder, std::string_view name)
{
    return folder.empty() ? std::string(name) : joinPath(folder, name);
}

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

void putStyle(Json& object, std::optional<StylePair> style)
{
    object["style"] = style ? Json(styleWords(*style)) : Json(nullptr);
}

// What stood at a folder's config.xml that kept it from being written.
std::string whatStands(const FolderAccount& folder)
{
    using State = MappingScan::State;
    const std::string config(folder.configPath);
    switch (folder.existing.state) {
    case State::CutShort:
        return "cut short: " + config + " " + fileDetail(folder.existing);
    case State::NotMapping: {
        const std::string detail = fileDetail(folder.existing);
        return "not a mapping file: " + config + (detail.empty() ? "" : " (" + detail + ")");
    }
    case State::Mapping:
        return "not mapped yet: " + config + " maps no records of a style";
    default:
        return "not mapped yet: " + std::string(folder.folder);
    }
}

} // namespace

CliReport::CliReport(Format format, bool verbose, std::ostream& out, std::ostream& err)
    : m_format(format), m_verbose(verbose), m_out(out), m_err(err)
{}

void CliReport::entry(const EntryAccount& entry)
{
    WriteTally::entry(entry);
    if (!entry.reason) {
        return;
    }
    const std::string path = pathOf(entry.folder, entry.name);
    if (json()) {
        Json object;
        put(object, "file", path);
        object["no_record"] = *entry.reason == SkipReason::ExtensionCase
                                  ? std::string_view("extension case")
                                  : skipLabel(*entry.reason);
        m_out << object.dump() << '\n';
    } else if (m_verbose) {
        m_err << path << ": " << skipWords(*entry.reason) << '\n';
    }
}

void CliReport::folder(const FolderAccount& folder)
{
    WriteTally::folder(folder);
    if (json()) {
        if (folder.outcome == Outcome::NoImages) {
            return;
        }
        Json object;
        put(object, "folder", folder.folder);
        put(object, "config", folder.configPath);
        object["outcome"] = outcomeWord(folder.outcome);
        putStyle(object, folder.style);
        object["images"] = folder.images;
        if (folder.outcome == Outcome::Written || folder.outcome == Outcome::Unchanged) {
            object["records"] = folder.records;
            object["records_lost"] = folder.recordsLost;
        }
        const bool cut = folder.existing.state == MappingScan::State::CutShort;
        if (folder.outcome == Outcome::NotMapped || (folder.outcome == Outcome::Kept && cut)) {
            const std::string stands = whatStands(folder);
            object["state"] = stands.substr(0, stands.find(':'));
        }
        if (folder.error) {
            put(object, "error", errorWords(*folder.error));
        }
        m_out << object.dump() << '\n';
        return;
    }
    const std::string folderName(folder.folder);
    switch (folder.outcome) {
    case Outcome::Kept:
        if (folder.existing.state == MappingScan::State::CutShort) {
            m_out << whatStands(folder) << "; kept (use --restyle to replace it)\n";
        } else {
            m_out << "kept: " << folderName << ": maps " << styleWords(*folder.style)
                  << " records; use --update or --restyle\n";
        }
        break;
    case Outcome::NotMapped:
        m_out << whatStands(folder)
              << (folder.existing.state == MappingScan::State::Missing
                      ? " (give a style to write it)\n"
                      : "; give a style to write it\n");
        break;
    case Outcome::Unreadable:
        m_err << "crestmap-cli: " << errorWords(*folder.error) << '\n';
        break;
    case Outcome::Written:
    case Outcome::Unchanged:
        if (folder.recordsLost > 0) {
            m_err << "replaced " << folder.configPath << ": " << folder.recordsLost
                  << (folder.recordsLost == 1 ? " record it held is" : " records it held are")
                  << " not in the new one; crestmap-cli --undo puts it back\n";
        }
        if (m_verbose) {
            m_err << outcomeWord(folder.outcome) << ": " << folder.configPath << " ("
                  << folder.records << ' ' << styleWords(*folder.style)
                  << (folder.records == 1 ? " record)\n" : " records)\n");
        }
        break;
    default:
        break;
    }
}

void CliReport::problem(const ProblemAccount& problem)
{
    WriteTally::problem(problem);
    const std::string path = pathOf(problem.folder, problem.name);
    const bool clash = problem.kind == ProblemAccount::Kind::Clash;
    if (json()) {
        Json object;
        put(object, "image", path);
        object["problem"] = clash ? "clash" : "unloadable";
        if (clash) {
            put(object, "other", problem.other);
        } else {
            put(object, "detail", imageWords(problem.image));
        }
        m_out << object.dump() << '\n';
    } else if (m_verbose) {
        m_err << path << ": "
              << (clash ? "maps to the same picture as " + std::string(problem.other)
                        : imageWords(problem.image))
              << '\n';
    }
}

void CliReport::checked(const std::string& folder, const ConfigCheck& check,
                        std::optional<StylePair> style)
{
    using State = ConfigCheck::State;
    const std::string path = configPathIn(folder);
    const std::string detail = checkDetail(check);
    if (json()) {
        Json object;
        put(object, "folder", folder);
        put(object, "config", path);
        object["state"] = stateWord(check.state);
        putStyle(object, style);
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
            if (json()) {
                Json object;
                put(object, "config", path);
                object["undo"] = what;
                m_out << object.dump() << '\n';
            } else {
                m_out << what << ": " << path << '\n';
            }
        }
    };
    each(outcome.restored, "put back");
    each(outcome.removed, "removed");
    each(outcome.alreadyBack, "already as before the write");
    each(outcome.changedSince, "changed since, left alone");
    for (const UndoOutcome::Failure& failure : outcome.failed) {
        m_err << "crestmap-cli: " << failureWords(failure) << '\n';
    }
}

} // namespace crestmap::cli
