#include "UndoJournal.h"

#include "AtomicFile.h"
#include "Clashes.h"
#include "MappingFile.h"
#include "SystemNames.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <unordered_map>

namespace fs = std::filesystem;

namespace {

// The record lines of a mapping file, by a 64-bit hash of each, with how often each stands there.
std::unordered_map<std::uint64_t, std::size_t> recordsOf(const std::string& path)
{
    std::unordered_map<std::uint64_t, std::size_t> records;
    (void)crestmap::scanMappingFile(path, [&records](std::string_view from, std::string_view to) {
        ++records[crestmap::ClashFinder::hash(crestmap::recordLineOf(from, to))];
        return true;
    });
    return records;
}

// Only a regular file's bytes: a folder in the way has none to keep.
std::optional<std::string> readWhole(const std::string& path)
{
    std::error_code error;
    if (!fs::is_regular_file(crestmap::pathFromBytes(path), error)) {
        return std::nullopt;
    }
    std::ifstream in(crestmap::pathFromBytes(path), std::ios::binary);
    std::string bytes;
    std::array<char, 65536> chunk{};
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0) {
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

UndoJournal::UndoJournal()
    : m_dir(std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                            QStringLiteral("/crestmap-undo-XXXXXX")))
{
    if (!m_dir->isValid()) {
        m_error =
            "cannot make a private folder for the old files: " + m_dir->errorString().toStdString();
    }
}

std::optional<UndoJournal::Stamp> UndoJournal::stampOf(const std::string& path)
{
    std::error_code error;
    const fs::path p = crestmap::pathFromBytes(path);
    if (!fs::is_regular_file(fs::symlink_status(p, error))) {
        return std::nullopt;
    }
    const auto size = fs::file_size(p, error);
    const auto modified = fs::last_write_time(p, error);
    if (error) {
        return std::nullopt;
    }
    return Stamp{size, static_cast<std::int64_t>(modified.time_since_epoch().count())};
}

void UndoJournal::save(const std::string& configPath)
{
    const std::lock_guard lock(m_mutex);
    if (!m_error.empty()) {
        return;
    }
    Entry entry{configPath, std::nullopt, std::nullopt};
    std::error_code error;
    const auto status = fs::symlink_status(crestmap::pathFromBytes(configPath), error);
    if (fs::is_directory(status)) {
        return; // the write cannot replace a folder, so there is nothing to undo
    }
    if (fs::exists(status)) {
        const auto bytes = readWhole(configPath);
        const std::string kept =
            QDir(m_dir->path()).filePath(QString::number(m_entries.size())).toStdString();
        std::ofstream out(crestmap::pathFromBytes(kept), std::ios::binary);
        if (!bytes || !(out << *bytes) || !out.flush()) {
            m_error = "cannot keep the old " + configPath + " for Undo";
            return;
        }
        entry.kept = kept;
    }
    m_entries.push_back(std::move(entry));
}

void UndoJournal::seal(bool countLostRecords)
{
    const std::lock_guard lock(m_mutex);
    m_lostRecords = 0;
    for (Entry& entry : m_entries) {
        entry.after = stampOf(entry.configPath);
        if (!countLostRecords || !entry.kept || !entry.after) {
            continue;
        }
        auto now = recordsOf(entry.configPath);
        for (const auto& [line, count] : recordsOf(*entry.kept)) {
            std::size_t& there = now[line];
            m_lostRecords += count > there ? count - there : 0;
        }
    }
    // A file the write did not change (it failed, or was cancelled) has nothing to undo.
    std::erase_if(m_entries, [](const Entry& entry) { return !entry.after && !entry.kept; });
}

bool UndoJournal::empty() const
{
    const std::lock_guard lock(m_mutex);
    return m_entries.empty() || !m_error.empty();
}

UndoJournal::Outcome UndoJournal::undo()
{
    const std::lock_guard lock(m_mutex);
    Outcome outcome;
    for (const Entry& entry : m_entries) {
        const std::optional<Stamp> now = stampOf(entry.configPath);
        if (now != entry.after) {
            outcome.changedSince.push_back(entry.configPath);
            continue;
        }
        if (!entry.kept) {
            std::error_code error;
            if (fs::remove(crestmap::pathFromBytes(entry.configPath), error)) {
                outcome.removed.push_back(entry.configPath);
            } else {
                outcome.failed.push_back(entry.configPath + ": " + error.message());
            }
            continue;
        }
        const auto bytes = readWhole(*entry.kept);
        crestmap::AtomicFile file(entry.configPath);
        if (bytes && file.write(*bytes) && file.commit()) {
            outcome.restored.push_back(entry.configPath);
        } else {
            outcome.failed.push_back(entry.configPath + ": " +
                                     (bytes ? file.error() : "the kept copy is gone"));
        }
    }
    m_entries.clear();
    return outcome;
}
