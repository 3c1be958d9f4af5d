#include "FolderListing.h"

#include "FileNames.h"

#include <algorithm>

namespace crestmap {

namespace {

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

EntryName classifyEntryName(std::string_view name) noexcept
{
    return classifyExtension(extensionOf(name));
}

EntryName classifyExtension(std::string_view extension) noexcept
{
    if (std::find(imageExtensions.begin(), imageExtensions.end(), extension) !=
        imageExtensions.end()) {
        return EntryName::Image;
    }
    const bool otherCase = std::any_of(
        imageExtensions.begin(), imageExtensions.end(),
        [extension](std::string_view e) { return equalsIgnoringAsciiCase(e, extension); });
    return otherCase ? EntryName::ExtensionCase : EntryName::Other;
}

} // namespace crestmap
