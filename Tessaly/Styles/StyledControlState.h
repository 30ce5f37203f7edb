#pragma once

// The state a styled control is drawn in: a set of flags over a 64-bit raw value. Every colour
// lookup and every image table of the styles is keyed by it.
//
//     bit    1       2        4         8           16       32  64     128
//     flag   default disabled selected  highlighted focused  on  mixed  invalid
//
// Any raw value is accepted; bits above 128 carry no name (they are kept, compared and combined
// like the others but do not show in the description, the specificity or the components).

#include "platform/tk/base/Hasher.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace Tessaly {

class StyledControlState {
public:
    using RawValue = std::uint64_t;

    static const StyledControlState defaultState; // "default" is a C++ keyword
    static const StyledControlState disabled;
    static const StyledControlState selected;
    static const StyledControlState highlighted;
    static const StyledControlState focused;
    static const StyledControlState on;
    static const StyledControlState mixed;
    static const StyledControlState invalid;

    constexpr StyledControlState() = default;
    constexpr explicit StyledControlState(RawValue raw) : raw_(raw) {}
    // The union of the listed states; {} is the empty set.
    constexpr StyledControlState(std::initializer_list<StyledControlState> states) {
        for (StyledControlState s : states)
            raw_ |= s.raw_;
    }

    constexpr RawValue rawValue() const { return raw_; }
    constexpr bool isEmpty() const { return raw_ == 0; }

    // Set algebra on the raw values.
    constexpr StyledControlState unioned(StyledControlState other) const {
        return StyledControlState(raw_ | other.raw_);
    }
    constexpr StyledControlState intersection(StyledControlState other) const {
        return StyledControlState(raw_ & other.raw_);
    }
    constexpr StyledControlState symmetricDifference(StyledControlState other) const {
        return StyledControlState(raw_ ^ other.raw_);
    }
    constexpr StyledControlState subtracting(StyledControlState other) const {
        return StyledControlState(raw_ & ~other.raw_);
    }
    // True when every flag of `other` is in this set.
    constexpr bool contains(StyledControlState other) const { return (raw_ & other.raw_) == other.raw_; }
    constexpr bool isSubset(StyledControlState of) const { return (raw_ & ~of.raw_) == 0; }
    constexpr bool isSuperset(StyledControlState of) const { return of.isSubset(*this); }
    constexpr bool isStrictSubset(StyledControlState of) const { return isSubset(of) && raw_ != of.raw_; }
    constexpr bool isStrictSuperset(StyledControlState of) const { return of.isStrictSubset(*this); }
    constexpr bool isDisjoint(StyledControlState with) const { return (raw_ & with.raw_) == 0; }

    constexpr void insert(StyledControlState other) { raw_ |= other.raw_; }
    constexpr void remove(StyledControlState other) { raw_ &= ~other.raw_; }
    constexpr void formUnion(StyledControlState other) { raw_ |= other.raw_; }
    constexpr void formIntersection(StyledControlState other) { raw_ &= other.raw_; }
    constexpr void formSymmetricDifference(StyledControlState other) { raw_ ^= other.raw_; }
    constexpr void subtract(StyledControlState other) { raw_ &= ~other.raw_; }

    friend constexpr StyledControlState operator|(StyledControlState a, StyledControlState b) {
        return a.unioned(b);
    }
    friend constexpr StyledControlState operator&(StyledControlState a, StyledControlState b) {
        return a.intersection(b);
    }
    friend constexpr StyledControlState operator^(StyledControlState a, StyledControlState b) {
        return a.symmetricDifference(b);
    }
    friend constexpr StyledControlState operator-(StyledControlState a, StyledControlState b) {
        return a.subtracting(b);
    }
    friend constexpr bool operator==(StyledControlState, StyledControlState) = default;

    // The names of the set flags in bit order joined by ", " ("default, on" for 33); "" when none.
    std::string description() const;

    // The seven flags other than default, in ascending order; made once.
    static const std::vector<StyledControlState>& nonDefaultStates();
    // How many of nonDefaultStates() this set holds (0 to 7).
    int specificity() const;
    // default first (whether or not its bit is set), then each non-default flag the set holds.
    std::vector<StyledControlState> components() const;

    // Hashing feeds the description, so sets that differ only in unnamed bits hash alike (and
    // still compare unequal).
    void hash(tk::Hasher& hasher) const;
    std::int64_t hashValue() const;
    std::int64_t rawHashValue(std::uint64_t seed0, std::uint64_t seed1) const;

private:
    RawValue raw_ = 0;
};

inline constexpr StyledControlState StyledControlState::defaultState{1};
inline constexpr StyledControlState StyledControlState::disabled{2};
inline constexpr StyledControlState StyledControlState::selected{4};
inline constexpr StyledControlState StyledControlState::highlighted{8};
inline constexpr StyledControlState StyledControlState::focused{16};
inline constexpr StyledControlState StyledControlState::on{32};
inline constexpr StyledControlState StyledControlState::mixed{64};
inline constexpr StyledControlState StyledControlState::invalid{128};

} // namespace Tessaly

template <> struct std::hash<Tessaly::StyledControlState> {
    std::size_t operator()(Tessaly::StyledControlState state) const noexcept {
        return static_cast<std::size_t>(state.hashValue());
    }
};
