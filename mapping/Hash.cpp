#include "Hash.h"

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace crestmap {

struct Digest::State {
    XXH3_state_t xxh;
};

std::uint64_t hash64(std::string_view bytes) noexcept
{
    return XXH3_64bits(bytes.data(), bytes.size());
}

Digest::Digest() : m_state(std::make_unique<State>())
{
    XXH3_64bits_reset(&m_state->xxh);
}

Digest::~Digest() = default;

void Digest::add(std::string_view bytes) noexcept
{
    m_size += bytes.size();
    XXH3_64bits_update(&m_state->xxh, bytes.data(), bytes.size());
}

std::uint64_t Digest::value() const noexcept
{
    return XXH3_64bits_digest(&m_state->xxh);
}

} // namespace crestmap
