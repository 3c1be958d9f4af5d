#pragma once

#include "FileError.h"
#include "ImageCheck.h"
#include "MappingFile.h"
#include "SkipReason.h"
#include "StyleSelectors.h"

#include <array>
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
    enum class Outcome : std::uint8_t {
        Written,
        Unchanged,  ///< it already held every byte the write would have written
        Kept,       ///< it maps another style, or was cut short: not rewritten
        NotMapped,  ///< images but no mapping file to take a style from, and none was asked for
        NoImages,   ///< a folder of a pack without images, left alone
        Unreadable, ///< the folder could not be listed, or its config.xml read
        Unwritable, ///< the new config.xml could not be written; the old one stands
        Cancelled,  ///< stopped before its new config.xml was put in place
    };
    std::string_view folder;
    std::string_view configPath;
    Outcome outcome = Outcome::Unwritable;
    std::size_t records = 0;
    std::size_t images = 0;         ///< image entries found, or files handed over
    std::optional<StylePair> style; ///< written in, or, kept, its own; none when it has none
    MappingScan existing;           ///< what stood at config.xml before
    std::optional<FileError> error; ///< why it could not be read or written
    /// What the writer wrote, to tell later whether the file is still that.
    std::uint64_t bytes = 0;
    std::uint64_t digest = 0;
    std::size_t recordsLost = 0;  ///< records the replaced config.xml held that the new one lacks
    bool replacedForeign = false; ///< the replaced config.xml held no mapping: another program's
    bool imagesBelow = false;     ///< no images of its own, but folders below it hold some
    bool undoable = false;        ///< what it replaced is kept, so that Undo can put it back
};

/// Something found wrong with an image that still got its record.
struct ProblemAccount {
    enum class Kind : std::uint8_t { Clash, Unloadable };
    Kind kind;
    std::string_view folder;
    std::string_view name;
    std::string_view other; ///< a clash's other image, its whole path
    ImageProblem image;     ///< what an unloadable file holds
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

/// One file or entry that got no record.
struct SkippedFile {
    std::string name;
    SkipReason reason;
};

/// Counts of skipped files by reason, with the first few names: bounded memory however many.
class SkipTally {
public:
    static constexpr std::size_t sampleLimit = 20;

    void add(std::string_view name, SkipReason reason);
    void merge(const SkipTally& other);

    [[nodiscard]] std::size_t count(SkipReason reason) const noexcept
    {
        return m_counts[static_cast<std::size_t>(reason)];
    }
    [[nodiscard]] std::size_t total() const noexcept;
    [[nodiscard]] const std::vector<SkippedFile>& sample() const noexcept { return m_sample; }

private:
    std::array<std::size_t, allSkipReasons.size()> m_counts{};
    std::vector<SkippedFile> m_sample;
};

/// One fact of an account, for a front end to word: what it is and its figures.
struct Fact {
    enum class Kind : std::uint8_t {
        Written,       ///< `count` records in `of` folders; `path`: the one config.xml
        Unchanged,     ///< `count` folders holding `of` records; `path`: the one config.xml
        Kept,          ///< `count` folders kept in their own style
        CutShort,      ///< `count` folders kept because their config.xml was cut short
        NotMapped,     ///< `count` folders
        Unreadable,    ///< `count` folders
        Unwritable,    ///< `count` folders
        WithoutRecord, ///< `count` files, for `reason`
        PassedOver,    ///< `count` entries with an upper-case image extension
        RecordsLost,   ///< `count` records of `of` replaced files
        Clashes,       ///< `count` images
        Unloadable,    ///< `count` images
        Cancelled,     ///< `count` folders written, `of` left as they were (unknown: 0)
        ImagesBelow,   ///< the folder holds no images, folders below it do
        Current,       ///< `count` config.xml files checked, all current
        Outdated,      ///< `count` of `of` config.xml files checked are not current
    };
    Kind kind;
    std::size_t count = 0;
    std::size_t of = 0;
    SkipReason reason = SkipReason::StyleGivesNoRecord;
    std::string_view path = {};

    friend bool operator==(const Fact&, const Fact&) = default;
};

/// A folder of an account that could not be read or written, and why.
struct FolderFailure {
    std::string folder;
    FileError error;
};

/// The figures of a write's account, in memory that does not grow with it: counts, and the
/// first few names. The entries of a folder without a document are not counted.
class WriteTally : public WriteListener {
public:
    void entry(const EntryAccount& entry) override;
    void folder(const FolderAccount& folder) override;
    void problem(const ProblemAccount& problem) override;

    [[nodiscard]] std::size_t folders(FolderAccount::Outcome outcome) const noexcept
    {
        return m_folders[static_cast<std::size_t>(outcome)];
    }
    /// Records in the folders written or found unchanged.
    [[nodiscard]] std::size_t records() const noexcept { return m_records; }
    [[nodiscard]] std::size_t recordsLost() const noexcept { return m_recordsLost; }
    /// Folders whose replaced config.xml held no mapping at all.
    [[nodiscard]] std::size_t foreignReplaced() const noexcept { return m_foreignReplaced; }
    /// Files handed over, or image entries found, in the folders written or unchanged.
    [[nodiscard]] std::size_t images() const noexcept { return m_images; }
    [[nodiscard]] const SkipTally& skipped() const noexcept { return m_skipped; }
    [[nodiscard]] const std::vector<FolderFailure>& failures() const noexcept { return m_failures; }
    /// The config.xml written or found unchanged last; with one folder, the one.
    [[nodiscard]] const std::string& lastConfigPath() const noexcept { return m_lastConfigPath; }
    /// The write was stopped before it reached the folders it did not tell of.
    void markCancelled() noexcept { m_cancelled = true; }
    [[nodiscard]] bool cancelled() const noexcept { return m_cancelled; }

    /// The facts of a write in the order a person reads them: what was written, left alone or
    /// failed, what was left out and why, what the replaced files lost, the images' problems, a
    /// cancel. `planned`: the folders the write was to write, when known.
    [[nodiscard]] std::vector<Fact> facts(std::size_t planned = 0) const;
    /// The facts after the first figures: what was left out, lost, found wrong.
    [[nodiscard]] std::vector<Fact> findings() const;

private:
    std::array<std::size_t, 8> m_folders{};
    std::size_t m_records = 0;
    std::size_t m_recordsUnchanged = 0;
    std::size_t m_recordsLost = 0;
    std::size_t m_foldersLosing = 0;
    std::size_t m_foreignReplaced = 0;
    std::size_t m_clashes = 0;
    std::size_t m_unloadable = 0;
    std::size_t m_images = 0;
    std::size_t m_keptCutShort = 0;
    bool m_cancelled = false;
    bool m_imagesBelow = false;
    SkipTally m_skipped;
    SkipTally m_pending; ///< the folder under way, until its outcome is known
    std::vector<FolderFailure> m_failures;
    std::string m_lastConfigPath;
};

} // namespace crestmap
