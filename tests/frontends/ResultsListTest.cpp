#include "NaturalOrder.h"
#include "ReportCollector.h"
#include "ThumbnailLoader.h"
#include "WindowHarness.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTableView>
#include <QToolTip>
#include <algorithm>
#include <numeric>
#include <random>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::writeFile;

constexpr std::string_view jpegSignature = "\xFF\xD8\xFF";

// The rows' texts in one column, in view order.
QStringList column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        texts << model.index(row, column).data().toString();
    }
    return texts;
}

// A finished report of `rows`, their paths under `base`, that says `facts`.
std::shared_ptr<WriteReport> reportOf(std::string base, std::vector<ResultRow> rows,
                                      bool pack = false, std::vector<Fact> facts = {})
{
    auto report = std::make_shared<WriteReport>();
    report->base = std::move(base);
    report->pack = pack;
    report->rows = std::move(rows);
    ReportCollector(*report).finish(std::move(facts));
    return report;
}

class ResultsList : public test::WindowFixture {
protected:
    // The row showing `name`, made current and the only one selected.
    void select(const QString& name)
    {
        const int row = column(results(), ResultsModel::FileColumn).indexOf(name);
        ASSERT_GE(row, 0) << name.toStdString();
        view().setFocus();
        view().selectionModel()->setCurrentIndex(results().index(row, 0),
                                                 QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    }

    // Copy path, as Edit ▸ Copy paths does it: the bytes that go on the clipboard.
    QByteArray copiedPath()
    {
        QTest::keyClick(&view(), Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->mimeData()->data("text/plain");
    }

    // Presses Shift+F10 in the list and, in the menu that opens or one of its sub-menus, triggers
    // the action whose text starts with `choice`; the text of each action of the menu, "(off)"
    // after those that are disabled.
    QStringList menuWith(const QString& choice)
    {
        QStringList actions;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            for (QAction* action : menu->actions()) {
                actions << action->text() + (action->isEnabled() ? "" : " (off)");
                const auto below = action->menu() ? action->menu()->actions() : QList<QAction*>{};
                for (QAction* one : QList<QAction*>{action} + below) {
                    if (one->text().startsWith(choice) && one->isEnabled()) {
                        one->trigger();
                    }
                }
            }
            menu->close();
        });
        QTest::keyClick(&view(), Qt::Key_F10, Qt::ShiftModifier);
        QApplication::processEvents();
        return actions;
    }

    QTableView& view() { return panel().view(); }
    void show(std::vector<ResultRow> rows, bool pack = false)
    {
        panel().showReport(reportOf("/packs", std::move(rows), pack));
    }

    QAbstractItemModelTester m_source{&panel().model(),
                                      QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester m_shown{&panel().proxy(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal};
};

// A mixed pack at the window's first size: every name and reason reads in full (also run at
// twice the scale); a name with a new line reads on its row, marked, and a name of 255 bytes
// leaves the reasons beside it room to read in full.
TEST_F(ResultsList, NamesAndReasonsOfAMixedPackReadInFull)
{
#ifdef _WIN32
    GTEST_SKIP() << "widths are measured in the fonts of the offscreen platform on Linux; Wine's "
                    "stand-ins for Windows' own fonts are wider";
#endif
    const fs::path pack = m_dir.path() / "Mixed pack";
    test::makeFiles(pack,
                    {"kits/12_home.png", "kits/501_home.png", "kits/1234_home.png",
                     "kits/2046_away.png", "kits/_home.png", "kits/45.png", "kits/1_2_3.png"},
                    test::pngSignature);
    test::makeFiles(pack, {"kits/12_home.jpg"}, jpegSignature);
    test::makeFiles(pack, {"kits/12_away.png", "kits/12_third.PNG", "logos/clubs/1234.png"});
    writeFile(pack / "logos/clubs/config.xml", test::expectedDocument({test::logoRecord("1")}));
    m_window.findChild<QAbstractButton*>("graphicStyleKit")->click();
    write(pack.string(), true);
    m_window.resize(960, 760);
    QApplication::processEvents();
    ASSERT_EQ(m_window.size(), QSize(960, 760));
    ASSERT_EQ(results().rowCount(), 15);
    for (int row = 0; row < results().rowCount(); ++row) {
        for (const int col :
             {ResultsModel::FileColumn, ResultsModel::PictureColumn, ResultsModel::FolderColumn}) {
            const QModelIndex index = results().index(row, col);
            EXPECT_LE(view().sizeHintForIndex(index).width(), view().visualRect(index).width())
                << index.data().toString().toStdString();
        }
    }

    show({{ResultRow::Kind::NoRecord, SkipReason::UnwritableName, "new\nline.png", {}},
          {ResultRow::Kind::Mapped, {}, std::string(251, 'n') + ".png", "club/n/logo"}});
    EXPECT_EQ(results().index(0, ResultsModel::FileColumn).data().toString(), u"new\u240Aline.png");
    const QModelIndex reason = results().index(0, ResultsModel::PictureColumn);
    EXPECT_LE(view().sizeHintForIndex(reason).width(), view().visualRect(reason).width());
}

// Among many rows, the longest picture text is found without making every row's, and the long
// names beside it give it room.
TEST_F(ResultsList, ThePictureColumnFitsItsLongestTextAmongManyRows)
{
    const std::string names(80, 'n');
    std::vector<ResultRow> rows;
    for (int i = 0; i < 201; ++i) {
        rows.push_back({ResultRow::Kind::Clash,
                        {},
                        "/packs/" + std::to_string(i) + names + ".png",
                        i == 101 ? std::string(40, 'o') + ".png" : "x.png"});
    }
    m_window.resize(3000, 760);
    show(rows);
    QApplication::processEvents();
    const int longest = column(results(), ResultsModel::FileColumn)
                            .indexOf(QString::fromStdString("101" + names + ".png"));
    ASSERT_GE(longest, 0);
    const QModelIndex picture = results().index(longest, ResultsModel::PictureColumn);
    const int needed = view().sizeHintForIndex(picture).width();
    // Room for it beside as little of the names as the list lets them have, in any font.
    m_window.resize(m_window.width() - view().viewport()->width() + needed * 5 / 3 + 8, 760);
    show(rows);
    QApplication::processEvents();
    EXPECT_LE(needed,
              view().visualRect(results().index(longest, ResultsModel::PictureColumn)).width());

    // A list shown while a filter hides all of it is sized for its rows all the same: clearing the
    // filter does not show every name cut to "…".
    m_window.resize(960, 760);
    child<QLineEdit>("resultsFilter")->setText("nothing is named so");
    show({{ResultRow::Kind::Mapped, {}, std::string(40, 'n') + ".png", "club/1/logo"}});
    ASSERT_EQ(results().rowCount(), 0);
    child<QLineEdit>("resultsFilter")->clear();
    QApplication::processEvents();
    const QModelIndex name = results().index(0, ResultsModel::FileColumn);
    EXPECT_LE(view().sizeHintForIndex(name).width(), view().visualRect(name).width());
}

// A long name is cut only where its column has no room left beside the others' texts, and the
// tooltip of a cut name gives it whole.
TEST_F(ResultsList, ALongNameIsCutOnlyForWantOfRoomAndItsTooltipGivesItWhole)
{
    const std::string longName = std::string(90, 'n') + " " + std::string(60, 'm') + ".png";
    struct Case {
        std::vector<ResultRow> rows;
        bool pack;
    };
    using K = ResultRow::Kind;
    // clang-format off
    const std::vector<Case> cases{
        {{{K::Mapped, {}, longName, "club/1/logo"}}, false},
        {{{K::Mapped, {}, longName, "club/1/logo"}, {K::NoRecord, SkipReason::KitNameShape, "x.png", {}}}, false},
        {{{K::Mapped, {}, longName + longName, "club/1/logo"}}, false},
        {{{K::Mapped, {}, "clubs/" + longName, "club/1/logo"}, {K::Mapped, {}, "clubs/2.png", "club/2/logo"}}, true},
        {{{K::Mapped, {}, "a/" + longName, "club/1/logo"}, {K::Mapped, {}, std::string(70, 'f') + "/2.png", "club/2/logo"}}, true},
        // A short name beside a long clash and a long folder is read whole.
        {{{K::Clash, {}, std::string(60, 'f') + "/1234_home.png", "/" + std::string(150, 'd') + "/1234_home.jpg"}}, true},
    };
    // clang-format on
    m_window.resize(960, 760);
    for (const auto& [rows, pack] : cases) {
        show(rows, pack);
        QApplication::processEvents();
        int pictures = view().horizontalHeader()->sectionSizeHint(ResultsModel::PictureColumn);
        for (int row = 0; row < results().rowCount(); ++row) {
            pictures = std::max(pictures, view().sizeHintForIndex(results().index(row, 1)).width());
        }
        const QString file = QString::fromStdString(fs::path(rows[0].path).filename().string());
        const QModelIndex name = results().index(
            column(results(), ResultsModel::FileColumn).indexOf(file), ResultsModel::FileColumn);
        const QRect place = view().visualRect(name);
        const bool cut = view().sizeHintForIndex(name).width() > place.width();
        EXPECT_TRUE(!cut || (view().columnWidth(ResultsModel::PictureColumn) <= pictures &&
                             place.width() >= view().viewport()->width() / 3))
            << rows.size() << " rows: the name is cut to " << place.width()
            << " px beside pictures given " << view().columnWidth(ResultsModel::PictureColumn)
            << " of the " << pictures << " px they need";
        QHelpEvent hover(QEvent::ToolTip, place.center(),
                         view().viewport()->mapToGlobal(place.center()));
        QApplication::sendEvent(view().viewport(), &hover);
        EXPECT_TRUE(test::holds(QToolTip::text().remove(QChar(0x200b)), file));
        QToolTip::hideText();
    }
}

// A text cut for want of room keeps its end, where paths differ: two images that clash, each
// naming the other deep in a pack, still read apart.
TEST_F(ResultsList, ACutTextKeepsTheEndThatTellsItApart)
{
#ifdef _WIN32
    GTEST_SKIP() << "under Wine the offscreen platform has no fonts: it draws each letter as the "
                    "same box";
#endif
    const std::string deep = "/packs/" + std::string(120, 'd') + "/clubs/";
    using K = ResultRow::Kind;
    show({{K::Clash, {}, "clubs/1234.png", deep + "1234.jpg"},
          {K::Clash, {}, "clubs/1234.jpg", deep + "1234.png"}},
         true);
    m_window.resize(960, 760);
    QApplication::processEvents();
    std::vector<QImage> shown;
    for (int row = 0; row < 2; ++row) {
        const QModelIndex reason = results().index(row, ResultsModel::PictureColumn);
        ASSERT_GT(view().sizeHintForIndex(reason).width(), view().visualRect(reason).width())
            << "the reason must be cut for this test";
        shown.push_back(view().viewport()->grab(view().visualRect(reason)).toImage());
    }
    EXPECT_NE(shown[0], shown[1]) << "both rows read alike";
}

// The preview of each image in view, and the placeholder of one that would not load, is drawn
// as it comes (also run at twice the scale): the screen shows what a repaint would draw. The list
// is a window of its own here: at twice the scale the offscreen screen grabs only a window's top
// left quarter.
TEST(Previews, PreviewsAndPlaceholdersAreDrawnAsTheyCome)
{
    const test::TempDir dir;
    test::makeFiles(dir.path(), {"1.png", "2.png"}, test::pngSignature);
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(dir / "3.png")));
    std::vector<ResultRow> rows;
    for (const std::string name : {"1", "2", "3"}) {
        rows.push_back({ResultRow::Kind::Mapped, {}, name + ".png", "club/" + name + "/logo"});
    }
    ResultsPanel panel;
    panel.resize(600, 400);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    panel.showReport(reportOf(dir.path().string(), rows));
    const auto shown = [&panel] {
        QApplication::processEvents();
        return panel.screen()->grabWindow(panel.winId()).toImage();
    };
    ThumbnailLoader& loader = panel.model().thumbnails();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return std::ranges::all_of(std::array{"1", "2", "3"}, [&](const char* name) {
            return loader.thumbnail(QString::fromStdString(dir / (std::string(name) + ".png")))
                .has_value();
        });
    }));
    QTest::qWait(50);
    const QImage before = shown();
    panel.view().viewport()->repaint();
    EXPECT_EQ(shown(), before) << "a repaint drew what the screen did not show";
}

// Numbers sort as numbers, problems first either way, by image, picture and folder alike; before
// a sort, the rows of each kind stand in the order of their paths, not the disk's.
TEST_F(ResultsList, NumbersSortAsNumbersWithProblemsFirst)
{
    show({{ResultRow::Kind::NoRecord, SkipReason::KitNameShape, "clubs 10/45.png", {}},
          {ResultRow::Kind::PassedOver, SkipReason::ExtensionCase, "clubs 9/X.PNG", {}},
          {ResultRow::Kind::Mapped, {}, "clubs 10/2046.png", "club/2046/logo"},
          {ResultRow::Kind::Mapped, {}, "clubs 9/501.png", "club/501/logo"},
          {ResultRow::Kind::Mapped, {}, "clubs 100/1234.png", "club/1234/logo"}},
         true);
    struct Case {
        int column;
        Qt::SortOrder order;
        QStringList names;
    };
    // clang-format off
    const std::vector<Case> cases{
        {-1, Qt::AscendingOrder, {"X.PNG", "45.png", "501.png", "2046.png", "1234.png"}},
        {ResultsModel::FileColumn, Qt::AscendingOrder, {"45.png", "X.PNG", "501.png", "1234.png", "2046.png"}},
        {ResultsModel::FileColumn, Qt::DescendingOrder, {"X.PNG", "45.png", "2046.png", "1234.png", "501.png"}},
        {ResultsModel::PictureColumn, Qt::AscendingOrder, {"X.PNG", "45.png", "501.png", "1234.png", "2046.png"}},
        {ResultsModel::FolderColumn, Qt::AscendingOrder, {"X.PNG", "45.png", "501.png", "2046.png", "1234.png"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        view().sortByColumn(c.column, c.order);
        EXPECT_EQ(column(results(), ResultsModel::FileColumn), c.names) << c.column << c.order;
    }
}

// The quick key and the full comparison never disagree, whatever the names; the list's order,
// found by keys taken again past each shared start, is the order one by one comparison gives: by
// rank, then naturally, then by the order before. Long shared starts, equal texts, texts alike but
// for case or leading zeros and numbers longer than a key are where the keys run out.
TEST(NaturalOrder, KeysAndTheListsOrderAreTheOnesComparisonGives)
{
    std::mt19937 random(11);
    const std::string pieces[] = {"graphics/pictures/club/",
                                  "0",
                                  "00",
                                  "007",
                                  "7",
                                  "10",
                                  "123456789012345678901",
                                  "a",
                                  "A",
                                  "B",
                                  "b",
                                  "_",
                                  ".png",
                                  "\xC3\xA9",
                                  "z",
                                  "-"};
    for (const bool ranked : {false, true}) {
        for (const bool tied : {false, true}) {
            std::vector<std::string> names(3000);
            for (std::string& name : names) {
                for (int i = random() % 6; i >= 0; --i) {
                    name += pieces[random() % std::size(pieces)];
                }
            }
            for (std::size_t i = 1; i < names.size(); ++i) {
                const std::string& a = names[i - 1];
                const std::string& b = names[i];
                const int order = naturalCompare(a, b);
                EXPECT_EQ(order, -naturalCompare(b, a)) << a << " | " << b;
                if (naturalKey(0, a) != naturalKey(0, b)) {
                    EXPECT_EQ(naturalKey(0, a) < naturalKey(0, b), order < 0) << a << " | " << b;
                }
            }
            const std::vector<std::string_view> texts(names.begin(), names.end());
            std::vector<unsigned char> ranks(ranked ? texts.size() : 0);
            std::ranges::generate(ranks, [&] { return static_cast<unsigned char>(random() % 3); });
            std::vector<std::uint32_t> tie(tied ? texts.size() : 0);
            std::iota(tie.begin(), tie.end(), 0U);
            std::ranges::shuffle(tie, random);
            std::vector<std::uint32_t> wanted(texts.size());
            std::iota(wanted.begin(), wanted.end(), 0U);
            std::ranges::sort(wanted, [&](std::uint32_t a, std::uint32_t b) {
                if (ranked && ranks[a] != ranks[b]) {
                    return ranks[a] < ranks[b];
                }
                const int natural = naturalCompare(texts[a], texts[b]);
                return natural != 0 ? natural < 0 : (tied ? tie[a] < tie[b] : a < b);
            });
            EXPECT_EQ(naturalOrder(texts, ranks, tie), wanted) << ranked << tied;
        }
    }
}

// The selected row stays selected as the list is sorted and filtered, and Copy path copies that
// row's path: its own bytes, for a name that is not UTF-8. Shift+F10 opens the current row's menu,
// which speaks of what the row is; Copy record is off for a row without a record, and copies the
// record of a clashing image, which still has one; Enter opens a row's image; the menu sorts the
// list.
TEST_F(ResultsList, TheSelectionFollowsItsRowAndItsMenuActsOnIt)
{
    // A problem row either way: its extension is in upper case.
#ifdef _WIN32
    const std::string odd = "a odd.PNG";
#else
    const std::string odd = "a\xff odd.PNG";
#endif
    test::makeFiles(m_dir.path(), {"b.png", "c.png", "d.png", odd}, test::pngSignature);
    write(m_dir.path().string());
    select(QString::fromUtf8(odd));
    const QByteArray path = QByteArray::fromStdString((m_dir.path() / odd).string());
    EXPECT_EQ(copiedPath(), path);
    view().sortByColumn(ResultsModel::FileColumn, Qt::DescendingOrder);
    EXPECT_EQ(copiedPath(), path) << "after a sort";
    QTest::keyClicks(m_window.findChild<QLineEdit*>("resultsFilter"), "ODD");
    EXPECT_EQ(copiedPath(), path) << "after a filter";
    m_window.findChild<QLineEdit*>("resultsFilter")->clear();

    // A clashing image has a problem row beside its mapped one: its path is pasted once.
    const fs::path clashing = m_dir.path() / "clashing";
    test::makeFiles(clashing, {"1234.png", odd}, test::pngSignature);
    test::makeFiles(clashing, {"1234.jpg"}, jpegSignature);
    test::makeFiles(clashing, {"X.PNG"});
    write(clashing.string());
    view().selectAll();
    QByteArrayList pasted = copiedPath().split('\n');
    std::sort(pasted.begin(), pasted.end());
    QByteArrayList each;
    for (const std::string& name :
         {std::string("1234.jpg"), std::string("1234.png"), std::string("X.PNG"), odd}) {
        each << QByteArray::fromStdString((clashing / name).string());
    }
    EXPECT_EQ(pasted, each);

    select("X.PNG");
    EXPECT_EQ(menuWith("Copy &record"),
              (QStringList{"&Open image", "Show in &folder", "", "&Copy path", "Copy &record (off)",
                           "", "&Sort by"}));
    // A row in focus but not selected, as after Tab and Down: the menu acts on that row.
    view().selectionModel()->clearSelection();
    menuWith("&Copy path");
    EXPECT_EQ(status(), "Copied the path of 1 row");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QDir::toNativeSeparators(QString::fromStdString((clashing / "X.PNG").string())));
    QGuiApplication::clipboard()->setText("kept");
    select("1234.jpg");
    ASSERT_TRUE(
        results().index(view().currentIndex().row(), 0).data(ResultsModel::ProblemRole).toBool());
    menuWith("Copy &record");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "<record from=\"1234\" to=\"graphics/pictures/club/1234/logo\"/>");
    EXPECT_EQ(status(), "Copied the record of 1 row");

    // Nothing that opens a file keeps the window waiting, and what does not open is said.
    select("1234.png");
    const QString shown =
        QDir::toNativeSeparators(QString::fromStdString((clashing / "1234.png").string()));
    m_prompts.openTrouble = Opening::Failed;
    QTest::keyClick(&view(), Qt::Key_Return);
    EXPECT_EQ(status(), "Nothing could open " + shown);
    m_prompts.openTrouble = Opening::NoAnswer;
    QTest::keyClick(&view(), Qt::Key_Return);
    EXPECT_EQ(status(), "The program for " + shown + " has not answered yet");

    show({{ResultRow::Kind::KeptFolder, {}, "/packs/kits", "kept: maps kits"}});
    select("kits");
    EXPECT_EQ(menuWith("-").front(), "&Open folder");

    // Sorting is the headers' click and, from the keyboard, the row menu's: by name in natural
    // order, and the other way when chosen again.
    show({{ResultRow::Kind::Mapped, {}, "b.png", "club/b/logo"},
          {ResultRow::Kind::Mapped, {}, "a10.png", "club/a10/logo"},
          {ResultRow::Kind::Mapped, {}, "a9.png", "club/a9/logo"}});
    select("b.png");
    EXPECT_FALSE(menuWith("Image").isEmpty());
    EXPECT_EQ(column(results(), ResultsModel::FileColumn),
              (QStringList{"a9.png", "a10.png", "b.png"}));
    EXPECT_FALSE(menuWith("Image").isEmpty());
    EXPECT_EQ(column(results(), ResultsModel::FileColumn),
              (QStringList{"b.png", "a10.png", "a9.png"}));
    EXPECT_EQ(view().horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
}

// The progress row takes the summary's place without moving the list: a list that jumps each
// time a job starts or ends, or a question opens, loses the user's eye.
TEST_F(ResultsList, AJobsProgressLeavesTheListWhereItStands)
{
    const auto listTop = [this] {
        QApplication::processEvents();
        return view().mapTo(&m_window, QPoint(0, 0)).y();
    };
    for (const std::string& folder : {std::string("clubs"), std::string(300, 'x')}) {
        const std::string base = "/packs/" + folder;
        panel().showReport(reportOf(base, {{ResultRow::Kind::Mapped, {}, "1.png", "club/1/logo"}},
                                    false,
                                    {{Fact::Kind::Written, 1, 1, {}, base + "/config.xml"}}));
        const int idle = listTop();
        panel().setBusy(true);
        panel().setProgress("Checking 3 of 9 folders", 3, 9);
        EXPECT_EQ(listTop(), idle) << "while a job runs, after a summary of " << folder;
        panel().setProgress({});
        EXPECT_EQ(listTop(), idle) << "while the user is asked";
        panel().setBusy(false);
        EXPECT_EQ(listTop(), idle) << "once it ends";
    }
}

} // namespace
} // namespace crestmap
