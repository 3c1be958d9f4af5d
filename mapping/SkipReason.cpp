#include "SkipReason.h"

namespace crestmap {

namespace {

struct ReasonWords {
    std::string_view description;
    std::string_view label;
};

// In the order of SkipReason.
constexpr std::array<ReasonWords, allSkipReasons.size()> reasonWords{{
    {"these style choices give no record", "style"},
    {"a kit image needs a name like TEAM_KIT, with exactly one underscore", "kit name"},
    {"a kit image needs a team before the underscore, like TEAM_KIT", "no team"},
    {"the name is not valid UTF-8 or holds a control character", "unusable name"},
    {"not a .png, .jpg or .jpeg file", "not an image"},
    {"the extension is not in lower case (.png, .jpg, .jpeg)", ".PNG"},
}};

} // namespace

std::string_view describeSkipReason(SkipReason reason) noexcept
{
    return reasonWords[static_cast<std::size_t>(reason)].description;
}

std::string_view skipReasonLabel(SkipReason reason) noexcept
{
    return reasonWords[static_cast<std::size_t>(reason)].label;
}

void SkipTally::add(std::string_view name, SkipReason reason)
{
    ++m_counts[static_cast<std::size_t>(reason)];
    if (m_sample.size() < sampleLimit) {
        m_sample.push_back({std::string(name), reason});
    }
}

void SkipTally::merge(const SkipTally& other)
{
    for (std::size_t i = 0; i < m_counts.size(); ++i) {
        m_counts[i] += other.m_counts[i];
    }
    for (const SkippedFile& file : other.m_sample) {
        if (m_sample.size() >= sampleLimit) {
            break;
        }
        m_sample.push_back(file);
    }
}

std::size_t SkipTally::withoutRecord() const noexcept
{
    std::size_t total = 0;
    for (const SkipReason reason : allSkipReasons) {
        if (reason != SkipReason::ExtensionCase) {
            total += count(reason);
        }
    }
    return total;
}

std::string countOf(std::size_t count, std::string_view word)
{
    std::string text = std::to_string(count) + ' ';
    text += word;
    if (count != 1 && text.back() == 'y') {
        text.back() = 'i';
        text += "es";
    } else if (count != 1) {
        text += 's';
    }
    return text;
}

std::string describeTally(const SkipTally& tally)
{
    std::string text;
    for (const SkipReason reason : allSkipReasons) {
        const std::size_t count = tally.count(reason);
        if (count == 0) {
            continue;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += reason == SkipReason::ExtensionCase ? countOf(count, "entry") + " passed over"
                                                    : countOf(count, "file") + " without a record";
        text += " (";
        text += skipReasonLabel(reason);
        text += ')';
    }
    return text;
}

} // namespace crestmap
