#include "PackWalk.h"

#include "FileNames.h"

#include <algorithm>

namespace crestmap {

void walkFolders(const std::string& root, const FolderVisitor& visit)
{
    // An explicit stack: a tree as deep as the system allows cannot exhaust the call stack.
    std::vector<std::string> pending{root};
    std::vector<std::string> subfolders;
    while (!pending.empty()) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        subfolders.clear();
        visit(folder, subfolders);
        std::for_each(subfolders.rbegin(), subfolders.rend(),
                      [&](const std::string& name) { pending.push_back(joinPath(folder, name)); });
    }
}

PackResult writePack(const std::string& root, StylePair style, std::ostream& errors,
                     const PackOptions& options)
{
    PackResult pack;
    walkFolders(root, [&](const std::string& folder, std::vector<std::string>& subfolders) {
        FolderWriteOptions each;
        each.onlyWithImages = folder != root;
        each.subfolders = options.recursive ? &subfolders : nullptr;
        if (options.onImage) {
            each.onImage = [&](std::string_view entry) { options.onImage(folder, entry); };
        }
        if (options.onSkip) {
            each.onSkip = [&](std::string_view entry, SkipReason reason) {
                options.onSkip(folder, entry, reason);
            };
        }
        const WriteResult result = ConfigBuilder::writeFolderConfig(folder, style, errors, each);
        if (result) {
            ++pack.foldersWritten;
            pack.records += result.records;
            pack.skipped.merge(result.skipped);
        } else if (!result.error.empty()) {
            pack.failures.push_back({folder, result.error});
        }
        if (options.onFolder) {
            options.onFolder(folder, result);
        }
    });
    return pack;
}

} // namespace crestmap
