#include "WindowWords.h"

#include "PathText.h"
#include "StyleChoices.h"

#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <array>
#include <climits>

using namespace crestmap;

namespace {

// Where a style's choice stands in its table, 0 for a value the table lacks.
std::size_t indexOf(std::span<const Choice> choices, std::int64_t value)
{
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].value == value) {
            return i;
        }
    }
    return 0;
}

int n(std::size_t count)
{
    return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}

} // namespace

QString WindowWords::style(StylePair style)
{
    // Whole phrases, so that each language can put its words in its own order.
    static constexpr std::array<std::array<const char*, 4>, 4> logos{{
        {QT_TR_NOOP("club logos"), QT_TR_NOOP("nation logos"), QT_TR_NOOP("competition logos"),
         QT_TR_NOOP("media source logos")},
        {QT_TR_NOOP("club icons"), QT_TR_NOOP("nation icons"), QT_TR_NOOP("competition icons"),
         QT_TR_NOOP("media source icons")},
        {QT_TR_NOOP("left backgrounds of club logos"),
         QT_TR_NOOP("left backgrounds of nation logos"),
         QT_TR_NOOP("left backgrounds of competition logos"),
         QT_TR_NOOP("left backgrounds of media source logos")},
        {QT_TR_NOOP("right backgrounds of club logos"),
         QT_TR_NOOP("right backgrounds of nation logos"),
         QT_TR_NOOP("right backgrounds of competition logos"),
         QT_TR_NOOP("right backgrounds of media source logos")},
    }};
    static constexpr std::array<const char*, 4> backgrounds{
        QT_TR_NOOP("team backgrounds"), QT_TR_NOOP("stadium backgrounds"),
        QT_TR_NOOP("competition backgrounds"), QT_TR_NOOP("person backgrounds")};
    switch (style.graphicStyle) {
    case GraphicStyle::Portrait:
        return tr("portraits");
    case GraphicStyle::Kit:
        return style.subType == 2 ? tr("kit textures") : tr("kits");
    case GraphicStyle::Background:
        return tr(backgrounds[indexOf(backgroundTypeChoices, style.subType)]);
    default:
        return tr(logos[std::clamp<std::size_t>(indexOf(graphicStyleChoices, style.graphicStyle), 0,
                                                3)][indexOf(logoTypeChoices, style.subType)]);
    }
}

QString WindowWords::choice(const char* group, std::int64_t value)
{
    static constexpr std::array<const char*, 7> graphic{QT_TR_NOOP("Logo"),
                                                        QT_TR_NOOP("Icon"),
                                                        QT_TR_NOOP("Logo background, left"),
                                                        QT_TR_NOOP("Logo background, right"),
                                                        QT_TR_NOOP("Portrait"),
                                                        QT_TR_NOOP("Kit"),
                                                        QT_TR_NOOP("Background")};
    static constexpr std::array<const char*, 4> logo{QT_TR_NOOP("Club"), QT_TR_NOOP("Nation"),
                                                     QT_TR_NOOP("Competition"),
                                                     QT_TR_NOOP("Media source")};
    static constexpr std::array<const char*, 2> kit{QT_TR_NOOP("Kit"), QT_TR_NOOP("Kit texture")};
    static constexpr std::array<const char*, 4> background{
        QT_TR_NOOP("Team"), QT_TR_NOOP("Stadium"), QT_TR_NOOP("Competition"), QT_TR_NOOP("Person")};
    const std::string_view which(group);
    return which == "graphicStyle" ? tr(graphic[indexOf(graphicStyleChoices, value)])
           : which == "logoType"   ? tr(logo[indexOf(logoTypeChoices, value)])
           : which == "kitType"    ? tr(kit[indexOf(kitTypeChoices, value)])
                                   : tr(background[indexOf(backgroundTypeChoices, value)]);
}

QString WindowWords::fact(const Fact& fact)
{
    using Kind = Fact::Kind;
    const int count = n(fact.count);
    switch (fact.kind) {
    case Kind::Written:
        return fact.path.empty()
                   ? tr("wrote %1 in %2")
                         .arg(tr("%Ln record(s)", nullptr, count),
                              tr("%Ln folder(s)", nullptr, n(fact.of)))
                   : tr("wrote %Ln record(s) to %1", nullptr, count).arg(path(fact.path));
    case Kind::Unchanged:
        return fact.path.empty()
                   ? tr("%Ln config.xml file(s) unchanged", nullptr, count)
                   : tr("%1 is unchanged: it already holds %Ln record(s)", nullptr, n(fact.of))
                         .arg(path(fact.path));
    case Kind::Kept:
        return tr("%Ln folder(s) kept in their own style", nullptr, count);
    case Kind::CutShort:
        return tr("%Ln config.xml file(s) cut short, kept", nullptr, count);
    case Kind::NotMapped:
        return tr("%Ln folder(s) not mapped yet", nullptr, count);
    case Kind::Unreadable:
        return tr("%Ln folder(s) could not be read", nullptr, count);
    case Kind::Unwritable:
        return tr("%Ln folder(s) could not be written", nullptr, count);
    case Kind::WithoutRecord: {
        static constexpr std::array<const char*, allSkipReasons.size()> labels{
            QT_TR_NOOP("style"),         QT_TR_NOOP("kit name"),     QT_TR_NOOP("no team"),
            QT_TR_NOOP("unusable name"), QT_TR_NOOP("not an image"), QT_TR_NOOP(".PNG")};
        return tr("%1 (%2)").arg(tr("%Ln file(s) without a record", nullptr, count),
                                 tr(labels[static_cast<std::size_t>(fact.reason)]));
    }
    case Kind::PassedOver:
        return tr("%Ln entry(s) passed over (.PNG)", nullptr, count);
    case Kind::RecordsLost:
        return fact.of == 1
                   ? tr("%Ln record(s) of the replaced config.xml not in the new one", nullptr,
                        count)
                   : tr("%Ln record(s) of the replaced config.xml files not in the new ones",
                        nullptr, count);
    case Kind::Clashes:
        return tr("%Ln image(s) map to the same picture as another", nullptr, count);
    case Kind::Unloadable:
        return tr("%Ln image(s) would not load", nullptr, count);
    case Kind::Cancelled:
        return tr("cancelled: %1 written, %2 left as they were")
            .arg(tr("%Ln folder(s)", nullptr, count), number(fact.of));
    case Kind::ImagesBelow:
        return tr("its sub-folders hold images: tick Include sub-folders to write them");
    case Kind::Current:
        return count == 1 ? tr("config.xml is current")
                          : tr("all %Ln config.xml files are current", nullptr, count);
    case Kind::Outdated:
        return tr("%Ln of %1 not current", nullptr, count)
            .arg(tr("%Ln config.xml file(s)", nullptr, n(fact.of)));
    }
    return {};
}

QString WindowWords::facts(const std::vector<Fact>& facts)
{
    QStringList words;
    for (const Fact& each : facts) {
        words << fact(each);
    }
    QString line = words.join(QStringLiteral(" · "));
    if (!line.isEmpty() && !line.startsWith(QLatin1String("config.xml"))) {
        line.replace(0, 1, QLocale().toUpper(line.left(1)));
    }
    return line;
}

QString WindowWords::skip(SkipReason reason)
{
    static constexpr std::array<const char*, allSkipReasons.size()> words{
        QT_TR_NOOP("these style choices give no record"),
        QT_TR_NOOP("a kit image needs a name like TEAM_KIT, with exactly one underscore"),
        QT_TR_NOOP("a kit image needs a team before the underscore, like TEAM_KIT"),
        QT_TR_NOOP("the name is not valid UTF-8 or holds a control character"),
        QT_TR_NOOP("not a .png, .jpg or .jpeg file"),
        QT_TR_NOOP("the extension is not in lower case (.png, .jpg, .jpeg)")};
    return tr(words[static_cast<std::size_t>(reason)]);
}

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

QString WindowWords::image(const ImageProblem& problem)
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

QString WindowWords::error(const FileError& error)
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
        .arg(path(error.path), QString::fromStdString(error.reason));
}

QString WindowWords::file(const MappingScan& file)
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

QString WindowWords::check(const ConfigCheck& check)
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
            parts << tr("%Ln record(s) added", nullptr, n(check.added));
        }
        if (check.removed > 0) {
            parts << (parts.isEmpty() ? tr("%Ln record(s) removed", nullptr, n(check.removed))
                                      : tr("%Ln removed", nullptr, n(check.removed)));
        }
        if (check.changed > 0) {
            parts << (parts.isEmpty() ? tr("%Ln record(s) changed", nullptr, n(check.changed))
                                      : tr("%Ln changed", nullptr, n(check.changed)));
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

QString WindowWords::folder(const FolderAccount& folder)
{
    using Outcome = FolderAccount::Outcome;
    switch (folder.outcome) {
    case Outcome::Kept:
        return folder.style ? tr("kept: maps %1").arg(style(*folder.style))
                            : tr("kept: %1").arg(file(folder.existing));
    case Outcome::NotMapped:
        return folder.existing.state == MappingScan::State::Missing
                   ? tr("not mapped yet")
                   : tr("not mapped yet: %1").arg(file(folder.existing));
    default:
        return folder.error ? error(*folder.error) : QString();
    }
}

QString WindowWords::undo(const UndoOutcome& outcome)
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
    QStringList parts{tr("Undo: %1 put back, %2 removed")
                          .arg(tr("%Ln config.xml file(s)", nullptr, n(outcome.restored.size())),
                               number(outcome.removed.size()))};
    if (!outcome.alreadyBack.empty()) {
        parts << tr("%Ln already as before the write", nullptr, n(outcome.alreadyBack.size()));
    }
    if (!outcome.changedSince.empty()) {
        parts << tr("%Ln changed since, left alone", nullptr, n(outcome.changedSince.size()));
    }
    if (!outcome.failed.empty()) {
        parts << tr("%Ln could not be put back", nullptr, n(outcome.failed.size()));
    }
    // Few enough to name: each file, as the command line names them.
    if (outcome.restored.size() + outcome.removed.size() <= 5) {
        for (const std::string& each : outcome.restored) {
            parts << tr("put back %1").arg(path(each));
        }
        for (const std::string& each : outcome.removed) {
            parts << tr("removed %1").arg(path(each));
        }
    }
    for (const std::string& each : outcome.changedSince) {
        parts << tr("%1 changed since, left alone").arg(path(each));
    }
    for (const UndoOutcome::Failure& failure : outcome.failed) {
        using Why = UndoOutcome::Failure::Why;
        parts << tr("could not put back %1: %2")
                     .arg(path(failure.configPath),
                          failure.why == Why::CopyGone      ? tr("its kept copy is gone")
                          : failure.why == Why::CopyChanged ? tr("its kept copy was changed")
                                                            : error(*failure.error));
    }
    return parts.join(QStringLiteral(" · "));
}

QString WindowWords::journal(const Journal& journal)
{
    const QString when =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(journal.time), QLocale::ShortFormat);
    const QString who =
        journal.program == "crestmap-cli" ? QStringLiteral("crestmap-cli") : tr("this window");
    return tr("the write of %Ln config.xml file(s) in %1, made by %2 at %3", nullptr,
              n(journal.entries.size()))
        .arg(path(journal.where), who, when);
}

QString WindowWords::path(std::string_view bytes)
{
    return readable(shownPath(bytes));
}

QString WindowWords::readable(QString text)
{
    for (QChar& c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20) {
            c = QChar(char16_t(0x2400 + code));
        } else if (code == 0x7f) {
            c = QChar(char16_t(0x2421));
        } else if (code >= 0x80 && code < 0xa0) {
            c = QChar(QChar::ReplacementCharacter);
        }
    }
    return text;
}

QString WindowWords::number(std::size_t count)
{
    return QLocale().toString(static_cast<qulonglong>(count));
}
