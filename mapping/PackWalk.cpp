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

} // namespace crestmap
