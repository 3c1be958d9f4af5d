#include "StyleRule.h"

namespace crestmap {

using Action = Decision::Action;

Decision decide(const MappingScan& existing, StyleRule rule,
                std::optional<StylePair> asked) noexcept
{
    using State = MappingScan::State;
    const StylePair chosen = asked.value_or(defaultStyle);
    const bool ownFile = existing.state == State::Mapping || existing.state == State::CutShort;
    if (existing.state == State::Unreadable) {
        return {Action::Unreadable, std::nullopt};
    }
    if (rule == StyleRule::AsAsked) {
        return {Action::Write, chosen};
    }
    if (ownFile && existing.style) {
        const StylePair own = *existing.style;
        return rule == StyleRule::Update || own == chosen ? Decision{Action::Write, own}
                                                          : Decision{Action::Keep, own};
    }
    // A file cut short before its first record may be of any style: nothing guesses it.
    if (existing.state == State::CutShort) {
        return {Action::Keep, std::nullopt};
    }
    if (rule == StyleRule::Update && !asked) {
        return {Action::NotMapped, std::nullopt};
    }
    return {Action::Write, chosen};
}

} // namespace crestmap
