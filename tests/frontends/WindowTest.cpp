#include "FileSelector.h"
#include "FileWords.h"
#include "FolderDragView.h"
#include "JournalWatch.h"
#include "ReportCollector.h"
#include "ThumbnailLoader.h"
#include "WindowHarness.h"
#include "WriteProgress.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <thread>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::expectedDocument;
using test::expectedRecord;
using test::logoRecord;
using test::native;
using test::readFile;
using test::urlOf;
using test::writeFile;
using Kind = Fact::Kind;
using Facts = std::vector<Fact>;

const QString written = "config.xml successfully written!";
const QString dragged =
    "Your config.xml file has been successfully created in the folder you dragged.";
const QString chose = "Your config.xml file has been successfully written in the folder you chose.";
const QString failed = "Problem writing config.xml!";
const QStringList failure{failed, "There was a problem with generating your config.xml file. The "
                                  "process cannot continue."};
const std::string kits = expectedDocument({expectedRecord("1_home", "team/1/kits/home")});

using Window = test::WindowFixture;
using test::answerBox;
using test::writeAsTheCli;

// Forty folders of a hundred images, each with a config.xml that holds "old".
void makeFolders(const fs::path& root)
{
    for (int i = 0; i < 40; ++i) {
        const fs::path folder = root / std::to_string(i);
        test::makeImages(folder, 100);
        writeFile(folder / "config.xml", "old");
    }
}

// The window's words for the core's facts: what each says on screen, in English.
TEST(WindowWords, GiveEachFactItsWords)
{
    // clang-format off
    const std::vector<std::pair<Facts, QString>> cases{
        {{{Kind::Written, 1, 1, {}, "/p/config.xml"}}, "Wrote 1 record to " + native("/p/config.xml")},
        {{{Kind::Written, 1204, 12}}, "Wrote 1,204 records in 12 folders"},
        {{{Kind::Unchanged, 1, 4, {}, "/p/config.xml"}}, native("/p/config.xml") + " is unchanged: it already holds 4 records"},
        {{{Kind::Unchanged, 8, 30}, {Kind::CutShort, 1}}, "8 config.xml files unchanged · 1 config.xml file cut short, kept"},
        {{{Kind::Kept, 2}, {Kind::NotMapped, 1}}, "2 folders kept in their own style · 1 folder not mapped yet"},
        {{{Kind::Unreadable, 1}, {Kind::Unwritable, 1}}, "1 folder could not be read · 1 folder could not be written"},
        {{{Kind::WithoutRecord, 2, 0, SkipReason::KitNameShape}, {Kind::PassedOver, 1}}, "2 files without a record (kit name) · 1 entry passed over (.PNG)"},
        {{{Kind::RecordsLost, 21, 4}}, "21 records of the replaced config.xml files are not in the new ones"},
        {{{Kind::RecordsLost, 1, 1}}, "1 record of the replaced config.xml is not in the new one"},
        {{{Kind::Clashes, 1}, {Kind::Unloadable, 3}}, "1 image maps to the same picture as another · 3 images would not load"},
        {{{Kind::Cancelled, 3, 7}}, "Cancelled: 3 folders written, 7 left as they were"},
        {{{Kind::Clashes, 2}, {Kind::Current, 8}}, "2 images map to the same picture as another · all 8 config.xml files are current"},
        {{{Kind::Current, 1}}, "config.xml is current"},
        {{{Kind::Outdated, 3, 4}}, "3 of 4 config.xml files are not current"},
        {{{Kind::Outdated, 1, 1}}, "1 of 1 config.xml file is not current"},
        {{{Kind::ImagesBelow}}, "Its sub-folders hold images: tick Include sub-folders to write them"},
    };
    // clang-format on
    for (const auto& [facts, words] : cases) {
        EXPECT_EQ(WindowWords::facts(facts), words);
    }
    ConfigCheck stale;
    stale.state = ConfigCheck::State::Stale;
    stale.added = 6;
    stale.changed = 1;
    EXPECT_EQ(FileWords::check(stale), "stale: 6 records to add and 1 to change");
    // Read right to left, a path keeps its own order inside the sentence.
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    const QString isolated = WindowWords::facts({{Kind::Written, 1, 1, {}, "/p/config.xml"}});
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(isolated, "Wrote 1 record to \u2068" + native("/p/config.xml") + "\u2069");
    EXPECT_EQ(WindowWords::style({6, 2}), "kit textures");
    EXPECT_EQ(WindowWords::style({3, 2}), "left backgrounds of nation logos");
}

TEST_F(Window, BrowseWritesBesideTheFirstFileWithTheStylesOfItsStart)
{
    const std::string folder = m_dir / "My Logos #1 é%20";
    test::makeFiles(test::utf8Path(folder), {"b.png", "a b.jpg"}, test::pngSignature);
    m_prompts.fileAnswers.push_back({urlOf(folder + "/b.png"), urlOf(folder + "/a b.jpg")});
    // A change of mind while the dialog is open applies to the next document only.
    m_prompts.whileAsked = [this] { click("graphicStylePortrait"); };
    click("graphicStyleIcon");
    click("logoTypeNation");
    EXPECT_TRUE(child<QLabel>("previewLabel")->text().endsWith("nation/1234/icon"));
    click("browseButton");
    settle(1);
    m_prompts.whileAsked = nullptr;
    EXPECT_EQ(alerts(), (QStringList{written, "Your config.xml file has been successfully created "
                                              "with the files you selected. The XML is in the same "
                                              "folder as your files.\n\nIf you missed some files "
                                              "from your selection, simply repeat this process."}));
    const std::string config = m_dir / "My Logos #1 é%20/config.xml";
    EXPECT_EQ(facts(), (Facts{{Kind::Written, 2, 1, {}, config}}));
    EXPECT_EQ(readFile(test::utf8Path(config)),
              expectedDocument({expectedRecord("b", "nation/b/icon"),
                                expectedRecord("a b", "nation/a b/icon")}));
    EXPECT_EQ(m_window.windowTitle(), "My Logos #1 é%20 — Crestmap");

    m_prompts.fileAnswers.push_back({QUrl("https://example.com/1.png")});
    click("browseButton");
    settle(2);
    EXPECT_EQ(alerts().mid(2), failure);
    EXPECT_TRUE(test::holds(status(), "not a local file"));
}

TEST_F(Window, KeyboardReachesEveryControlAndLeavesTheListInOneStop)
{
    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "graphicStyleLogo") << "read from the top";
    QTest::keyClick(&m_window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "resultsFilter");
    QTest::keyClick(&m_window, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&m_window, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&m_window, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(m_prompts.dialogs, (QStringList{"browse", "write ", "check "}));
    EXPECT_TRUE(m_prompts.alerts.empty()) << "a cancelled dialog writes and says nothing";

    test::makeImages(m_dir.path(), 3);
    write(m_dir.path().string());
    // The kit and background groups do not go with the logo style, and are passed by.
    child<QWidget>("logoTypeClub")->setFocus();
    QStringList reached;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(reached, (QStringList{"browseButton", "writeFolderButton", "checkFolderButton",
                                    "includeSubfolders", "resultsFilter", "resultsView"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "graphicStyleLogo");
    // The next folder dialog starts at the folder the list shows.
    QTest::keyClick(&m_window, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(m_prompts.dialogs.back(), "write " + native(m_dir.path().string()));
}

TEST_F(Window, DroppedFolderGetsItsConfigAndEveryFileIsAccountedFor)
{
    const std::string folder = m_dir / "Kits & Crests #2 ü";
    test::makeFiles(test::utf8Path(folder), {"notes.txt", "14.PNG", "13.png", "12_away.jpeg"});
    ASSERT_TRUE(QImage(200, 100, QImage::Format_RGB32)
                    .save(QString::fromStdString(folder + "/12_home.png")));
    click("graphicStyleKit");
    write(folder);
    EXPECT_EQ(alerts(), (QStringList{written, dragged}));
    EXPECT_TRUE(test::has(readFile(test::utf8Path(folder + "/config.xml")), "team/12/kits/away"));

    // Problems first, each with its reason, and the empty image that would not load; then every
    // mapped image with its picture.
    const QStringList shown = rows();
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown.mid(0, 3),
              (QStringList{"14.PNG | the extension is not in lower case (.png, .jpg, .jpeg)",
                           "13.png | a kit image needs a name like TEAM_KIT, with exactly "
                           "one underscore",
                           "12_away.jpeg | not a JPEG image (0 bytes)"}));
    EXPECT_TRUE(shown.contains("12_home.png | graphics/pictures/team/12/kits/home"));
    const std::string config = m_dir / "Kits & Crests #2 ü/config.xml";
    EXPECT_EQ(facts(), (Facts{{Kind::Written, 2, 1, {}, config},
                              {Kind::WithoutRecord, 1, 0, SkipReason::KitNameShape},
                              {Kind::PassedOver, 1, 0, SkipReason::ExtensionCase},
                              {Kind::Unloadable, 1}}));
    // The details say each fact a line, then name the entries passed over and the files without
    // a record, each under the words their fact counts them by.
    const QString details = m_prompts.alerts.front().detailedText;
    EXPECT_TRUE(test::startsWith(details, status().replace(" · ", "\n") +
                                              "\n\nEntries passed over:\n14.PNG — "));
    EXPECT_TRUE(test::holds(details, "\n\nFiles without a record:\n13.png — "));

    // Every preview in one box, so that rows line up whatever the image's shape.
    const auto preview = [this](int row) {
        return results().index(row, 0).data(Qt::DecorationRole).value<QPixmap>();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preview(3).isNull() && !preview(4).isNull(); }));
    EXPECT_EQ(preview(3).deviceIndependentSize(), preview(4).deviceIndependentSize());
    child<QCheckBox>("problemsOnly")->setChecked(true);
    EXPECT_EQ(results().rowCount(), 3);

    // The summary's path, copied, pastes as the path: without the places it wraps at.
    auto* summary = child<QLabel>("resultsSummary");
    QTextDocument words;
    words.setHtml(summary->text());
    summary->setSelection(0, static_cast<int>(words.toPlainText().size()));
    // As the label's Copy puts its selection.
    QGuiApplication::clipboard()->setText(summary->selectedText());
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(test::holds(copied, QString::fromStdString(folder)));

    // A write with no records says so plainly, and counts what the details leave out.
    test::makeImages(m_dir / "plain", 25);
    write(m_dir / "plain");
    EXPECT_TRUE(status().startsWith("config.xml holds no records: none of the 25 files"));
    EXPECT_TRUE(lastAlert().detailedText.endsWith("\n… and 5 more"));
}

// A folder that maps another style, or whose file was cut short, is written in the style chosen
// only when the user says so; one without a mapping file is written as ever, and a write that
// replaced records says so with a way back.
TEST_F(Window, AWriteOntoAnotherStyleAsksFirst)
{
    test::makeFiles(m_dir.path(), {"kits/1_home.png", "cut/1_home.png", "new/7.png"},
                    test::pngSignature);
    writeFile(m_dir / "kits/config.xml", kits);
    writeFile(m_dir / "cut/config.xml", kits.substr(0, 290));
    // What the write of `folder` came to, as its first fact; Cancelled when it did not run.
    const auto chosen = [this](const std::string& folder, StyleChoice answer) {
        m_prompts.keepAnswer = answer;
        return writeChosen(m_dir / folder) ? facts().front().kind : Kind::Cancelled;
    };
    const std::string config = m_dir / "kits/config.xml";
    QStringList progress; // what the progress line and the title say while the user is asked
    QStringList titles;
    m_prompts.whileAsked = [&] {
        progress << progressShown();
        titles << m_window.windowTitle();
    };
    EXPECT_EQ(chosen("kits", StyleChoice::Cancel), Kind::Cancelled);
    m_prompts.whileAsked = nullptr;
    EXPECT_EQ(progress, QStringList{""}) << "nothing is written while the user is asked";
    EXPECT_EQ(titles, QStringList{"kits — Crestmap"}) << "the folder asked of, not the list's";
    EXPECT_EQ(m_window.windowTitle(), "Crestmap") << "the list still shows none";
    EXPECT_EQ(m_prompts.questions.back(), native("kits/config.xml") + " maps its own style");
    EXPECT_EQ(readFile(config), kits);
    EXPECT_EQ(chosen("kits", StyleChoice::UpdateOwnStyle), Kind::Unchanged);
    EXPECT_EQ(facts().front(), (Fact{Kind::Unchanged, 1, 1, {}, config}));
    EXPECT_EQ(lastAlert().messageText, "Nothing written: no config.xml needed a change");
    EXPECT_EQ(lastAlert().informativeText, WindowWords::facts({facts().front()}))
        << "nothing was created";
    EXPECT_EQ(chosen("kits", StyleChoice::WriteChosenStyle), Kind::Written);
    EXPECT_TRUE(test::has(readFile(config), "club/1_home/logo"));
    const ResultAlert& replaced = lastAlert();
    EXPECT_TRUE(replaced.warning);
    EXPECT_TRUE(replaced.offersUndo);
    EXPECT_TRUE(replaced.informativeText.startsWith(chose)) << "it was replaced, not created";
    EXPECT_TRUE(test::endsWith(replaced.informativeText,
                               "held 1 record that the new one lacks; Undo puts it back."));

    {
        // Without a journal, neither the question nor the alert promises the records back.
        writeFile(m_dir / "kits/config.xml", kits);
        writeFile(m_dir / "cache", "a file, so no folder can be made in it");
        const test::CacheFolder unwritable(m_dir / "cache");
        EXPECT_EQ(chosen("kits", StyleChoice::WriteChosenStyle), Kind::Written);
        EXPECT_EQ(m_prompts.undoPromised, (std::vector<bool>{true, true, true, false}));
        EXPECT_FALSE(lastAlert().offersUndo);
        EXPECT_TRUE(test::endsWith(
            lastAlert().informativeText,
            "held 1 record that the new one lacks; Undo is not available to put it back."));
    }

    const QString summary = status();
    ASSERT_FALSE(summary.isEmpty());
    EXPECT_EQ(chosen("cut", StyleChoice::Cancel), Kind::Cancelled);
    EXPECT_EQ(status(), summary) << "a question answered Cancel leaves the list's summary";
    EXPECT_EQ(m_prompts.questions.back(), native("cut/config.xml") + " is cut short");
    const std::size_t asked = m_prompts.questions.size();
    EXPECT_EQ(chosen("new", StyleChoice::Cancel), Kind::Written);
    EXPECT_EQ(m_prompts.questions.size(), asked) << "nothing to lose, nothing asked";
    EXPECT_FALSE(lastAlert().warning);
    EXPECT_EQ(lastAlert().informativeText, chose);

    // Another program's file is not replaced without a word.
    writeFile(m_dir / "new/config.xml", "<settings><volume>3</volume></settings>");
    EXPECT_EQ(chosen("new", StyleChoice::Cancel), Kind::Written);
    EXPECT_TRUE(lastAlert().warning);
    EXPECT_TRUE(lastAlert().offersUndo);
    EXPECT_TRUE(test::endsWith(lastAlert().informativeText,
                               "1 config.xml file it replaced held no mapping, perhaps another "
                               "program's; Undo puts it back."));
}

TEST_F(Window, SubfoldersAreUpdatedInTheirOwnStyleAndAFailingOneIsNamed)
{
    test::makeFiles(m_dir / "pack", {"clubs/1.png", "kits/2_b.png", "broken/3.png", "empty/X.PNG"},
                    test::pngSignature);
    fs::create_directory(m_dir / "pack/broken/config.xml");
    writeFile(m_dir / "pack/kits/config.xml",
              expectedDocument({expectedRecord("1_a", "team/1/kits/a")}));
    write(m_dir / "pack"); // without sub-folders, only the top
    EXPECT_EQ(readFile(m_dir / "pack/config.xml"), expectedDocument({}));
    EXPECT_FALSE(fs::exists(m_dir / "pack/clubs/config.xml"));
    EXPECT_EQ(facts().back().kind, Kind::ImagesBelow);

    // A plan first; by default each folder is updated in its own style, so the new kit gets its
    // record as a kit, and the one record it replaces is counted.
    write(m_dir / "pack", true);
    ASSERT_EQ(m_prompts.plans.size(), 1u);
    const PackPlan& plan = m_prompts.plans[0];
    // Each folder is listed under what the write does to it: the one it creates apart.
    EXPECT_EQ((std::array{plan.folders, plan.creates, plan.replaces, plan.otherStyle,
                          plan.createdSample.size(), plan.updatedSample.size()}),
              (std::array<std::size_t, 6>{3, 1, 2, 1, 1, 2}));
    EXPECT_EQ(readFile(m_dir / "pack/kits/config.xml"),
              expectedDocument({expectedRecord("2_b", "team/2/kits/b")}));
    EXPECT_EQ(alerts().mid(2), failure);
    EXPECT_EQ(facts(), (Facts{{Kind::Written, 2, 2},
                              {Kind::Unwritable, 1},
                              {Kind::PassedOver, 1, 0, SkipReason::ExtensionCase},
                              {Kind::RecordsLost, 1, 1}}));
    const QStringList shown = rows();
    ASSERT_EQ(shown.size(), 4) << shown.join('\n').toStdString();
    EXPECT_TRUE(test::startsWith(shown[0], "broken | cannot replace"));
    // The details name the folder that failed, and how.
    const QString details = lastAlert().detailedText;
    EXPECT_TRUE(test::holds(details, native(m_dir / "pack/broken") + ": cannot replace"));
    EXPECT_TRUE(test::startsWith(shown[1], "X.PNG | "));
    EXPECT_TRUE(shown.contains("1.png | graphics/pictures/club/1/logo"));
}

// What does not read in full in the window as it stands: each control, label (the status line's
// too), group title, menu and column header whose text has no room.
QStringList cutTexts(QMainWindow& window)
{
    QStringList cut;
    const auto report = [&cut](bool isCut, const QWidget* widget, const QString& text) {
        if (isCut) {
            cut << widget->objectName() + ": " + text;
        }
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) {
            continue;
        }
        const bool outside = !label->parentWidget()->rect().contains(label->geometry());
        report(outside, label, label->text() + " (outside its parent)");
        report(!outside &&
                   (label->wordWrap()
                        ? label->heightForWidth(label->width()) > label->height() ||
                              label->minimumSizeHint().width() > label->width()
                        : label->sizeHint().width() > label->width() ||
                              label->fontMetrics().height() > label->contentsRect().height()),
               label, label->text());
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        report(button->isVisibleTo(&window) && !button->text().isEmpty() &&
                   button->sizeHint().width() > button->width(),
               button, button->text());
    }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
        report(group->minimumSizeHint().width() > group->width(), group, group->title());
        for (const QRadioButton* button : group->findChildren<QRadioButton*>()) {
            const QRect place(button->mapTo(group, QPoint(0, 0)), button->size());
            report(!group->contentsRect().contains(place), button,
                   button->text() + " (outside its group)");
        }
    }
    const QMenuBar* menus = window.menuBar();
    for (QAction* menu : menus->actions()) {
        const QRect place = menus->actionGeometry(menu);
        report(place.isEmpty() || !menus->rect().contains(place), menus, menu->text());
    }
    for (const QHeaderView* header : window.findChildren<QHeaderView*>()) {
        for (int section = 0; header->isVisibleTo(&window) && section < header->count();
             ++section) {
            report(!header->isSectionHidden(section) &&
                       header->sectionSize(section) < header->sectionSizeHint(section),
                   header, header->model()->headerData(section, header->orientation()).toString());
        }
    }
    return cut;
}

// Every text reads in full at the window's first size, over an empty list and over a mixed
// pack's and a deep folder's (run in each of the window's languages, at once and twice the
// scale); at the smallest the window allows, the list still shows 4 rows.
TEST_F(Window, EveryTextReadsInFullAtTheFirstSize)
{
#ifdef _WIN32
    GTEST_SKIP() << "widths are measured in the fonts of the offscreen platform on Linux";
#endif
    test::makeFiles(m_dir / "pack",
                    {"kits/12_home.png", "kits/1234_away.png", "kits/_home.png", "logos/1234.png"},
                    test::pngSignature);
    test::makeFiles(m_dir / "pack", {"kits/12_away.png", "kits/12_third.PNG"});
    // Its path is longer than a line: the status line and the summary must wrap it.
    const fs::path deep = m_dir.path() / "LogosOfTheClubsOfEveryLeague" /
                          "WithTheirSecondDivisions" / "AndTheThirdOnesTooForTheNewSeason" /
                          "EveryOneOfThemInColour" / "AsTheyWereShownLastYear";
    test::makeFiles(deep, {"1234.png"}, test::pngSignature);
    auto* view = child<QTableView>("resultsView");
    makeFolders(m_dir / "many");
    for (const char* shown : {"nothing", "a write under way", "a pack", "a deep folder"}) {
        if (shown == std::string_view("a write under way")) {
            child<QCheckBox>("includeSubfolders")->setChecked(true);
            ASSERT_TRUE(dropUrls({urlOf(m_dir / "many")}));
            ASSERT_TRUE(QTest::qWaitFor(
                [this] { return !child<QLabel>("writeProgress")->text().isEmpty(); }));
            m_window.writer().pause();
        } else if (shown == std::string_view("a pack")) {
            click("graphicStyleKit");
            write(m_dir / "pack", true);
        } else if (shown == std::string_view("a deep folder")) {
            click("graphicStyleLogo");
            write(deep.string());
        }
        m_window.resize(960, 760);
        // Layouts settle in posted events, late on a loaded machine: the texts get a while.
        (void)QTest::qWaitFor([this] { return cutTexts(m_window).isEmpty(); }, 3000);
        EXPECT_EQ(m_window.size(), QSize(960, 760)) << shown;
        EXPECT_EQ(cutTexts(m_window), QStringList()) << shown;
        if (m_window.writer().busy()) {
            m_window.writer().resume();
            settle(1);
        }
    }
    m_window.resize(m_window.minimumSizeHint());
    QApplication::processEvents();
    for (QRadioButton* button : m_window.findChildren<QRadioButton*>()) {
        EXPECT_GE(button->width(), button->sizeHint().width())
            << button->objectName().toStdString();
    }
    EXPECT_GE(view->viewport()->height() / view->verticalHeader()->defaultSectionSize(), 4);
}

// The window opens, frame and all, within the screen's work area, at 960x760 where that fits, and
// its smallest fits there too.
TEST_F(Window, TheWindowFitsTheScreen)
{
    if (qEnvironmentVariableIsEmpty("CRESTMAP_TEST_LANGUAGE")) {
        GTEST_SKIP() << "the screens to fit are given to the runs in each language";
    }
    const QSize room = m_window.screen()->availableSize();
    const auto frame = [this] { return m_window.frameGeometry().size() - m_window.size(); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return room.expandedTo(frame() + m_window.size()) == room; }))
        << m_window.frameGeometry().width() << "x" << m_window.frameGeometry().height();
    EXPECT_EQ(m_window.size(), QSize(960, 760).boundedTo(room - frame()));
    // With a title bar as tall as a desktop's, which the offscreen screen does not draw.
    const QSize smallest = m_window.minimumSizeHint() + frame() + QSize(0, 30);
    EXPECT_EQ(room.expandedTo(smallest), room) << smallest.width() << "x" << smallest.height();
}

// One folder, dropped anywhere on the window but the filter's text, is taken; anything else is
// refused without a word.
TEST_F(Window, DropsOtherThanOneFolderAreRefused)
{
    test::makeFiles(m_dir.path(), {"1.png", "a/notes.txt"});
    bool entered = false;
    EXPECT_FALSE(dropUrls({urlOf(m_dir / "1.png")}, nullptr, &entered));
    EXPECT_TRUE(entered) << "every drag with URLs is offered the copy action";
    EXPECT_FALSE(dropUrls({urlOf(m_dir / "a"), urlOf(m_dir / "a")}));
    EXPECT_TRUE(m_prompts.alerts.empty());
    EXPECT_FALSE(fs::exists(m_dir / "a/config.xml"));

    EXPECT_TRUE(dropUrls({QUrl("https://example.com/pictures/")}));
    settle(1);
    EXPECT_EQ(alerts(), failure);
    for (QWidget* target : {child<QTableView>("resultsView")->viewport(),
                            static_cast<QWidget*>(child<QLineEdit>("resultsFilter"))}) {
        fs::remove(m_dir / "a/config.xml");
        EXPECT_TRUE(dropUrls({urlOf(m_dir / "a")}, target));
        settle(m_prompts.alerts.size());
        EXPECT_TRUE(fs::exists(m_dir / "a/config.xml"));
    }
    EXPECT_EQ(child<QLineEdit>("resultsFilter")->text(), "") << "a drop is no text to find";
}

// Undo from a window that did not make the write says which it is and asks; what changed since
// is put back only when the user agrees.
TEST_F(Window, UndoOfAnotherWritesAskAndKeepWhatChangedSince)
{
    test::makeFiles(m_dir.path(), {"a/1.png", "b/1.png", "c/1.png"}, test::pngSignature);
    const std::string old = expectedDocument({logoRecord("7"), logoRecord("8")}) + "\n";
    writeFile(m_dir / "a/config.xml", old);
    writeFile(m_dir / "c/config.xml", old);
    m_prompts.planAnswer = StyleChoice::WriteChosenStyle;
    QStringList progress;
    m_prompts.whileAsked = [&] { progress << progressShown(); };
    write(m_dir.path().string(), true);
    m_prompts.whileAsked = nullptr;
    EXPECT_EQ(progress, QStringList{""}) << "nothing is written while the user is asked";
    const auto offersUndo = [this] {
        return child<QLabel>("resultsSummary")->text().contains("href=\"undo\"");
    };
    EXPECT_TRUE(offersUndo());
    writeFile(m_dir / "c/config.xml", "changed by hand");

    test::ScriptedPrompts prompts;
    MainWindow restarted(prompts, prompts);
    restarted.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&restarted));
    const auto undo = restarted.findChild<QAction*>("undoAction");
    EXPECT_EQ(undo->text(), "&Undo Write of 3 Folders");
    QTest::keyClick(&restarted, Qt::Key_Z, Qt::ControlModifier);
    const auto said = [&restarted] { return test::statusText(restarted); };
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return said().startsWith("Undo") && !restarted.writer().busy(); }));
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_TRUE(test::startsWith(prompts.questions[0], "Undo the write of 3 config.xml files in " +
                                                           native(m_dir.path().string()) +
                                                           ", made by another Crestmap window"));
    EXPECT_EQ(prompts.questions[1], "force " + native(m_dir / "c/config.xml"));
    EXPECT_EQ(readFile(m_dir / "a/config.xml"), old);
    EXPECT_FALSE(fs::exists(m_dir / "b/config.xml"));
    EXPECT_EQ(readFile(m_dir / "c/config.xml"), "changed by hand");
    EXPECT_EQ(said(), "Undo: 1 config.xml file put back, 1 removed · 1 changed since, left alone · "
                      "put back " +
                          native(m_dir / "a/config.xml") + " · removed " +
                          native(m_dir / "b/config.xml") + " · " + native(m_dir / "c/config.xml") +
                          " changed since, left alone");
    EXPECT_EQ(undo->text(), "&Undo Write of 1 Folder") << "what it left alone, it keeps";

    prompts.forceAnswer = true;
    QTest::keyClick(&restarted, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return readFile(m_dir / "c/config.xml") == old; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !undo->isEnabled() && !restarted.writer().busy(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !offersUndo(); })) << "a write undone elsewhere";
}

// After the window's Undo, its list says what is on disk again, led by what the undo did.
TEST_F(Window, AfterAnUndoTheListShowsTheFoldersAsTheyAre)
{
    test::makeFiles(m_dir / "pack", {"a/1.png", "b/2.png"}, test::pngSignature);
    writeFile(m_dir / "pack/a/config.xml", expectedDocument({logoRecord("7")}));
    m_prompts.planAnswer = StyleChoice::WriteChosenStyle;
    write(m_dir / "pack", true);
    ASSERT_EQ(facts().front(), (Fact{Kind::Written, 2, 2}));
    QTest::keyClick(&m_window, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] {
        return facts() == Facts{{Kind::Outdated, 2, 2}};
    })) << status().toStdString()
        << "\n"
        << rows().join('\n').toStdString();
    const QStringList shown = rows();
    EXPECT_TRUE(test::holds(shown, "a | stale: 1 record to add and 1 to remove"));
    EXPECT_TRUE(test::holds(shown, "b | missing"));
    EXPECT_TRUE(test::startsWith(status(), "Undo: 1 config.xml file put back, 1 removed · "));
    EXPECT_TRUE(test::endsWith(status(), " · 2 of 2 config.xml files are not current"));

#ifdef _WIN32
    GTEST_SKIP() << "the rest needs the folders watched, which they are not on Windows";
#endif
    // Written again, and a file it wrote edited by hand: the list, checked again, still shows
    // that write, and an undo that keeps the edit says what it put back.
    write(m_dir / "pack", true);
    const std::string edited = test::editFile(m_dir / "pack/b/config.xml", "club/2/", "club/9/");
    ASSERT_TRUE(showsRow("b | stale: 1 record to change"));
    const std::size_t asked = m_prompts.questions.size();
    // The folders' change is seen while the question is open, as a real one is.
    m_prompts.whileAsked = [this] {
        QDialog question(&m_window);
        question.setModal(true);
        question.show();
        QTest::qWait(600);
    };
    QTest::keyClick(&m_window, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] {
        return !m_window.writer().busy() && status().startsWith("Undo: ");
    })) << status().toStdString();
    settle();
    QTest::qWait(600);
    m_prompts.whileAsked = nullptr;
    EXPECT_EQ(m_prompts.questions.size(), asked + 1) << "only whether to undo over the edit";
    EXPECT_TRUE(test::startsWith(m_prompts.questions.back(), "force "));
    EXPECT_EQ(readFile(m_dir / "pack/b/config.xml"), edited);
    EXPECT_TRUE(test::startsWith(
        status(), "Undo: 1 config.xml file put back, 0 removed · 1 changed since, left alone"));
    EXPECT_TRUE(test::endsWith(status(), " · 2 of 2 config.xml files are not current"));
}

// Opening the window makes nothing on disk, yet its Undo follows a write of the other program
// into a cache folder that did not exist before.
TEST_F(Window, UndoFollowsTheOtherProgramWithoutMakingItsFolder)
{
    const test::TempDir cache;
    const std::string home = cache / "home";
    const test::CacheFolder inHome(home);
    test::ScriptedPrompts prompts;
    MainWindow fresh(prompts, prompts);
    const auto undo = fresh.findChild<QAction*>("undoAction");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(fs::exists(home));
    test::makeImages(m_dir.path(), 2);
    ASSERT_TRUE(writeAsTheCli(m_dir.path().string()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return undo->isEnabled(); }));
    EXPECT_EQ(undo->text(), "&Undo Write of 1 Folder");
}

// The list follows what the other program writes, and takes back, in the folders it shows, and
// what changes there by hand: it does not go on saying a folder is missing that is written, and
// offer to write it.
TEST_F(Window, TheListFollowsTheOtherProgramAndHandEditsInTheFoldersItShows)
{
    test::makeFiles(m_dir / "pack", {"clubs/1.png", "new/5.png"}, test::pngSignature);
    check(m_dir / "pack");
    ASSERT_EQ(facts(), (Facts{{Kind::Outdated, 2, 2}}));
    // The list stays as the user sorted it, on the row they chose.
    ResultsView& view = panel().view();
    view.sortByColumn(ResultsModel::FileColumn, Qt::DescendingOrder);
    view.selectionModel()->setCurrentIndex(
        results().index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ASSERT_EQ(view.currentIndex().data().toString(), "new");
    click("graphicStyleKit"); // checked again as it was, not as kits
    // Not while a question is open, whose answer may be to undo: that would wait on the check.
    QDialog question(&m_window);
    question.setModal(true);
    question.show();
    ASSERT_TRUE(writeAsTheCli(m_dir / "pack/new"));
    QTest::qWait(300);
    EXPECT_FALSE(m_window.writer().busy());
    EXPECT_EQ(facts(), (Facts{{Kind::Outdated, 2, 2}}));
    question.close();
    ASSERT_TRUE(QTest::qWaitFor([this] { return facts() == Facts{{Kind::Outdated, 1, 2}}; }));
    EXPECT_TRUE(test::holds(rows(), "new | current"));
    EXPECT_EQ(status(), "1 of 2 config.xml files is not current");
    EXPECT_EQ(view.horizontalHeader()->sortIndicatorSection(), ResultsModel::FileColumn);
    EXPECT_EQ(view.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(view.currentIndex().data().toString(), "new");
    EXPECT_EQ(view.selectionModel()->selectedRows().size(), 1);
    // An undo that leaves a hand edit alone changes nothing, yet the list now shows the edit.
    (void)test::editFile(m_dir / "pack/new/config.xml", "club/5/", "club/9/");
    ASSERT_EQ(undoLastWrite().changedSince.size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([this] { return facts() == Facts{{Kind::Outdated, 2, 2}}; }));
    EXPECT_TRUE(test::holds(rows(), "new | stale: 1 record to change"));
    ASSERT_EQ(undoLastWrite(undoFolder(), {{}, true}).removed.size(), 1u);
    EXPECT_TRUE(showsRow("new | missing"));

#ifdef _WIN32
    GTEST_SKIP() << "the folders are not watched on Windows";
#endif
    // What changes by hand is seen as the other program's writes are: a config.xml written,
    // edited, put back, an image added, a config.xml removed.
    WriteTally tally;
    ASSERT_TRUE(writePack(m_dir / "pack/clubs", {}, tally));
    EXPECT_TRUE(showsRow("clubs | current"));
    const std::string config = m_dir / "pack/clubs/config.xml";
    const std::string original = readFile(config);
    (void)test::editFile(config, "club/1/", "club/9/");
    EXPECT_TRUE(showsRow("clubs | stale: 1 record to change"));
    writeFile(config, original);
    EXPECT_TRUE(showsRow("clubs | current"));
    test::makeFiles(m_dir / "pack", {"clubs/2.png"}, test::pngSignature);
    EXPECT_TRUE(showsRow("clubs | stale: 1 record to add"));
    fs::remove(test::utf8Path(config));
    EXPECT_TRUE(showsRow("clubs | missing"));
    EXPECT_EQ(facts(), (Facts{{Kind::Outdated, 2, 2}}));
}

// Rows above the one the user looks at come and go in a check made unasked: that row stays
// selected, and where it was on screen.
TEST_F(Window, ACheckMadeUnaskedKeepsTheRowInViewWhereItWas)
{
    const std::string pack = m_dir / "pack";
    for (int i = 0; i < 100; ++i) {
        test::makeFiles(test::utf8Path(pack), {"a/" + std::to_string(100 + i) + ".png"},
                        test::pngSignature);
        test::makeFiles(test::utf8Path(pack), {"b/" + std::to_string(200 + i) + ".png"},
                        test::pngSignature);
    }
    check(pack);
    ResultsView& view = panel().view();
    const QString looked = native(pack + "/b/250.png");
    const QModelIndexList found =
        results().match(results().index(0, 0), ResultsModel::PathRole, looked, 1, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    view.selectionModel()->setCurrentIndex(found[0], QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    view.scrollTo(found[0], QAbstractItemView::PositionAtCenter);
    const int top = view.visualRect(found[0]).top();
    ASSERT_GT(top, 0);
    for (int i = 0; i < 60; ++i) {
        fs::remove(test::utf8Path(pack + "/a/" + std::to_string(100 + i) + ".png"));
    }
    ASSERT_TRUE(writeAsTheCli(pack + "/a"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return facts() == Facts{{Kind::Outdated, 1, 2}}; }));
    EXPECT_EQ(view.currentIndex().data(ResultsModel::PathRole).toString(), looked);
    EXPECT_EQ(view.visualRect(view.currentIndex()).top(), top);
}

// What another program writes while the window only checks is told once the check ends; what
// the window's own write or undo changed is not.
TEST(JournalWatch, TellsWhatAnotherProgramDidDuringACheck)
{
    const test::TempDir dir;
    const test::CacheFolder cache(dir / "cache");
    JournalWatch watch;
    std::vector<std::vector<std::string>> told;
    QObject::connect(&watch, &JournalWatch::writtenElsewhere,
                     [&told](const std::vector<std::string>& configs) { told.push_back(configs); });
    const auto write = [&dir](int images) {
        test::makeImages(dir / "pack", images);
        return writeAsTheCli(dir / "pack");
    };
    watch.refresh(true, true); // a check starts
    ASSERT_TRUE(write(1));
    watch.refresh(true, false); // the folder's change, seen while the check runs
    EXPECT_TRUE(told.empty());
    watch.refresh(false, false); // the check ends
    EXPECT_EQ(told, (std::vector<std::vector<std::string>>{{dir / "pack/config.xml"}}));
    watch.refresh(true, true); // a write starts, and ends having written
    ASSERT_TRUE(write(2));
    watch.refresh(false, true);
    watch.refresh(false, false);
    EXPECT_EQ(told.size(), 1u);
}

// A window closed as its job ends must not be reached by the job's last word: that was an abort
// as the window went, just after it had opened on a folder.
TEST(WriteController, GoesOnlyWhenItsJobCanNoLongerReachIt)
{
    const test::TempDir dir;
    const test::CacheFolder cache(dir / "cache");
    test::makeImages(dir / "pack", 1);
    const QUrl folder = urlOf(dir / "pack");
    test::ScriptedPrompts prompts;
    QWidget window;
    for (int round = 0; round < 400; ++round) {
        auto controller = std::make_unique<WriteController>(prompts, &window);
        ASSERT_TRUE(controller->start(
            WriteRequest::forFolder(folder, WriteRequest::Source::Check, {1, 1}, false)));
        // Closes at each moment of the job's short life, its end among them.
        std::this_thread::sleep_for(std::chrono::microseconds(round % 40 * 10));
        controller.reset();
    }
}

// A check says what each folder's config.xml is, writes nothing, and its update writes exactly
// the folders that are not current, each in its own style, and names the images it writes that
// map to the same pictures as those of the folders it leaves, as the command line's does.
TEST_F(Window, CheckFolderListsEachFolderAndUpdatesOnlyTheStaleOnes)
{
    test::makeFiles(
        m_dir / "pack",
        {"clubs/1.png", "clubs/2.png", "kits/1_home.png", "new/5.png", "junk/6.png", "old/2.png"},
        test::pngSignature);
    writeFile(m_dir / "pack/clubs/config.xml", expectedDocument({logoRecord("1")}));
    writeFile(m_dir / "pack/kits/config.xml", kits);
    writeFile(m_dir / "pack/junk/config.xml", "<html></html>");
    writeFile(m_dir / "pack/old/config.xml", expectedDocument({logoRecord("2")}));
    check(m_dir / "pack");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !status().isEmpty(); }));
    EXPECT_TRUE(m_prompts.alerts.empty());
    const Fact clash{Kind::Clashes, 2};
    EXPECT_EQ(facts(), (Facts{{Kind::Outdated, 3, 5}, clash}));
    EXPECT_EQ(child<QTableView>("resultsView")->accessibleName(), "Results of the last check");
    // The folders that need work first, then each clash, then the current folders.
    QStringList shown = rows();
    ASSERT_GE(shown.size(), 7);
    std::sort(shown.begin(), shown.begin() + 3);
    const QString clashes = "2.png | maps to the same picture as ";
    EXPECT_EQ(shown.mid(0, 7),
              (QStringList{"clubs | stale: 1 record to add", "junk | not a mapping file",
                           "new | missing", clashes + native(m_dir / "pack/old/2.png"),
                           clashes + native(m_dir / "pack/clubs/2.png"), "kits | current",
                           "old | current"}));

    // A folder gone since the check fails alone.
    fs::rename(m_dir / "pack/new", m_dir / "gone");
    QTest::mouseClick(child<QPushButton>("updateStaleButton"), Qt::LeftButton);
    EXPECT_EQ(status(), "") << "the check's summary, while its folders are written";
    settle(1);
    ASSERT_EQ(m_prompts.plans.size(), 1u);
    EXPECT_EQ(m_prompts.plans[0].folders, 2u);
    EXPECT_EQ(m_prompts.alerts[0].messageText, failed);
    EXPECT_EQ(facts(), (Facts{{Kind::Written, 2, 1}, {Kind::Unreadable, 1}, clash}));
    EXPECT_EQ(rows().filter(clashes).size(), 2) << rows().join('\n').toStdString();
    fs::rename(m_dir / "gone", m_dir / "pack/new");
    const std::string clubs = readFile(m_dir / "pack/clubs/config.xml");
    EXPECT_TRUE(test::has(clubs, logoRecord("2"))) << clubs;
    EXPECT_FALSE(fs::exists(m_dir / "pack/new/config.xml"));
    EXPECT_EQ(readFile(m_dir / "pack/kits/config.xml"), kits);
    EXPECT_EQ(readFile(m_dir / "pack/junk/config.xml"), "<html></html>") << "another program's";
    EXPECT_TRUE(child<QAction>("undoAction")->isEnabled());
}

// Opened on a folder, the window takes on its style and checks it, with the folders below when
// its images are further down; anything else is said.
TEST_F(Window, OpenedOnAFolderTakesItsStyleAndChecksIt)
{
    test::makeFiles(m_dir.path(), {"kits/1_home.png", "deep/a/b/1_home.png"}, test::pngSignature);
    const std::string textures =
        expectedDocument({expectedRecord("1_home", "team/1/kit_textures/home")});
    writeFile(m_dir / "kits/config.xml", textures);
    m_window.selector().openArguments({QString::fromStdString(m_dir / "kits")});
    EXPECT_EQ(m_window.windowTitle(), "kits — Crestmap") << "named from the start of its check";
    settle();
    EXPECT_TRUE(child<QRadioButton>("kitTypeTexture")->isChecked());
    EXPECT_EQ(facts(), (Facts{{Kind::Current, 1}}));
    EXPECT_EQ(readFile(m_dir / "kits/config.xml"), textures);
    settle();
    auto* subfolders = child<QCheckBox>("includeSubfolders");
    EXPECT_FALSE(subfolders->isChecked()) << "a folder with images of its own is checked alone";

    // The box says what the check does while it does it, not once it is done: a check long
    // enough for the difference to show.
    for (int i = 0; i < 100; ++i) {
        const std::string team = std::to_string(i + 2);
        test::makeFiles(m_dir / ("deep/" + team), {team + "_home.png"}, test::pngSignature);
    }
    bool tickedDuringTheCheck = false;
    const QObject guard;
    QObject::connect(subfolders, &QCheckBox::toggled, &guard,
                     [&](bool on) { tickedDuringTheCheck = on && m_window.writer().busy(); });
    m_window.selector().openArguments({QString::fromStdString(m_dir / "deep")});
    EXPECT_EQ(m_window.windowTitle(), "deep — Crestmap") << "named from the start of its check";
    settle();
    EXPECT_TRUE(subfolders->isChecked());
    EXPECT_TRUE(tickedDuringTheCheck);
    EXPECT_EQ(facts(), (Facts{{Kind::Outdated, 101, 101}}));

    m_window.selector().openArguments({QString::fromStdString(m_dir / "kits/1_home.png")});
    ASSERT_EQ(m_prompts.alerts.size(), 1u);
    EXPECT_TRUE(m_prompts.alerts[0].informativeText.endsWith("is a file, not a folder. Open the "
                                                             "folder that holds it."));
}

// Whenever a cancel lands, the alert says how far the write came; closing while a write runs
// holds it while the user is asked, so the question stays true, then stops it with no alert.
// Either way each config.xml is as it was or wholly new.
TEST_F(Window, CancelOrCloseLeaveEachConfigOldOrNewAndSayHowFarTheWriteCame)
{
    makeFolders(m_dir.path());
    const auto rewritten = [this] {
        int count = 0;
        for (int i = 0; i < 40; ++i) {
            const std::string now = readFile(m_dir.path() / std::to_string(i) / "config.xml");
            count += now == "old" ? 0 : 1;
            EXPECT_TRUE(now == "old" || now.ends_with("</record>")) << i;
        }
        return count;
    };
    child<QCheckBox>("includeSubfolders")->setChecked(true);
    m_prompts.planAnswer = StyleChoice::WriteChosenStyle;
    EXPECT_TRUE(dropUrls({urlOf(m_dir.path().string())}));
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_prompts.plans.size() == 1; }));
    QTest::mouseClick(child<QPushButton>("cancelButton"), Qt::LeftButton);
    settle(1);
    EXPECT_TRUE(child<FolderDragView>("folderDragView")->isEnabled());
    const int cancelled = rewritten();
    ASSERT_LT(cancelled, 40) << "the cancel must land before the write ends";
    const ResultAlert& alert = lastAlert();
    EXPECT_EQ(alert.messageText,
              WindowWords::facts({{Kind::Cancelled, std::size_t(cancelled), 40u - cancelled}}));
    EXPECT_EQ(alert.offersUndo, cancelled > 0);

    EXPECT_TRUE(dropUrls({urlOf(m_dir.path().string())}));
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_prompts.plans.size() == 2; }));
    int before = 0;
    int after = 0;
    m_prompts.whileAsked = [&] {
        before = rewritten();
        QTest::qWait(300);
        after = rewritten();
    };
    m_prompts.quitAnswer = false;
    EXPECT_FALSE(m_window.close()) << "the write goes on";
    EXPECT_EQ(before, after) << "a held write writes nothing while the user is asked";
    m_prompts.whileAsked = nullptr;
    m_prompts.quitAnswer = true;
    EXPECT_TRUE(m_window.close());
    ASSERT_EQ(m_prompts.questions.size(), 2u);
    EXPECT_TRUE(test::endsWith(m_prompts.questions[1], " of 40 folders. Stop it and quit?"));
    EXPECT_FALSE(m_window.writer().busy()) << "nothing runs once the window has closed";
    QTest::qWait(200);
    EXPECT_EQ(m_prompts.alerts.size(), 1u) << "no alert, and no Undo in it, outlives the window";
    (void)rewritten();
}

// The plan's question counts the folders a write would change, not those already current
// (after another program wrote one since the check): a current folder of another style is written
// only by the answer that restyles it, and Undo is promised only where the write's journal can be
// kept. The question before files are put back over changes says what becomes of them, one file
// in the singular.
TEST(Dialogs, TheQuestionsCountWhatTheyAskOf)
{
    const auto plan = [](std::size_t creates, std::size_t otherStyle, bool undoable) {
        return [=](DialogPrompts& prompts) {
            PackPlan asked;
            asked.folders = creates + 1;
            asked.creates = creates;
            asked.unchanged = 1;
            asked.otherStyle = otherStyle;
            asked.writesAll = creates + otherStyle;
            EXPECT_EQ(prompts.choosePlan(nullptr, asked, {1, 1}, undoable), StyleChoice::Cancel);
        };
    };
    const auto force = [](const QStringList& files, std::size_t made) {
        return [=](DialogPrompts& prompts) {
            EXPECT_FALSE(prompts.confirmForce(nullptr, files, made));
        };
    };
    struct Case {
        std::function<void(DialogPrompts&)> ask;
        QStringList says; ///< the text's lines, then the body's: all of them, or some
        bool whole;
    };
    // clang-format off
    const std::vector<Case> cases{
        {plan(5, 0, true), {"Write config.xml in 5 folders?", "1 config.xml file already current stays as it is."}, false},
        {plan(0, 1, true), {"Write config.xml in up to 1 folder?", "An update leaves the config.xml file already current as it is.", "Undo puts back every config.xml the write replaces."}, false},
        {plan(0, 1, false), {"Write config.xml in up to 1 folder?", "Undo is not available for this write."}, false},
        {force({"a"}, 0), {"1 config.xml file changed since the write:", "a", "Put back the old copy over the change? The change is lost."}, true},
        {force({"a", "b"}, 0), {"2 config.xml files changed since the write:", "a", "b", "Put back the old copies over the changes? The changes are lost."}, true},
        {force({"a"}, 1), {"1 config.xml file changed since the write:", "a", "Remove the file the write made, with the change? The change is lost."}, true},
        {force({"a", "b"}, 1), {"2 config.xml files changed since the write:", "a", "b", "Put back what the write replaced and remove what it made, over the changes? The changes are lost."}, true},
    };
    // clang-format on
    for (const Case& c : cases) {
        DialogPrompts prompts;
        const QStringList said = test::boxSays([&] { c.ask(prompts); });
        if (c.whole) {
            EXPECT_EQ(said, c.says);
            continue;
        }
        EXPECT_EQ(said.front(), c.says.front());
        for (const QString& line : c.says) {
            EXPECT_TRUE(test::holds(said, line));
        }
    }
}

// In every language (run in each), the questions' sentences and buttons start with a capital,
// also where the language puts the style's name first; a sentence may start with the file's name
// in a language that puts it first, "config.xml dosyası olmayan 1 klasöre…", and its case is the
// name's: Config.xml is another file.
TEST(Dialogs, QuestionsStartTheirSentencesAndButtonsWithACapital)
{
    QStringList texts;
    const auto answer = [&texts] {
        answerBox([&texts](QMessageBox& box) {
            texts << box.informativeText();
            QStringList words;
            for (QAbstractButton* button : box.buttons()) {
                texts << button->text();
                words << button->text().remove('&');
            }
            // Cancel must not read as the start of Undo, as "Annulla" and "Annulla la scrittura".
            for (const QString& one : words) {
                for (const QString& other : words) {
                    EXPECT_TRUE(one == other || !other.startsWith(one + ' '))
                        << one.toStdString() << " / " << other.toStdString();
                }
            }
        });
    };
    DialogPrompts prompts;
    const crestmap::MappingScan file;
    for (const bool undoable : {true, false}) {
        answer();
        (void)prompts.chooseKeep(nullptr, "kits/config.xml", file, crestmap::StylePair{6, 1},
                                 {1, 1}, undoable);
    }
    crestmap::PackPlan plan;
    plan.folders = plan.unchanged = plan.otherStyle = plan.writesAll = 1;
    answer();
    (void)prompts.choosePlan(nullptr, plan, {1, 1}, true);
    crestmap::PackPlan creates;
    creates.folders = creates.creates = creates.writesAll = 1;
    answer();
    (void)prompts.choosePlan(nullptr, creates, {1, 1}, true);
    answer();
    (void)prompts.confirmUndo(nullptr, "Undo the write of 2 config.xml files in pack?");
    ASSERT_GE(texts.size(), 18);
    for (const QString& text : texts) {
        const QString words = text.startsWith('&') ? text.mid(1) : text;
        EXPECT_TRUE(!words.front().isLower() || words.startsWith(QLatin1String("config.xml")))
            << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1String("Config.xml"))) << text.toStdString();
    }
}

// The alert's details open as wide and tall as their lines, each fact on one, and Escape closes
// the alert wherever its focus is.
TEST(Dialogs, TheAlertsDetailsReadInFullAndEscapeClosesIt)
{
    const QStringList lines{
        WindowWords::facts({{Fact::Kind::Written, 1204, 12}}),
        WindowWords::facts({{Fact::Kind::WithoutRecord, 2, 0, SkipReason::KitNameShape}}),
        WindowWords::facts({{Fact::Kind::RecordsLost, 21, 4}}),
        "",
        "Files without a record:",
        "a_b_c.png — " + WindowWords::skip(SkipReason::KitNameShape),
        "… and 5 more"};
    DialogPrompts prompts;
    bool closedByEscape = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == QMessageBox::ActionRole) {
                button->click();
            }
        }
        QApplication::processEvents();
        auto* details = box->findChild<QTextEdit*>();
        ASSERT_NE(details, nullptr);
        EXPECT_TRUE(details->isVisible()) << "the details open";
        const QFontMetrics metrics(details->font());
        // Up to two thirds of the screen, where a line may wrap.
        const int room = box->screen()->availableSize().width() * 2 / 3 -
                         (details->width() - details->viewport()->width());
        for (const QString& line : lines) {
            EXPECT_LE(std::min(metrics.horizontalAdvance(line), room), details->viewport()->width())
                << line.toStdString();
        }
        EXPECT_GE(details->viewport()->height(), metrics.lineSpacing() * lines.size());
        details->setFocus();
        QTest::keyClick(details, Qt::Key_Escape);
        closedByEscape = !box->isVisible();
        box->close();
    });
    (void)prompts.showResultAlert(nullptr, {written, dragged, lines.join('\n'), false, false});
    EXPECT_TRUE(closedByEscape);
}

TEST(Previews, PaletteImagesKeepTheirColours)
{
    const test::TempDir dir;
    for (const QImage::Format format : {QImage::Format_Mono, QImage::Format_Indexed8}) {
        QImage image(300, 300, format);
        image.setColorTable({qRgb(255, 255, 255), qRgb(220, 0, 0)});
        image.fill(1);
        const QString path = QString::fromStdString(dir / "palette.png");
        ASSERT_TRUE(image.save(path));
        for (const qreal ratio : {1.0, 2.0}) {
            const QImage preview = decodePreview(path, QSize(48, 48), ratio);
            EXPECT_EQ(preview.size(), QSize(48, 48) * ratio);
            EXPECT_EQ(preview.pixel(10, 10), qRgb(220, 0, 0)) << format << " at " << ratio;
        }
    }
#ifndef _WIN32
    // A named pipe is never opened to be decoded: its reader would wait for ever.
    ASSERT_EQ(::mkfifo((dir / "pipe.png").c_str(), 0600), 0);
    EXPECT_TRUE(decodePreview(QString::fromStdString(dir / "pipe.png"), {48, 48}, 1).isNull());
#endif
}

// Asked to quit once the last folder is written, the user must not hear of folders left behind;
// and the progress line says where the write is.
TEST(WriteProgress, TheQuitQuestionSaysWhetherFoldersWouldKeepTheirOldFile)
{
    // After the last folder, the line says what the write still does, not a count that stands.
    struct Case {
        std::size_t done, total;
        bool left;
        QString line;
    };
    // The images of the folders done, not those read of the folder under way.
    for (const Case& c : {Case{0, 3, true, "Writing 0 of 3 folders · 3 of 8 images"},
                          Case{2, 3, true, "Writing 2 of 3 folders · 3 of 8 images"},
                          Case{3, 3, false, "Writing 3 of 3 folders · listing the results…"},
                          Case{5, 0, true, "Writing… 5 folders, 4 images so far"}}) {
        WriteProgress progress;
        progress.folders = c.done;
        progress.totalFolders = c.total;
        progress.images = 4;
        progress.imagesDone = 3;
        progress.totalImages = 8;
        EXPECT_EQ(progress.foldersLeft(), c.left) << c.done << " of " << c.total;
        EXPECT_EQ(progress.text(false), c.line);
    }
    // A pack's top without images is not one of the folders its plan counts, nor its progress.
    const test::TempDir dir;
    const test::TempDir cache;
    const test::CacheFolder journal(cache.path().string());
    test::makeFiles(dir.path(), {"a/1.png", "b/1.png", "c/1.png"});
    WriteProgress progress;
    (void)runJob(WriteRequest::forFolder(urlOf(dir.path().string()), WriteRequest::Source::Chosen,
                                         {1, 1}, true),
                 progress);
    EXPECT_EQ(progress.folders.load(), 3u);
    EXPECT_EQ(progress.imagesDone.load(), 3u);
    // A folder stopped half-way is not one written, as the cancel's summary and the disk say.
    WriteReport report;
    ReportCollector collector(report, &progress);
    FolderAccount stopped;
    stopped.folder = dir / "a";
    stopped.images = 1;
    stopped.outcome = FolderAccount::Outcome::Cancelled;
    collector.folder(stopped);
    EXPECT_EQ(progress.folders.load(), 3u);
    EXPECT_EQ(progress.imagesDone.load(), 3u);
}

} // namespace
} // namespace crestmap
