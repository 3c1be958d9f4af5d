#pragma once

#include "WriteAccount.h"

#include <cstdint>
#include <future>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// Finds pictures that more than one record maps to, in one 64-bit key per record: a million
/// records cost 8 MB, whatever their names. A shared key only nominates; reportClashes compares
/// the pictures themselves.
class ClashFinder {
public:
    /// Notes one record's picture, its `to` value as written.
    void add(std::string_view picture) { m_keys.push_back(key(picture)); }

    /// Keeps only the keys seen more than once; true when there are any. Call once, at the end.
    bool settle();

    /// Starts settling on another thread, once no more keys will come, so that the work is done
    /// while the disk is busy with the last file; settle() then waits for it.
    void settleMeanwhile();

    /// Whether another record may map to this picture; after settle().
    [[nodiscard]] bool nominates(std::string_view picture) const;

    [[nodiscard]] static std::uint64_t key(std::string_view picture) noexcept;

private:
    bool settleNow();

    std::vector<std::uint64_t> m_keys;
    std::future<bool> m_settling;
};

/// An image whose picture was nominated, found again after the write.
struct ClashingImage {
    std::string picture; ///< its `to` value as written
    std::string folder;
    std::string name;
};

/// Tells `listener` of each image whose picture another image's equals, naming that one.
void reportClashes(std::vector<ClashingImage> images, WriteListener& listener);

} // namespace crestmap
