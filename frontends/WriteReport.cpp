#include "WriteReport.h"

#include "FileNames.h"

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
    return QFile::decodeName(path.c_str());
}

QString counted(std::size_t count, const char* one, const char* many)
{
    return tr(count == 1 ? one : many).arg(count);
}

} // namespace

WriteReport WriteReport::failed(const QString& reason)
{
    WriteReport report;
    report.failure = reason;
    return report;
}

QString WriteReport::summary() const
{
    if (!written && foldersWritten == 0) {
        return failure;
    }
    QStringList parts;
    if (foldersWritten > 1 || !failedFolders.empty()) {
        parts << tr("%1 in %2 under %3")
                     .arg(counted(records, "%1 record written", "%1 records written"),
                          counted(foldersWritten, "%1 folder", "%1 folders"), decoded(configPath));
    } else {
        parts << counted(records, "%1 record written to %2", "%1 records written to %2")
                     .arg(decoded(configPath));
    }
    if (!failedFolders.empty()) {
        parts << counted(failedFolders.size(), "%1 folder could not be written",
                         "%1 folders could not be written");
    }
    if (const std::size_t without = skipped.withoutRecord(); without > 0) {
        parts << counted(without, "%1 file without a record", "%1 files without a record");
    }
    if (const std::size_t over = skipped.passedOver(); over > 0) {
        parts << counted(over, "%1 entry passed over (.PNG)", "%1 entries passed over (.PNG)");
    }
    return parts.join(QStringLiteral(" · "));
}

QString WriteReport::statusLine() const
{
    if (written && records == 0 && !files.empty()) {
        return tr("config.xml holds no records: none of the %1 files maps with these choices (%2)")
            .arg(files.size())
            .arg(QString::fromStdString(crestmap::describeTally(skipped)));
    }
    return summary();
}

QString WriteReport::details() const
{
    QStringList lines{summary()};
    if (records == 0 && !files.empty()) {
        lines << tr("None of the %1 files got a record with these choices.").arg(files.size());
    }
    for (const crestmap::FolderFailure& folder : failedFolders) {
        lines << decoded(folder.folder) + QStringLiteral(": ") + decoded(folder.error);
    }
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
