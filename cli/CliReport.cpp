#include "CliReport.h"

#include "AccountWords.h"
#include "FileNames.h"
#include "MappingFile.h"
#include "XmlRecordBuilder.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace crestmap::cli {

namespace {

using Json = nlohmann::ordered_json;

std::string_view outcomeWord(FolderAccount::Outcome outcome)
{
    switch (outcome) {
    case FolderAccount::Outcome::Written:
        return "written";
    case FolderAccount::Outcome::LeftAlone:
        return "no images";
    case FolderAccount::Outcome::Kept:
        return "kept";
    case FolderAccount::Outcome::NotMapped:
        return "not mapped yet";
    case FolderAccount::Outcome::Cancelled:
        return "cancelled";
    case FolderAccount::Outcome::Failed:
        break;
    }
    return "failed";
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
    std::string hex;
    for (const char c : text) {
        constexpr std::string_view digits = "0123456789abcdef";
        hex += digits[static_cast<unsigned char>(c) >> 4];
        hex += digits[static_cast<unsigned char>(c) & 15];
    }
    object[key + "_hex"] = hex;
}

} // namespace

CliReport::CliReport(Format format, bool verbose, std::ostream& out, std::ostream& err)
    : m_format(format), m_verbose(verbose), m_out(out), m_err(err)
{}

void CliReport::line(const std::string& text)
{
    m_out << text << '\n';
}

void CliReport::entry(const EntryAccount& entry)
{
    WriteTally::entry(entry);
    if (m_verbose && entry.reason) {
        m_err << pathOf(entry.folder, entry.name) << ": " << describeSkipReason(*entry.reason)
              << '\n';
    }
}

void CliReport::folder(const FolderAccount& folder)
{
    WriteTally::folder(folder);
    using Outcome = FolderAccount::Outcome;
    if (json()) {
        if (folder.outcome == Outcome::LeftAlone) {
            return;
        }
        Json object;
        put(object, "folder", folder.folder);
        put(object, "config", folder.configPath);
        object["outcome"] = outcomeWord(folder.outcome);
        object["style"] = describeStyle(folder.style);
        object["images"] = folder.images;
        if (folder.outcome == Outcome::Written) {
            object["records"] = folder.records;
            object["records_lost"] = folder.recordsLost;
        }
        if (folder.outcome == Outcome::Failed) {
            put(object, "error", folder.error);
        }
        line(object.dump());
        return;
    }
    if (folder.outcome == Outcome::Kept) {
        m_out << "kept: " << folder.folder << ": maps " << describeStyle(folder.style)
              << " records; use --update or --restyle\n";
    } else if (folder.outcome == Outcome::NotMapped) {
        m_out << "not mapped yet: " << folder.folder << " (give a style to write it)\n";
    } else if (folder.recordsLost > 0) {
        m_err << describeLoss(folder.configPath, folder.recordsLost)
              << "; crestmap-cli --undo puts it back\n";
    }
}

void CliReport::problem(const ProblemAccount& problem)
{
    WriteTally::problem(problem);
    const std::string path = pathOf(problem.folder, problem.name);
    if (json()) {
        Json object;
        put(object, "image", path);
        object["problem"] = problem.kind == ProblemAccount::Kind::Clash ? "clash" : "unloadable";
        if (problem.kind == ProblemAccount::Kind::Clash) {
            put(object, "other", problem.other);
        } else {
            object["detail"] = std::string(problem.detail);
        }
        line(object.dump());
    } else if (m_verbose) {
        m_err << path << ": " << describeProblem(problem) << '\n';
    }
}

void CliReport::checked(const std::string& folder, const ConfigCheck& check, StylePair style)
{
    const std::string path = configPathIn(folder);
    if (json()) {
        Json object;
        put(object, "folder", folder);
        put(object, "config", path);
        object["state"] = describeCheckState(check.state);
        object["style"] = describeStyle(style);
        if (!check.detail.empty() && check.detail != describeCheckState(check.state)) {
            put(object, "detail", check.detail);
        }
        line(object.dump());
        return;
    }
    switch (check.state) {
    case ConfigCheck::State::Failed:
        m_err << "crestmap-cli: " << check.detail << '\n';
        break;
    case ConfigCheck::State::Current:
        if (m_verbose && !check.detail.empty()) {
            m_err << path << ": current, " << check.detail << '\n';
        }
        break;
    case ConfigCheck::State::Stale:
        m_out << "stale: " << path << ": " << check.detail << '\n';
        break;
    case ConfigCheck::State::NotMapping:
        m_out << "not a mapping file: " << path
              << (check.detail.size() > 20 ? " (" + check.detail.substr(20) + ")" : "") << '\n';
        break;
    default:
        m_out << describeCheckState(check.state) << ": " << path << '\n';
        break;
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
                line(object.dump());
            } else {
                m_out << what << ": " << path << '\n';
            }
        }
    };
    each(outcome.restored, "put back");
    each(outcome.removed, "removed");
    each(outcome.changedSince, "changed since, left alone");
    for (const std::string& failure : outcome.failed) {
        m_err << "crestmap-cli: could not put back " << failure << '\n';
    }
}

} // namespace crestmap::cli
