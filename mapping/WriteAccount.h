#pragma once

#include "SkipReason.h"
#include "StyleSelectors.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// What became of one entry a write looked at: the picture it maps to, or why it has none.
struct EntryAccount {
    std::string_view folder;          ///< the folder written; empty for files handed over
    std::string_view name;            ///< the entry's name in `folder`, or the path handed over
    std::string_view picture;         ///< graphics/pictures/…, not escaped; only when wanted
    std::optional<SkipReason> reason; ///< why it has no record; none when it has one
};

/// What became of one folder's config.xml.
struct FolderAccount {
    enum class Outcome {
        Written,
        LeftAlone, ///< no image entries, in a pack
        Failed,
        Kept,      ///< its mapping file uses another style, so it was not rewritten
        NotMapped, ///< images but no mapping file, and no style was asked for
        Cancelled, ///< stopped before its new config.xml was put in place
    };
    std::string_view folder;
    std::string_view configPath;
    Outcome outcome = Outcome::Failed;
    std::size_t records = 0;
    std::size_t images = 0; ///< image entries found, or files handed over
    std::string_view error; ///< why it failed
    StylePair style{};      ///< written, kept or checked in
    /// What the writer wrote, to tell later whether the file is still that.
    std::uint64_t bytes = 0;
    std::uint64_t digest = 0;
    bool unchanged = false; ///< the new file holds the bytes the replaced one held
    /// Records the replaced config.xml held that the new one lacks, once known.
    std::size_t recordsLost = 0;
};

/// Something found wrong with an image that still got its record.
struct ProblemAccount {
    enum class Kind {
        Clash,      ///< another image maps to the same picture; `detail` names it
        Unloadable, ///< its first bytes are no PNG or JPEG data; `detail` says what they are
    };
    Kind kind;
    std::string_view folder;
    std::string_view name;
    std::string_view detail; ///< what the file holds instead of an image
    std::string_view other;  ///< the other image with the same picture, its whole path
};

/// Which entries a listener is told of: those without a record always; with Records also those
/// with one, and with Pictures each with its picture, which costs a little per record.
enum class EntryDetail { Skips, Records, Pictures };

/// Told of a write as it is made: each entry of a folder, then that folder's outcome. The one
/// account of a write; every summary and list is made from it.
class WriteListener {
public:
    virtual ~WriteListener() = default;
    [[nodiscard]] virtual EntryDetail entryDetail() const { return EntryDetail::Skips; }
    virtual void entry(const EntryAccount& /*entry*/) {}
    /// Just before a folder's config.xml is replaced or made; its folder() follows.
    virtual void replacing(std::string_view /*configPath*/) {}
    virtual void folder(const FolderAccount& /*folder*/) {}
    virtual void problem(const ProblemAccount& /*problem*/) {}
};

/// A folder whose config.xml could not be written, or was kept, and why.
struct FolderFailure {
    std::string folder;
    std::string error;
};

/// The figures of a write's account, in memory that does not grow with it: counts, and the
/// first few names. The entries of a folder that failed are not counted: it has no document.
class WriteTally : public WriteListener {
public:
    static constexpr std::size_t sampleLimit = 20;

    void entry(const EntryAccount& entry) override;
    void folder(const FolderAccount& folder) override;
    void problem(const ProblemAccount& problem) override;

    [[nodiscard]] std::size_t records() const noexcept { return m_records; }
    [[nodiscard]] std::size_t foldersWritten() const noexcept { return m_foldersWritten; }
    [[nodiscard]] std::size_t foldersFailed() const noexcept { return m_foldersFailed; }
    [[nodiscard]] std::size_t foldersKept() const noexcept { return m_foldersKept; }
    [[nodiscard]] std::size_t foldersNotMapped() const noexcept { return m_foldersNotMapped; }
    /// Folders whose config.xml was replaced by one that lacks records it held.
    [[nodiscard]] std::size_t foldersLosingRecords() const noexcept { return m_foldersLosing; }
    [[nodiscard]] std::size_t recordsLost() const noexcept { return m_recordsLost; }
    [[nodiscard]] bool cancelled() const noexcept { return m_cancelled; }
    /// The write was stopped before it reached the folders it did not tell of.
    void markCancelled() noexcept { m_cancelled = true; }
    [[nodiscard]] std::size_t problems(ProblemAccount::Kind kind) const noexcept
    {
        return kind == ProblemAccount::Kind::Clash ? m_clashes : m_unloadable;
    }
    /// Files handed over, or image entries found, in the folders written.
    [[nodiscard]] std::size_t images() const noexcept { return m_images; }
    [[nodiscard]] const SkipTally& skipped() const noexcept { return m_skipped; }
    [[nodiscard]] const std::vector<FolderFailure>& failures() const noexcept { return m_failures; }
    /// The config.xml written last; with one folder written, the one.
    [[nodiscard]] const std::string& lastConfigPath() const noexcept { return m_lastConfigPath; }

    /// The facts of the account in the order a person reads them: written, kept, not mapped,
    /// failed, left out with the reasons, records the replaced files lost, clashes, images that
    /// would not load, cancelled. `planned`: the folders the write was to write, when known.
    [[nodiscard]] std::vector<std::string> facts(std::size_t planned = 0) const;
    /// The facts after what was written: everything but the main figure.
    [[nodiscard]] std::vector<std::string> findings(std::size_t planned = 0) const;

private:
    std::size_t m_records = 0;
    std::size_t m_foldersWritten = 0;
    std::size_t m_foldersFailed = 0;
    std::size_t m_foldersKept = 0;
    std::size_t m_foldersNotMapped = 0;
    std::size_t m_foldersLosing = 0;
    std::size_t m_recordsLost = 0;
    std::size_t m_clashes = 0;
    std::size_t m_unloadable = 0;
    bool m_cancelled = false;
    std::size_t m_images = 0;
    SkipTally m_skipped;
    SkipTally m_pending; ///< the folder under way, until its outcome is known
    std::vector<FolderFailure> m_failures;
    std::string m_lastConfigPath;
};

} // namespace crestmap
