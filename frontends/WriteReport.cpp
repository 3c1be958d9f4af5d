#include "WriteReport.h"

#include "AccountWords.h"
#include "FileNames.h"
#include "MappingFile.h"
#include "PathText.h"
#include "WriteJob.h"
#include "XmlRecordBuilder.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("WriteReport", text);
}

QString words(const std::string& text)
{
    return qtPath(text);
}

} // namespace

std::string_view folderPart(std::string_view relativePath)
{
    for (auto i = relativePath.size(); i > 0; --i) {
        if (crestmap::isPathSeparator(relativePath[i - 1])) {
            return relativePath.substr(0, i - 1);
        }
    }
    return ".";
}

QString counted(std::size_t count, const char* one, const char* many)
{
    return tr(count == 1 ? one : many).arg(count);
}

WriteReport WriteReport::failed(const QString& reason)
{
    WriteReport report;
    report.failure = reason;
    return report;
}

QStringList WriteReport::facts() const
{
    if (!written && !failure.isEmpty() && tally.foldersWritten() == 0 && !pack && !checked) {
        return {failure};
    }
    const std::vector<std::string> core =
        checked ? crestmap::checkFacts(checked->counts, tally) : tally.facts(plannedFolders);
    QStringList list;
    for (const std::string& fact : core) {
        list << words(fact);
    }
    if (checked && cancelled) {
        list << tr("cancelled: the check stopped before its end");
    }
    if (!undoError.isEmpty()) {
        list << tr("Undo is not available: %1").arg(undoError);
    }
    if (!hint.isEmpty()) {
        list << hint;
    }
    return list;
}

QString WriteReport::summary() const
{
    return facts().join(QStringLiteral(" · "));
}

QString WriteReport::statusLine() const
{
    if (written && !checked && tally.records() == 0 && tally.images() > 0) {
        return tr("config.xml holds no records: none of the %1 files maps with these choices (%2)")
            .arg(tally.images())
            .arg(words(crestmap::describeTally(tally.skipped())));
    }
    return summary();
}

QString WriteReport::details() const
{
    QStringList lines = facts();
    for (const crestmap::FolderFailure& folder : tally.failures()) {
        lines << words(folder.folder) + QStringLiteral(": ") + words(folder.error);
    }
    const crestmap::SkipTally& skipped = tally.skipped();
    if (!skipped.sample().empty()) {
        lines << QString() << tr("Files without a record:");
        // In the results view's order: entries passed over before files without a record.
        std::vector<crestmap::SkippedFile> sample = skipped.sample();
        std::stable_partition(sample.begin(), sample.end(), [](const crestmap::SkippedFile& f) {
            return f.reason == crestmap::SkipReason::ExtensionCase;
        });
        for (const crestmap::SkippedFile& file : sample) {
            lines << words(std::string(crestmap::lastPathComponent(file.name))) +
                         QStringLiteral(" — ") +
                         QString::fromUtf8(crestmap::describeSkipReason(file.reason));
        }
        const std::size_t more =
            skipped.withoutRecord() + skipped.passedOver() - skipped.sample().size();
        if (more > 0) {
            lines << tr("… and %1 more").arg(more);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

std::optional<std::string> WriteReport::recordOf(const ResultRow& row) const
{
    if (row.kind != ResultRow::Kind::Mapped && row.kind != ResultRow::Kind::Clash &&
        row.kind != ResultRow::Kind::Unloadable) {
        return std::nullopt;
    }
    const auto style = folderStyles.find(std::string(base.empty() ? "." : folderPart(row.path)));
    if (style == folderStyles.end()) {
        return std::nullopt;
    }
    return crestmap::recordLineFor(crestmap::fileNameOf(row.path), style->second);
}

std::string ReportCollector::shownPath(std::string_view folder, std::string_view name) const
{
    const std::string& base = m_report.base;
    if (folder.empty() || folder == base) {
        return std::string(name);
    }
    return crestmap::joinPath(folder.substr(std::min(folder.size(), base.size() + 1)), name);
}

std::string ReportCollector::relativeFolder(std::string_view folder) const
{
    const std::string& base = m_report.base;
    if (base.empty() || folder.size() <= base.size()) {
        return ".";
    }
    return std::string(folder.substr(base.size() + 1));
}

void ReportCollector::entry(const crestmap::EntryAccount& entry)
{
    m_report.tally.entry(entry);
    if (m_progress != nullptr) {
        ++m_progress->images;
    }
    ResultRow row;
    row.path = shownPath(entry.folder, entry.name);
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

void ReportCollector::folderDone()
{
    if (m_progress != nullptr) {
        ++m_progress->folders;
    }
    m_folderStart = m_report.rows.size();
}

void ReportCollector::folder(const crestmap::FolderAccount& folder)
{
    m_report.tally.folder(folder);
    using Outcome = crestmap::FolderAccount::Outcome;
    const std::string name(folder.folder);
    // A folder's rows stand only once its outcome is known: they go again if it has no document.
    if (folder.outcome != Outcome::Written && folder.outcome != Outcome::LeftAlone) {
        m_report.rows.resize(m_folderStart);
    }
    const std::string relative = relativeFolder(folder.folder);
    m_report.folderImages[relative] = folder.images;
    m_report.folderStyles[relative] = folder.style;
    switch (folder.outcome) {
    case Outcome::Failed:
        m_report.rows.push_back(
            {ResultRow::Kind::FailedFolder, {}, name, std::string(folder.error)});
        break;
    case Outcome::Kept:
        m_report.rows.push_back(
            {ResultRow::Kind::KeptFolder, {}, name, crestmap::describeKept(folder.style)});
        break;
    case Outcome::NotMapped:
        m_report.rows.push_back({ResultRow::Kind::KeptFolder, {}, name, "not mapped yet"});
        break;
    case Outcome::Cancelled:
    case Outcome::Written:
    case Outcome::LeftAlone:
        break;
    }
    folderDone();
}

void ReportCollector::checked(const std::string& folder, const crestmap::ConfigCheck& check,
                              crestmap::StylePair style)
{
    using State = crestmap::ConfigCheck::State;
    const std::string relative = relativeFolder(folder);
    m_report.folderImages[relative] = check.images;
    m_report.folderStyles[relative] = style;
    if (check.state == State::Failed) {
        m_report.rows.resize(m_folderStart);
        m_report.rows.push_back({ResultRow::Kind::FailedFolder, {}, folder, check.detail});
        folderDone();
        return;
    }
    std::string text(crestmap::describeCheckState(check.state));
    if (check.state == State::Stale || (check.state == State::Current && !check.detail.empty())) {
        text += ": " + check.detail;
    }
    const bool current = check.current();
    m_report.rows.push_back(
        {current ? ResultRow::Kind::CurrentFolder : ResultRow::Kind::OutdatedFolder,
         {},
         folder,
         check.state == State::NotMapping ? check.detail : text});
    if (!current && check.state != State::NotMapping) {
        m_report.checked->outdatedFolders.push_back(folder);
    }
    folderDone();
}

void ReportCollector::problem(const crestmap::ProblemAccount& problem)
{
    m_report.tally.problem(problem);
    const bool clash = problem.kind == crestmap::ProblemAccount::Kind::Clash;
    // A problem found within a folder stays, whatever becomes of the folder's other rows.
    m_folderStart = m_report.rows.size() + 1;
    m_report.rows.push_back({clash ? ResultRow::Kind::Clash : ResultRow::Kind::Unloadable,
                             {},
                             shownPath(problem.folder, problem.name),
                             std::string(clash ? problem.other : problem.detail)});
}

void ReportCollector::finish()
{
    std::stable_sort(m_report.rows.begin(), m_report.rows.end(),
                     [](const ResultRow& a, const ResultRow& b) { return a.kind < b.kind; });
    m_report.problems =
        static_cast<std::size_t>(std::count_if(m_report.rows.begin(), m_report.rows.end(),
                                               [](const ResultRow& row) { return row.problem(); }));
}
