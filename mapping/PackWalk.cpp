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

void forEachPackFolder(
    const std::string& root, bool recursive,
    const std::function<void(const std::string& folder, FolderWriteOptions& options)>& visit)
{
    walkFolders(root, [&](const std::string& folder, std::vector<std::string>& subfolders) {
        FolderWriteOptions options;
        options.onlyWithImages = folder != root;
        options.subfolders = recursive ? &subfolders : nullptr;
        visit(folder, options);
    });
}

bool writePack(const std::string& root, StylePair style, WriteListener& listener,
               std::ostream& errors, bool recursive)
{
    bool allWritten = true;
    forEachPackFolder(root, recursive, [&](const std::string& folder, FolderWriteOptions& options) {
        options.listener = &listener;
        const WriteResult result = ConfigBuilder::writeFolderConfig(folder, style, errors, options);
        allWritten = allWritten && (result || result.error.empty());
    });
    return allWritten;
}

PackCheck
checkPack(const std::string& root, StylePair style, bool recursive,
          const std::function<void(const std::string& folder, const ConfigCheck& check)>& onFolder,
          WriteListener* listener)
{
    PackCheck pack;
    forEachPackFolder(root, recursive, [&](const std::string& folder, FolderWriteOptions& options) {
        options.listener = listener;
        const ConfigCheck check = checkFolderConfig(folder, style, options);
        if (check.state == ConfigCheck::State::Skipped) {
            return;
        }
        if (check.state == ConfigCheck::State::Failed) {
            ++pack.failed;
        } else {
            ++pack.checked;
            pack.outdated += check.current() ? 0 : 1;
        }
        if (onFolder) {
            onFolder(folder, check);
        }
    });
    return pack;
}

} // namespace crestmap
