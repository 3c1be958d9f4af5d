#include "Clashes.h"

#include "FileNames.h"

#include <algorithm>

namespace crestmap {

void ClashFinder::settleMeanwhile()
{
    if (!m_settling.valid()) {
        m_settling = std::async(std::launch::async, [this] { return settleNow(); });
    }
}

bool ClashFinder::settle()
{
    return m_settling.valid() ? m_settling.get() : settleNow();
}

bool ClashFinder::settleNow()
{
    // Two small bit tables mark the keys whose top bits come twice; only those (a fifth, at a
    // million) are sorted. Most keys are thus found unique at one look each.
    constexpr int bits = 22;
    std::vector<bool> seen(std::size_t{1} << bits);
    std::vector<bool> twice(std::size_t{1} << bits);
    const auto slot = [](std::uint64_t key) {
        return static_cast<std::size_t>(key >> (64 - bits));
    };
    for (const std::uint64_t key : m_keys) {
        if (seen[slot(key)]) {
            twice[slot(key)] = true;
        }
        seen[slot(key)] = true;
    }
    std::erase_if(m_keys, [&](std::uint64_t key) { return !twice[slot(key)]; });
    std::ranges::sort(m_keys);
    // A key equal to the one before it is seen more than once: the first such of each is kept,
    // in place, for the kept ones never outrun the keys still to be read.
    std::size_t kept = 0;
    for (std::size_t i = 1; i < m_keys.size(); ++i) {
        if (m_keys[i] == m_keys[i - 1] && (kept == 0 || m_keys[kept - 1] != m_keys[i])) {
            m_keys[kept++] = m_keys[i];
        }
    }
    m_keys.resize(kept);
    m_keys.shrink_to_fit();
    return kept > 0;
}

bool ClashFinder::nominates(std::string_view recordLine) const
{
    return std::ranges::binary_search(m_keys, m_key(recordLine));
}

void reportClashes(std::vector<ClashingImage> images, WriteListener& listener)
{
    // Equal pictures side by side, each group in the order the images were found.
    std::ranges::stable_sort(images, {}, &ClashingImage::picture);
    for (std::size_t first = 0; first < images.size();) {
        std::size_t end = first + 1;
        while (end < images.size() && images[end].picture == images[first].picture) {
            ++end;
        }
        // A clash among images only compared with is none of this listener's.
        const bool told = std::ranges::any_of(std::span(images).subspan(first, end - first),
                                              &ClashingImage::told);
        for (std::size_t i = first; told && end - first > 1 && i < end; ++i) {
            const ClashingImage& other = images[i == first ? first + 1 : first];
            const std::string otherPath = joinPath(other.folder, other.name);
            listener.problem(
                {ProblemAccount::Kind::Clash, images[i].folder, images[i].name, otherPath, {}});
        }
        first = end;
    }
}

} // namespace crestmap
