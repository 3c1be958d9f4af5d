#pragma once

#include "Hash.h"
#include "WriteAccount.h"

#include <cstdint>
#include <future>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// Finds record lines that more than one image has, in one 64-bit key per record: a million
/// records cost 8 MB, whatever their names. For records the writer makes, the same line is the
/// same picture. A shared key only nominates: reportClashes compares the pictures themselves.
class ClashFinder {
public:
    using KeyFunction = std::uint64_t (*)(std::string_view) noexcept;
    explicit ClashFinder(KeyFunction keyOf = &hash64) : m_key(keyOf) {}

    /// Notes one record line.
    void add(std::string_view recordLine) { m_keys.push_back(m_key(recordLine)); }
    [[nodiscard]] std::uint64_t key(std::string_view recordLine) const noexcept
    {
        return m_key(recordLine);
    }

    /// The keys added since the count was `mark`, to look lines up in before settle().
    [[nodiscard]] std::size_t mark() const noexcept { return m_keys.size(); }
    [[nodiscard]] std::span<std::uint64_t> keysSince(std::size_t mark) noexcept
    {
        return std::span(m_keys).subspan(mark);
    }

    /// Keeps only the keys seen more than once; true when there are any. Call once, at the end.
    bool settle();

    /// Starts settling on another thread, once no more keys will come, so that the work is done
    /// while the disk is busy with the last file; settle() then waits for it.
    void settleMeanwhile();

    /// Whether another record may have this line; after settle().
    [[nodiscard]] bool nominates(std::string_view recordLine) const;

private:
    bool settleNow();

    KeyFunction m_key;
    std::vector<std::uint64_t> m_keys;
    std::future<bool> m_settling;
};

/// An image whose line was nominated, found again after the write.
struct ClashingImage {
    std::string picture; ///< its `to` value as written
    std::string folder;
    std::string name;
    bool told = true; ///< of a folder the listener hears of, not one only compared with
};

/// Tells `listener` of each image whose picture another image's equals, naming that one, where
/// one of them is `told`.
void reportClashes(std::vector<ClashingImage> images, WriteListener& listener);

} // namespace crestmap
