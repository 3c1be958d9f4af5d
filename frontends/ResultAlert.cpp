#include "ResultAlert.h"

#include "FileNames.h"
#include "FileWords.h"
#include "WindowWords.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace {

// The alerts' own English, word for word, whatever the window's language.
const QString successTitle = QStringLiteral("config.xml successfully written!");
const QString failureTitle = QStringLiteral("Problem writing config.xml!");
const QString failureBody = QStringLiteral(
    "There was a problem with generating your config.xml file. The process cannot continue.");
const QString browseBody = QStringLiteral(
    "Your config.xml file has been successfully created with the files you selected. The XML is "
    "in the same folder as your files.\n\nIf you missed some files from your selection, simply "
    "repeat this process.");
const QString dropBody =
    QStringLiteral("Your config.xml file has been successfully created in the folder you dragged.");

// The facts a line each, the folders that failed, and the first files without a record.
QString details(const WriteReport& report)
{
    QStringList lines;
    for (const crestmap::Fact& fact : report.facts) {
        lines << WindowWords::facts({fact});
    }
    if (lines.isEmpty()) {
        lines << report.failure;
    }
    for (const crestmap::FolderFailure& folder : report.tally.failures()) {
        lines << WindowWords::path(folder.folder) + QStringLiteral(": ") +
                     FileWords::error(folder.error);
    }
    const crestmap::SkipTally& skipped = report.tally.skipped();
    if (!skipped.sample().empty()) {
        // In the results view's order, each under the words its fact counts it by: entries passed
        // over, then files without a record.
        std::vector<crestmap::SkippedFile> sample = skipped.sample();
        const auto passedOver = [](const crestmap::SkippedFile& f) {
            return f.reason == crestmap::SkipReason::ExtensionCase;
        };
        const auto others = std::stable_partition(sample.begin(), sample.end(), passedOver);
        for (auto file = sample.begin(); file != sample.end(); ++file) {
            if (file == sample.begin() || file == others) {
                lines << QString()
                      << (passedOver(*file) ? WindowWords::tr("Entries passed over:")
                                            : WindowWords::tr("Files without a record:"));
            }
            lines << WindowWords::path(crestmap::lastPathComponent(file->name)) +
                         QStringLiteral(" — ") + WindowWords::skip(file->reason);
        }
        if (const std::size_t more = skipped.total() - sample.size(); more > 0) {
            lines << WindowWords::tr("… and %Ln more", nullptr, pluralCount(more));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

ResultAlert ResultAlert::forWrite(WriteRequest::Source source, const WriteReport& report)
{
    ResultAlert alert{{}, {}, details(report), false, false};
    const bool undoable = !report.journal.empty();
    if (report.cancelled) {
        const auto cancel =
            std::ranges::find(report.facts, crestmap::Fact::Kind::Cancelled, &crestmap::Fact::kind);
        alert.messageText =
            cancel != report.facts.end() ? WindowWords::facts({*cancel}) : QString();
        alert.informativeText =
            undoable ? tr("Undo puts back every config.xml this write replaced, and removes those "
                          "it made.")
                     : tr("Undo is not available for this write.");
        alert.offersUndo = undoable;
        return alert;
    }
    if (!report.written) {
        alert.messageText = failureTitle;
        alert.informativeText = failureBody;
        return alert;
    }
    using Outcome = crestmap::FolderAccount::Outcome;
    if (report.tally.folders(Outcome::Written) == 0) {
        const auto unchanged =
            std::ranges::find(report.facts, crestmap::Fact::Kind::Unchanged, &crestmap::Fact::kind);
        // A pack without images, or whose every folder was kept: no success to tell of.
        const bool imageless =
            report.tally.images() == 0 &&
            report.tally.folders(Outcome::Kept) + report.tally.folders(Outcome::NotMapped) == 0;
        // Nothing was created or replaced: no headline of a write, and what the file holds.
        const bool current = unchanged != report.facts.end();
        alert.messageText =
            current ? tr("Nothing written: no config.xml needed a change") : tr("Nothing written");
        alert.informativeText = current     ? WindowWords::facts({*unchanged})
                                : imageless ? tr("No folder here holds images.")
                                            : WindowWords::facts(report.facts);
        return alert;
    }
    alert.messageText = successTitle;
    alert.informativeText =
        source == WriteRequest::Source::Browse ? browseBody
        : source == WriteRequest::Source::Drop ? dropBody
        : report.pack
            // Folders found current were not written: the status line counts them apart.
            //: Some of the folders may have had a config.xml before
            ? tr("Your config.xml files have been successfully written in %Ln folder(s).", nullptr,
                 pluralCount(report.tally.folders(Outcome::Written)))
            : tr("Your config.xml file has been successfully written in the folder you chose.");
    // What a write took away is said where the user looks, with the way back beside it, or
    // plainly without one when the journal could not keep it.
    const auto warn = [&alert, undoable](const QString& sentence) {
        alert.warning = true;
        alert.offersUndo = undoable;
        alert.informativeText += QStringLiteral("\n\n") + sentence;
    };
    if (const std::size_t lost = report.tally.recordsLost(); lost > 0) {
        // One file or several by the files that lost records, not by the folders written.
        const auto losing = std::ranges::find(report.facts, crestmap::Fact::Kind::RecordsLost,
                                              &crestmap::Fact::kind);
        const bool several = losing != report.facts.end() && losing->of > 1;
        // By whether Undo can put them back, then by whether they were several files.
        static constexpr std::array<std::array<const char*, 2>, 2> sentences{{
            {QT_TR_N_NOOP("The config.xml it replaced held %Ln record(s) that the new one lacks; "
                          "Undo is not available to put it back."),
             QT_TR_N_NOOP("The config.xml files it replaced held %Ln record(s) that the new ones "
                          "lack; Undo is not available to put them back.")},
            {QT_TR_N_NOOP("The config.xml it replaced held %Ln record(s) that the new one lacks; "
                          "Undo puts it back."),
             QT_TR_N_NOOP("The config.xml files it replaced held %Ln record(s) that the new ones "
                          "lack; Undo puts them back.")},
        }};
        warn(tr(sentences[undoable ? 1 : 0][several ? 1 : 0], nullptr, pluralCount(lost)));
    }
    if (const std::size_t foreign = report.tally.foreignReplaced(); foreign > 0) {
        // Another program's file is gone from its place: said as plainly as lost records.
        warn(undoable ? tr("%Ln config.xml file(s) it replaced held no mapping, perhaps another "
                           "program's; Undo puts them back.",
                           nullptr, pluralCount(foreign))
                      : tr("%Ln config.xml file(s) it replaced held no mapping, perhaps another "
                           "program's; Undo is not available to put them back.",
                           nullptr, pluralCount(foreign)));
    }
    return alert;
}
