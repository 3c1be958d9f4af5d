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
        //: What a path is, as the four after it, in brackets after “not a PNG image” or “not a
        //: mapping file”
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
        //: An image's row; %1: the system's reason, as “Permission denied”
        return tr("cannot be read: %1").arg(QString::fromStdString(problem.reason));
    }
    //: What an image file holds, as the three after it, in brackets after “not a PNG image”
    const QString what = problem.holds == Holds::Nothing    ? tr("0 bytes")
                         : problem.holds == Holds::Text     ? tr("it holds text")
                         : problem.holds == Holds::Html     ? tr("it holds HTML")
                         : problem.holds == Holds::NotAFile ? kindWords(problem.kind)
                                                            : tr("it holds other data");
    //: %1: what the file holds instead, as “it holds text”
    return (problem.png ? tr("not a PNG image (%1)") : tr("not a JPEG image (%1)")).arg(what);
}

QString FileWords::error(const FileError& error)
{
    using Action = FileError::Action;
    static constexpr std::array<const char*, 9> actions{
        //: This and the eight after it: %1 a path, %2 the system's reason
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
        //: %1: the name of an environment variable, as HOME
        return tr("there is no cache folder: %1 is not set")
            .arg(QString::fromStdString(error.path));
    }
    return tr(actions[static_cast<std::size_t>(error.action)])
        .arg(WindowWords::named(error.path), QString::fromStdString(error.reason));
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
    if (file.state == State::Missing) {
        //: A folder's row: it has no config.xml
        return tr("missing");
    }
    return tr("it maps no records of a style");
}

QString FileWords::check(const ConfigCheck& check)
{
    using State = ConfigCheck::State;
    switch (check.state) {
    case State::Current:
        if (check.otherLayout) {
            return tr("current: the same records in another order or layout");
        }
        //: A folder's row: its config.xml holds what a write would write
        return tr("current");
    case State::Stale: {
        if (check.stale != ConfigCheck::Stale::Records) {
            return check.stale == ConfigCheck::Stale::Options
                       ? tr("stale: other options than preload and amap off")
                       : tr("stale: text or elements a mapping file does not hold");
        }
        // Said as what a write would do, which is true whether the folder or the file changed.
        QStringList parts;
        if (check.added > 0) {
            //: Records the file lacks, that a write would add
            parts << tr("%Ln record(s) to add", nullptr, pluralCount(check.added));
        }
        // After a first count of records, the next ones leave the noun to it.
        if (const int removed = pluralCount(check.removed); removed > 0) {
            //: Records the file holds that a write would leave out; after “6 records to add”
            parts << (!parts.isEmpty() ? tr("%Ln to remove", nullptr, removed)
                                       : tr("%Ln record(s) to remove", nullptr, removed));
        }
        if (const int changed = pluralCount(check.changed); changed > 0) {
            //: Records a write would map to another picture; after “6 records to add”
            parts << (!parts.isEmpty() ? tr("%Ln to change", nullptr, changed)
                                       : tr("%Ln record(s) to change", nullptr, changed));
        }
        //: A folder's row; %1: how a write would change its records, as “6 records to add and 1
        //: to change”
        return tr("stale: %1").arg(QLocale().createSeparatedList(parts));
    }
    case State::NotMapped:
        //: %1: what the folder's config.xml is, as “not a mapping file”
        return tr("not mapped yet: %1").arg(file(check.file));
    case State::Unreadable:
        if (check.error) {
            return error(*check.error);
        }
        //: A folder's row: its config.xml could not be read
        return tr("could not be read");
    case State::NoImages:
        //: A folder's row: it holds no images to map
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
        if (folder.style) {
            //: A folder's row: its config.xml, kept as it was; %1: what it maps, as “kit
            //: textures”
            return tr("kept: it maps %1").arg(WindowWords::style(*folder.style));
        }
        //: A folder's row: its config.xml, kept as it was; %1: what it is, as “cut short: it
        //: ends inside a record”
        return tr("kept: %1").arg(file(folder.existing));
    case Outcome::NotMapped:
        if (folder.existing.state == MappingScan::State::Missing) {
            //: A folder's row: it has no config.xml yet
            return tr("not mapped yet");
        }
        return tr("not mapped yet: %1").arg(file(folder.existing));
    default:
        return folder.error ? error(*folder.error) : QString();
    }
}

QString FileWords::undo(const UndoOutcome& outcome)
{
    using Nothing = UndoOutcome::Nothing;
    switch (outcome.nothing) {
    case Nothing::NoCacheFolder:
        //: %1: why there is no cache folder, as “there is no cache folder: HOME is not set”
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
    //: %1: the config.xml files Undo removed, as “1 removed” counts them
    QStringList parts{tr("Undo: %Ln config.xml file(s) put back, %1", nullptr,
                         pluralCount(outcome.restored.size()))
                          .arg(tr("%Ln removed",
                                  "the config.xml files of “Undo: %Ln config.xml file(s) put "
                                  "back, %1”",
                                  pluralCount(outcome.removed.size())))};
    const auto counted = [&parts](std::size_t count, const char* words) {
        if (count > 0) {
            parts << tr(words, nullptr, pluralCount(count));
        }
    };
    //: config.xml files that Undo found as they were before the write
    counted(outcome.alreadyBack.size(), QT_TR_N_NOOP("%Ln already as before the write"));
    //: config.xml files changed since the write, which Undo did not touch
    counted(outcome.changedSince.size(), QT_TR_N_NOOP("%Ln changed since, left alone"));
    //: config.xml files that Undo could not put back
    counted(outcome.failed.size(), QT_TR_N_NOOP("%Ln could not be put back"));
    const auto eachNamed = [&parts](const std::vector<std::string>& files, const QString& words) {
        for (const std::string& each : files) {
            parts << words.arg(WindowWords::named(each));
        }
    };
    // Few enough to name: each file, as the command line names them.
    if (outcome.restored.size() + outcome.removed.size() <= 5) {
        //: %1: the path of a config.xml file that Undo put back
        eachNamed(outcome.restored, tr("put back %1"));
        //: %1: the path of a config.xml file that the write made and Undo removed
        eachNamed(outcome.removed, tr("removed %1"));
    }
    //: %1: the path of a config.xml file
    eachNamed(outcome.changedSince, tr("%1 changed since, left alone"));
    for (const UndoOutcome::Failure& failure : outcome.failed) {
        using Why = UndoOutcome::Failure::Why;
        //: %1: the path of a config.xml file; %2: why
        parts << tr("could not put back %1: %2")
                     .arg(WindowWords::named(failure.configPath),
                          failure.why == Why::CopyGone      ? tr("its kept copy is gone")
                          : failure.why == Why::CopyChanged ? tr("its kept copy was changed")
                                                            : error(*failure.error));
    }
    return parts.join(QStringLiteral(" · "));
}

QString FileWords::undoQuestion(const Journal& journal, bool thisWindow)
{
    const QString when =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(journal.time), QLocale::ShortFormat);
    const int files = pluralCount(journal.entries.size());
    const QString where = WindowWords::named(journal.where);
    if (journal.program == "crestmap-cli") {
        //: %1: the folder; %2: the command-line tool's name; %3: the date and time
        return tr("Undo the write of %Ln config.xml file(s) in %1, made by %2 at %3?", nullptr,
                  files)
            .arg(where, QStringLiteral("crestmap-cli"), when);
    }
    static constexpr std::array<const char*, 2> windows{
        //: %1: the folder; %2: the date and time. A window since closed, or open beside this one
        QT_TR_N_NOOP("Undo the write of %Ln config.xml file(s) in %1, made by another Crestmap "
                     "window at %2?"),
        //: %1: the folder; %2: the date and time
        QT_TR_N_NOOP("Undo the write of %Ln config.xml file(s) in %1, made by this window at %2?")};
    return tr(windows[thisWindow ? 1 : 0], nullptr, files).arg(where, when);
}
