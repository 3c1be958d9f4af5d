#include "FileSelector.h"

#include <gtest/gtest.h>

namespace crestmap {
namespace {

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
