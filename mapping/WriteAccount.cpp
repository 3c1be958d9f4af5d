#include "WriteAccount.h"

#include "FileNames.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace crestmap {

namespace {

// A fact of a count tells only of something there is.
void addCounted(std::vector<Fact>& facts, const Fact& fact)
{
    if (fact.count > 0) {
        facts.push_back(fact);
    }
}

} // namespace

void SkipTally::add(std::string_view name, SkipReason reason)
{
    ++m_counts[static_cast<std::size_t>(reason)];
    if (m_sample.size() < sampleLimit) {
        m_sample.push_back({std::string(name), reason});
    }
}

void SkipTally::merge(const SkipTally& other)
{
    std::ranges::transform(m_counts, other.m_counts, m_counts.begin(), std::plus<>());
    const std::size_t room = std::min(sampleLimit - m_sample.size(), other.m_sample.size());
    m_sample.insert(m_sample.end(), other.m_sample.begin(),
                    other.m_sample.begin() + static_cast<std::ptrdiff_t>(room));
}

std::size_t SkipTally::total() const noexcept
{
    return std::accumulate(m_counts.begin(), m_counts.end(), std::size_t{0});
}

void WriteTally::entry(const EntryAccount& entry)
{
    if (entry.reason) {
        m_pending.add(joinPath(entry.folder, entry.name), *entry.reason);
    }
}

void WriteTally::folder(const FolderAccount& folder)
{
    using Outcome = FolderAccount::Outcome;
    ++m_folders[static_cast<std::size_t>(folder.outcome)];
    switch (folder.outcome) {
    case Outcome::Written:
    case Outcome::Unchanged:
        m_records += folder.records;
        m_recordsUnchanged += folder.outcome == Outcome::Unchanged ? folder.records : 0;
        m_images += folder.images;
        m_lastConfigPath = folder.configPath;
        m_recordsLost += folder.recordsLost;
        m_foldersLosing += folder.recordsLost > 0 ? 1 : 0;
        m_foreignReplaced += folder.replacedForeign ? 1 : 0;
        m_imagesBelow = m_imagesBelow || folder.imagesBelow;
        [[fallthrough]];
    case Outcome::NoImages:
        // Entries passed over in a folder without images still want the user's eye.
        m_skipped.merge(m_pending);
        break;
    case Outcome::Unreadable:
    case Outcome::Unwritable:
        if (m_failures.size() < SkipTally::sampleLimit && folder.error) {
            m_failures.push_back({std::string(folder.folder), *folder.error});
        }
        break;
    case Outcome::Cancelled:
        m_cancelled = true;
        break;
    case Outcome::Kept:
        m_keptCutShort += folder.existing.state == MappingScan::State::CutShort ? 1 : 0;
        break;
    case Outcome::NotMapped:
        break;
    }
    m_pending = {};
}

void WriteTally::problem(const ProblemAccount& problem)
{
    ++(problem.kind == ProblemAccount::Kind::Clash ? m_clashes : m_unloadable);
}

std::vector<Fact> WriteTally::facts(std::size_t planned) const
{
    using Outcome = FolderAccount::Outcome;
    using Kind = Fact::Kind;
    const std::size_t written = folders(Outcome::Written);
    const std::size_t unchanged = folders(Outcome::Unchanged);
    const std::size_t failed = folders(Outcome::Unwritable) + folders(Outcome::Unreadable);
    const std::size_t left = folders(Outcome::Kept) + folders(Outcome::NotMapped);
    std::vector<Fact> facts;
    // One folder is named by its config.xml; several are counted.
    const std::string_view one =
        written + unchanged == 1 && failed == 0 ? std::string_view(m_lastConfigPath) : "";
    if (written > 0 || unchanged + left == 0) {
        facts.push_back({Kind::Written, m_records - m_recordsUnchanged, written, {}, one});
    }
    if (unchanged > 0) {
        facts.push_back({Kind::Unchanged, unchanged, m_recordsUnchanged, {}, one});
    }
    addCounted(facts, {Kind::Kept, folders(Outcome::Kept) - m_keptCutShort});
    addCounted(facts, {Kind::CutShort, m_keptCutShort});
    addCounted(facts, {Kind::NotMapped, folders(Outcome::NotMapped)});
    addCounted(facts, {Kind::Unreadable, folders(Outcome::Unreadable)});
    addCounted(facts, {Kind::Unwritable, folders(Outcome::Unwritable)});
    const std::vector<Fact> found = findings();
    facts.insert(facts.end(), found.begin(), found.end());
    if (m_cancelled) {
        facts.push_back({Kind::Cancelled, written, planned > written ? planned - written : 0});
    }
    if (m_imagesBelow) {
        facts.push_back({Kind::ImagesBelow});
    }
    return facts;
}

std::vector<Fact> WriteTally::findings() const
{
    using Kind = Fact::Kind;
    std::vector<Fact> facts;
    for (const SkipReason reason : allSkipReasons) {
        const Kind kind =
            reason == SkipReason::ExtensionCase ? Kind::PassedOver : Kind::WithoutRecord;
        // A check tells no folder's outcome: what its folders passed over is still pending.
        addCounted(facts, {kind, m_skipped.count(reason) + m_pending.count(reason), 0, reason});
    }
    addCounted(facts, {Kind::RecordsLost, m_recordsLost, m_foldersLosing});
    addCounted(facts, {Kind::Clashes, m_clashes});
    addCounted(facts, {Kind::Unloadable, m_unloadable});
    return facts;
}

} // namespace crestmap
