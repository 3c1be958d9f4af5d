#pragma once

#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

/// Keeps what one write replaced, outside the pack, so that the write can be undone: the old
/// config.xml files in a private temporary folder that goes when the journal does.
class UndoJournal {
public:
    UndoJournal();

    /// Before a write replaces or makes `configPath`: keeps its old bytes, if it has any.
    void save(const std::string& configPath);

    /// Once the write is over: notes what each file is now, so that a later change by someone
    /// else is noticed, and (when asked) what records the replaced files held that the new ones
    /// lack.
    void seal(bool countLostRecords = true);

    /// Whether there is anything to undo.
    [[nodiscard]] bool empty() const;

    /// Why the old files could not be kept, when they could not; Undo is then not offered.
    [[nodiscard]] const std::string& error() const noexcept { return m_error; }

    /// Records the replaced files held that the files now there lack.
    [[nodiscard]] std::size_t lostRecords() const noexcept { return m_lostRecords; }

    /// What undoing came to, path by path.
    struct Outcome {
        std::vector<std::string> restored;     ///< put back as they were
        std::vector<std::string> removed;      ///< made by the write, now gone again
        std::vector<std::string> changedSince; ///< changed by something else since: left alone
        std::vector<std::string> failed;       ///< "path: why"
    };

    /// Puts back every file the write replaced and removes those it made, each with a safe
    /// replace; a file changed since is left alone and named.
    [[nodiscard]] Outcome undo();

private:
    struct Stamp {
        std::uintmax_t size = 0;
        std::int64_t modified = 0;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    struct Entry {
        std::string configPath;
        std::optional<std::string> kept; ///< where the old bytes are; none when it was made new
        std::optional<Stamp> after;      ///< what the write left; none when it left nothing
    };
    [[nodiscard]] static std::optional<Stamp> stampOf(const std::string& path);

    std::unique_ptr<QTemporaryDir> m_dir;
    mutable std::mutex m_mutex;
    std::vector<Entry> m_entries;
    std::string m_error;
    std::size_t m_lostRecords = 0;
};
