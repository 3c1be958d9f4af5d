#include "FolderDragView.h"
#include "ResultsModel.h"
#include "ResultsPanel.h"
#include "TestSupport.h"
#include "WindowHarness.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace crestmap {
namespace {

namespace fs = std::filesystem;
using test::entryNames;
using test::expectedDocument;
using test::expectedRecord;
using test::readFile;
using test::writeFile;

const QString written = "config.xml successfully written!";
const QString browseBody =
    "Your config.xml file has been successfully created with the files you selected. The XML is "
    "in the same folder as your files.\n\nIf you missed some files from your selection, simply "
    "repeat this process.";
const QString dropBody =
    "Your config.xml file has been successfully created in the folder you dragged.";
const QString failed = "Problem writing config.xml!";
const QString failedBody = "There was a problem with generating your config.xml file. The "
                           "process cannot continue.";

QUrl urlOf(const std::string& path)
{
    return QUrl::fromLocalFile(QString::fromStdString(path));
}

class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    template <typename T> T* child(const char* name)
    {
        T* found = m_window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Near the left edge: a radio button only takes clicks on its indicator and label.
    void click(const char* name)
    {
        auto* button = child<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

    // A real drag-enter event, then the drop; true when the drop was accepted.
    bool drop(QMimeData& mime, bool* entered = nullptr)
    {
        auto* view = child<FolderDragView>("folderDragView");
        const QPoint centre = view->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &enter);
        if (entered != nullptr) {
            *entered = enter.isAccepted();
        }
        QDropEvent dropped(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &dropped);
        QApplication::processEvents();
        return dropped.isAccepted();
    }

    bool dropUrls(const QList<QUrl>& urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        return drop(mime);
    }

    // The title and body of each alert shown, in order.
    QStringList alerts()
    {
        QStringList texts;
        for (const ResultAlert& alert : m_prompts.alerts) {
            texts << alert.messageText << alert.informativeText;
        }
        return texts;
    }

    QString status() { return m_window.statusBar()->currentMessage(); }
    ResultsModel& results() { return child<ResultsPanel>("resultsPanel")->model(); }

    // Each row of the results as "image | picture or reason", in view order.
    QStringList rows()
    {
        QStringList texts;
        for (int row = 0; row < results().rowCount(); ++row) {
            texts << results().index(row, 0).data().toString() + " | " +
                         results().index(row, 1).data().toString();
        }
        return texts;
    }

    test::ScriptedPrompts m_prompts;
    MainWindow m_window{&m_prompts};
    test::TempDir m_dir;
};

TEST_F(Window, RadioClicksStoreTheirTagsAndUpdateTheExample)
{
    const std::vector<std::tuple<const char*, std::int64_t StyleSelectors::*, int, const char*>>
        clicks{{"graphicStyleIcon", &StyleSelectors::graphicStyle, 2, "club/1234/icon"},
               {"logoTypeMediaSource", &StyleSelectors::logoType, 4, "media_source/1234/icon"},
               {"kitTypeKitTexture", &StyleSelectors::kitType, 2, "media_source/1234/icon"},
               {"graphicStyleKit", &StyleSelectors::graphicStyle, 6, "team/1234/kit_textures/home"},
               {"backgroundTypeStadium", &StyleSelectors::backgroundType, 2, "kit_textures/home"},
               {"graphicStyleBackground", &StyleSelectors::graphicStyle, 7,
                "stadium/1234/background"}};
    for (const auto& [button, setting, value, example] : clicks) {
        click(button);
        EXPECT_EQ(m_window.styles().*setting, value) << button;
        EXPECT_TRUE(child<QLabel>("previewLabel")->text().contains(example)) << button;
    }
}

TEST_F(Window, BrowseWritesBesideTheFirstFileWithTheStylesOfItsStart)
{
    const std::string folder = m_dir / "My Logos #1 é%20";
    fs::create_directory(folder);
    writeFile(folder + "/b.png", "");
    writeFile(folder + "/a b.jpg", "");
    m_prompts.fileAnswers.push_back({urlOf(folder + "/b.png"), urlOf(folder + "/a b.jpg")});
    // A change of mind while the dialog is open applies to the next document only.
    m_prompts.whileChoosing = [this] { click("graphicStylePortrait"); };
    click("graphicStyleIcon");
    click("logoTypeNation");
    click("browseButton");
    EXPECT_EQ(alerts(), (QStringList{written, browseBody}));
    EXPECT_EQ(status(), QString::fromStdString("2 records written to " + folder + "/config.xml"));
    EXPECT_EQ(readFile(folder + "/config.xml"),
              expectedDocument({expectedRecord("b", "nation/b/icon"),
                                expectedRecord("a b", "nation/a b/icon")}));

    fs::remove(folder + "/config.xml");
    fs::create_directory(folder + "/config.xml");
    m_prompts.fileAnswers.push_back({urlOf(folder + "/b.png")});
    m_prompts.fileAnswers.push_back({QUrl("https://example.com/1.png")});
    click("browseButton");
    click("browseButton");
    EXPECT_EQ(alerts().mid(2), (QStringList{failed, failedBody, failed, failedBody}));
    EXPECT_TRUE(status().contains("not a local file")) << status().toStdString();
}

TEST_F(Window, KeyboardReachesEveryControl)
{
    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    QTest::keyClick(&m_window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_prompts.dialogsShown, 1);
    EXPECT_TRUE(m_prompts.alerts.empty()) << "a cancelled dialog writes and says nothing";

    child<QWidget>("graphicStyleLogo")->setFocus();
    QStringList reached;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(reached, (QStringList{"logoTypeClub", "kitTypeKit", "backgroundTypeTeam",
                                    "includeSubfolders", "resultsView"}));
}

TEST_F(Window, DroppedFolderGetsItsConfigAndEveryFileIsAccountedFor)
{
    const std::string folder = m_dir / "Kits & Crests #2 ü";
    fs::create_directory(folder);
    QImage(200, 100, QImage::Format_RGB32).save(QString::fromStdString(folder + "/12_home.png"));
    for (const char* name : {"notes.txt", "13.PNG", "13.png"}) {
        writeFile(folder + "/" + name, "");
    }
    click("graphicStyleKit");
    EXPECT_TRUE(dropUrls({urlOf(folder)}));
    EXPECT_EQ(alerts(), (QStringList{written, dropBody}));
    EXPECT_EQ(readFile(folder + "/config.xml"),
              expectedDocument({expectedRecord("12_home", "team/12/kits/home")}));

    // Problems first, each with its reason; then every mapped image with its picture.
    EXPECT_EQ(rows(),
              (QStringList{"13.PNG | the extension is not in lower case (.png, .jpg, .jpeg)",
                           "13.png | a kit image needs a name like TEAM_KIT, with exactly "
                           "one underscore",
                           "12_home.png | graphics/pictures/team/12/kits/home"}));
    const QString summary = QString::fromStdString(
        "1 record written to " + folder +
        "/config.xml · 1 file without a record · 1 entry passed over (.PNG)");
    EXPECT_EQ(child<QLabel>("resultsSummary")->text(), summary);
    EXPECT_EQ(status(), summary);
    EXPECT_TRUE(m_prompts.alerts.front().detailedText.startsWith(summary + "\n\nFiles without"));

    // The real image previewed at most 48 pixels, aspect kept; the empty one a placeholder.
    const auto preview = [this](int row) {
        return results().index(row, 0).data(Qt::DecorationRole).value<QPixmap>();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preview(1).isNull() && !preview(2).isNull(); }));
    EXPECT_EQ(preview(2).size(), QSize(48, 24));
    EXPECT_LE(preview(1).width(), 24);

    child<QCheckBox>("problemsOnly")->setChecked(true);
    EXPECT_EQ(results().rowCount(), 2);
}

TEST_F(Window, SubfoldersAreWrittenAndAFailingOneIsNamed)
{
    for (const char* file :
         {"pack/clubs/1.png", "pack/nations/2.png", "pack/broken/3.png", "pack/empty/X.PNG"}) {
        fs::create_directories(fs::path(m_dir / file).parent_path());
        writeFile(m_dir / file, "");
    }
    fs::create_directory(m_dir / "pack/broken/config.xml");
    EXPECT_TRUE(dropUrls({urlOf(m_dir / "pack")})) << "without sub-folders, only the top";
    EXPECT_EQ(readFile(m_dir / "pack/config.xml"), expectedDocument({}));
    EXPECT_FALSE(fs::exists(m_dir / "pack/clubs/config.xml"));

    child<QCheckBox>("includeSubfolders")->setChecked(true);
    EXPECT_FALSE(dropUrls({urlOf(m_dir / "pack")}));
    EXPECT_EQ(alerts(), (QStringList{written, dropBody, failed, failedBody}));
    EXPECT_EQ(readFile(m_dir / "pack/nations/config.xml"),
              expectedDocument({expectedRecord("2", "club/2/logo")}));
    EXPECT_FALSE(fs::exists(m_dir / "pack/empty/config.xml"));
    EXPECT_EQ(status(),
              QString::fromStdString("2 records written in 2 folders under " + (m_dir / "pack") +
                                     " · 1 folder could not be written · 1 entry "
                                     "passed over (.PNG)"));
    const QStringList shown = rows();
    ASSERT_EQ(shown.size(), 4) << shown.join('\n').toStdString();
    EXPECT_TRUE(shown[0].startsWith(QString::fromStdString(m_dir / "pack/broken")));
    EXPECT_TRUE(shown[1].startsWith("empty/X.PNG | ")) << shown[1].toStdString();
    EXPECT_TRUE(shown.contains("clubs/1.png | graphics/pictures/club/1/logo"));

    // One folder written: the summary names its config.xml, not the folder.
    EXPECT_TRUE(dropUrls({urlOf(m_dir / "pack/clubs")}));
    EXPECT_TRUE(status().startsWith(
        QString::fromStdString("1 record written to " + (m_dir / "pack/clubs/config.xml"))));
}

TEST_F(Window, AWriteWithNoRecordsSaysSoPlainlyAndCountsWhatTheDetailsLeaveOut)
{
    test::makeImages(m_dir.path(), 25);
    click("graphicStyleKit");
    EXPECT_TRUE(dropUrls({urlOf(m_dir.path().string())}));
    EXPECT_TRUE(status().startsWith("config.xml holds no records: none of the 25 files"));
    EXPECT_TRUE(m_prompts.alerts.back().detailedText.endsWith("\n… and 5 more"));
}

// Nothing clipped: every radio button lies wholly inside its group, at the smallest size the
// window allows and at its default size.
TEST_F(Window, EveryRadioButtonFitsItsGroup)
{
    for (const QSize size : {m_window.minimumSizeHint(), m_window.size()}) {
        m_window.resize(size);
        QApplication::processEvents();
        for (QRadioButton* button : m_window.findChildren<QRadioButton*>()) {
            auto* group = qobject_cast<QGroupBox*>(button->parentWidget());
            const QRect place(button->mapTo(group, QPoint(0, 0)), button->size());
            EXPECT_TRUE(group->contentsRect().contains(place))
                << button->objectName().toStdString() << " at " << size.width();
            EXPECT_GE(button->height(), button->sizeHint().height());
        }
    }
}

TEST_F(Window, DropsOtherThanOneFolderAreRefused)
{
    writeFile(m_dir / "1.png", "");
    fs::create_directory(m_dir / "a");
    bool entered = false;
    QMimeData file;
    file.setUrls({urlOf(m_dir / "1.png")});
    EXPECT_FALSE(drop(file, &entered));
    EXPECT_TRUE(entered) << "every drag with URLs is offered the copy action";
    EXPECT_FALSE(dropUrls({urlOf(m_dir / "a"), urlOf(m_dir / "a")}));
    EXPECT_TRUE(m_prompts.alerts.empty());
    EXPECT_EQ(entryNames(m_dir.path()), (std::set<std::string>{"1.png", "a"}));

    EXPECT_FALSE(dropUrls({QUrl("file:///no/such/folder/")}));
    EXPECT_TRUE(status().contains("No such file")) << status().toStdString();
    EXPECT_FALSE(dropUrls({QUrl("https://example.com/pictures/")}));
    EXPECT_EQ(alerts(), (QStringList{failed, failedBody, failed, failedBody}));
}

} // namespace
} // namespace crestmap
