#include "WriteJob.h"

#include "FileNames.h"
#include "FileWords.h"
#include "PathText.h"
#include "ReportCollector.h"
#include "UndoRecorder.h"
#include "WindowWords.h"

#include <QDir>
#include <iostream>

std::optional<std::string> localPathOf(const QUrl& url)
{
    if (!url.isLocalFile() || url.toLocalFile().isEmpty()) {
        return std::nullopt;
    }
    return coreBytes(QDir::toNativeSeparators(url.toLocalFile()));
}

WriteRequest WriteRequest::forFiles(const QList<QUrl>& files, crestmap::StylePair style)
{
    WriteRequest request;
    request.source = Source::Browse;
    const auto first = localPathOf(files.value(0));
    if (!first) {
        //: %1: the address of what was chosen
        request.failure = WindowWords::tr("%1 is not a local file")
                              .arg(WindowWords::isolated(files.value(0).toDisplayString()));
        return request;
    }
    request.folder = crestmap::parentFolderOf(*first);
    request.pack.style = style;
    request.pack.rule = crestmap::StyleRule::KeepOwn;
    for (const QUrl& url : files) {
        request.pack.images.push_back(localPathOf(url).value_or(coreBytes(url.path())));
    }
    return request;
}

WriteRequest WriteRequest::forFolder(const QUrl& folder, Source source, crestmap::StylePair style,
                                     bool subfolders)
{
    WriteRequest request;
    request.source = source;
    const auto path = localPathOf(folder);
    if (!path) {
        //: %1: the address of what was chosen or dropped
        request.failure = WindowWords::tr("%1 is not a local folder")
                              .arg(WindowWords::isolated(folder.toDisplayString()));
        return request;
    }
    request.folder = *path;
    request.pack.style = style;
    request.pack.recursive = subfolders;
    // A check compares each folder with its own style; the one chosen serves those without. A
    // pack's top opened without images of its own is checked with the folders below it.
    request.pack.rule =
        request.checking() ? crestmap::StyleRule::Update : crestmap::StyleRule::KeepOwn;
    request.pack.recursiveWhenEmpty = source == Source::Opened && !subfolders;
    return request;
}

WriteRequest WriteRequest::forUpdate(const WriteReport& check, crestmap::StylePair style)
{
    WriteRequest request;
    request.source = Source::Update;
    request.folder = check.base;
    request.pack.folders = check.outdated;
    request.pack.alongside = check.current;
    request.pack.style = style;
    request.pack.rule = crestmap::StyleRule::Update;
    return request;
}

WriteReport runJob(const WriteRequest& request, WriteProgress& progress)
{
    if (!request.failure.isEmpty()) {
        return WriteReport::saying(request.failure);
    }
    WriteReport report;
    report.checked = request.checking();
    report.again = request.source == WriteRequest::Source::Again;
    report.lead = request.lead;
    report.asked = request.pack.style;
    // Files chosen one by one are shown by their whole paths.
    report.base = request.source == WriteRequest::Source::Browse ? std::string() : request.folder;
    report.pack = report.checked ? request.pack.recursive : request.planned();
    ReportCollector collector(report, &progress);
    crestmap::PackRequest pack = request.pack;
    pack.control = &progress.control;
    pack.verifyImages = true;
    if (report.checked) {
        const crestmap::PackCheck counts = crestmap::checkPack(
            request.folder, pack,
            [&, below = false](const std::string& folder, const crestmap::ConfigCheck& state,
                               std::optional<crestmap::StylePair> style) mutable {
                if (!below && pack.recursiveWhenEmpty && folder != request.folder) {
                    below = true;
                    if (progress.descending) {
                        progress.descending();
                    }
                }
                collector.checked(folder, state, style);
            },
            &collector);
        report.written = counts.allCurrent();
        report.descended = counts.descended;
        report.pack = report.pack || counts.descended;
        report.cancelled = progress.control.cancelled();
        collector.finish(counts.facts(report.tally));
        return report;
    }
    crestmap::UndoRecorder journal(collector, "crestmap", request.folder);
    // The "Unexpected error: " lines go where a terminal sees them, as they happen.
    report.written = crestmap::writePack(request.folder, pack, journal, std::cout);
    if (!journal.seal()) {
        report.undoError = journal.error();
    }
    report.journal = journal.name();
    report.cancelled = progress.control.cancelled();
    if (report.cancelled) {
        report.tally.markCancelled();
    }
    collector.finish(report.tally.facts(request.plannedFolders));
    // One folder that could not be written: the reason is the whole story.
    if (!report.pack && !report.tally.failures().empty() && report.foldersWritten() == 0) {
        report.failure = FileWords::error(report.tally.failures().front().error);
        report.facts.clear();
    }
    return report;
}
