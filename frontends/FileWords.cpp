#include "FileWords.h"

#include "WindowWords.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <array>

using namespace crestmap;

namespace {

QString kindWords(InputFile::Kind kind)
{
    static constexpr std::array<const char*, 5> words{
        QT_TRANSLATE_NOOP("WindowWords", "a file"), QT_TRANSLATE_NOOP("WindowWords", "a folder"),
        QT_TRANSLATE_NOOP("WindowWords", "a named pipe"),
        QT_TRANSLATE_NOOP("WindowWords", "a socket"), QT_TRANSLATE_NOOP("WindowWords", "a device")};
    return QCoreApplication::translate("WindowWords", words[static_cast<std::size_t>(kind)]);
}

} // namespace

QString FileWords::image(const ImageProblem& problem)
{
    using Holds = ImageProblem::Holds;
    if (problem.holds == Holds::Unreadable) {
        return tr("cannot be read: %1").arg(QString::fromStdString(problem.reason));
    }
    const QString what = problem.holds == Holds::Nothing    ? tr("0 bytes")
                         : problem.holds == Holds::Text     ? tr("it holds text")
                         : problem.holds == Holds::Html     ? tr("it holds HTML")
                         : problem.holds == Holds::NotAFile ? kindWords(problem.kind)
                                                            : tr("it holds other data");
    return (problem.png ? tr("not a PNG image (%1)") : tr("not a JPEG image (%1)")).arg(what);
}

QString FileWords::error(const FileError& error)
{
    using Action = FileError::Action;
    static constexpr std::array<const char*, 9> actions{
        QT_TR_NOOP("cannot list %1: %2"),
        QT_TR_NOOP("cannot read %1: %2"),
        QT_TR_NOOP("cannot create a file in %1: %2"),
        QT_TR_NOOP("cannot write %1: %2"),
        QT_TR_NOOP("cannot flush %1: %2"),
        QT_TR_NOOP("cannot close %1: %2"),
        QT_TR_NOOP("cannot replace %1: %2"),
        QT_TR_NOOP("cannot make %1: %2"),
        QT_TR_NOOP("cannot keep a copy of %1: %2")};
    if (error.action == Action::FindCache) {
        return tr("there is no cache folder: %1 is not set")
            .arg(QString::fromStdString(error.path));
    }
    return tr(actions[static_cast<std::size_t>(error.action)])
        .arg(WindowWords::path(error.path), QString::fromStdString(error.reason));
}

QString FileWords::file(const MappingScan& file)
{
    using State = MappingScan::State;
    if (file.state == State::CutShort) {
        static constexpr std::array<const char*, 4> places{
            QT_TR_NOOP("cut short: it ends in its header"),
            QT_TR_NOOP("cut short: it ends inside a record"),
            QT_TR_NOOP("cut short: it ends before the end of its list"),
            QT_TR_NOOP("cut short: it ends before </record>")};
        return tr(places[static_cast<std::size_t>(file.cut)]);
    }
    if (file.state == State::NotMapping) {
        return file.kind != InputFile::Kind::Regular
                   ? tr("not a mapping file (%1)").arg(kindWords(file.kind))
               : file.empty ? tr("not a mapping file (it is empty)")
                            : tr("not a mapping file");
    }
    return file.state == State::Missing ? tr("missing") : tr("it maps no records of a style");
}

QString FileWords::check(const ConfigCheck& check)
{
    using State = ConfigCheck::State;
    switch (check.state) {
    case State::Current:
        return check.otherLayout ? tr("current: the same records in another order or layout")
                                 : tr("current");
    case State::Stale: {
        if (check.stale != ConfigCheck::Stale::Records) {
            return check.stale == ConfigCheck::Stale::Options
                       ? tr("stale: other options than preload and amap off")
                       : tr("stale: text or elements a mapping file does not hold");
        }
        QStringList parts;
        if (check.added > 0) {
            parts << tr("%Ln record(s) added", nullptr, pluralCount(check.added));
        }
        if (check.removed > 0) {
            parts << (parts.isEmpty()
                          ? tr("%Ln record(s) removed", nullptr, pluralCount(check.removed))
                          : tr("%Ln removed", nullptr, pluralCount(check.removed)));
        }
        if (check.changed > 0) {
            parts << (parts.isEmpty()
                          ? tr("%Ln record(s) changed", nullptr, pluralCount(check.changed))
                          : tr("%Ln changed", nullptr, pluralCount(check.changed)));
        }
        return tr("stale: %1").arg(parts.join(QStringLiteral(", ")));
    }
    case State::NotMapped:
        return tr("not mapped yet: %1").arg(file(check.file));
    case State::Unreadable:
        return check.error ? error(*check.error) : tr("could not be read");
    case State::NoImages:
        return tr("no images");
    default:
        return file(check.file);
    }
}

QString FileWords::folder(const FolderAccount& folder)
{
    using Outcome = FolderAccount::Outcome;
    switch (folder.outcome) {
    case Outcome::Kept:
        return folder.style ? tr("kept: maps %1").arg(WindowWords::style(*folder.style))
                            : tr("kept: %1").arg(file(folder.existing));
    case Outcome::NotMapped:
        return folder.existing.state == MappingScan::State::Missing
                   ? tr("not mapped yet")
                   : tr("not mapped yet: %1").arg(file(folder.existing));
    default:
        return folder.error ? error(*folder.error) : QString();
    }
}

QString FileWords::undo(const UndoOutcome& outcome)
{
    using Nothing = UndoOutcome::Nothing;
    switch (outcome.nothing) {
    case Nothing::NoCacheFolder:
        return tr("Nothing to undo: %1")
            .arg(outcome.cacheError ? error(*outcome.cacheError) : QString());
    case Nothing::NoWrite:
        return tr("Nothing to undo: no write has been kept to undo");
    case Nothing::AnotherWrite:
        return tr("Nothing undone: another write has been made since");
    case Nothing::Busy:
        return tr("Nothing undone: another undo is under way");
    case Nothing::No:
        break;
    }
    QStringList parts{
        tr("Undo: %1 put back, %2 removed")
            .arg(tr("%Ln config.xml file(s)", nullptr, pluralCount(outcome.restored.size())),
                 WindowWords::number(outcome.removed.size()))};
    if (!outcome.alreadyBack.empty()) {
        parts << tr("%Ln already as before the write", nullptr,
                    pluralCount(outcome.alreadyBack.size()));
    }
    if (!outcome.changedSince.empty()) {
        parts << tr("%Ln changed since, left alone", nullptr,
                    pluralCount(outcome.changedSince.size()));
    }
    if (!outcome.failed.empty()) {
        parts << tr("%Ln could not be put back", nullptr, pluralCount(outcome.failed.size()));
    }
    // Few enough to name: each file, as the command line names them.
    if (outcome.restored.size() + outcome.removed.size() <= 5) {
        for (const std::string& each : outcome.restored) {
            parts << tr("put back %1").arg(WindowWords::path(each));
        }
        for (const std::string& each : outcome.removed) {
            parts << tr("removed %1").arg(WindowWords::path(each));
        }
    }
    for (const std::string& each : outcome.changedSince) {
        parts << tr("%1 changed since, left alone").arg(WindowWords::path(each));
    }
    for (const UndoOutcome::Failure& failure : outcome.failed) {
        using Why = UndoOutcome::Failure::Why;
        parts << tr("could not put back %1: %2")
                     .arg(WindowWords::path(failure.configPath),
                          failure.why == Why::CopyGone      ? tr("its kept copy is gone")
                          : failure.why == Why::CopyChanged ? tr("its kept copy was changed")
                                                            : error(*failure.error));
    }
    return parts.join(QStringLiteral(" · "));
}

QString FileWords::journal(const Journal& journal)
{
    const QString when =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(journal.time), QLocale::ShortFormat);
    const QString who =
        journal.program == "crestmap-cli" ? QStringLiteral("crestmap-cli") : tr("this window");
    return tr("the write of %Ln config.xml file(s) in %1, made by %2 at %3", nullptr,
              pluralCount(journal.entries.size()))
        .arg(WindowWords::path(journal.where), who, when);
}
