// The real dialogs, in the language of the run, and what the window leaves unasked or as it was.

#include "ScreenRoom.h"
#include "WindowHarness.h"
#include "WriteReport.h"

#include <QAction>
#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

namespace crestmap {
namespace {

namespace fs = std::filesystem;

// Both file dialogs open with room for every column's title and a date and for the places at
// their side, and name a folder's type in the window's language: Qt's catalogues of some lack it.
// The folder dialog starts at the folder in view, even when the last one chose another.
TEST(Dialogs, TheFileDialogsReadInFull)
{
    const test::TempDir dir;
    test::makeFiles(dir.path(), {"sub/1.png"});
    const QString start = QString::fromStdString(dir.path().string());
    DialogPrompts prompts;
    for (const char* which : {"browse", "write", "check"}) {
        SCOPED_TRACE(which);
        const bool browsing = QLatin1String(which) == QLatin1String("browse");
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            if (!browsing) {
                EXPECT_EQ(dialog->directory().absolutePath(), QDir(start).absolutePath());
            }
            dialog->setDirectory(start);
            auto* view = dialog->findChild<QTreeView*>();
            ASSERT_NE(view, nullptr);
            ASSERT_TRUE(
                QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) > 0; }));
            const QHeaderView* header = view->header();
            for (int column = 1; column < 4; ++column) {
                EXPECT_GE(header->sectionSize(column), header->sectionSizeHint(column))
                    << header->model()->headerData(column, Qt::Horizontal).toString().toStdString();
            }
            const auto* side = dialog->findChild<QAbstractItemView*>("sidebar");
            ASSERT_NE(side, nullptr);
            EXPECT_GE(side->viewport()->width(), side->sizeHintForColumn(0));
            const QString type = view->model()->index(0, 2, view->rootIndex()).data().toString();
            if (!QLocale().name().startsWith(QLatin1String("en"))) {
                EXPECT_NE(type, QLatin1String("Folder"));
            }
            if (browsing) {
                dialog->reject();
                return;
            }
            dialog->setDirectory(QString::fromStdString(dir / "sub"));
            static_cast<QDialog*>(dialog)->accept();
        });
        if (browsing) {
            (void)prompts.chooseImageFiles(nullptr);
        } else {
            EXPECT_EQ(prompts.chooseFolder(nullptr, QLatin1String(which) == QLatin1String("check"),
                                           start),
                      test::urlOf(dir / "sub"));
        }
    }
}

// The places at the side of Qt's file dialog read whole, however long their names.
TEST(Dialogs, TheFileDialogsPlacesReadWhole)
{
    const test::TempDir dir;
    const std::string place = dir / "A place of a pack maker's own, with a long name";
    fs::create_directories(place);
    QFileDialog dialog(nullptr, "Write a folder", QString::fromStdString(dir.path().string()));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setSidebarUrls({QUrl::fromLocalFile(QString::fromStdString(place))});
    giveRoom(dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const auto* side = dialog.findChild<QAbstractItemView*>("sidebar");
    ASSERT_NE(side, nullptr);
    ASSERT_GT(side->model()->rowCount(), 0);
    EXPECT_GE(side->viewport()->width(), side->sizeHintForColumn(0));
}

// What became of the files, put into the sentence of a write without records, keeps its case:
// "(Kaydı olmayan 2 dosya …)" gave a noun a capital in mid-sentence.
TEST(Dialogs, FactsPutIntoASentenceKeepTheirCase)
{
    WriteReport report;
    report.written = true;
    for (const char* name : {"5.png", "6.png"}) {
        report.tally.entry({"/pack", name, {}, SkipReason::KitNameShape});
    }
    FolderAccount folder;
    folder.folder = "/pack";
    folder.outcome = FolderAccount::Outcome::Written;
    folder.images = 2;
    report.tally.folder(folder);
    const QString kitNames = WindowWords::fact(report.tally.findings().front());
    EXPECT_TRUE(report.statusLine().contains("(" + kitNames + ")"))
        << report.statusLine().toStdString() << " / " << kitNames.toStdString();
}

using NothingToAsk = test::WindowFixture;

// A pack without images: no plan, and no success told of a write of nothing. Over a pack already
// as a write would leave it, every answer to the plan writes nothing: the window asks nothing, and
// says that nothing was written; a later write counts only the folders it wrote.
TEST_F(NothingToAsk, AWriteOfNothingOrOfACurrentPackAsksNoPlan)
{
    test::makeFiles(m_dir / "pack", {"notes/readme.txt"});
    write(m_dir / "pack", true);
    EXPECT_TRUE(m_prompts.plans.empty());
    EXPECT_EQ(lastAlert().messageText, ResultAlert::tr("Nothing written"));
    EXPECT_EQ(lastAlert().informativeText, ResultAlert::tr("No folder here holds images."));
    EXPECT_EQ(test::entryNames(m_dir / "pack/notes"), std::set<std::string>{"readme.txt"});
    check(m_dir / "pack");
    EXPECT_EQ(status(), WindowWords::capitalFirst(WindowWords::tr("no folder here holds images")));

    test::makeFiles(m_dir / "pack", {"a/1.png", "b/2.png"}, test::pngSignature);
    write(m_dir / "pack", true);
    ASSERT_EQ(m_prompts.plans.size(), 1u);
    const std::string before = test::readFile(m_dir / "pack/a/config.xml");
    write(m_dir / "pack", true);
    EXPECT_EQ(m_prompts.plans.size(), 1u) << "asked again, with nothing to choose between";
    EXPECT_EQ(m_prompts.alerts.back().messageText,
              ResultAlert::tr("Nothing written: no config.xml needed a change"));
    EXPECT_EQ(test::readFile(m_dir / "pack/a/config.xml"), before);

    // A folder found current is not written: the alert counts only the folder that was, and speaks
    // of the one file that loses a record, not of "the files".
    test::writeFile(m_dir / "pack/b/config.xml",
                    test::expectedDocument({test::logoRecord("2"), test::logoRecord("9")}));
    ASSERT_TRUE(writeChosen(m_dir / "pack"));
    EXPECT_EQ(lastAlert().messageText, "config.xml successfully written!");
    EXPECT_EQ(lastAlert().informativeText,
              "Your config.xml file has been successfully written in 1 folder.\n\nThe config.xml "
              "it replaced held 1 record that the new one lacks; Undo puts it back.");
}

// The other program's write, and its undo, in folders the list does not show leave the list as it
// stood, title and all: its end of the window's own Undo had the list thrown away, and so did
// its undo, that then said what it did.
TEST_F(NothingToAsk, AWriteElsewhereAndItsUndoKeepTheList)
{
    test::makeFiles(m_dir.path(), {"shown/1.png", "elsewhere/a/2.png", "elsewhere/b/3.png"},
                    test::pngSignature);
    write(m_dir / "shown");
    const QString said = status();
    const QStringList listed = rows();
    ASSERT_FALSE(listed.isEmpty());
    const QString title = m_window.windowTitle();
    ASSERT_TRUE(test::writeAsTheCli(m_dir / "elsewhere", true));
    const auto undo = m_window.findChild<QAction*>("undoAction");
    ASSERT_TRUE(QTest::qWaitFor([&] { return undo->text() == "&Undo Write of 2 Folders"; }));
    EXPECT_FALSE(QTest::qWaitFor(
        [&] { return m_window.writer().busy() || status() != said || rows() != listed; }, 1000))
        << status().toStdString();
    undo->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fs::exists(m_dir / "elsewhere/a/config.xml"); }));
    settle();
    EXPECT_TRUE(QTest::qWaitFor([&] { return status().startsWith("Undo: "); }))
        << status().toStdString();
    EXPECT_EQ(rows(), listed);
    EXPECT_EQ(m_window.windowTitle(), title);
}

} // namespace
} // namespace crestmap
