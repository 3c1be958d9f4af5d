#pragma once

#include "ConfigBuilder.h"
#include "SkipReason.h"
#include "StyleSelectors.h"

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

/// A folder of a pack whose config.xml could not be written, and why.
struct FolderFailure {
    std::string folder;
    std::string error;
};

/// What writing a pack came to.
struct PackResult {
    std::size_t records = 0; ///< in the folders written
    std::size_t foldersWritten = 0;
    SkipTally skipped; ///< in the folders written
    std::vector<FolderFailure> failures;
};

/// How a pack is written, and who is told what as it is.
struct PackOptions {
    /// The folders below the root too, each that holds at least one image entry.
    bool recursive = true;
    std::function<void(const std::string& folder, std::string_view entry)> onImage;
    std::function<void(const std::string& folder, std::string_view entry, SkipReason)> onSkip;
    /// Told of each folder's outcome once it is written, or has failed, or was left alone.
    std::function<void(const std::string& folder, const WriteResult& result)> onFolder;
};

/// Writes `root`'s config.xml as writeFolderConfig does, and with `recursive` that of every
/// folder below it that holds images, each on its own: a failure is reported to `errors` and
/// the others go on.
[[nodiscard]] PackResult writePack(const std::string& root, StylePair style,
                                   std::ostream& errors = std::cout,
                                   const PackOptions& options = {});

} // namespace crestmap
