#include "UndoRecorder.h"

#include "FileNames.h"
#include "InputFile.h"
#include "SystemNames.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <utility>
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace crestmap {

namespace {

namespace fs = std::filesystem;

// Copies a regular file in pieces, whatever its size.
bool copyFile(const std::string& from, const std::string& to)
{
    InputFile in(from);
    std::ofstream out(pathFromBytes(to), std::ios::binary);
    return in.readEach([&out](std::string_view piece) {
        return static_cast<bool>(
            out.write(piece.data(), static_cast<std::streamsize>(piece.size())));
    }) && out.flush();
}

std::string uniqueName()
{
    std::random_device device;
#ifdef _WIN32
    const long pid = ::_getpid();
#else
    const long pid = ::getpid();
#endif
    std::ostringstream name;
    name << "w-" << pid << '-' << std::hex << device() << device();
    return name.str();
}

// The folder of the journals, made if need be and kept to its owner: the old files can hold what
// their owner keeps private.
std::optional<FileError> prepareRoot(const UndoFolder& where)
{
    if (where.error) {
        return where.error;
    }
    std::error_code error;
    fs::create_directories(pathFromBytes(where.path), error);
    if (error) {
        return FileError{FileError::Action::MakeFolder, where.path, error.message()};
    }
    fs::permissions(pathFromBytes(where.path), fs::perms::owner_all, error);
    return std::nullopt;
}

// Removes the journals that are neither the last write's nor under way in another process.
void removeStale(const std::string& root, std::string_view keep)
{
    std::error_code error;
    for (const auto& item : fs::directory_iterator(pathFromBytes(root), error)) {
        const std::string name = bytesFromPath(item.path().filename());
        if (!name.starts_with("w-") || name == keep) {
            continue;
        }
        // The lock, taken only to see that no write holds it, is let go before the removal.
        if (FileLock(joinPath(bytesFromPath(item.path()), "busy"), FileLock::Wait::No).held()) {
            fs::remove_all(item.path(), error);
        }
    }
}

} // namespace

std::optional<FileError> journalUnavailable(const UndoFolder& where)
{
    if (auto error = prepareRoot(where)) {
        return error;
    }
    // A journal is a folder of its own: one is made and taken away again.
    const std::string probe = joinPath(where.path, "probe-" + uniqueName());
    std::error_code error;
    if (!fs::create_directory(pathFromBytes(probe), error)) {
        return FileError{FileError::Action::MakeFolder, probe,
                         error ? error.message() : "it exists"};
    }
    fs::remove(pathFromBytes(probe), error);
    return std::nullopt;
}

UndoRecorder::UndoRecorder(WriteListener& next, std::string program, std::string where,
                           UndoFolder folder)
    : m_next(next), m_where(std::move(folder))
{
    m_journal.program = std::move(program);
    m_journal.where = std::move(where);
}

UndoRecorder::~UndoRecorder()
{
    m_busy.reset();
    if (m_name.empty() && !m_folder.empty()) {
        std::error_code ignored;
        fs::remove_all(pathFromBytes(m_folder), ignored);
    }
}

bool UndoRecorder::fail(FileError why)
{
    if (!m_error) {
        m_error = std::move(why);
    }
    m_pending.reset();
    return false;
}

// The journal's folder, made when the write first replaces something.
bool UndoRecorder::open()
{
    if (!m_folder.empty() || m_error) {
        return !m_error;
    }
    if (const auto error = prepareRoot(m_where)) {
        return fail(*error);
    }
    std::error_code error;
    m_journal.name = uniqueName();
    m_folder = joinPath(m_where.path, m_journal.name);
    if (!fs::create_directory(pathFromBytes(m_folder), error)) {
        const std::string folder = std::exchange(m_folder, {});
        return fail({FileError::Action::MakeFolder, folder, error ? error.message() : "it exists"});
    }
    m_busy = std::make_unique<FileLock>(joinPath(m_folder, "busy"), FileLock::Wait::Yes);
    if (!m_busy->held()) {
        fail({FileError::Action::MakeFolder, m_folder, m_busy->error()});
    }
    return !m_error;
}

void UndoRecorder::replacing(std::string_view configPath)
{
    m_next.replacing(configPath);
    if (!open()) {
        return;
    }
    JournalEntry pending;
    pending.configPath = configPath;
    std::error_code error;
    const fs::path old = pathFromBytes(configPath);
    const fs::file_status status = fs::symlink_status(old, error);
#ifndef _WIN32
    if (fs::is_symlink(status)) {
        // The write replaces the link itself, so the link is what comes back.
        pending.linkTarget = bytesFromPath(fs::read_symlink(old, error));
        if (error || pending.linkTarget.empty()) {
            fail({FileError::Action::KeepCopy, pending.configPath, error.message()});
            return;
        }
        m_pending = std::move(pending);
        return;
    }
#endif
    if (fs::is_regular_file(status)) {
        pending.kept = std::to_string(m_copies++);
        const std::string copy = joinPath(m_folder, pending.kept);
        // A second name for the old file costs nothing; a copy is made where that cannot be, and
        // of a read-only file, whose second name Windows would not let the journal remove.
        if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) {
            error = std::make_error_code(std::errc::permission_denied);
        } else {
            fs::create_hard_link(old, pathFromBytes(copy), error);
        }
        if (error && !copyFile(pending.configPath, copy)) {
            fail({FileError::Action::KeepCopy, pending.configPath, error.message()});
            return;
        }
        pending.keptSize = fs::file_size(pathFromBytes(copy), error);
        pending.keptTime = modifiedTime(copy);
    }
    m_pending = std::move(pending);
}

void UndoRecorder::folder(const FolderAccount& folder)
{
    std::optional<JournalEntry> pending = std::exchange(m_pending, std::nullopt);
    FolderAccount told = folder;
    if (pending && pending->configPath == folder.configPath &&
        folder.outcome == FolderAccount::Outcome::Written) {
        pending->after = {folder.bytes, folder.digest};
        m_journal.entries.push_back(std::move(*pending));
        told.undoable = true;
    } else if (pending && !pending->kept.empty()) {
        std::error_code ignored;
        fs::remove(pathFromBytes(joinPath(m_folder, pending->kept)), ignored);
    }
    m_next.folder(told);
}

bool UndoRecorder::seal()
{
    if (m_error || m_journal.entries.empty()) {
        return !m_error;
    }
    const std::string& root = m_where.path;
    const FileLock lock(joinPath(root, journalLock), FileLock::Wait::Yes);
    m_journal.time = std::chrono::duration_cast<std::chrono::seconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    std::optional<FileError> why;
    if (!lock.held()) {
        why = FileError{FileError::Action::MakeFolder, root, lock.error()};
    } else if (!(why = writeJournal(root, m_journal))) {
        why = writeSmallFile(joinPath(root, lastJournal), m_journal.name);
    }
    if (why) {
        return fail(*why);
    }
    m_name = m_journal.name;
    m_busy.reset();
    removeStale(root, m_name);
    return true;
}

} // namespace crestmap
