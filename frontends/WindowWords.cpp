#include "WindowWords.h"

#include "PathText.h"
#include "StyleChoices.h"

#include <QGuiApplication>
#include <QLocale>
#include <algorithm>
#include <array>
#include <iterator>

using namespace crestmap;

namespace {

// Where a style's choice stands in its table, 0 for a value the table lacks.
std::size_t indexOf(std::span<const Choice> choices, std::int64_t value)
{
    const auto at = std::ranges::find(choices, value, &Choice::value);
    return at == choices.end() ? 0 : static_cast<std::size_t>(at - choices.begin());
}

} // namespace

QString WindowWords::style(StylePair style)
{
    // Whole phrases, so that each language can put its words in its own order.
    static constexpr std::array<std::array<const char*, 4>, 4> logos{{
        //: What a style's pictures are, as this and the rest of its table: put into sentences
        //: such as “Write all as %1” and “kept: it maps %1”
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
    //: A choice of the Graphic style group, as the six after it
    static constexpr std::array<const char*, 7> graphic{QT_TR_NOOP("Logo"),
                                                        QT_TR_NOOP("Icon"),
                                                        QT_TR_NOOP("Logo background, left"),
                                                        QT_TR_NOOP("Logo background, right"),
                                                        QT_TR_NOOP("Portrait"),
                                                        QT_TR_NOOP("Kit"),
                                                        QT_TR_NOOP("Background")};
    //: A choice of the Logo type group, as the three after it
    static constexpr std::array<const char*, 4> logo{QT_TR_NOOP("Club"), QT_TR_NOOP("Nation"),
                                                     QT_TR_NOOP("Competition"),
                                                     QT_TR_NOOP("Media source")};
    static constexpr std::array<const char*, 2> kit{QT_TR_NOOP("Kit"), QT_TR_NOOP("Kit texture")};
    static constexpr std::array<const char*, 4> background{
        //: A choice of the Background type group, as the three after it
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
    const int count = pluralCount(fact.count);
    switch (fact.kind) {
    case Kind::Written:
        if (fact.path.empty()) {
            //: %1: the folders, as “in 12 folders” counts them
            return tr("wrote %Ln record(s) in %1", nullptr, count)
                .arg(tr("%Ln folder(s)", "the folders of “wrote %Ln record(s) in %1”",
                        pluralCount(fact.of)));
        }
        //: %1: the path of the config.xml file written
        return tr("wrote %Ln record(s) to %1", nullptr, count).arg(named(fact.path));
    case Kind::Unchanged:
        if (fact.path.empty()) {
            return tr("%Ln config.xml file(s) unchanged", nullptr, count);
        }
        //: %1: the path of a config.xml file
        return tr("%1 is unchanged: it already holds %Ln record(s)", nullptr, pluralCount(fact.of))
            .arg(named(fact.path));
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
        // A sentence for each reason, so that the count can govern all of it.
        static constexpr std::array<const char*, allSkipReasons.size()> words{
            QT_TR_N_NOOP("%Ln file(s) without a record (style)"),
            QT_TR_N_NOOP("%Ln file(s) without a record (kit name)"),
            QT_TR_N_NOOP("%Ln file(s) without a record (no team)"),
            QT_TR_N_NOOP("%Ln file(s) without a record (unusable name)"),
            QT_TR_N_NOOP("%Ln file(s) without a record (not an image)"),
            QT_TR_N_NOOP("%Ln file(s) without a record (.PNG)")};
        return tr(words[static_cast<std::size_t>(fact.reason)], nullptr, count);
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
        //: %1: the folders the write did not reach, as “7 left as they were” counts them
        return tr("cancelled: %Ln folder(s) written, %1", nullptr, count)
            .arg(tr("%Ln left as they were",
                    "the folders of “cancelled: %Ln folder(s) written, %1”", pluralCount(fact.of)));
    case Kind::ImagesBelow:
        return tr("its sub-folders hold images: tick Include sub-folders to write them");
    case Kind::Current:
        // Nothing checked is not everything current: no folder gave the check a file to read.
        return count == 0   ? tr("no folder here holds images")
               : count == 1 ? tr("config.xml is current")
                            : tr("all %Ln config.xml files are current", nullptr, count);
    case Kind::Outdated:
        //: %1: all the config.xml files checked, as “of 4 config.xml files” counts them
        return tr("%Ln of %1 not current", nullptr, count)
            .arg(tr("%Ln config.xml file(s)", "all the files of “%Ln of %1 not current”",
                    pluralCount(fact.of)));
    }
    return {};
}

QString WindowWords::facts(const std::vector<Fact>& facts, bool inSentence)
{
    QStringList words;
    std::ranges::transform(facts, std::back_inserter(words), &WindowWords::fact);
    const QString line = words.join(QStringLiteral(" · "));
    return inSentence ? line : capitalFirst(line);
}

// A language that puts a style's name first starts with a capital all the same: "Kulüp logoları
// olarak yaz"; one that puts the file first keeps its name: "config.xml dosyası olmayan".
QString WindowWords::capitalFirst(QString text)
{
    const qsizetype at = text.startsWith(QLatin1Char('&')) ? 1 : 0;
    if (at < text.size() && text[at].isLower() &&
        !QStringView(text).mid(at).startsWith(QLatin1String("config.xml"))) {
        text.replace(at, 1, QLocale().toUpper(text.mid(at, 1)));
    }
    return text;
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

QString WindowWords::path(std::string_view bytes)
{
    return readable(shownPath(bytes));
}

QString WindowWords::isolated(const QString& name)
{
    return QGuiApplication::isRightToLeft()
               ? QChar(char16_t(0x2068)) + name + QChar(char16_t(0x2069))
               : name;
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
