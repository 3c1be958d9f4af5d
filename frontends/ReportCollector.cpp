#include "ReportCollector.h"

#include "FileNames.h"
#include "FileWords.h"
#include "NaturalOrder.h"
#include "WindowWords.h"
#include "WriteJob.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <tuple>

namespace {

// Each row's place in each column's natural order, its problems first. Rows alike in a column
// keep their order in the column ranked before it: the folder's rows in the order of their
// names, and those alike in picture in the order of their folders and names.
std::array<std::vector<std::uint32_t>, resultColumns> rankRows(const WriteReport& report)
{
    std::array<std::vector<std::uint32_t>, resultColumns> ranks;
    const std::vector<ResultRow>& rows = report.rows;
    const auto count = static_cast<std::uint32_t>(rows.size());
    std::vector<unsigned char> kinds(count);
    std::ranges::transform(rows, kinds.begin(), [](const ResultRow& row) {
        return static_cast<unsigned char>(row.kind);
    });
    std::vector<std::string_view> texts(count);
    std::span<const std::uint32_t> tie;
    for (const ResultColumn column :
         {ResultColumn::File, ResultColumn::Folder, ResultColumn::Picture}) {
        std::ranges::transform(rows, texts.begin(),
                               [&](const ResultRow& row) { return report.sortText(row, column); });
        const bool picture = column == ResultColumn::Picture;
        const std::vector<std::uint32_t> order = naturalOrder(
            texts,
            picture ? std::span<const unsigned char>(kinds) : std::span<const unsigned char>(),
            tie);
        std::vector<std::uint32_t>& placed = ranks[static_cast<std::size_t>(column)];
        placed.resize(count);
        for (std::uint32_t place = 0; place < count; ++place) {
            const bool problem = rows[order[place]].problem();
            placed[order[place]] = place | (problem ? 0 : WriteReport::notProblemBit);
        }
        tie = placed;
    }
    return ranks;
}

// A file of `folder` as a row names it: by its path from the report's base.
std::string rowPath(const std::string& base, std::string_view folder, std::string_view name)
{
    return folder.empty() || folder == base ? std::string(name)
                                            : crestmap::joinPath(relativeTo(folder, base), name);
}

} // namespace

void ReportCollector::entry(const crestmap::EntryAccount& entry)
{
    m_report.tally.entry(entry);
    if (m_progress != nullptr) {
        ++m_progress->images;
    }
    ResultRow row;
    row.path = rowPath(m_report.base, entry.folder, entry.name);
    if (entry.reason) {
        row.kind = *entry.reason == crestmap::SkipReason::ExtensionCase
                       ? ResultRow::Kind::PassedOver
                       : ResultRow::Kind::NoRecord;
        row.reason = *entry.reason;
    } else {
        row.text = entry.picture;
    }
    m_report.rows.push_back(std::move(row));
}

void ReportCollector::folderDone(std::string_view folder, std::size_t images,
                                 std::optional<crestmap::StylePair> style, bool planned)
{
    const std::string relative =
        m_report.base.empty() ? "." : std::string(relativeTo(folder, m_report.base));
    m_report.folderImages[relative] = images;
    if (style) {
        m_report.folderStyles[relative] = *style;
    }
    if (m_progress != nullptr && planned) {
        m_progress->imagesDone += images;
        ++m_progress->folders;
    }
    m_folderStart = m_report.rows.size();
}

void ReportCollector::folder(const crestmap::FolderAccount& folder)
{
    m_report.tally.folder(folder);
    using Outcome = crestmap::FolderAccount::Outcome;
    // A folder's rows stand only once its outcome is known: they go again if it has no document.
    const bool documented = folder.outcome == Outcome::Written ||
                            folder.outcome == Outcome::Unchanged ||
                            folder.outcome == Outcome::NoImages;
    if (!documented) {
        m_report.rows.resize(m_folderStart);
    }
    const bool failed =
        folder.outcome == Outcome::Unreadable || folder.outcome == Outcome::Unwritable;
    if (failed || folder.outcome == Outcome::Kept || folder.outcome == Outcome::NotMapped) {
        m_report.rows.push_back(
            {.kind = failed ? ResultRow::Kind::FailedFolder : ResultRow::Kind::KeptFolder,
             .path = std::string(folder.folder),
             .text = FileWords::folder(folder).toStdString()});
    }
    // A pack's folders without images are not among those its plan counts; one stopped is not
    // done.
    folderDone(folder.folder, folder.images, documented ? folder.style : std::nullopt,
               folder.outcome != Outcome::NoImages && folder.outcome != Outcome::Cancelled);
}

void ReportCollector::checked(const std::string& folder, const crestmap::ConfigCheck& check,
                              std::optional<crestmap::StylePair> style)
{
    using State = crestmap::ConfigCheck::State;
    const bool current = check.current();
    if (check.state == State::Unreadable) {
        m_report.rows.resize(m_folderStart);
    }
    m_report.rows.push_back({.kind = check.state == State::Unreadable
                                         ? ResultRow::Kind::FailedFolder
                                     : current ? ResultRow::Kind::CurrentFolder
                                               : ResultRow::Kind::OutdatedFolder,
                             .path = folder,
                             .text = FileWords::check(check).toStdString()});
    // What an update writes: stale and missing files, not another program's, nor one it would
    // keep or cannot read.
    const bool writable = check.state == State::Stale || check.state == State::Missing ||
                          (check.state == State::CutShort && style);
    if (!current && writable) {
        m_report.outdated.push_back(folder);
    } else if (current) {
        m_report.current.push_back(folder);
    }
    folderDone(folder, check.images, style, true);
}

void ReportCollector::problem(const crestmap::ProblemAccount& problem)
{
    m_report.tally.problem(problem);
    const bool clash = problem.kind == crestmap::ProblemAccount::Kind::Clash;
    // A problem found within a folder stays, whatever becomes of the folder's other rows.
    m_folderStart = m_report.rows.size() + 1;
    m_report.rows.push_back({.kind = clash ? ResultRow::Kind::Clash : ResultRow::Kind::Unloadable,
                             .path = rowPath(m_report.base, problem.folder, problem.name),
                             .text = clash ? std::string(problem.other)
                                           : FileWords::image(problem.image).toStdString()});
}

void ReportCollector::finish(std::vector<crestmap::Fact> facts)
{
    m_report.facts = std::move(facts);
    m_report.ranks = rankRows(m_report);
    // Kind by kind, each by folder and name rather than in the disk's order: every column's
    // order is then close to the rows', and a sort in the window moves few of them.
    std::vector<ResultRow>& rows = m_report.rows;
    std::vector<std::uint32_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0U);
    const std::vector<std::uint32_t>& byFolder =
        m_report.ranks[static_cast<std::size_t>(ResultColumn::Folder)];
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return std::tie(rows[a].kind, byFolder[a]) < std::tie(rows[b].kind, byFolder[b]);
    });
    const auto reorder = [&order](auto& items) {
        std::remove_reference_t<decltype(items)> moved;
        moved.reserve(items.size());
        std::ranges::transform(order, std::back_inserter(moved),
                               [&items](std::uint32_t r) { return std::move(items[r]); });
        items = std::move(moved);
    };
    reorder(rows);
    std::ranges::for_each(m_report.ranks, reorder);
    // The problem rows come first; where they end is where the sorted kinds cross.
    m_report.problems = static_cast<std::size_t>(
        std::partition_point(rows.begin(), rows.end(),
                             [](const ResultRow& row) { return row.problem(); }) -
        rows.begin());
}
