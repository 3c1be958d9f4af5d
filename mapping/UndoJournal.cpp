#include "UndoJournal.h"

#include "AtomicFile.h"
#include "Clashes.h"
#include "FileNames.h"
#include "MappingFile.h"
#include "SystemNames.h"
#include "XmlRecordBuilder.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace crestmap {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view indexName = "index";
constexpr std::string_view lastName = "last";

// Paths may hold any byte but NUL, new lines among them: the index keeps them in hexadecimal.
std::string hex(std::string_view bytes)
{
    constexpr std::string_view digits = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        text += digits[static_cast<unsigned char>(c) >> 4];
        text += digits[static_cast<unsigned char>(c) & 15];
    }
    return text.empty() ? "-" : text;
}

std::optional<std::string> unhex(std::string_view text)
{
    if (text == "-") {
        return std::string();
    }
    if (text.size() % 2 != 0) {
        return std::nullopt;
    }
    const auto value = [](char c) -> int {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = value(text[i]);
        const int low = value(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

std::optional<std::string> environment(const char* name)
{
#ifdef _WIN32
    std::wstring wide(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = ::_wgetenv(wide.c_str());
    return value != nullptr && *value != L'\0' ? std::optional(bytesFromWide(value)) : std::nullopt;
#else
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::optional<std::string>(value) : std::nullopt;
#endif
}

std::int64_t modifiedTime(const std::string& path)
{
    std::error_code error;
    const auto time = fs::last_write_time(pathFromBytes(path), error);
    return error ? 0 : static_cast<std::int64_t>(time.time_since_epoch().count());
}

std::optional<std::uint64_t> sizeOf(const std::string& path)
{
    std::error_code error;
    const auto size = fs::file_size(pathFromBytes(path), error);
    return error ? std::nullopt : std::optional<std::uint64_t>(size);
}

// Copies a regular file in pieces, whatever its size.
bool copyFile(const std::string& from, const std::string& to)
{
    InputFile in(from);
    std::ofstream out(pathFromBytes(to), std::ios::binary);
    std::string chunk(std::size_t{1} << 20, '\0');
    while (in.isOpen() && out) {
        const std::size_t got = in.read(chunk.data(), chunk.size());
        if (got == 0) {
            break;
        }
        out.write(chunk.data(), static_cast<std::streamsize>(got));
    }
    return in.isOpen() && !in.failed() && out.flush();
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

// One line of the index, as the journal wrote it.
struct IndexEntry {
    std::string configPath;
    std::string kept;
    std::string linkTarget;
    std::uint64_t keptSize = 0;
    std::int64_t keptTime = 0;
    FileStamp after;
};

std::optional<IndexEntry> parseEntry(const std::string& line)
{
    std::istringstream fields(line);
    std::string path;
    std::string kept;
    std::string link;
    IndexEntry entry;
    if (!(fields >> path >> kept >> link >> entry.keptSize >> entry.keptTime >> entry.after.size >>
          entry.after.digest)) {
        return std::nullopt;
    }
    auto configPath = unhex(path);
    auto linkTarget = unhex(link);
    if (!configPath || configPath->empty() || !linkTarget ||
        kept.find_first_of("/\\.") != std::string::npos) {
        return std::nullopt;
    }
    entry.configPath = std::move(*configPath);
    entry.kept = kept == "-" ? std::string() : kept;
    entry.linkTarget = std::move(*linkTarget);
    return entry;
}

std::string formatEntry(const IndexEntry& entry)
{
    std::ostringstream line;
    line << hex(entry.configPath) << ' ' << (entry.kept.empty() ? "-" : entry.kept) << ' '
         << hex(entry.linkTarget) << ' ' << entry.keptSize << ' ' << entry.keptTime << ' '
         << entry.after.size << ' ' << entry.after.digest << '\n';
    return line.str();
}

std::string readSmallFile(const std::string& path)
{
    InputFile file(path);
    std::string text(4096, '\0');
    text.resize(file.readFully(text.data(), text.size()));
    return text;
}

bool writeSmallFile(const std::string& path, std::string_view text, std::string& error)
{
    AtomicFile file(path);
    if (file.write(text) && file.commit()) {
        return true;
    }
    error = file.error();
    return false;
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
        const std::string folder = bytesFromPath(item.path());
        std::optional<FileLock> busy(std::in_place, joinPath(folder, "busy"), FileLock::Wait::No);
        if (busy->held()) {
            busy.reset();
            std::error_code ignored;
            fs::remove_all(item.path(), ignored);
        }
    }
}

} // namespace

UndoFolder undoFolder()
{
#ifdef _WIN32
    if (const auto local = environment("LOCALAPPDATA")) {
        return {*local + "\\crestmap\\undo", {}};
    }
    return {{}, "LOCALAPPDATA is not set"};
#else
    if (const auto cache = environment("XDG_CACHE_HOME"); cache && cache->front() == '/') {
        return {*cache + "/crestmap/undo", {}};
    }
    if (const auto home = environment("HOME")) {
        return {*home + "/.cache/crestmap/undo", {}};
    }
    return {{}, "neither XDG_CACHE_HOME nor HOME is set"};
#endif
}

UndoJournal::UndoJournal(WriteListener& next, const UndoFolder& where)
    : m_next(next), m_root(where.path)
{
    if (m_root.empty()) {
        fail(where.error);
        return;
    }
    std::error_code error;
    fs::create_directories(pathFromBytes(m_root), error);
    if (error) {
        fail("cannot make " + m_root + ": " + error.message());
        return;
    }
    // The old files can hold what their owner keeps private.
    fs::permissions(pathFromBytes(m_root), fs::perms::owner_all, error);
    m_folder = joinPath(m_root, uniqueName());
    if (!fs::create_directory(pathFromBytes(m_folder), error)) {
        fail("cannot make " + m_folder + ": " + (error ? error.message() : "it exists"));
        return;
    }
    m_busy = std::make_unique<FileLock>(joinPath(m_folder, "busy"), FileLock::Wait::Yes);
    m_index.open(pathFromBytes(joinPath(m_folder, "index.partial")), std::ios::binary);
    if (!m_busy->held() || !m_index) {
        fail("cannot write in " + m_folder);
    }
}

UndoJournal::~UndoJournal()
{
    m_index.close();
    m_busy.reset();
    if (!m_sealed && !m_folder.empty()) {
        std::error_code ignored;
        fs::remove_all(pathFromBytes(m_folder), ignored);
    }
}

void UndoJournal::fail(std::string why)
{
    if (m_error.empty()) {
        m_error = std::move(why);
    }
    m_pending.reset();
}

void UndoJournal::replacing(std::string_view configPath)
{
    m_next.replacing(configPath);
    if (!available()) {
        return;
    }
    Pending pending{std::string(configPath), {}, {}, 0, 0};
    std::error_code error;
    const fs::path old = pathFromBytes(configPath);
    const fs::file_status status = fs::symlink_status(old, error);
#ifndef _WIN32
    if (fs::is_symlink(status)) {
        // The write replaces the link itself, so the link is what comes back.
        pending.linkTarget = bytesFromPath(fs::read_symlink(old, error));
        if (error || pending.linkTarget.empty()) {
            fail("cannot read the link " + pending.configPath + ": " + error.message());
            return;
        }
        m_pending = std::move(pending);
        return;
    }
#endif
    if (fs::is_regular_file(status)) {
        pending.kept = std::to_string(m_copies++);
        const std::string copy = joinPath(m_folder, pending.kept);
        // A second name for the old file costs nothing; a copy is made where that cannot be.
        fs::create_hard_link(old, pathFromBytes(copy), error);
        if (error && !copyFile(pending.configPath, copy)) {
            fail("cannot keep a copy of " + pending.configPath + " in " + m_folder);
            return;
        }
        const auto size = sizeOf(copy);
        pending.keptSize = size.value_or(0);
        pending.keptTime = modifiedTime(copy);
    }
    m_pending = std::move(pending);
}

void UndoJournal::folder(const FolderAccount& folder)
{
    std::optional<Pending> pending = std::exchange(m_pending, std::nullopt);
    if (!pending || pending->configPath != folder.configPath ||
        folder.outcome != FolderAccount::Outcome::Written) {
        if (pending && !pending->kept.empty()) {
            std::error_code ignored;
            fs::remove(pathFromBytes(joinPath(m_folder, pending->kept)), ignored);
        }
        m_next.folder(folder);
        return;
    }
    FolderAccount told = folder;
    if (!folder.unchanged && !pending->kept.empty()) {
        told.recordsLost = recordsLost(pending->configPath, joinPath(m_folder, pending->kept));
    }
    const IndexEntry entry{pending->configPath, pending->kept,
                           pending->linkTarget, pending->keptSize,
                           pending->keptTime,   FileStamp{folder.bytes, folder.digest}};
    if (!(m_index << formatEntry(entry)) || !m_index.flush()) {
        fail("cannot write in " + m_folder);
    }
    ++m_entries;
    m_next.folder(told);
}

std::size_t UndoJournal::recordsLost(const std::string& configPath, const std::string& kept) const
{
    // Only a changed file's records are compared: 8 bytes a record of the new file.
    std::vector<std::uint64_t> now;
    (void)scanMappingFile(configPath, [&now](std::string_view from, std::string_view to) {
        now.push_back(ClashFinder::key(recordLineOf(from, to)));
        return true;
    });
    std::sort(now.begin(), now.end());
    std::size_t lost = 0;
    (void)scanMappingFile(kept, [&](std::string_view from, std::string_view to) {
        lost += std::binary_search(now.begin(), now.end(), ClashFinder::key(recordLineOf(from, to)))
                    ? 0
                    : 1;
        return true;
    });
    return lost;
}

bool UndoJournal::seal()
{
    if (!available() || m_entries == 0) {
        return available();
    }
    m_index.close();
    const FileLock lock(joinPath(m_root, "lock"), FileLock::Wait::Yes);
    std::error_code error;
    fs::rename(pathFromBytes(joinPath(m_folder, "index.partial")),
               pathFromBytes(joinPath(m_folder, indexName)), error);
    std::string why;
    if (error || !lock.held() ||
        !writeSmallFile(joinPath(m_root, lastName), lastPathComponent(m_folder), why)) {
        fail("cannot keep the journal in " + m_root + ": " +
             (error         ? error.message()
              : why.empty() ? lock.error()
                            : why));
        return false;
    }
    m_sealed = true;
    m_busy.reset();
    removeStale(m_root, lastPathComponent(m_folder));
    return true;
}

namespace {

// Puts one file back as the journal keeps it.
enum class Undone { Restored, Removed, ChangedSince, Failed };

Undone undoEntry(const IndexEntry& entry, const std::string& folder, std::string& why)
{
    FileStamp now;
    if (!stampFile(entry.configPath, now) || now != entry.after) {
        return Undone::ChangedSince;
    }
    std::error_code error;
    if (!entry.linkTarget.empty()) {
        const std::string temporary = entry.configPath + AtomicFile::tempSuffix.data();
        fs::create_symlink(pathFromBytes(entry.linkTarget), pathFromBytes(temporary), error);
        if (!error) {
            fs::rename(pathFromBytes(temporary), pathFromBytes(entry.configPath), error);
        }
        why = error.message();
        return error ? Undone::Failed : Undone::Restored;
    }
    if (entry.kept.empty()) {
        if (fs::remove(pathFromBytes(entry.configPath), error)) {
            return Undone::Removed;
        }
        why = error.message();
        return Undone::Failed;
    }
    const std::string kept = joinPath(folder, entry.kept);
    if (sizeOf(kept) != entry.keptSize || modifiedTime(kept) != entry.keptTime) {
        why = "its kept copy is gone or was changed";
        return Undone::Failed;
    }
    InputFile in(kept);
    AtomicFile out(entry.configPath);
    std::string chunk(std::size_t{1} << 20, '\0');
    bool going = in.isOpen();
    while (going) {
        const std::size_t got = in.read(chunk.data(), chunk.size());
        going = got > 0 && out.write(std::string_view(chunk.data(), got));
    }
    if (in.isOpen() && !in.failed() && out.commit()) {
        return Undone::Restored;
    }
    why = in.isOpen() && !in.failed() ? out.error() : "its kept copy cannot be read";
    return Undone::Failed;
}

} // namespace

std::string UndoJournal::name() const
{
    return m_sealed ? std::string(lastPathComponent(m_folder)) : std::string();
}

UndoOutcome undoLastWrite(const UndoFolder& where, std::string_view expected)
{
    UndoOutcome outcome;
    if (where.path.empty()) {
        outcome.nothing = "there is no undo folder: " + where.error;
        return outcome;
    }
    const FileLock lock(joinPath(where.path, "lock"), FileLock::Wait::Yes);
    const std::string last = readSmallFile(joinPath(where.path, lastName));
    if (last.empty() || !last.starts_with("w-") || last.find_first_of("/\\") != last.npos) {
        outcome.nothing = "no write has been kept to undo";
        return outcome;
    }
    if (!expected.empty() && last != expected) {
        outcome.nothing = "another write has been made since, and it is the one Undo would take "
                          "back; use Edit ▸ Undo for it";
        return outcome;
    }
    const std::string folder = joinPath(where.path, last);
    std::ifstream index(pathFromBytes(joinPath(folder, indexName)), std::ios::binary);
    if (!index) {
        outcome.nothing = "the journal of the last write is gone from " + where.path;
        return outcome;
    }
    std::string kept;
    std::string line;
    while (std::getline(index, line)) {
        const auto entry = parseEntry(line);
        if (!entry) {
            outcome.failed.push_back(folder + ": a damaged line in its index");
            continue;
        }
        std::string why;
        switch (undoEntry(*entry, folder, why)) {
        case Undone::Restored:
            outcome.restored.push_back(entry->configPath);
            break;
        case Undone::Removed:
            outcome.removed.push_back(entry->configPath);
            break;
        case Undone::ChangedSince:
            outcome.changedSince.push_back(entry->configPath);
            break;
        case Undone::Failed:
            outcome.failed.push_back(entry->configPath + ": " + why);
            kept += line + '\n';
            break;
        }
    }
    index.close();
    // What could not be put back stays for another try; the rest of the journal is spent.
    std::string error;
    if (kept.empty() || !writeSmallFile(joinPath(folder, indexName), kept, error)) {
        std::error_code ignored;
        fs::remove(pathFromBytes(joinPath(where.path, lastName)), ignored);
        fs::remove_all(pathFromBytes(folder), ignored);
    }
    return outcome;
}

std::size_t lastWriteSize(const UndoFolder& where)
{
    if (where.path.empty()) {
        return 0;
    }
    const std::string last = readSmallFile(joinPath(where.path, lastName));
    if (last.empty() || last.find_first_of("/\\") != last.npos) {
        return 0;
    }
    std::ifstream index(pathFromBytes(joinPath(joinPath(where.path, last), indexName)),
                        std::ios::binary);
    std::size_t entries = 0;
    std::string line;
    while (std::getline(index, line)) {
        ++entries;
    }
    return entries;
}

} // namespace crestmap
