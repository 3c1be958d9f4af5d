#pragma once

#include "WriteAccount.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace crestmap {

/// Finds pictures that more than one image maps to, in one 64-bit key per record: a million
/// records cost 8 MB, whatever their names.
class ClashFinder {
public:
    void add(std::string_view picture) { m_keys.push_back(key(picture)); }

    /// Keeps only the keys seen more than once; true when there are any. Call once, at the end.
    bool settle();

    /// Whether this picture (as written) is one that several images map to; after settle().
    [[nodiscard]] bool clashes(std::string_view picture) const;

    [[nodiscard]] static std::uint64_t key(std::string_view picture) noexcept;

private:
    std::vector<std::uint64_t> m_keys;
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
