#include "WriteReport.h"

#include "FileNames.h"
#include "FileWords.h"
#include "PathText.h"
#include "WindowWords.h"
#include "XmlRecordBuilder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThreadPool>

std::string_view relativeTo(std::string_view path, std::string_view base)
{
    const std::size_t skip =
        base.size() + (!base.empty() && crestmap::isPathSeparator(base.back()) ? 0 : 1);
    return path.size() > skip ? path.substr(skip) : std::string_view(".");
}

WriteReport WriteReport::saying(const QString& text)
{
    WriteReport report;
    report.failure = text;
    return report;
}

QString WriteReport::summary() const
{
    if (facts.empty()) {
        return failure;
    }
    QString line = lead.isEmpty() ? WindowWords::facts(facts)
                                  : lead + QStringLiteral(" · ") + WindowWords::facts(facts);
    if (checked && cancelled) {
        line +=
            QStringLiteral(" · ") + WindowWords::tr("cancelled: the check stopped before its end");
    }
    if (undoError) {
        //: %1: why, as “cannot make /home/me/.cache/crestmap: No space left on device”
        line += QStringLiteral(" · ") +
                WindowWords::tr("Undo is not available: %1").arg(FileWords::error(*undoError));
    }
    return line;
}

QString WriteReport::statusLine() const
{
    if (written && !checked && tally.records() == 0 && tally.images() > 0) {
        //: %1: what became of the files, as “3 files without a record (kit name)”
        return WindowWords::tr("config.xml holds no records: none of the %Ln file(s) maps with "
                               "these choices (%1)",
                               nullptr, pluralCount(tally.images()))
            .arg(WindowWords::facts(tally.findings(), true));
    }
    return summary();
}

std::optional<std::string> WriteReport::recordOf(const ResultRow& row) const
{
    if (row.kind != ResultRow::Kind::Mapped && row.kind != ResultRow::Kind::Clash &&
        row.kind != ResultRow::Kind::Unloadable) {
        return std::nullopt;
    }
    const auto style = folderStyles.find(std::string(folderOf(row)));
    return style == folderStyles.end()
               ? std::nullopt
               : crestmap::recordLineFor(crestmap::fileNameOf(row.path), style->second);
}

QString WriteReport::writtenFolder() const
{
    const std::string& folder = base.empty() ? tally.lastConfigPath() : base;
    return foldersWritten() == 0 || folder.empty() ? QString()
           : base.empty()                          ? QFileInfo(qtPath(folder)).absolutePath()
                                                   : qtPath(folder);
}

QString WriteReport::shownFolder() const
{
    return !base.empty() ? qtPath(base) : writtenFolder();
}

std::string_view WriteReport::folderOf(const ResultRow& row) const
{
    if (row.folder()) {
        return relativeTo(row.path, base);
    }
    static constexpr char separators[] = {'/', crestmap::pathSeparator};
    const std::size_t at = row.path.find_last_of(std::string_view(separators, 2));
    return base.empty() || at == std::string::npos ? std::string_view(".")
                                                   : std::string_view(row.path).substr(0, at);
}

std::string_view WriteReport::sortText(const ResultRow& row, ResultColumn column) const
{
    static constexpr std::array<std::string_view, 6> reasons{"0", "1", "2", "3", "4", "5"};
    if (column == ResultColumn::File) {
        return crestmap::lastPathComponent(row.path);
    }
    if (column == ResultColumn::Folder) {
        return folderOf(row);
    }
    return row.kind == ResultRow::Kind::PassedOver || row.kind == ResultRow::Kind::NoRecord
               ? reasons[static_cast<std::size_t>(row.reason)]
               : std::string_view(row.text);
}

SharedReport shareReport(WriteReport report)
{
    return {std::make_unique<const WriteReport>(std::move(report)).release(),
            [](const WriteReport* shared) {
                std::unique_ptr<const WriteReport> owned(shared);
                // Without an application the pool may be gone: freed here, then.
                if (QCoreApplication::instance() != nullptr) {
                    QThreadPool::globalInstance()->start(
                        [freed = std::shared_ptr<const WriteReport>(std::move(owned))] {});
                }
            }};
}
