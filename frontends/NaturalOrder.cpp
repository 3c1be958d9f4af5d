#include "NaturalOrder.h"

#include "Text.h"

#include <algorithm>
#include <array>
#include <bit>

using crestmap::foldCase;

namespace {

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t firstDifference(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    return static_cast<std::size_t>(
        std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(common), b.begin()).first -
        a.begin());
}

} // namespace

std::size_t sharedStart(std::string_view a, std::string_view b) noexcept
{
    std::size_t start = firstDifference(a, b);
    while (start > 0 && digit(a[start - 1])) {
        --start;
    }
    return start;
}

int naturalCompare(std::string_view a, std::string_view b) noexcept
{
    // Equal bytes decide nothing: start where they differ, or at the number they differ in.
    const std::size_t start = sharedStart(a, b);
    std::size_t i = start;
    std::size_t j = start;
    int tie = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            std::size_t startA = i;
            std::size_t startB = j;
            while (startA < a.size() && a[startA] == '0') {
                ++startA;
            }
            while (startB < b.size() && b[startB] == '0') {
                ++startB;
            }
            std::size_t endA = startA;
            std::size_t endB = startB;
            while (endA < a.size() && digit(a[endA])) {
                ++endA;
            }
            while (endB < b.size() && digit(b[endB])) {
                ++endB;
            }
            if (endA - startA != endB - startB) {
                return endA - startA < endB - startB ? -1 : 1;
            }
            if (const int c =
                    a.substr(startA, endA - startA).compare(b.substr(startB, endB - startB));
                c != 0) {
                return c;
            }
            if (tie == 0 && startA - i != startB - j) {
                tie = startA - i < startB - j ? -1 : 1;
            }
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j]) {
            const auto la = static_cast<unsigned char>(foldCase(a[i]));
            const auto lb = static_cast<unsigned char>(foldCase(b[j]));
            if (la != lb) {
                return la < lb ? -1 : 1;
            }
            if (tie == 0) {
                tie = static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
            }
        }
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) {
        return i < a.size() ? 1 : -1;
    }
    return tie;
}

std::uint64_t naturalKey(unsigned char rank, std::string_view text) noexcept
{
    // Letters in lower case, and each number as a mark among the digits, the length of its
    // value in bytes and the value.
    std::array<unsigned char, sizeof(std::uint64_t)> bytes{rank};
    std::size_t used = 1;
    const auto put = [&](auto byte) {
        if (used < bytes.size()) {
            bytes[used++] = static_cast<unsigned char>(byte);
        }
    };
    constexpr std::size_t digitsInAWord = 19;
    for (std::size_t i = 0; i < text.size() && used < bytes.size();) {
        if (!digit(text[i])) {
            put(foldCase(text[i++]));
            continue;
        }
        while (i < text.size() && text[i] == '0') {
            ++i;
        }
        std::size_t end = i;
        while (end < text.size() && digit(text[end])) {
            ++end;
        }
        put('0');
        if (end - i <= digitsInAWord) {
            std::uint64_t value = 0;
            for (std::size_t k = i; k < end; ++k) {
                value = value * 10 + static_cast<std::uint64_t>(text[k] - '0');
            }
            const int length = (std::bit_width(value) + 7) / 8;
            put(length);
            for (int shift = 8 * (length - 1); shift >= 0; shift -= 8) {
                put(value >> shift);
            }
        } else {
            // Longer than any number a word holds, and ordered by its count of digits.
            put(std::min<std::size_t>(end - i - digitsInAWord + 8, 255));
            for (std::size_t k = i; k < end; ++k) {
                put(text[k]);
            }
        }
        i = end;
    }
    std::uint64_t key = 0;
    for (const unsigned char byte : bytes) {
        key = key << 8 | byte;
    }
    return key;
}
