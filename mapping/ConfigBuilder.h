#pragma once

#include "Clashes.h"
#include "DocumentStream.h"
#include "FileError.h"
#include "JobControl.h"
#include "MappingFile.h"
#include "StyleSelectors.h"
#include "WriteAccount.h"

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace crestmap {

/// The outcome of writing a document.
struct WriteResult {
    bool written = false;   ///< the document is in place: new, or the old one held it already
    bool unchanged = false; ///< the old one held it already, byte for byte
    std::size_t records = 0;
    std::optional<FileError> error;

    explicit operator bool() const noexcept { return written; }
};

/// How a folder's config.xml is written.
struct FolderWriteOptions {
    /// Leaves a folder without image entries alone instead of giving it an empty mapping.
    bool onlyWithImages = false;
    /// With no image entries of its own, finds out whether folders below it hold some.
    bool lookBelow = false;
    /// Receives the names of the folder's real sub-folders (symbolic links not counted).
    std::vector<std::string>* subfolders = nullptr;
    /// Told what became of each entry, then of the folder.
    WriteListener* listener = nullptr;
    /// Collects the records' lines, to find those several images have.
    ClashFinder* clashes = nullptr;
    /// No folder comes after this one: the clashes can be looked for while it is committed.
    bool last = false;
    /// Stops the write, or holds it; a stopped folder's old config.xml stays as it was.
    JobControl* control = nullptr;
    /// What stood at config.xml when the write was decided on, for the account.
    MappingScan existing;
};

/// Writes config.xml: the one place a document goes to disk.
class ConfigBuilder {
public:
    /// Writes the document for `files` (paths or bare names, in record order) to `path`,
    /// replacing any file there only once the new one is complete and on disk, and leaving one
    /// that already holds it untouched. A file whose name is not an image's gets no record. On
    /// failure nothing at `path` changes and one "Unexpected error: " line goes to `errors`.
    [[nodiscard]] static WriteResult writeConfig(const std::string& path,
                                                 std::span<const std::string> files,
                                                 std::int64_t graphicStyle, std::int64_t subType,
                                                 std::ostream& errors = std::cout,
                                                 const FolderWriteOptions& options = {});

    /// Lists `folder` and writes its config.xml in one pass, in memory that does not grow with
    /// the folder. A listing that fails part-way leaves the old file as it was, like any failure.
    [[nodiscard]] static WriteResult writeFolderConfig(const std::string& folder, StylePair style,
                                                       std::ostream& errors = std::cout,
                                                       const FolderWriteOptions& options = {});

    /// Streams the document of `files` to `sink`; the record count, or nothing when the sink
    /// refused a piece.
    [[nodiscard]] static std::optional<std::size_t>
    streamDocument(std::span<const std::string> files, StylePair style, const DocumentSink& sink,
                   WriteListener* listener = nullptr);

    /// Streams a folder's document to `sink`, which tells of a refused piece itself; why the
    /// folder could not be listed, if it could not.
    [[nodiscard]] static std::optional<FileError>
    streamFolderDocument(const std::string& folder, StylePair style, const DocumentSink& sink,
                         WriteListener* listener = nullptr);
};

/// Finds the images of these folders (each in its style), or the `files` handed over, whose lines
/// `clashes` saw more than once, and tells `listener` of them. Folders from the `told`th on are
/// only compared with: a clash among their images alone is not told.
void reportFolderClashes(const std::vector<std::pair<std::string, StylePair>>& folders,
                         const ClashFinder& clashes, WriteListener& listener,
                         std::span<const std::string> files = {},
                         std::size_t told = std::numeric_limits<std::size_t>::max());

} // namespace crestmap
