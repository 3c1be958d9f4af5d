#include "CliReport.h"

#include "FileNames.h"
#include "MappingFile.h"
#include "SystemNames.h"
#include "XmlRecordBuilder.h"

#include <filesystem>
#include <ostream>

namespace crestmap::cli {

namespace {

std::string_view stateWord(ConfigCheck::State state)
{
    switch (state) {
    case ConfigCheck::State::Current:
        return "current";
    case ConfigCheck::State::Missing:
        return "missing";
    case ConfigCheck::State::Stale:
        return "stale";
    case ConfigCheck::State::NotMapping:
        return "not a mapping file";
    case ConfigCheck::State::Skipped:
        return "skipped";
    case ConfigCheck::State::Failed:
        break;
    }
    return "failed";
}

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

} // namespace

std::string shown(const std::string& path)
{
    std::error_code error;
    const auto absolute = std::filesystem::absolute(pathFromBytes(path), error).lexically_normal();
    return error ? path : bytesFromPath(absolute);
}

std::string jsonString(std::string_view text)
{
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        if (byte >= 0x80 && isWritableName(text.substr(i, length))) {
            json.append(text.substr(i, length)); // a whole UTF-8 character
            i += length - 1;
        } else if (byte == '"' || byte == '\\') {
            json += '\\';
            json += static_cast<char>(byte);
        } else if (byte < 0x20 || byte >= 0x7F) {
            constexpr std::string_view hex = "0123456789abcdef";
            json += "\\u00";
            json += hex[byte >> 4];
            json += hex[byte & 15];
        } else {
            json += static_cast<char>(byte);
        }
    }
    return json + '"';
}

CliReport::CliReport(Format format, bool verbose, std::ostream& out, std::ostream& err)
    : m_format(format), m_verbose(verbose), m_out(out), m_err(err)
{}

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
    if (json() && folder.outcome != Outcome::LeftAlone) {
        m_out << "{\"folder\":" << jsonString(shown(std::string(folder.folder)))
              << ",\"config\":" << jsonString(shown(std::string(folder.configPath)))
              << ",\"outcome\":" << jsonString(outcomeWord(folder.outcome));
        if (folder.outcome == Outcome::Written || folder.outcome == Outcome::Kept) {
            m_out << ",\"style\":" << jsonString(describeStyle(folder.style));
        }
        if (folder.outcome == Outcome::Written) {
            m_out << ",\"records\":" << folder.records;
        }
        if (folder.outcome == Outcome::Failed) {
            m_out << ",\"error\":" << jsonString(folder.error);
        }
        m_out << "}\n";
    } else if (folder.outcome == Outcome::Kept) {
        m_out << "kept: " << shown(std::string(folder.folder)) << ": maps "
              << describeStyle(folder.style) << " records; use --update or --restyle\n";
    } else if (folder.outcome == Outcome::NotMapped) {
        m_out << "not mapped yet: " << shown(std::string(folder.folder))
              << " (give a style to write it)\n";
    }
}

void CliReport::problem(const ProblemAccount& problem)
{
    WriteTally::problem(problem);
    const std::string path = pathOf(problem.folder, problem.name);
    if (json()) {
        m_out << "{\"image\":" << jsonString(shown(path)) << ",\"problem\":"
              << jsonString(problem.kind == ProblemAccount::Kind::Clash ? "clash" : "unloadable")
              << ",\"detail\":" << jsonString(problem.detail) << "}\n";
    } else if (m_verbose) {
        m_err << path << ": " << problem.detail << '\n';
    }
}

void CliReport::checked(const std::string& folder, const ConfigCheck& check)
{
    const std::string path = shown(configPathIn(folder));
    if (json()) {
        m_out << "{\"folder\":" << jsonString(shown(folder)) << ",\"config\":" << jsonString(path)
              << ",\"state\":" << jsonString(stateWord(check.state));
        if (!check.detail.empty() && check.detail != stateWord(check.state)) {
            m_out << ",\"detail\":" << jsonString(check.detail);
        }
        m_out << "}\n";
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
    default:
        m_out << stateWord(check.state) << ": " << path << '\n';
        break;
    }
}

std::string CliReport::suffix() const
{
    std::string text;
    const auto part = [&text](std::size_t count, std::string_view what) {
        if (count > 0) {
            text += "; " + countOf(count, "folder") + std::string(what);
        }
    };
    part(foldersFailed(), " could not be written");
    part(foldersKept(), " kept in their own style");
    part(foldersNotMapped(), " not mapped yet");
    if (const std::string skips = describeTally(skipped()); !skips.empty()) {
        text += "; " + skips;
    }
    if (const std::size_t clashes = problems(ProblemAccount::Kind::Clash); clashes > 0) {
        text += "; " + countOf(clashes, "image") + " mapping to a picture another maps to";
    }
    if (const std::size_t broken = problems(ProblemAccount::Kind::Unloadable); broken > 0) {
        text += "; " + countOf(broken, "image") + " that would not load";
    }
    return text;
}

} // namespace crestmap::cli
