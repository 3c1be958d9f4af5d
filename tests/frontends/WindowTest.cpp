#include "FolderDragView.h"
#include "TestSupport.h"
#include "WindowHarness.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
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
using test::ScriptedPrompts;
using test::TempDir;
using test::writeFile;

const ResultAlert browseSuccess{
    "config.xml successfully written!",
    "Your config.xml file has been successfully created with the files you selected. The XML is "
    "in the same folder as your files.\n\nIf you missed some files from your selection, simply "
    "repeat this process."};
const ResultAlert dropSuccess{
    "config.xml successfully written!",
    "Your config.xml file has been successfully created in the folder you dragged."};
const ResultAlert failure{"Problem writing config.xml!",
                          "There was a problem with generating your config.xml file. The "
                          "process cannot continue."};

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

    // Delivers a drag as a real drag-enter event, then the drop; true when the drop was accepted.
    bool drop(QMimeData& mime, bool* entered = nullptr)
    {
        auto* view = child<FolderDragView>("folderDragView");
        const QPointF centre = QRectF(view->rect()).center();
        QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction | Qt::MoveAction, &mime,
                              Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &enter);
        if (entered != nullptr) {
            *entered = enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
        }
        QDropEvent dropped(centre, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                           Qt::NoModifier);
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

    QString statusText() { return m_window.statusBar()->currentMessage(); }

    ScriptedPrompts m_prompts;
    MainWindow m_window{&m_prompts};
};

TEST_F(Window, RadioClicksStoreTheirTagsAndUpdateTheExample)
{
    struct Click {
        const char* button;
        std::int64_t StyleSelectors::*setting;
        std::int64_t value;
        const char* example;
    };
    const std::vector<Click> clicks{
        {"graphicStyleIcon", &StyleSelectors::graphicStyle, 2, "club/1234/icon"},
        {"logoTypeMediaSource", &StyleSelectors::logoType, 4, "media_source/1234/icon"},
        {"graphicStyleLogoBackgroundRight", &StyleSelectors::graphicStyle, 4,
         "media_source/1234/logo/background/right"},
        {"graphicStylePortrait", &StyleSelectors::graphicStyle, 5, "person/1234/portrait"},
        {"kitTypeKitTexture", &StyleSelectors::kitType, 2, "person/1234/portrait"},
        {"graphicStyleKit", &StyleSelectors::graphicStyle, 6, "team/1234/kit_textures/home"},
        {"backgroundTypeStadium", &StyleSelectors::backgroundType, 2, "kit_textures/home"},
        {"graphicStyleBackground", &StyleSelectors::graphicStyle, 7, "stadium/1234/background"},
        {"backgroundTypePerson", &StyleSelectors::backgroundType, 4, "person/1234/background"},
        {"logoTypeNation", &StyleSelectors::logoType, 2, "person/1234/background"},
        {"graphicStyleLogoBackgroundLeft", &StyleSelectors::graphicStyle, 3,
         "nation/1234/logo/background/left"},
    };
    for (const Click& c : clicks) {
        click(c.button);
        EXPECT_EQ(m_window.styles().*c.setting, c.value) << c.button;
        EXPECT_TRUE(child<QLabel>("previewLabel")->text().contains(QString::fromLatin1(c.example)))
            << c.button << ": " << child<QLabel>("previewLabel")->text().toStdString();
    }
}

TEST_F(Window, BrowseCancelledWritesNothingAndSaysNothing)
{
    const TempDir dir;
    click("browseButton");
    EXPECT_EQ(m_prompts.dialogsShown, 1);
    EXPECT_TRUE(m_prompts.alerts.empty());
    EXPECT_TRUE(entryNames(dir.path()).empty());
}

TEST_F(Window, BrowseWritesBesideTheFirstFileWithTheStylesOfItsStart)
{
    const TempDir dir;
    const std::string folder = dir / "My Logos #1 é%20";
    fs::create_directory(folder);
    for (const char* name : {"b.png", "a b.jpg"}) {
        writeFile(folder + "/" + name, "");
    }
    m_prompts.fileAnswers.push_back({urlOf(folder + "/b.png"), urlOf(folder + "/a b.jpg")});
    // A change of mind while the dialog is open applies to the next document only.
    m_prompts.whileChoosing = [this] { click("graphicStylePortrait"); };
    click("graphicStyleIcon");
    click("logoTypeNation");
    click("browseButton");

    ASSERT_EQ(m_prompts.alerts.size(), 1u);
    EXPECT_EQ(m_prompts.alerts.front(), browseSuccess);
    EXPECT_EQ(statusText(), QString::fromStdString("Wrote 2 records to " + folder + "/config.xml"));
    EXPECT_EQ(readFile(folder + "/config.xml"),
              expectedDocument({expectedRecord("b", "nation/b/icon"),
                                expectedRecord("a b", "nation/a b/icon")}));
    EXPECT_EQ(m_window.styles().graphicStyle, 5);
}

TEST_F(Window, BrowseFailureShowsTheFailureTexts)
{
    const TempDir dir;
    writeFile(dir / "1.png", "");
    fs::create_directory(dir / "config.xml");
    m_prompts.fileAnswers.push_back({urlOf(dir / "1.png")});
    m_prompts.fileAnswers.push_back({QUrl(QStringLiteral("https://example.com/1.png"))});
    click("browseButton");
    click("browseButton");
    EXPECT_EQ(m_prompts.alerts, (std::vector<ResultAlert>{failure, failure}));
    EXPECT_TRUE(fs::is_directory(dir / "config.xml"));
    EXPECT_TRUE(statusText().contains("not a local file")) << statusText().toStdString();
}

TEST_F(Window, KeyboardReachesEveryControl)
{
    m_window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    QTest::keyClick(&m_window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_prompts.dialogsShown, 1);

    child<QWidget>("graphicStyleLogo")->setFocus();
    QStringList reached;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(reached,
              (QStringList{"logoTypeClub", "kitTypeKit", "backgroundTypeTeam", "browseButton"}));
}

TEST_F(Window, DroppedFolderGetsItsConfig)
{
    const TempDir dir;
    const std::string folder = dir / "Kits & Crests #2 ü";
    fs::create_directory(folder);
    for (const char* name : {"12_home.png", "12_away.jpeg", "notes.txt", "13.PNG"}) {
        writeFile(folder + "/" + name, "");
    }
    click("graphicStyleKit");
    EXPECT_TRUE(dropUrls({urlOf(folder)}));
    ASSERT_EQ(m_prompts.alerts.size(), 1u);
    EXPECT_EQ(m_prompts.alerts.front(), dropSuccess);

    const std::string written = readFile(folder + "/config.xml");
    const std::string home = expectedRecord("12_home", "team/12/kits/home");
    const std::string away = expectedRecord("12_away", "team/12/kits/away");
    EXPECT_TRUE(written == expectedDocument({home, away}) ||
                written == expectedDocument({away, home}))
        << written;
}

TEST_F(Window, DropsOtherThanOneFolderAreRefusedSilently)
{
    const TempDir dir;
    writeFile(dir / "1.png", "");
    fs::create_directory(dir / "a");
    fs::create_directory(dir / "b");
    const auto before = entryNames(dir.path());

    bool entered = false;
    QMimeData file;
    file.setUrls({urlOf(dir / "1.png")});
    EXPECT_FALSE(drop(file, &entered));
    EXPECT_TRUE(entered) << "every drag with URLs is offered the copy action";
    EXPECT_FALSE(dropUrls({urlOf(dir / "a"), urlOf(dir / "b")}));
    QMimeData text;
    text.setText(QString::fromStdString(dir.path().string()));
    EXPECT_FALSE(drop(text, &entered));
    EXPECT_FALSE(entered);

    EXPECT_TRUE(m_prompts.alerts.empty());
    EXPECT_EQ(entryNames(dir.path()), before);
    EXPECT_TRUE(entryNames(dir / "a").empty());
}

TEST_F(Window, UnlistableDropsGetTheFailureAlert)
{
    EXPECT_FALSE(dropUrls({QUrl(QStringLiteral("file:///no/such/folder/"))}));
    EXPECT_TRUE(statusText().contains("No such file")) << statusText().toStdString();
    EXPECT_FALSE(dropUrls({QUrl(QStringLiteral("https://example.com/pictures/"))}));
    EXPECT_EQ(m_prompts.alerts, (std::vector<ResultAlert>{failure, failure}));
}

} // namespace
} // namespace crestmap
