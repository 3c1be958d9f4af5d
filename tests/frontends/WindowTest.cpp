#include "FolderDragView.h"
#include "ResultsModel.h"
#include "ResultsPanel.h"
#include "TestSupport.h"
#include "ThumbnailLoader.h"
#include "WindowHarness.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
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
    "repeat this process.",
    {}};
const ResultAlert dropSuccess{
    "config.xml successfully written!",
    "Your config.xml file has been successfully created in the folder you dragged.",
    {}};
const ResultAlert failure{"Problem writing config.xml!",
                          "There was a problem with generating your config.xml file. The "
                          "process cannot continue.",
                          {}};

// The two fixed texts of an alert; what "Show Details…" holds is checked on its own.
std::vector<ResultAlert> fixedTexts(const std::vector<ResultAlert>& alerts)
{
    std::vector<ResultAlert> texts;
    for (const ResultAlert& alert : alerts) {
        texts.push_back({alert.messageText, alert.informativeText, {}});
    }
    return texts;
}

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
        {"kitTypeKitTexture", &StyleSelectors::kitType, 2, "media_source/1234/icon"},
        {"graphicStyleKit", &StyleSelectors::graphicStyle, 6, "team/1234/kit_textures/home"},
        {"backgroundTypeStadium", &StyleSelectors::backgroundType, 2, "kit_textures/home"},
        {"graphicStyleBackground", &StyleSelectors::graphicStyle, 7, "stadium/1234/background"},
    };
    for (const Click& c : clicks) {
        click(c.button);
        EXPECT_EQ(m_window.styles().*c.setting, c.value) << c.button;
        EXPECT_TRUE(child<QLabel>("previewLabel")->text().contains(QString::fromLatin1(c.example)))
            << c.button << ": " << child<QLabel>("previewLabel")->text().toStdString();
    }
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

    EXPECT_EQ(fixedTexts(m_prompts.alerts), std::vector<ResultAlert>{browseSuccess});
    EXPECT_EQ(statusText(),
              QString::fromStdString("2 records written to " + folder + "/config.xml"));
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
    EXPECT_EQ(fixedTexts(m_prompts.alerts), (std::vector<ResultAlert>{failure, failure}));
    EXPECT_TRUE(fs::is_directory(dir / "config.xml"));
    EXPECT_TRUE(statusText().contains("not a local file")) << statusText().toStdString();
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
    const TempDir dir;
    const std::string folder = dir / "Kits & Crests #2 ü";
    fs::create_directory(folder);
    QImage(200, 100, QImage::Format_RGB32).save(QString::fromStdString(folder + "/12_home.png"));
    // Empty files: mapped all the same, as the writer never reads images, but shown unreadable.
    for (const char* name : {"12_away.jpeg", "notes.txt", "13.PNG", "13.png"}) {
        writeFile(folder + "/" + name, "");
    }
    click("graphicStyleKit");
    EXPECT_TRUE(dropUrls({urlOf(folder)}));
    EXPECT_EQ(fixedTexts(m_prompts.alerts), std::vector<ResultAlert>{dropSuccess});

    const std::string written = readFile(folder + "/config.xml");
    const std::string home = expectedRecord("12_home", "team/12/kits/home");
    const std::string away = expectedRecord("12_away", "team/12/kits/away");
    EXPECT_TRUE(written == expectedDocument({home, away}) ||
                written == expectedDocument({away, home}))
        << written;

    // Problems first, each with its reason; then every mapped image with its picture.
    const QStringList shown = rows();
    ASSERT_EQ(shown.size(), 4) << shown.join('\n').toStdString();
    EXPECT_EQ(shown[0], "13.PNG | the extension is not in lower case (.png, .jpg, .jpeg)");
    EXPECT_EQ(shown[1],
              "13.png | a kit image needs a name like TEAM_KIT, with exactly one underscore");
    EXPECT_TRUE(shown.contains("12_home.png | graphics/pictures/team/12/kits/home"));
    EXPECT_TRUE(shown.contains("12_away.jpeg | graphics/pictures/team/12/kits/away"));
    const QString summary = QString::fromStdString(
        "2 records written to " + folder +
        "/config.xml · 1 file without a record · 1 entry passed over (.PNG)");
    EXPECT_EQ(child<QLabel>("resultsSummary")->text(), summary);
    EXPECT_EQ(statusText(), summary);
    EXPECT_EQ(m_prompts.alerts.front().detailedText,
              summary + "\n\nFiles without a record:\n13.PNG — the extension is not in lower case "
                        "(.png, .jpg, .jpeg)\n13.png — a kit image needs a name like TEAM_KIT, "
                        "with exactly one underscore");

    // Previews: the real image at most 48 pixels, aspect kept; the empty one a placeholder.
    // Asking again until all have come keeps this independent of which rows are in view.
    const auto preview = [this](int row) {
        return results().index(row, 0).data(Qt::DecorationRole).value<QPixmap>();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] {
        bool all = true;
        for (int row = 0; row < 4; ++row) {
            all = !preview(row).isNull() && all;
        }
        return all;
    }));
    for (int row = 0; row < 4; ++row) {
        if (shown[row].startsWith("12_home")) {
            EXPECT_EQ(preview(row).size(), QSize(48, 24));
        } else {
            EXPECT_LE(preview(row).width(), 24) << "placeholder for " << shown[row].toStdString();
        }
    }

    child<QCheckBox>("problemsOnly")->setChecked(true);
    EXPECT_EQ(rows(), shown.mid(0, 2));
}

TEST_F(Window, SubfoldersAreWrittenAndAFailingOneIsNamed)
{
    const TempDir dir;
    for (const char* folder : {"pack/clubs", "pack/nations", "pack/empty", "pack/broken"}) {
        fs::create_directories(dir / folder);
    }
    writeFile(dir / "pack/clubs/1.png", "");
    writeFile(dir / "pack/nations/2.png", "");
    writeFile(dir / "pack/broken/3.png", "");
    writeFile(dir / "pack/empty/X.PNG", "");
    fs::create_directory(dir / "pack/broken/config.xml");

    EXPECT_TRUE(dropUrls({urlOf(dir / "pack")})) << "without sub-folders, only the top is written";
    EXPECT_EQ(readFile(dir / "pack/config.xml"), expectedDocument({}));
    EXPECT_FALSE(fs::exists(dir / "pack/clubs/config.xml"));

    child<QCheckBox>("includeSubfolders")->setChecked(true);
    EXPECT_FALSE(dropUrls({urlOf(dir / "pack")}));
    EXPECT_EQ(fixedTexts(m_prompts.alerts), (std::vector<ResultAlert>{dropSuccess, failure}));
    EXPECT_EQ(readFile(dir / "pack/clubs/config.xml"),
              expectedDocument({expectedRecord("1", "club/1/logo")}));
    EXPECT_EQ(readFile(dir / "pack/nations/config.xml"),
              expectedDocument({expectedRecord("2", "club/2/logo")}));
    EXPECT_FALSE(fs::exists(dir / "pack/empty/config.xml"));
    EXPECT_EQ(statusText(),
              QString::fromStdString("2 records written in 3 folders under " + (dir / "pack") +
                                     " · 1 folder could not be written · 1 entry "
                                     "passed over (.PNG)"));
    const QStringList shown = rows();
    ASSERT_EQ(shown.size(), 4) << shown.join('\n').toStdString();
    EXPECT_TRUE(shown[0].startsWith(QString::fromStdString(dir / "pack/broken")))
        << shown[0].toStdString();
    EXPECT_TRUE(shown[1].startsWith("empty/X.PNG | ")) << shown[1].toStdString();
    EXPECT_TRUE(shown.contains("clubs/1.png | graphics/pictures/club/1/logo"));

    // One folder written of a pack: the summary names its config.xml.
    fs::remove_all(dir / "pack/broken");
    fs::remove_all(dir / "pack/nations");
    fs::remove(dir / "pack/config.xml");
    EXPECT_TRUE(dropUrls({urlOf(dir / "pack/clubs")}));
    EXPECT_TRUE(statusText().startsWith(
        QString::fromStdString("1 record written to " + (dir / "pack/clubs/config.xml"))))
        << statusText().toStdString();
}

TEST_F(Window, AWriteWithNoRecordsSaysSoPlainlyAndCountsWhatTheDetailsLeaveOut)
{
    const TempDir dir;
    test::makeImages(dir.path(), 25);
    click("graphicStyleKit");
    EXPECT_TRUE(dropUrls({urlOf(dir.path().string())}));
    EXPECT_TRUE(statusText().startsWith("config.xml holds no records: none of the 25 files"))
        << statusText().toStdString();
    EXPECT_TRUE(m_prompts.alerts.back().detailedText.endsWith("\n… and 5 more"))
        << m_prompts.alerts.back().detailedText.toStdString();
}

// Nothing may be clipped: every radio button lies wholly inside its group's contents, at the
// smallest size the window allows and at its default size, in light and dark palettes.
TEST_F(Window, EveryRadioButtonFitsItsGroup)
{
    const QSize defaultSize = m_window.size();
    QPalette dark;
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    for (const QPalette& palette : {QApplication::palette(), dark}) {
        m_window.setPalette(palette);
        for (const QSize size : {m_window.minimumSizeHint(), m_window.minimumSize(), defaultSize}) {
            m_window.resize(size);
            QApplication::processEvents();
            EXPECT_GE(m_window.width(), m_window.minimumSizeHint().width());
            for (QGroupBox* group : m_window.findChildren<QGroupBox*>()) {
                for (QRadioButton* button : group->findChildren<QRadioButton*>()) {
                    const QRect place(button->mapTo(group, QPoint(0, 0)), button->size());
                    EXPECT_TRUE(group->contentsRect().contains(place))
                        << button->objectName().toStdString() << " at " << size.width() << "x"
                        << size.height();
                    EXPECT_GE(button->height(), button->sizeHint().height())
                        << button->objectName().toStdString();
                }
            }
        }
    }
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
    EXPECT_EQ(fixedTexts(m_prompts.alerts), (std::vector<ResultAlert>{failure, failure}));
}

} // namespace
} // namespace crestmap
