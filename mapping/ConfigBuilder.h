#pragma once

#include "Clashes.h"
#include "DocumentStream.h"
#include "SkipReason.h"
#include "StyleSelectors.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace crestmap {

/// The fixed opening of config.xml: it switches off preloading and automatic mapping.
inline constexpr std::string_view configHeader =
    "<record>\n"
    "\t<!-- resource manager options -->\n"
    "\n"
    "\t<!-- dont preload anything in this folder -->\n"
    "\t<boolean id=\"preload\" value=\"false\"/>\n"
    "\n"
    "\t<!-- turn off auto mapping -->\n"
    "\t<boolean id=\"amap\" value=\"false\"/>\n"
    "\n"
    "\t<!-- logo mappings - generated with Crestmap for Mac -->\n"
    "\t<list id=\"maps\">";

/// What stands before every record line.
inline constexpr std::string_view recordLinePrefix = "\n\t\t";

/// The fixed closing of config.xml; the document ends without a line feed.
inline constexpr std::string_view configFooter = "\n\t</list>\n</record>";

/// The outcome of writing a document.
struct WriteResult {
    bool written = false;
    std::size_t records = 0;
    std::size_t files = 0; ///< files handed over, or image entries found in a folder
    std::string error;     ///< what went wrong, when not written

    explicit operator bool() const noexcept { return written; }
};

/// How a folder's config.xml is written.
struct FolderWriteOptions {
    /// Leaves a folder without image entries alone instead of giving it an empty mapping.
    bool onlyWithImages = false;
    /// Receives the names of the folder's real sub-folders (symbolic links not counted).
    std::vector<std::string>* subfolders = nullptr;
    /// Told what became of each entry, then of the folder.
    WriteListener* listener = nullptr;
    /// Collects the records' pictures, to find those several images map to.
    ClashFinder* clashes = nullptr;
    /// No folder comes after this one: the clashes can be looked for while it is committed.
    bool last = false;
    /// Set from another thread to stop: the folder's old config.xml then stays as it was.
    const std::atomic<bool>* cancel = nullptr;
};

/// Writes config.xml: the one place a document goes to disk.
class ConfigBuilder {
public:
    /// Writes the document for `files` (paths or bare names, in record order) to `path`,
    /// replacing any file there only once the new one is complete and on disk. A file whose
    /// name is not an image's gets no record. On failure nothing at `path` changes and one
    /// "Unexpected error: " line goes to `errors`; on success the listener is told of images
    /// that map to the same picture.
    [[nodiscard]] static WriteResult writeConfig(const std::string& path,
                                                 std::span<const std::string> files,
                                                 std::int64_t graphicStyle, std::int64_t subType,
                                                 std::ostream& errors = std::cout,
                                                 WriteListener* listener = nullptr);

    /// Lists `folder` and writes its config.xml in one pass, in memory that does not grow with
    /// the folder. A listing that fails part-way leaves the old file as it was, like any failure.
    [[nodiscard]] static WriteResult writeFolderConfig(const std::string& folder, StylePair style,
                                                       std::ostream& errors = std::cout,
                                                       const FolderWriteOptions& options = {});

    /// Streams the document to `sink` in pieces of bounded size; the record count, or nothing
    /// when the sink refused a piece.
    [[nodiscard]] static std::optional<std::size_t>
    streamDocument(std::span<const std::string> files, std::int64_t graphicStyle,
                   std::int64_t subType, const DocumentSink& sink,
                   WriteListener* listener = nullptr);

    /// Streams a folder's document to `sink`; empty, or why the folder could not be listed or
    /// the sink refused a piece.
    [[nodiscard]] static std::string streamFolderDocument(const std::string& folder,
                                                          StylePair style, const DocumentSink& sink,
                                                          WriteListener* listener = nullptr);
};

/// Adds a file handed over to `stream`: its record, or the reason it has none.
bool addHandedOver(DocumentStream& stream, const std::string& file);

/// Finds the images of these folders (each in its style) that map to pictures `clashes` saw
/// more than once, and tells `listener` of them.
void reportFolderClashes(const std::vector<std::pair<std::string, StylePair>>& folders,
                         const ClashFinder& clashes, WriteListener& listener);

/// The outcome of one pass over a folder's entries into a document.
struct FolderPass {
    std::size_t images = 0; ///< image entries found
    std::string error;      ///< why the folder could not be read to its end
    bool cancelled = false;
};

/// Feeds a folder's image entries, in listing order, into `stream`, and notes the entries passed
/// over for their extension's case; stops early when the stream's sink refuses a piece, unless
/// the sub-folders are still wanted.
[[nodiscard]] FolderPass streamFolder(const std::string& folder, DocumentStream& stream,
                                      std::vector<std::string>* subfolders = nullptr,
                                      const std::atomic<bool>* cancel = nullptr);

} // namespace crestmap
