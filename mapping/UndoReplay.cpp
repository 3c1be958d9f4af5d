#include "UndoReplay.h"

#include "AtomicFile.h"
#include "FileLock.h"
#include "FileNames.h"
#include "InputFile.h"
#include "SystemNames.h"

#include <algorithm>
#include <filesystem>

namespace crestmap {

namespace {

namespace fs = std::filesystem;
using Failure = UndoOutcome::Failure;

// Copies the kept file over config.xml, whole or not at all.
std::optional<FileError> putBack(const std::string& kept, const std::string& configPath)
{
    InputFile in(kept);
    AtomicFile out(configPath);
    if (!in.readEach([&out](std::string_view piece) { return out.write(piece); })) {
        return in.isOpen() && !in.failed() ? out.error()
                                           : FileError{FileError::Action::Read, kept, in.error()};
    }
    return out.commit() ? std::nullopt : std::optional(out.error());
}

// Takes back one file as the journal keeps it; false when it stays in the journal.
bool undoEntry(const JournalEntry& entry, const std::string& folder, bool force,
               UndoOutcome& outcome)
{
    const std::string& path = entry.configPath;
    const std::optional<FileStamp> now = stampFile(path);
    std::error_code error;
    const bool present = fs::exists(fs::symlink_status(pathFromBytes(path), error));
    const bool made = entry.kept.empty() && entry.linkTarget.empty();
    const std::string kept = entry.kept.empty() ? std::string() : joinPath(folder, entry.kept);
    // Already as it was before the write, by someone else's hand: nothing to take back.
    if (now != entry.after && (made ? !present : !kept.empty() && now && stampFile(kept) == now)) {
        outcome.alreadyBack.push_back(path);
        return true;
    }
    if (!now && present && !force) {
        // Unread, it may be just as the write left it: say why, rather than call it changed.
        if (const InputFile file(path); file.state() == InputFile::State::Unreadable) {
            outcome.failed.push_back({path, Failure::Why::Error,
                                      FileError{FileError::Action::Read, path, file.error()}});
            return false;
        }
    }
    if (now != entry.after && !force) {
        outcome.changedSince.push_back(path);
        outcome.madeChangedSince += made ? 1 : 0;
        return false;
    }
    if (!entry.linkTarget.empty()) {
        const std::string temporary = path + AtomicFile::tempSuffix.data();
        fs::create_symlink(pathFromBytes(entry.linkTarget), pathFromBytes(temporary), error);
        if (!error) {
            fs::rename(pathFromBytes(temporary), pathFromBytes(path), error);
        }
    } else if (made) {
        fs::remove(pathFromBytes(path), error);
    } else {
        // A kept copy edited or deleted by hand is no longer what the write replaced: touch
        // nothing.
        const auto size = fs::file_size(pathFromBytes(kept), error);
        if (error || size != entry.keptSize || modifiedTime(kept) != entry.keptTime) {
            outcome.failed.push_back(
                {path, error ? Failure::Why::CopyGone : Failure::Why::CopyChanged, std::nullopt});
            return false;
        }
        if (auto why = putBack(kept, path)) {
            outcome.failed.push_back({path, Failure::Why::Error, std::move(why)});
            return false;
        }
    }
    if (error) {
        outcome.failed.push_back({path, Failure::Why::Error,
                                  FileError{FileError::Action::Replace, path, error.message()}});
        return false;
    }
    (made ? outcome.removed : outcome.restored).push_back(path);
    return true;
}

} // namespace

UndoOutcome undoLastWrite(const UndoFolder& where, const UndoOptions& options)
{
    UndoOutcome outcome;
    if (where.path.empty()) {
        outcome.nothing = UndoOutcome::Nothing::NoCacheFolder;
        outcome.cacheError = where.error;
        return outcome;
    }
    // Two undos at once: the second says so, rather than undo what the first just did.
    const FileLock undoing(joinPath(where.path, "undoing"), FileLock::Wait::No);
    if (!undoing.held()) {
        std::error_code error;
        const bool exists = fs::exists(pathFromBytes(where.path), error);
        if (error || (exists && !undoing.error().empty())) {
            // There, but out of reach: not another undo at work.
            outcome.nothing = UndoOutcome::Nothing::NoCacheFolder;
            outcome.cacheError =
                error ? FileError{FileError::Action::Read, where.path, error.message()}
                      : FileError{FileError::Action::Create, where.path, undoing.error()};
        } else {
            outcome.nothing = exists ? UndoOutcome::Nothing::Busy : UndoOutcome::Nothing::NoWrite;
        }
        return outcome;
    }
    const FileLock lock(joinPath(where.path, journalLock), FileLock::Wait::Yes);
    std::optional<Journal> journal = lastWrite(where);
    if (!journal) {
        outcome.nothing = UndoOutcome::Nothing::NoWrite;
        return outcome;
    }
    if (!options.expected.empty() && journal->name != options.expected) {
        outcome.nothing = UndoOutcome::Nothing::AnotherWrite;
        return outcome;
    }
    const std::string folder = joinPath(where.path, journal->name);
    std::erase_if(journal->entries, [&](const JournalEntry& entry) {
        return undoEntry(entry, folder, options.force, outcome);
    });
    // What was not taken back stays for another try; the rest of the journal is spent. An index
    // that cannot be rewritten stays as it was: what it lists and was put back reads as already
    // back next time, and what it keeps is never thrown away.
    if (journal->entries.empty()) {
        std::error_code ignored;
        fs::remove(pathFromBytes(joinPath(where.path, lastJournal)), ignored);
        fs::remove_all(pathFromBytes(folder), ignored);
    } else {
        (void)writeJournal(where.path, *journal);
    }
    return outcome;
}

} // namespace crestmap
