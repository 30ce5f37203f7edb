#pragma once

// The layout vocabulary of the declarative layer and the algorithms of its containers.
//
// Layout runs in two steps, as in the usual declarative toolkits: a parent proposes a size to a
// child (each side either a number or "unspecified", meaning "your ideal size"), the child answers
// the size it wants, and the parent then places the child at a rect of its choosing. Proposals may
// be infinite ("as much as you like"). The functions here work on the abstract `Layoutable`, so
// they can be tested and reused without any view.

#include "platform/tk/base/Geometry.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace tk::ui {

inline constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Spacing between stack children when the caller gives none.
inline constexpr double kDefaultSpacing = 8;
// Minimum length of a spacer when the caller gives none.
inline constexpr double kDefaultSpacerMinLength = 8;

struct ProposedSize {
    std::optional<double> width;
    std::optional<double> height;

    constexpr ProposedSize() = default;
    constexpr ProposedSize(std::optional<double> w, std::optional<double> h) : width(w), height(h) {}
    constexpr ProposedSize(Size s) : width(s.width), height(s.height) {}

    static constexpr ProposedSize unspecified() { return {}; }
    static constexpr ProposedSize zero() { return {0.0, 0.0}; }
    static constexpr ProposedSize infinity() { return {kInfinity, kInfinity}; }

    // The proposal with unspecified sides replaced by `fallback`'s.
    Size replacingUnspecified(Size fallback) const {
        return {width.value_or(fallback.width), height.value_or(fallback.height)};
    }

    friend constexpr bool operator==(const ProposedSize&, const ProposedSize&) = default;
};

enum class Axis { horizontal, vertical };

enum class HorizontalAlignment { leading, center, trailing };
enum class VerticalAlignment { top, center, bottom };

struct Alignment {
    HorizontalAlignment horizontal = HorizontalAlignment::center;
    VerticalAlignment vertical = VerticalAlignment::center;

    static constexpr Alignment center() { return {}; }
    static constexpr Alignment topLeading() { return {HorizontalAlignment::leading, VerticalAlignment::top}; }
    static constexpr Alignment top() { return {HorizontalAlignment::center, VerticalAlignment::top}; }
    static constexpr Alignment topTrailing() {
        return {HorizontalAlignment::trailing, VerticalAlignment::top};
    }
    static constexpr Alignment leading() { return {HorizontalAlignment::leading, VerticalAlignment::center}; }
    static constexpr Alignment trailing() {
        return {HorizontalAlignment::trailing, VerticalAlignment::center};
    }
    static constexpr Alignment bottomLeading() {
        return {HorizontalAlignment::leading, VerticalAlignment::bottom};
    }
    static constexpr Alignment bottom() { return {HorizontalAlignment::center, VerticalAlignment::bottom}; }
    static constexpr Alignment bottomTrailing() {
        return {HorizontalAlignment::trailing, VerticalAlignment::bottom};
    }

    friend constexpr bool operator==(const Alignment&, const Alignment&) = default;
};

// A set of edges, for padding and for what ignores a safe area.
struct Edges {
    enum Bits : std::uint8_t { kTop = 1, kLeading = 2, kBottom = 4, kTrailing = 8 };
    std::uint8_t bits = kTop | kLeading | kBottom | kTrailing;

    static constexpr Edges all() { return {}; }
    static constexpr Edges none() { return Edges{0}; }
    static constexpr Edges top() { return Edges{kTop}; }
    static constexpr Edges leading() { return Edges{kLeading}; }
    static constexpr Edges bottom() { return Edges{kBottom}; }
    static constexpr Edges trailing() { return Edges{kTrailing}; }
    static constexpr Edges horizontal() { return Edges{kLeading | kTrailing}; }
    static constexpr Edges vertical() { return Edges{kTop | kBottom}; }

    constexpr bool contains(Bits b) const { return (bits & b) != 0; }
    friend constexpr Edges operator|(Edges a, Edges b) { return Edges{std::uint8_t(a.bits | b.bits)}; }
    friend constexpr bool operator==(Edges, Edges) = default;

    // `amount` on each edge of the set, 0 on the others.
    constexpr EdgeInsets insets(double amount) const {
        return {contains(kTop) ? amount : 0, contains(kLeading) ? amount : 0, contains(kBottom) ? amount : 0,
                contains(kTrailing) ? amount : 0};
    }
};

// What a container lays out: something that answers a proposal with a size and can be placed.
class Layoutable {
public:
    virtual ~Layoutable() = default;
    // The size wanted for `proposal`; may be called several times with different proposals
    // before `place`, and must not change anything visible.
    virtual Size sizeThatFits(ProposedSize proposal) = 0;
    // Gives the final rect, in the container's coordinates.
    virtual void place(const Rect& frame) = 0;
    // Spacers take what is left along a stack's axis, after the other children.
    virtual bool isSpacer() const { return false; }
    // Children that are absent from a stack (an empty node) take no space and no spacing.
    virtual bool isEmpty() const { return false; }
};

// Offset of a child of `child` size inside a container of `container` size.
Point alignedOrigin(Size child, Size container, Alignment alignment);

// Stacks: children in a row (horizontal) or column (vertical), `spacing` apart (negative spacing
// overlaps them). Space along the axis is shared out from the least flexible child to the most, each
// taking at most an equal part of what is left; spacers share what remains after all other children.
struct StackLayout {
    Axis axis = Axis::vertical;
    double spacing = kDefaultSpacing;
    // The cross-axis alignment; only the side across the axis is used.
    Alignment alignment;

    Size sizeThatFits(ProposedSize proposal, std::span<Layoutable* const> children) const;
    void place(const Rect& bounds, std::span<Layoutable* const> children) const;

private:
    // Sizes of the children for `proposal`, in the children's order, into `sizes` (one per child,
    // zero on entry).
    void childSizes(ProposedSize proposal, std::span<Layoutable* const> children,
                    std::span<Size> sizes) const;
};

// Overlay stack: every child gets the same proposal and is aligned in the union of their sizes.
struct OverlayLayout {
    Alignment alignment;

    Size sizeThatFits(ProposedSize proposal, std::span<Layoutable* const> children) const;
    void place(const Rect& bounds, std::span<Layoutable* const> children) const;
};

// A frame of fixed width and/or height; the unset sides follow the child.
struct FixedFrameLayout {
    std::optional<double> width;
    std::optional<double> height;
    Alignment alignment;

    Size sizeThatFits(ProposedSize proposal, Layoutable& child) const;
    void place(const Rect& bounds, Layoutable& child) const;

private:
    ProposedSize childProposal(ProposedSize proposal) const;
};

// A frame with minimum and maximum sides: the proposal is clamped into the limits before the child
// sees it, and the frame's own size is the child's pushed into the limits and towards the proposal
// (a maximum of infinity takes all that is offered).
struct FlexibleFrameLayout {
    std::optional<double> minWidth;
    std::optional<double> idealWidth;
    std::optional<double> maxWidth;
    std::optional<double> minHeight;
    std::optional<double> idealHeight;
    std::optional<double> maxHeight;
    Alignment alignment;

    Size sizeThatFits(ProposedSize proposal, Layoutable& child) const;
    void place(const Rect& bounds, Layoutable& child) const;

private:
    ProposedSize childProposal(ProposedSize proposal) const;
};

// Insets around a child (negative insets let the child overhang the reported size).
struct PaddingLayout {
    EdgeInsets insets;

    Size sizeThatFits(ProposedSize proposal, Layoutable& child) const;
    void place(const Rect& bounds, Layoutable& child) const;
};

// Size of a spacer along `axis` (nullopt: not inside a stack) for a proposal.
Size spacerSize(ProposedSize proposal, double minLength, std::optional<Axis> axis);

// A size of the given aspect ratio (width / height) that fits (or fills) the proposal; unspecified
// sides follow `ideal`.
Size aspectRatioSize(ProposedSize proposal, double ratio, bool fill, Size ideal);

} // namespace tk::ui
