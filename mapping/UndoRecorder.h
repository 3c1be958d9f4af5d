#pragma once

#include "FileLock.h"
#include "JournalIndex.h"
#include "WriteAccount.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace crestmap {

/// Why a write made now could not be undone, or nothing when its journal can be kept.
[[nodiscard]] std::optional<FileError> journalUnavailable(const UndoFolder& folder = undoFolder());

/// Keeps what one write replaces, outside the pack, so that the write can be undone later by
/// either program: each old config.xml is kept, and each folder is noted only once its new
/// config.xml is in place. It passes the write's account on to `next`. Sealed, it becomes the
/// last write's journal, replacing the one before; a write that replaced or made nothing leaves
/// the last journal as it was, and one that is not sealed leaves nothing behind.
class UndoRecorder : public WriteListener {
public:
    /// `program` and `where` say which write this is, for the question before its undo.
    UndoRecorder(WriteListener& next, std::string program, std::string where,
                 UndoFolder folder = undoFolder());
    ~UndoRecorder() override;
    UndoRecorder(const UndoRecorder&) = delete;
    UndoRecorder& operator=(const UndoRecorder&) = delete;

    /// Why the write cannot be undone, when it cannot; the write goes on regardless.
    [[nodiscard]] const std::optional<FileError>& error() const noexcept { return m_error; }

    [[nodiscard]] EntryDetail entryDetail() const override { return m_next.entryDetail(); }
    void entry(const EntryAccount& entry) override { m_next.entry(entry); }
    void replacing(std::string_view configPath) override;
    void folder(const FolderAccount& folder) override;
    void problem(const ProblemAccount& problem) override { m_next.problem(problem); }

    /// Makes this write the one to undo, when it changed anything. False, with error(), when the
    /// journal could not be kept.
    [[nodiscard]] bool seal();

    /// The journal's name once sealed, to ask for the undo of this write and of no later one.
    [[nodiscard]] const std::string& name() const noexcept { return m_name; }

private:
    bool open();
    bool fail(FileError why); ///< keeps the first failure; false

    WriteListener& m_next;
    UndoFolder m_where;
    Journal m_journal;
    std::string m_folder; ///< this journal's folder, once made
    std::unique_ptr<FileLock> m_busy;
    std::optional<JournalEntry> m_pending;
    std::size_t m_copies = 0;
    std::optional<FileError> m_error;
    std::string m_name;
};

} // namespace crestmap
