#pragma once

#include "ConfigBuilder.h"
#include "ConfigCheck.h"
#include "StyleSelectors.h"
#include "WriteAccount.h"

#include <cstddef>
#include <functional>
#include <iostream>
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

/// Visits the folders of a pack with the options its rules give each: `root` is always written,
/// the folders below it (only when `recursive`) only when they hold image entries.
void forEachPackFolder(
    const std::string& root, bool recursive,
    const std::function<void(const std::string& folder, FolderWriteOptions& options)>& visit);

/// Writes `root`'s config.xml, and with `recursive` that of every folder below it that holds
/// images, each on its own: a failure is reported to `errors` and the others go on. The account
/// goes to `listener`; true when no folder failed.
bool writePack(const std::string& root, StylePair style, WriteListener& listener,
               std::ostream& errors = std::cout, bool recursive = true);

/// What checking a pack came to.
struct PackCheck {
    std::size_t checked = 0;  ///< folders compared
    std::size_t outdated = 0; ///< of those, missing, stale or not a mapping file
    std::size_t failed = 0;   ///< folders or files that could not be read

    [[nodiscard]] bool allCurrent() const noexcept { return outdated == 0 && failed == 0; }
};

/// Checks the folders writePack would write, by the same rules, and tells `onFolder` of each
/// (folders left alone are not told). Nothing is written.
[[nodiscard]] PackCheck
checkPack(const std::string& root, StylePair style, bool recursive,
          const std::function<void(const std::string& folder, const ConfigCheck& check)>& onFolder,
          WriteListener* listener = nullptr);

} // namespace crestmap
