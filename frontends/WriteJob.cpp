#include "WriteJob.h"

#include "FileNames.h"
#include "PathText.h"
#include "UndoJournal.h"

#include <QCoreApplication>
#include <iostream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("WriteReport", text);
}

WriteReport check(const WriteRequest& request, WriteProgress& progress)
{
    WriteReport report;
    report.base = request.folder;
    report.pack = request.pack.recursive;
    report.checked.emplace();
    ReportCollector collector(report, &progress);
    crestmap::PackRequest pack = request.pack;
    pack.cancel = &progress.cancel;
    pack.verifyImages = true;
    report.checked->counts = crestmap::checkPack(
        request.folder, pack,
        [&collector](const std::string& folder, const crestmap::ConfigCheck& state,
                     crestmap::StylePair style) { collector.checked(folder, state, style); },
        &collector);
    report.written = report.checked->counts.allCurrent();
    report.cancelled = progress.cancel.load();
    collector.finish();
    return report;
}

} // namespace

std::optional<std::string> localPathOf(const QUrl& url)
{
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
    const QString path = url.toLocalFile();
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return coreBytes(QDir::toNativeSeparators(path));
}

WriteReport runJob(const WriteRequest& request, WriteProgress& progress)
{
    if (!request.failure.isEmpty()) {
        return WriteReport::failed(request.failure);
    }
    if (request.checking()) {
        return check(request, progress);
    }
    WriteReport report;
    // Files chosen one by one are shown by their whole paths.
    report.base = request.source == WriteRequest::Source::Browse ? std::string() : request.folder;
    report.pack = request.planned();
    report.plannedFolders = request.plannedFolders;
    ReportCollector collector(report, &progress);
    crestmap::UndoJournal journal(collector);
    crestmap::PackRequest pack = request.pack;
    pack.cancel = &progress.cancel;
    pack.verifyImages = true;
    // The "Unexpected error: " lines go where a terminal sees them, as they happen.
    report.written = crestmap::writePack(request.folder, pack, journal, std::cout);
    if (!journal.seal() && report.tally.foldersWritten() > 0) {
        report.undoError = QString::fromStdString(journal.error());
    }
    report.journal = journal.name();
    report.cancelled = progress.cancel.load();
    if (report.cancelled) {
        report.tally.markCancelled();
    }
    collector.finish();
    if (!report.written && report.tally.foldersWritten() == 0 && !report.pack &&
        !report.tally.failures().empty()) {
        report.failure = QString::fromStdString(report.tally.failures().front().error);
    }
    if (request.source != WriteRequest::Source::Browse && !request.pack.recursive &&
        report.written && report.tally.images() == 0 &&
        crestmap::subfoldersHoldImages(request.folder)) {
        report.hint = tr("its sub-folders hold images: tick Include sub-folders to write them");
    }
    return report;
}
