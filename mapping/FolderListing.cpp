#include "FolderListing.h"

#include "FileNames.h"
#include "FolderReader.h"

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
    const auto extension = extensionOf(name);
    if (std::find(imageExtensions.begin(), imageExtensions.end(), extension) !=
        imageExtensions.end()) {
        return EntryName::Image;
    }
    const bool otherCase = std::any_of(
        imageExtensions.begin(), imageExtensions.end(),
        [extension](std::string_view e) { return equalsIgnoringAsciiCase(e, extension); });
    return otherCase ? EntryName::ExtensionCase : EntryName::Other;
}

FolderListing listImages(const std::string& folder)
{
    FolderReader reader(folder);
    FolderListing listing;
    while (const auto entry = reader.next()) {
        if (entry->isFolder) {
            listing.subfolders.emplace_back(entry->name);
        }
        switch (classifyEntryName(entry->name)) {
        case EntryName::Image:
            listing.images.emplace_back(entry->name);
            break;
        case EntryName::ExtensionCase:
            listing.passedOver.emplace_back(entry->name);
            break;
        case EntryName::Other:
            break;
        }
    }
    if (!reader.error().empty()) {
        listing = FolderListing{};
        listing.error = reader.error();
        return listing;
    }
    listing.listed = true;
    return listing;
}

} // namespace crestmap
