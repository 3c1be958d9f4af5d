#pragma once

#include "FileError.h"
#include "JournalIndex.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace crestmap {

/// What undoing the last write came to, file by file.
struct UndoOutcome {
    enum class Nothing : std::uint8_t {
        No,            ///< there was a write to undo
        NoCacheFolder, ///< `cacheError` says why there is none
        NoWrite,       ///< no write has been kept to undo
        AnotherWrite,  ///< the last write is not the one asked for
        Busy,          ///< another undo is under way
    };
    Nothing nothing = Nothing::No;
    std::optional<FileError> cacheError;
    std::vector<std::string> restored;     ///< put back as they were
    std::vector<std::string> removed;      ///< made by the write, now gone again
    std::vector<std::string> alreadyBack;  ///< already as before the write, by another hand
    std::vector<std::string> changedSince; ///< changed since: left alone, kept for a forced undo
    std::size_t madeChangedSince = 0;      ///< of those, files the write made: forced, they go
    struct Failure {
        enum class Why : std::uint8_t { CopyGone, CopyChanged, Error };
        std::string configPath;
        Why why;
        std::optional<FileError> error; ///< with Error: config.xml unread, or not put back
    };
    std::vector<Failure> failed; ///< kept for another try

    /// Whether the journal still holds something: files left alone, or not put back.
    [[nodiscard]] bool keeps() const noexcept { return !changedSince.empty() || !failed.empty(); }
};

/// How to undo.
struct UndoOptions {
    std::string expected; ///< the journal meant; nothing is done when the last write is another
    bool force = false;   ///< put files back over what changed them since
};

/// Puts back every config.xml the last write replaced and removes those it made, each checked
/// first against what the write left: a file changed since is left alone and named, and its old
/// copy stays in the journal until it is put back with `force` or another write replaces it.
[[nodiscard]] UndoOutcome undoLastWrite(const UndoFolder& where = undoFolder(),
                                        const UndoOptions& options = {});

} // namespace crestmap
