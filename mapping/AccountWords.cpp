#include "AccountWords.h"

#include "MappingFile.h"

namespace crestmap {

namespace {

// `one` or `many` after the count, as the count asks.
std::string counted(std::size_t count, std::string_view one, std::string_view many)
{
    std::string text = std::to_string(count) + ' ';
    text += count == 1 ? one : many;
    return text;
}

} // namespace

std::string describeKept(StylePair style)
{
    return "kept: maps " + describeStyle(style) + " records";
}

std::string describeProblem(const ProblemAccount& problem)
{
    if (problem.kind == ProblemAccount::Kind::Clash) {
        return "maps to the same picture as " + std::string(problem.other);
    }
    return std::string(problem.detail);
}

std::string describeLoss(std::string_view configPath, std::size_t lost)
{
    return "replaced " + std::string(configPath) + ": " +
           counted(lost, "record it held is", "records it held are") + " not in the new one";
}

std::string_view describeCheckState(ConfigCheck::State state)
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

std::vector<std::string> WriteTally::facts(std::size_t planned) const
{
    std::vector<std::string> facts;
    if (m_foldersWritten == 1 && m_foldersFailed == 0) {
        facts.push_back("Wrote " + countOf(m_records, "record") + " to " + m_lastConfigPath);
    } else if (m_foldersWritten > 0 || m_foldersFailed > 0 ||
               m_foldersKept + m_foldersNotMapped == 0) {
        facts.push_back("Wrote " + countOf(m_records, "record") + " in " +
                        countOf(m_foldersWritten, "folder"));
    }
    const std::vector<std::string> found = findings(planned);
    facts.insert(facts.end(), found.begin(), found.end());
    return facts;
}

std::vector<std::string> WriteTally::findings(std::size_t planned) const
{
    std::vector<std::string> facts;
    const auto add = [&facts](std::size_t count, std::string_view one, std::string_view many) {
        if (count > 0) {
            facts.push_back(counted(count, one, many));
        }
    };
    add(m_foldersKept, "folder kept in its own style", "folders kept in their own style");
    add(m_foldersNotMapped, "folder not mapped yet", "folders not mapped yet");
    add(m_foldersFailed, "folder could not be written", "folders could not be written");
    for (const SkipReason reason : allSkipReasons) {
        if (const std::size_t count = m_skipped.count(reason); count > 0) {
            facts.push_back(
                (reason == SkipReason::ExtensionCase
                     ? counted(count, "entry passed over", "entries passed over")
                     : counted(count, "file without a record", "files without a record")) +
                " (" + std::string(skipReasonLabel(reason)) + ")");
        }
    }
    if (m_recordsLost > 0) {
        const bool one = m_foldersLosing == 1;
        facts.push_back(counted(m_recordsLost, "record", "records") + " of the replaced " +
                        (one ? "config.xml" : "config.xml files") +
                        (m_recordsLost == 1 ? " is" : " are") + " not in the new " +
                        (one ? "one" : "ones"));
    }
    add(m_clashes, "image maps to the same picture as another",
        "images map to the same picture as another");
    add(m_unloadable, "image would not load", "images would not load");
    if (m_cancelled) {
        const std::size_t left = planned > m_foldersWritten ? planned - m_foldersWritten : 0;
        facts.push_back("cancelled: " + counted(m_foldersWritten, "folder", "folders") +
                        " written" +
                        (planned > 0 ? ", " + std::to_string(left) + " left as they were"
                                     : ", the others left as they were"));
    }
    return facts;
}

std::vector<std::string> checkFacts(const PackCheck& check, const WriteTally& tally)
{
    const std::size_t checked = check.checked;
    const std::size_t outdated = check.outdated;
    const std::size_t failed = check.failed;
    std::vector<std::string> facts;
    if (outdated == 0 && failed == 0) {
        facts.push_back(checked == 1
                            ? std::string("config.xml is current")
                            : "All " + countOf(checked, "config.xml file") + " are current");
    } else {
        facts.push_back(std::to_string(outdated) + " of " + countOf(checked, "config.xml file") +
                        " missing or stale");
        if (failed > 0) {
            facts.push_back(
                counted(failed, "folder could not be read", "folders could not be read"));
        }
    }
    const std::vector<std::string> found = tally.findings();
    facts.insert(facts.end(), found.begin(), found.end());
    return facts;
}

std::vector<std::string> undoFacts(const UndoOutcome& outcome)
{
    if (!outcome.nothing.empty()) {
        return {"Nothing to undo: " + outcome.nothing};
    }
    std::vector<std::string> facts{
        "Undo: " +
        counted(outcome.restored.size(), "config.xml put back", "config.xml files put back") +
        ", " + std::to_string(outcome.removed.size()) + " removed"};
    if (!outcome.changedSince.empty()) {
        facts.push_back(counted(outcome.changedSince.size(), "changed since, left alone",
                                "changed since, left alone"));
    }
    if (!outcome.failed.empty()) {
        facts.push_back(
            counted(outcome.failed.size(), "could not be put back", "could not be put back"));
    }
    return facts;
}

} // namespace crestmap
