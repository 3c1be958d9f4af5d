#include "WriteJob.h"

#include "ConfigBuilder.h"
#include "FileNames.h"
#include "FolderListing.h"
#include "FolderReader.h"
#include "PathText.h"
#include "UndoJournal.h"

#include <QCoreApplication>
#include <QFile>
#include <sstream>

namespace {

// Whether a folder right below `folder` holds an image entry; only looked at when `folder`
// itself holds none.
bool subfoldersHoldImages(const std::string& folder)
{
    std::vector<std::string> subfolders;
    crestmap::FolderReader reader(folder);
    while (const auto entry = reader.next()) {
        if (entry->isFolder) {
            subfolders.push_back(crestmap::joinPath(folder, entry->name));
        }
    }
    for (const std::string& subfolder : subfolders) {
        crestmap::FolderReader inside(subfolder);
        while (const auto entry = inside.next()) {
            if (crestmap::classifyEntryName(entry->name) == crestmap::EntryName::Image) {
                return true;
            }
        }
    }
    return false;
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
    return coreBytes(path);
}

WriteReport runWrite(const WriteRequest& request, WriteProgress& progress, UndoJournal* journal)
{
    if (!request.failure.isEmpty()) {
        return WriteReport::failed(request.failure);
    }
    WriteReport report;
    ReportCollector collector(report, &progress);
    // The "Unexpected error: " lines go where the window's users never look but a terminal does.
    std::ostringstream errors;
    if (request.source == WriteRequest::Source::Browse) {
        if (journal != nullptr) {
            journal->save(request.configPath);
        }
        const crestmap::WriteResult result = crestmap::ConfigBuilder::writeConfig(
            request.configPath, request.files, request.style.graphicStyle, request.style.subType,
            errors, &collector);
        report.written = result.written;
        report.failure = QString::fromStdString(result.error);
    } else {
        report.base = request.folder;
        report.pack = request.pack.recursive;
        crestmap::PackRequest pack = request.pack;
        pack.cancel = &progress.cancel;
        if (journal != nullptr) {
            pack.beforeWrite = [journal](const std::string& path) { journal->save(path); };
        }
        report.written = crestmap::writePack(request.folder, pack, collector, errors);
        if (!report.written) {
            const auto& first = report.tally.failures().front();
            report.failure =
                report.tally.foldersWritten() == 0 && !report.pack
                    ? QString::fromStdString(first.error)
                    : QCoreApplication::translate("WriteReport", "%1 could not be written: %2")
                          .arg(shownPath(first.folder), QString::fromStdString(first.error));
        }
    }
    collector.finish();
    if (request.source == WriteRequest::Source::Folder && !request.pack.recursive &&
        report.written && report.tally.images() == 0 && subfoldersHoldImages(request.folder)) {
        report.hint = QCoreApplication::translate(
            "WriteReport", "its sub-folders hold images: tick Include sub-folders to write them");
    }
    report.cancelled = progress.cancel.load();
    if (report.cancelled) {
        // Whatever was written before the cancel is written, whole.
        report.written = report.tally.foldersWritten() > 0 && report.tally.foldersFailed() == 0;
    }
    if (journal != nullptr) {
        // A cancelled write gives control back at once: what it lost can wait for Undo.
        journal->seal(!report.cancelled);
        report.lostRecords = journal->lostRecords();
    }
    std::fputs(errors.str().c_str(), stdout);
    return report;
}
