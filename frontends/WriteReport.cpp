#include "WriteReport.h"

#include "FileNames.h"
#include "MappingFile.h"
#include "PathText.h"
#include "WriteJob.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("WriteReport", text);
}

QString decoded(const std::string& path)
{
    return shownPath(path);
}

} // namespace

std::string_view folderPart(std::string_view relativePath)
{
    const auto slash = relativePath.rfind('/');
    return slash == std::string_view::npos ? std::string_view(".") : relativePath.substr(0, slash);
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

QString WriteReport::summary() const
{
    const std::size_t records = tally.records();
    const std::size_t folders = tally.foldersWritten();
    const std::size_t failed = tally.foldersFailed();
    if (!written && folders == 0 && !pack) {
        return failure;
    }
    QStringList parts;
    if (folders == 1 && failed == 0) {
        parts << counted(records, "%1 record written to %2", "%1 records written to %2")
                     .arg(decoded(tally.lastConfigPath()));
    } else {
        parts << tr("%1 in %2 under %3")
                     .arg(counted(records, "%1 record written", "%1 records written"),
                          counted(folders, "%1 folder", "%1 folders"), decoded(base));
    }
    if (failed > 0) {
        parts << counted(failed, "%1 folder could not be written",
                         "%1 folders could not be written");
    }
    if (const std::size_t kept = tally.foldersKept(); kept > 0) {
        parts << counted(kept, "%1 folder kept in its own style",
                         "%1 folders kept in their own style");
    }
    if (const std::size_t notMapped = tally.foldersNotMapped(); notMapped > 0) {
        parts << counted(notMapped, "%1 folder not mapped yet", "%1 folders not mapped yet");
    }
    if (const std::size_t without = tally.skipped().withoutRecord(); without > 0) {
        parts << counted(without, "%1 file without a record", "%1 files without a record");
    }
    if (const std::size_t over = tally.skipped().passedOver(); over > 0) {
        parts << counted(over, "%1 entry passed over (.PNG)", "%1 entries passed over (.PNG)");
    }
    using Kind = crestmap::ProblemAccount::Kind;
    if (const std::size_t clashes = tally.problems(Kind::Clash); clashes > 0) {
        parts << counted(clashes, "%1 image shares its picture with another",
                         "%1 images share a picture with another");
    }
    if (const std::size_t broken = tally.problems(Kind::Unloadable); broken > 0) {
        parts << counted(broken, "%1 image would not load", "%1 images would not load");
    }
    if (cancelled) {
        parts << tr("cancelled: the folders not yet written keep their old config.xml");
    }
    if (!hint.isEmpty()) {
        parts << hint;
    }
    return parts.join(QStringLiteral(" · "));
}

QString WriteReport::statusLine() const
{
    if (written && tally.records() == 0 && tally.images() > 0) {
        return tr("config.xml holds no records: none of the %1 files maps with these choices (%2)")
            .arg(tally.images())
            .arg(QString::fromStdString(crestmap::describeTally(tally.skipped())));
    }
    return summary();
}

QString WriteReport::details() const
{
    QStringList lines{summary()};
    if (tally.records() == 0 && tally.images() > 0) {
        lines << tr("None of the %1 files got a record with these choices.").arg(tally.images());
    }
    for (const crestmap::FolderFailure& folder : tally.failures()) {
        lines << decoded(folder.folder) + QStringLiteral(": ") + decoded(folder.error);
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
            lines << decoded(std::string(crestmap::lastPathComponent(file.name))) +
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

std::string ReportCollector::shownPath(std::string_view folder, std::string_view name) const
{
    const std::string& base = m_report.base;
    if (folder.empty() || folder == base) {
        return std::string(name);
    }
    return crestmap::joinPath(folder.substr(std::min(folder.size(), base.size() + 1)), name);
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

void ReportCollector::folder(const crestmap::FolderAccount& folder)
{
    m_report.tally.folder(folder);
    if (m_progress != nullptr) {
        ++m_progress->folders;
    }
    using Outcome = crestmap::FolderAccount::Outcome;
    const std::string name(folder.folder);
    // A folder's rows stand only once its outcome is known: they go again if it has no document.
    if (folder.outcome != Outcome::Written && folder.outcome != Outcome::LeftAlone) {
        m_report.rows.resize(m_folderStart);
    }
    switch (folder.outcome) {
    case Outcome::Failed:
        m_report.rows.push_back(
            {ResultRow::Kind::FailedFolder, {}, name, std::string(folder.error)});
        break;
    case Outcome::Kept:
        m_report.rows.push_back(
            {ResultRow::Kind::KeptFolder,
             {},
             name,
             "kept: maps " + crestmap::describeStyle(folder.style) + " records"});
        break;
    case Outcome::NotMapped:
        m_report.rows.push_back({ResultRow::Kind::KeptFolder, {}, name, "not mapped yet"});
        break;
    case Outcome::Cancelled:
        break;
    case Outcome::Written:
    case Outcome::LeftAlone:
        if (m_report.pack) {
            for (std::size_t i = m_folderStart; i < m_report.rows.size(); ++i) {
                m_report.folderImages[std::string(folderPart(m_report.rows[i].path))] += 1;
            }
        }
        break;
    }
    m_folderStart = m_report.rows.size();
}

void ReportCollector::problem(const crestmap::ProblemAccount& problem)
{
    m_report.tally.problem(problem);
    m_folderStart = m_report.rows.size() + 1;
    m_report.rows.push_back({problem.kind == crestmap::ProblemAccount::Kind::Clash
                                 ? ResultRow::Kind::Clash
                                 : ResultRow::Kind::Unloadable,
                             {},
                             shownPath(problem.folder, problem.name),
                             std::string(problem.detail)});
}

void ReportCollector::finish()
{
    std::stable_sort(m_report.rows.begin(), m_report.rows.end(),
                     [](const ResultRow& a, const ResultRow& b) { return a.kind < b.kind; });
    m_report.problems =
        static_cast<std::size_t>(std::count_if(m_report.rows.begin(), m_report.rows.end(),
                                               [](const ResultRow& row) { return row.problem(); }));
}
