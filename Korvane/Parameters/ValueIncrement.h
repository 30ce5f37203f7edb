#pragma once

#include <optional>
#include <variant>

namespace Korvane {

// How a control moves through a parameter's range: logarithmically (optionally with the value that
// sits at the middle of the travel) or linearly. The knob's normalisation gives the meaning.
struct ValueIncrement {
    struct Logarithmic {
        std::optional<float> midpoint;
    };
    struct Linear {};

    std::variant<Logarithmic, Linear> kind{Linear{}};

    static ValueIncrement logarithmic(std::optional<float> midpoint = std::nullopt) {
        return ValueIncrement{Logarithmic{midpoint}};
    }
    static ValueIncrement linear() { return ValueIncrement{Linear{}}; }

    bool isLinear() const { return std::holds_alternative<Linear>(kind); }
    // The midpoint of a logarithmic increment; nothing for a linear one or without a midpoint.
    std::optional<float> midpoint() const {
        const auto* log = std::get_if<Logarithmic>(&kind);
        return log ? log->midpoint : std::nullopt;
    }

    // Equal when both are linear, or both logarithmic with both midpoints absent or both present and
    // equal (as floats compare).
    friend bool operator==(const ValueIncrement& a, const ValueIncrement& b) {
        if (a.isLinear() || b.isLinear())
            return a.isLinear() && b.isLinear();
        return a.midpoint() == b.midpoint();
    }
};

} // namespace Korvane
