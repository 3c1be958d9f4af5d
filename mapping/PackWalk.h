#pragma once

#include <functional>
#include <string>
#include <vector>

namespace crestmap {

/// Handles one folder of a walk and fills in the names of the real sub-folders it found.
using FolderVisitor =
    std::function<void(const std::string& folder, std::vector<std::string>& subfolders)>;

/// Visits `root` and every folder below it, each parent before its children and siblings in
/// the order their parent lists them. Only the folders a visitor reports are entered, so
/// symbolic links are never followed and a folder that cannot be read ends only its branch.
void walkFolders(const std::string& root, const FolderVisitor& visit);

} // namespace crestmap
