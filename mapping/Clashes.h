#pragma once

#include "StyleSelectors.h"
#include "WriteAccount.h"

#include <cstdint>
#include <future>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// Finds pictures that more than one image maps to, in one 64-bit key per record: a million
/// records cost 8 MB, whatever their names. A picture is decided by the style and the image's
/// name alone (and decides them), so the key is made from those.
class ClashFinder {
public:
    void add(std::string_view name, StylePair style) { m_keys.push_back(key(name, style)); }

    /// Keeps only the keys seen more than once; true when there are any. Call once, at the end.
    bool settle();

    /// Starts settling on another thread, once no more keys will come, so that the work is done
    /// while the disk is busy with the last file; settle() then waits for it.
    void settleMeanwhile();

    /// Whether several images have this name's picture; after settle().
    [[nodiscard]] bool clashes(std::string_view name, StylePair style) const;

    /// A 64-bit hash of a name under a style.
    [[nodiscard]] static std::uint64_t key(std::string_view name, StylePair style) noexcept;
    /// A 64-bit hash of any text.
    [[nodiscard]] static std::uint64_t hash(std::string_view text, std::uint64_t seed = 0) noexcept;

private:
    bool settleNow();

    std::vector<std::uint64_t> m_keys;
    std::future<bool> m_settling;
};

/// An image whose picture clashes, found again after the write.
struct ClashingImage {
    std::uint64_t key;
    std::string folder;
    std::string name;
};

/// Tells `listener` of each clashing image, naming another image with the same picture.
void reportClashes(std::vector<ClashingImage> images, WriteListener& listener);

} // namespace crestmap
