#include "ConfigWriteAction.h"

#include "ConfigBuilder.h"
#include "FileNames.h"
#include "FolderListing.h"
#include "PackWalk.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>

namespace {

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// `name` as the results view shows it: relative to the dropped folder.
std::string relativeTo(const std::string& root, const std::string& folder, const std::string& name)
{
    if (folder == root) {
        return name;
    }
    return crestmap::joinPath(std::string_view(folder).substr(crestmap::joinPath(root, "").size()),
                              name);
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
    return QFile::encodeName(path).toStdString();
}

WriteReport writeImagesConfig(const std::string& configPath, std::vector<std::string> files,
                              crestmap::StylePair style)
{
    const BusyCursor busy;
    const crestmap::WriteResult result =
        crestmap::ConfigBuilder::writeConfig(configPath, files, style.graphicStyle, style.subType);
    if (!result) {
        return WriteReport::failed(QString::fromStdString(result.error));
    }
    WriteReport report;
    report.written = true;
    report.configPath = configPath;
    report.style = style;
    report.records = result.records;
    report.foldersWritten = 1;
    report.skipped = result.skipped;
    report.files = std::move(files);
    return report;
}

WriteReport writeFolderConfigs(const std::string& root, crestmap::StylePair style,
                               bool withSubfolders)
{
    const BusyCursor busy;
    WriteReport report;
    report.style = style;
    report.base = root;
    report.configPath = withSubfolders ? root : crestmap::configPathIn(root);
    crestmap::walkFolders(
        root, [&](const std::string& folder, std::vector<std::string>& subfolders) {
            crestmap::FolderListing listing = crestmap::listImages(folder);
            if (!listing) {
                report.failedFolders.push_back({folder, listing.error});
                return;
            }
            if (withSubfolders) {
                subfolders = std::move(listing.subfolders);
            }
            for (const std::string& name : listing.passedOver) {
                report.passedOver.push_back(relativeTo(root, folder, name));
                report.skipped.add(report.passedOver.back(), crestmap::SkipReason::ExtensionCase);
            }
            if (folder != root && listing.images.empty()) {
                return;
            }
            std::vector<std::string> files;
            files.reserve(listing.images.size());
            for (const std::string& name : listing.images) {
                files.push_back(relativeTo(root, folder, name));
            }
            const crestmap::WriteResult result = crestmap::ConfigBuilder::writeConfig(
                crestmap::configPathIn(folder), files, style.graphicStyle, style.subType);
            if (!result) {
                report.failedFolders.push_back({folder, result.error});
                return;
            }
            ++report.foldersWritten;
            report.records += result.records;
            report.skipped.merge(result.skipped);
            report.files.insert(report.files.end(), std::make_move_iterator(files.begin()),
                                std::make_move_iterator(files.end()));
        });
    report.written = report.failedFolders.empty();
    if (!report.written) {
        const auto& first = report.failedFolders.front();
        report.failure =
            report.foldersWritten == 0 && !withSubfolders
                ? QString::fromStdString(first.error)
                : QCoreApplication::translate("WriteReport", "%1 could not be written: %2")
                      .arg(QFile::decodeName(first.folder.c_str()),
                           QString::fromStdString(first.error));
    }
    return report;
}
