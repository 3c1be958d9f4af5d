#include "ConfigWriteAction.h"

#include "ConfigBuilder.h"
#include "FileNames.h"
#include "PackWalk.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <iostream>

namespace {

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// `name` as the results view shows it: relative to the dropped folder.
std::string relativeTo(const std::string& root, const std::string& folder, std::string_view name)
{
    if (folder == root) {
        return std::string(name);
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
    // A folder's images join the view only once its config.xml is written.
    std::vector<std::string> pending;
    crestmap::PackOptions options;
    options.recursive = withSubfolders;
    options.onImage = [&](const std::string& folder, std::string_view name) {
        pending.push_back(relativeTo(root, folder, name));
    };
    options.onSkip = [&](const std::string& folder, std::string_view name,
                         crestmap::SkipReason reason) {
        if (reason == crestmap::SkipReason::ExtensionCase) {
            report.passedOver.push_back(relativeTo(root, folder, name));
        }
    };
    options.onFolder = [&](const std::string&, const crestmap::WriteResult& result) {
        if (result) {
            report.files.insert(report.files.end(), std::make_move_iterator(pending.begin()),
                                std::make_move_iterator(pending.end()));
        }
        pending.clear();
    };
    crestmap::PackResult pack = crestmap::writePack(root, style, std::cout, options);
    report.records = pack.records;
    report.foldersWritten = pack.foldersWritten;
    report.skipped = std::move(pack.skipped);
    report.failedFolders = std::move(pack.failures);
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
