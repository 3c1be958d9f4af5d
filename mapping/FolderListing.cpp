#include "FolderListing.h"

#include "FileNames.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <memory>

namespace crestmap {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const noexcept { ::closedir(dir); }
};

FolderListing failure(const std::string& folder, int errorNumber)
{
    FolderListing listing;
    listing.error = "cannot list " + folder + ": " + std::strerror(errorNumber);
    return listing;
}

} // namespace

bool hasImageExtension(std::string_view name) noexcept
{
    const auto extension = extensionOf(name);
    return std::find(imageExtensions.begin(), imageExtensions.end(), extension) !=
           imageExtensions.end();
}

FolderListing listImages(const std::string& folder)
{
    const std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
    if (!dir) {
        return failure(folder, errno);
    }
    FolderListing listing;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (entry == nullptr) {
            if (errno != 0) {
                return failure(folder, errno);
            }
            break;
        }
        const std::string_view name(entry->d_name);
        // "." and ".." have no extension, so they never pass.
        if (hasImageExtension(name)) {
            listing.images.emplace_back(name);
        }
    }
    listing.listed = true;
    return listing;
}

} // namespace crestmap
