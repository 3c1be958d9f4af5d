#include "Clashes.h"

#include "FileNames.h"

#include <algorithm>

namespace crestmap {

std::uint64_t ClashFinder::key(std::string_view picture) noexcept
{
    std::uint64_t h = 14695981039346656037ull; // FNV-1a, then a final mix
    for (const char c : picture) {
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    h ^= h >> 31;
    h *= 0x9e3779b97f4a7c15ull;
    return h ^ (h >> 29);
}

bool ClashFinder::settle()
{
    std::sort(m_keys.begin(), m_keys.end());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_keys.size();) {
        std::size_t j = i + 1;
        while (j < m_keys.size() && m_keys[j] == m_keys[i]) {
            ++j;
        }
        if (j - i > 1) {
            m_keys[kept++] = m_keys[i];
        }
        i = j;
    }
    m_keys.resize(kept);
    m_keys.shrink_to_fit();
    return kept > 0;
}

bool ClashFinder::clashes(std::string_view picture) const
{
    return std::binary_search(m_keys.begin(), m_keys.end(), key(picture));
}

void reportClashes(std::vector<ClashingImage> images, WriteListener& listener)
{
    std::stable_sort(images.begin(), images.end(),
                     [](const ClashingImage& a, const ClashingImage& b) { return a.key < b.key; });
    const auto pathOf = [](const ClashingImage& image) {
        return image.folder.empty() ? image.name : joinPath(image.folder, image.name);
    };
    for (std::size_t first = 0; first < images.size();) {
        std::size_t end = first + 1;
        while (end < images.size() && images[end].key == images[first].key) {
            ++end;
        }
        for (std::size_t i = first; end - first > 1 && i < end; ++i) {
            const std::string other = pathOf(images[i == first ? first + 1 : first]);
            listener.problem({ProblemAccount::Kind::Clash, images[i].folder, images[i].name,
                              "maps to the same picture as " + other});
        }
        first = end;
    }
}

} // namespace crestmap
