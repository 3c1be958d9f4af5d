#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// Why a file got no record, or why a folder entry was passed over.
enum class SkipReason : std::uint8_t {
    StyleGivesNoRecord, ///< graphic style outside 1–7, or kit type outside 1–2
    KitNameShape,       ///< a kit name without exactly one underscore
    KitTeamMissing,     ///< a kit name with nothing before its one underscore
    UnwritableName,     ///< not valid UTF-8, a control character, or U+FFFE/U+FFFF
    NotAnImage,         ///< a file handed over whose name is not that of an image
    ExtensionCase,      ///< a folder entry whose image extension is not in lower case
};

inline constexpr std::array<SkipReason, 6> allSkipReasons{
    SkipReason::StyleGivesNoRecord, SkipReason::KitNameShape, SkipReason::KitTeamMissing,
    SkipReason::UnwritableName,     SkipReason::NotAnImage,   SkipReason::ExtensionCase};

/// The reason in words, for a person reading a list of files.
[[nodiscard]] std::string_view describeSkipReason(SkipReason reason) noexcept;

/// A few words that count files for this reason: "3 files without a record (kit name)".
[[nodiscard]] std::string_view skipReasonLabel(SkipReason reason) noexcept;

/// One file or entry that got no record.
struct SkippedFile {
    std::string name;
    SkipReason reason;

    friend bool operator==(const SkippedFile&, const SkippedFile&) = default;
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
    /// Files without a record, entries passed over for their extension's case not counted.
    [[nodiscard]] std::size_t withoutRecord() const noexcept;
    [[nodiscard]] std::size_t passedOver() const noexcept
    {
        return count(SkipReason::ExtensionCase);
    }
    [[nodiscard]] const std::vector<SkippedFile>& sample() const noexcept { return m_sample; }

private:
    std::array<std::size_t, allSkipReasons.size()> m_counts{};
    std::vector<SkippedFile> m_sample;
};

/// "2 files without a record (kit name), 1 entry passed over (.PNG)": empty when nothing was
/// skipped.
[[nodiscard]] std::string describeTally(const SkipTally& tally);

/// "1 record" or "2 records".
[[nodiscard]] std::string countOf(std::size_t count, std::string_view word);

} // namespace crestmap
