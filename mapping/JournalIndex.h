#pragma once

#include "FileError.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace crestmap {

/// Where the journals of writes are kept: $XDG_CACHE_HOME/crestmap/undo (by default
/// ~/.cache/crestmap/undo), or %LOCALAPPDATA%\crestmap\undo on Windows; empty, with the reason,
/// when there is no such folder to be had.
struct UndoFolder {
    std::string path;
    std::optional<FileError> error;
};
[[nodiscard]] UndoFolder undoFolder();

/// The size and digest of a regular file's bytes, to tell whether it is still what was written.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t digest = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
/// Nothing when `path` is no regular file or cannot be read.
[[nodiscard]] std::optional<FileStamp> stampFile(const std::string& path);

/// One config.xml a write replaced or made, as its journal keeps it.
struct JournalEntry {
    std::string configPath;
    std::string kept;       ///< its old copy's name in the journal; empty when the write made it
    std::string linkTarget; ///< where config.xml pointed, when it was a symbolic link
    std::uint64_t keptSize = 0;
    std::int64_t keptTime = 0; ///< the copy's modification time, to tell it was not edited
    FileStamp after;           ///< what the write left there
};

/// The journal of one write: which write it was, and what it replaced or made.
struct Journal {
    std::string name;      ///< its folder's name among the journals
    std::int64_t time = 0; ///< when it was sealed, in seconds since 1970
    std::string program;   ///< "crestmap-cli" or "crestmap"
    std::string where;     ///< the folder the write was given
    std::vector<JournalEntry> entries;
};

/// The journal the last sealed write left, if any: what Undo takes back.
[[nodiscard]] std::optional<Journal> lastWrite(const UndoFolder& where = undoFolder());

/// Writes the index of `journal` in its folder, whole or not at all.
[[nodiscard]] std::optional<FileError> writeJournal(const std::string& undoRoot,
                                                    const Journal& journal);

/// The small files of the journal folder: its lock and the name of the last write's journal.
inline constexpr const char* journalLock = "lock";
inline constexpr const char* lastJournal = "last";
/// The file in a journal's folder that lists what it keeps.
inline constexpr const char* journalIndex = "index";
[[nodiscard]] std::optional<FileError> writeSmallFile(const std::string& path,
                                                      std::string_view text);

} // namespace crestmap
