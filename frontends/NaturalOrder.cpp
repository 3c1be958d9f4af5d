#include "NaturalOrder.h"

#include "Text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <numeric>

using crestmap::foldCase;

namespace {

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

// Where the run of `chars` that `text` holds from `from` ends.
std::size_t endOfRun(std::string_view text, std::size_t from, std::string_view chars)
{
    return std::min(text.find_first_not_of(chars, from), text.size());
}

constexpr std::string_view digits = "0123456789";

// Where `a` and `b` first differ, or the number they differ in starts: the bytes before it
// decide nothing about their order.
std::size_t backToNumber(std::string_view a, std::size_t start) noexcept
{
    while (start > 0 && digit(a[start - 1])) {
        --start;
    }
    return start;
}

std::size_t mismatch(std::string_view a, std::string_view b) noexcept
{
    return static_cast<std::size_t>(std::ranges::mismatch(a, b).in1 - a.begin());
}

// Sorts by keys of eight bytes, taken again past what each run of equal keys shares, so that
// texts alike in a long start (a picture's path, a folder's many rows) are not compared whole
// at every step.
struct NaturalSort {
    void sort(std::span<std::uint32_t> run, std::size_t from, int depth)
    {
        if (run.size() < 2) {
            return;
        }
        const std::string_view first = m_texts[run.front()];
        std::size_t shared = first.size();
        bool same = true;
        for (const std::uint32_t r : run.subspan(1)) {
            // Every text of the run holds the first's bytes up to `from`.
            const std::size_t at = from + mismatch(first.substr(from), m_texts[r].substr(from));
            shared = std::min(shared, at);
            same = same && at == first.size() && m_texts[r].size() == first.size();
        }
        const bool ranked = depth == 0 && !m_ranks.empty();
        if (same && !ranked) {
            std::ranges::sort(run, [this](auto a, auto b) { return byTie(a, b); });
            return;
        }
        shared = backToNumber(first, shared);
        constexpr int deepest = 64;
        if (depth > deepest || (depth > 0 && shared <= from)) {
            // The keys tell these apart no further: case or leading zeros, past their eighth byte.
            std::ranges::sort(run, [this](std::uint32_t a, std::uint32_t b) {
                const int natural = naturalCompare(m_texts[a], m_texts[b]);
                return natural != 0 ? natural < 0 : byTie(a, b);
            });
            return;
        }
        for (const std::uint32_t r : run) {
            m_keys[r] = naturalKey(ranked ? m_ranks[r] : 0, m_texts[r].substr(shared));
        }
        std::ranges::sort(run, [this](auto a, auto b) { return m_keys[a] < m_keys[b]; });
        for (auto start = run.begin(); start != run.end();) {
            const std::uint64_t key = m_keys[*start];
            const auto end =
                std::find_if(start, run.end(), [&](std::uint32_t r) { return m_keys[r] != key; });
            sort({start, end}, shared, depth + 1);
            start = end;
        }
    }

    [[nodiscard]] bool byTie(std::uint32_t a, std::uint32_t b) const
    {
        return m_tie.empty() ? a < b : m_tie[a] < m_tie[b];
    }

    std::span<const std::string_view> m_texts;
    std::span<const unsigned char> m_ranks;
    std::span<const std::uint32_t> m_tie;
    std::vector<std::uint64_t> m_keys;
};

} // namespace

int naturalCompare(std::string_view a, std::string_view b) noexcept
{
    // Equal bytes decide nothing: start where they differ, or at the number they differ in.
    const std::size_t start = backToNumber(a, mismatch(a, b));
    std::size_t i = start;
    std::size_t j = start;
    int tie = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            const std::size_t startA = endOfRun(a, i, "0");
            const std::size_t startB = endOfRun(b, j, "0");
            const std::size_t endA = endOfRun(a, startA, digits);
            const std::size_t endB = endOfRun(b, startB, digits);
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
    return i < a.size() ? 1 : j < b.size() ? -1 : tie;
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
        i = endOfRun(text, i, "0");
        const std::size_t end = endOfRun(text, i, digits);
        put('0');
        if (end - i <= digitsInAWord) {
            // A number of zeros alone has no digits left to read, and stays 0.
            std::uint64_t value = 0;
            (void)std::from_chars(text.data() + i, text.data() + end, value);
            const int length = (std::bit_width(value) + 7) / 8;
            put(length);
            for (int shift = 8 * (length - 1); shift >= 0; shift -= 8) {
                put(value >> shift);
            }
        } else {
            // Longer than any number a word holds, and ordered by its count of digits.
            put(std::min<std::size_t>(end - i - digitsInAWord + 8, 255));
            std::ranges::for_each(text.substr(i, end - i), put);
        }
        i = end;
    }
    return std::accumulate(bytes.begin(), bytes.end(), std::uint64_t{0},
                           [](std::uint64_t key, unsigned char byte) { return key << 8 | byte; });
}

std::vector<std::uint32_t> naturalOrder(std::span<const std::string_view> texts,
                                        std::span<const unsigned char> ranks,
                                        std::span<const std::uint32_t> tie)
{
    std::vector<std::uint32_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0U);
    NaturalSort{texts, ranks, tie, std::vector<std::uint64_t>(texts.size())}.sort(order, 0, 0);
    return order;
}
