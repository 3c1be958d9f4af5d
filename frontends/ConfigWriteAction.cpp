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
    WriteReport report;
    ReportCollector collector(report);
    const crestmap::WriteResult result = crestmap::ConfigBuilder::writeConfig(
        configPath, files, style.graphicStyle, style.subType, std::cout, &collector);
    collector.finish();
    report.written = result.written;
    report.failure = QString::fromStdString(result.error);
    return report;
}

WriteReport writeFolderConfigs(const std::string& root, crestmap::StylePair style,
                               bool withSubfolders)
{
    const BusyCursor busy;
    WriteReport report;
    report.base = root;
    report.pack = withSubfolders;
    ReportCollector collector(report);
    crestmap::PackRequest request;
    request.style = style;
    request.recursive = withSubfolders;
    report.written = crestmap::writePack(root, request, collector, std::cout);
    collector.finish();
    if (!report.written) {
        const auto& first = report.tally.failures().front();
        report.failure =
            report.tally.foldersWritten() == 0 && !withSubfolders
                ? QString::fromStdString(first.error)
                : QCoreApplication::translate("WriteReport", "%1 could not be written: %2")
                      .arg(QFile::decodeName(first.folder.c_str()),
                           QString::fromStdString(first.error));
    }
    return report;
}
