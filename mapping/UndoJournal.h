#pragma once

#include "FileLock.h"
#include "InputFile.h"
#include "WriteAccount.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// Where the journals of writes are kept: $XDG_CACHE_HOME/crestmap/undo (by default
/// ~/.cache/crestmap/undo), or %LOCALAPPDATA%\crestmap\undo on Windows; empty, with the reason,
/// when there is no such folder to be had.
struct UndoFolder {
    std::string path;
    std::string error;
};
[[nodiscard]] UndoFolder undoFolder();

/// Keeps what one write replaces, outside the pack, so that the write can be undone later, by
/// either program: each old config.xml is kept, and each folder is noted only once its new
/// config.xml is in place. It passes the write's account on to `next`, with the records each
/// replaced file held that the new one lacks. Sealed, it becomes the last write's journal,
/// replacing the one before; one that is not sealed leaves nothing behind.
class UndoJournal : public WriteListener {
public:
    explicit UndoJournal(WriteListener& next, const UndoFolder& where = undoFolder());
    ~UndoJournal() override;
    UndoJournal(const UndoJournal&) = delete;
    UndoJournal& operator=(const UndoJournal&) = delete;

    /// Why the write cannot be undone, when it cannot; the write goes on regardless.
    [[nodiscard]] const std::string& error() const noexcept { return m_error; }
    [[nodiscard]] bool available() const noexcept { return m_error.empty(); }

    [[nodiscard]] EntryDetail entryDetail() const override { return m_next.entryDetail(); }
    void entry(const EntryAccount& entry) override { m_next.entry(entry); }
    void replacing(std::string_view configPath) override;
    void folder(const FolderAccount& folder) override;
    void problem(const ProblemAccount& problem) override { m_next.problem(problem); }

    /// Makes this write the one to undo. A write that replaced or made nothing leaves the last
    /// journal as it was. False, with error(), when the journal could not be kept.
    bool seal();

    /// Which write this is, once sealed: what undoLastWrite can be told to expect.
    [[nodiscard]] std::string name() const;

private:
    struct Pending {
        std::string configPath;
        std::string kept;       ///< its copy's name here; empty when there was no file
        std::string linkTarget; ///< where config.xml pointed, when it was a symbolic link
        std::uint64_t keptSize = 0;
        std::int64_t keptTime = 0;
    };
    void fail(std::string why);
    [[nodiscard]] std::size_t recordsLost(const std::string& configPath,
                                          const std::string& kept) const;

    WriteListener& m_next;
    std::string m_root;   ///< the undo folder
    std::string m_folder; ///< this journal's folder in it
    std::unique_ptr<FileLock> m_busy;
    std::ofstream m_index;
    std::optional<Pending> m_pending;
    std::size_t m_entries = 0;
    std::size_t m_copies = 0;
    std::string m_error;
    bool m_sealed = false;
};

/// What undoing the last write came to, file by file.
struct UndoOutcome {
    std::string nothing;                   ///< why there was nothing to undo; empty when there was
    std::vector<std::string> restored;     ///< put back as they were
    std::vector<std::string> removed;      ///< made by the write, now gone again
    std::vector<std::string> changedSince; ///< changed by something else since: left alone
    std::vector<std::string> failed;       ///< "path: why", kept for another try
};

/// Puts back every config.xml the last write replaced and removes those it made, each checked
/// first against what the write left: a file changed since is left alone and named. Given the
/// name of the write that is meant, it does nothing when the last write is another.
[[nodiscard]] UndoOutcome undoLastWrite(const UndoFolder& where = undoFolder(),
                                        std::string_view expected = {});

/// How many config.xml files undoing the last write would touch; 0 when there is nothing.
[[nodiscard]] std::size_t lastWriteSize(const UndoFolder& where = undoFolder());

} // namespace crestmap
