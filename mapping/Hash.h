#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace crestmap {

/// XXH3 of `bytes`: the one hash of the core, for record keys, clash keys and digests.
[[nodiscard]] std::uint64_t hash64(std::string_view bytes) noexcept;

/// XXH3 of bytes that come in pieces, to tell later whether a file still holds what was written.
class Digest {
public:
    Digest();
    ~Digest();
    Digest(const Digest&) = delete;
    Digest& operator=(const Digest&) = delete;

    void add(std::string_view bytes) noexcept;
    [[nodiscard]] std::uint64_t value() const noexcept;
    [[nodiscard]] std::uint64_t size() const noexcept { return m_size; }

private:
    struct State;
    std::unique_ptr<State> m_state;
    std::uint64_t m_size = 0;
};

} // namespace crestmap
