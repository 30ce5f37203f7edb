#include "Tessaly/Styles/StyledControlState.h"

#include <array>
#include <string_view>

namespace Tessaly {

namespace {

struct NamedFlag {
    StyledControlState state;
    std::string_view name;
};

constexpr std::array<NamedFlag, 8> kNamedFlags{{
    {StyledControlState::defaultState, "default"},
    {StyledControlState::disabled, "disabled"},
    {StyledControlState::selected, "selected"},
    {StyledControlState::highlighted, "highlighted"},
    {StyledControlState::focused, "focused"},
    {StyledControlState::on, "on"},
    {StyledControlState::mixed, "mixed"},
    {StyledControlState::invalid, "invalid"},
}};

} // namespace

std::string StyledControlState::description() const {
    std::string text;
    for (const NamedFlag& flag : kNamedFlags) {
        if (!contains(flag.state))
            continue;
        if (!text.empty())
            text += ", ";
        text += flag.name;
    }
    return text;
}

const std::vector<StyledControlState>& StyledControlState::nonDefaultStates() {
    static const std::vector<StyledControlState> states{disabled, selected, highlighted, focused,
                                                        on,       mixed,    invalid};
    return states;
}

int StyledControlState::specificity() const {
    int count = 0;
    for (StyledControlState flag : nonDefaultStates())
        count += contains(flag) ? 1 : 0;
    return count;
}

std::vector<StyledControlState> StyledControlState::components() const {
    std::vector<StyledControlState> parts{defaultState};
    for (StyledControlState flag : nonDefaultStates())
        if (contains(flag))
            parts.push_back(flag);
    return parts;
}

void StyledControlState::hash(tk::Hasher& hasher) const {
    hasher.combine(std::string_view(description()));
}

std::int64_t StyledControlState::hashValue() const {
    tk::Hasher hasher;
    hash(hasher);
    return hasher.finalize();
}

std::int64_t StyledControlState::rawHashValue(std::uint64_t seed0, std::uint64_t seed1) const {
    tk::Hasher hasher(seed0, seed1);
    hash(hasher);
    return hasher.finalize();
}

} // namespace Tessaly
