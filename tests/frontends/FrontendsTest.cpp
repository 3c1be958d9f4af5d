#include "FileSelector.h"
#include "FolderDragView.h"
#include "RecordPreview.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace crestmap {
namespace {

TEST(RecordPreview, ShowsWhatTheBuilderWrites)
{
    const std::vector<std::pair<StylePair, QString>> cases{
        {{1, 1}, "1234.png → graphics/pictures/club/1234/logo"},
        {{2, 2}, "1234.png → graphics/pictures/nation/1234/icon"},
        {{5, 0}, "1234.png → graphics/pictures/person/1234/portrait"},
        {{6, 1}, "1234_home.png → graphics/pictures/team/1234/kits/home"},
        {{6, 2}, "1234_home.png → graphics/pictures/team/1234/kit_textures/home"},
        {{7, 2}, "1234.png → graphics/pictures/stadium/1234/background"},
        {{6, 3}, "With these choices, images get no record."},
        {{9, 0}, "With these choices, images get no record."}};
    for (const auto& [style, text] : cases) {
        EXPECT_EQ(recordPreview(style), text) << style.graphicStyle << '/' << style.subType;
    }
}

TEST(FolderDrop, AcceptsExactlyOneFolder)
{
    const test::TempDir dir;
    test::writeFile(dir / "a.png", "");
    const QUrl folder = QUrl::fromLocalFile(QString::fromStdString(dir.path().string()));
    const QUrl file = QUrl::fromLocalFile(QString::fromStdString(dir / "a.png"));
    const QUrl slashed(QStringLiteral("file:///no/such/folder/"));
    const QUrl web(QStringLiteral("https://example.com/pictures/"));

    const std::vector<std::pair<QList<QUrl>, bool>> cases{
        {{folder}, true},
        {{slashed}, true},
        {{web}, true},
        {{file}, false},
        {{folder, folder}, false},
        {{}, false},
        {{QUrl(QStringLiteral("https://example.com/a.png"))}, false}};
    for (const auto& [urls, accepted] : cases) {
        EXPECT_EQ(FolderDragView::droppedFolder(urls).has_value(), accepted)
            << QUrl::toStringList(urls).join(' ').toStdString();
    }
}

TEST(BrowseConfigPath, IsBesideTheFirstLocalFile)
{
    const std::vector<std::pair<QList<QUrl>, std::optional<std::string>>> cases{
        {{QUrl(QStringLiteral("file:///a/b/c.png")), QUrl(QStringLiteral("file:///x/y.png"))},
         "/a/b/config.xml"},
        {{QUrl(QStringLiteral("file:///My%20Logos/%23%C3%A9%25/c.png"))},
         "/My Logos/#\xC3\xA9%/config.xml"},
        {{QUrl(QStringLiteral("file:///c.png"))}, "/config.xml"},
        {{QUrl(QStringLiteral("https://example.com/c.png"))}, std::nullopt},
        {{}, std::nullopt}};
    for (const auto& [urls, path] : cases) {
        EXPECT_EQ(FileSelector::configPathFor(urls), path);
    }
}

} // namespace
} // namespace crestmap
