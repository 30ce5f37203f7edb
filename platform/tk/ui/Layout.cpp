#include "platform/tk/ui/Layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <memory_resource>
#include <numeric>

namespace tk::ui {
namespace {

double along(Size s, Axis axis) {
    return axis == Axis::horizontal ? s.width : s.height;
}
double across(Size s, Axis axis) {
    return axis == Axis::horizontal ? s.height : s.width;
}
std::optional<double> along(ProposedSize p, Axis axis) {
    return axis == Axis::horizontal ? p.width : p.height;
}
std::optional<double> across(ProposedSize p, Axis axis) {
    return axis == Axis::horizontal ? p.height : p.width;
}

ProposedSize makeProposal(Axis axis, std::optional<double> alongValue, std::optional<double> acrossValue) {
    return axis == Axis::horizontal ? ProposedSize{alongValue, acrossValue}
                                    : ProposedSize{acrossValue, alongValue};
}
Size makeSize(Axis axis, double alongValue, double acrossValue) {
    return axis == Axis::horizontal ? Size{alongValue, acrossValue} : Size{acrossValue, alongValue};
}

// A stable sort that allocates nothing for short lists (std::stable_sort takes a heap buffer).
template <class Less> void stableSortBy(std::pmr::vector<std::size_t>& items, Less less) {
    if (items.size() > 32) {
        std::stable_sort(items.begin(), items.end(), less);
        return;
    }
    for (std::size_t i = 1; i < items.size(); ++i) {
        const std::size_t item = items[i];
        std::size_t j = i;
        for (; j > 0 && less(item, items[j - 1]); --j)
            items[j] = items[j - 1];
        items[j] = item;
    }
}

double alignedOffset(double child, double container, int where /* 0 start, 1 centre, 2 end */) {
    switch (where) {
    case 0:
        return 0;
    case 2:
        return container - child;
    default:
        return (container - child) / 2;
    }
}

int position(HorizontalAlignment a) {
    return static_cast<int>(a);
}
int position(VerticalAlignment a) {
    return static_cast<int>(a);
}

std::optional<double> minusInsets(std::optional<double> p, double insets) {
    if (!p)
        return p;
    return std::max(0.0, *p - insets);
}

} // namespace

Point alignedOrigin(Size child, Size container, Alignment alignment) {
    return {alignedOffset(child.width, container.width, position(alignment.horizontal)),
            alignedOffset(child.height, container.height, position(alignment.vertical))};
}

void StackLayout::childSizes(ProposedSize proposal, std::span<Layoutable* const> children,
                             std::span<Size> sizes) const {
    const auto acrossProposal = across(proposal, axis);
    const auto alongProposal = along(proposal, axis);
    std::size_t present = 0;
    for (auto* c : children)
        present += c->isEmpty() ? 0 : 1;
    if (present == 0)
        return;

    if (!alongProposal) {
        // Ideal size: every child at its own ideal, spacers at their minimum.
        for (std::size_t i = 0; i < children.size(); ++i)
            if (!children[i]->isEmpty())
                sizes[i] = children[i]->sizeThatFits(makeProposal(axis, std::nullopt, acrossProposal));
        return;
    }

    double remaining = *alongProposal - spacing * double(present - 1);
    // The index lists live on the stack for the usual handful of children (a stack is measured
    // many times per layout; the heap is used only past the buffer).
    std::array<std::byte, 1024> scratch;
    std::pmr::monotonic_buffer_resource arena(scratch.data(), scratch.size());
    std::pmr::vector<std::size_t> others(&arena);
    std::pmr::vector<std::size_t> spacers(&arena);
    others.reserve(children.size());
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i]->isEmpty())
            continue;
        if (children[i]->isSpacer()) {
            spacers.push_back(i);
            // Reserve each spacer's minimum before the others share the rest.
            remaining -= along(children[i]->sizeThatFits(makeProposal(axis, 0.0, acrossProposal)), axis);
        } else {
            others.push_back(i);
        }
    }

    // Each child of `group` in turn is offered an equal part of what is left and takes what it uses.
    auto shareRemaining = [&](const std::pmr::vector<std::size_t>& group) {
        std::size_t left = group.size();
        for (auto i : group) {
            const double share = std::max(0.0, remaining / double(left));
            sizes[i] = children[i]->sizeThatFits(makeProposal(axis, share, acrossProposal));
            remaining -= along(sizes[i], axis);
            --left;
        }
    };
    // Spacers: their minimum is already taken off; what is left goes to them in equal parts.
    auto shareWithSpacers = [&] {
        for (auto i : spacers)
            remaining += along(children[i]->sizeThatFits(makeProposal(axis, 0.0, acrossProposal)), axis);
        shareRemaining(spacers);
    };

    // The order in which the children are offered their parts matters only when there is a finite
    // amount to share: with nothing left every child is offered zero, and with infinite room every
    // child is offered all of it (unless one takes all of it, which leaves none for the next).
    // Those cases skip measuring how flexible each child is.
    if (remaining <= 0) {
        shareRemaining(others);
        shareWithSpacers();
        return;
    }
    if (std::isinf(remaining)) {
        const double before = remaining;
        shareRemaining(others);
        if (std::isinf(remaining)) {
            shareWithSpacers();
            return;
        }
        remaining = before;
    }

    // Least flexible first, so the rigid children take what they need and the flexible ones share
    // the remainder.
    std::pmr::vector<double> flexibility(children.size(), 0.0, &arena);
    for (auto i : others) {
        const double lo = along(children[i]->sizeThatFits(makeProposal(axis, 0.0, acrossProposal)), axis);
        const double hi =
            along(children[i]->sizeThatFits(makeProposal(axis, kInfinity, acrossProposal)), axis);
        flexibility[i] = hi - lo;
    }
    stableSortBy(others, [&](std::size_t a, std::size_t b) { return flexibility[a] < flexibility[b]; });
    shareRemaining(others);
    shareWithSpacers();
}

Size StackLayout::sizeThatFits(ProposedSize proposal, std::span<Layoutable* const> children) const {
    // A stack is measured many times per layout: the sizes live on the stack for the usual
    // handful of children.
    std::array<std::byte, 512> scratch;
    std::pmr::monotonic_buffer_resource arena(scratch.data(), scratch.size());
    std::pmr::vector<Size> sizes(children.size(), Size{}, &arena);
    childSizes(proposal, children, sizes);
    double total = 0;
    double cross = 0;
    std::size_t present = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i]->isEmpty())
            continue;
        total += along(sizes[i], axis);
        cross = std::max(cross, across(sizes[i], axis));
        ++present;
    }
    if (present > 1)
        total += spacing * double(present - 1);
    return makeSize(axis, std::max(0.0, total), cross);
}

void StackLayout::place(const Rect& bounds, std::span<Layoutable* const> children) const {
    std::array<std::byte, 512> scratch;
    std::pmr::monotonic_buffer_resource arena(scratch.data(), scratch.size());
    std::pmr::vector<Size> sizes(children.size(), Size{}, &arena);
    childSizes(ProposedSize(bounds.size), children, sizes);
    const double crossExtent = across(bounds.size, axis);
    const int where =
        axis == Axis::horizontal ? position(alignment.vertical) : position(alignment.horizontal);
    double pos = axis == Axis::horizontal ? bounds.x() : bounds.y();
    const double crossStart = axis == Axis::horizontal ? bounds.y() : bounds.x();
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i]->isEmpty()) {
            children[i]->place(Rect(bounds.origin, Size{}));
            continue;
        }
        const double a = along(sizes[i], axis);
        const double c = across(sizes[i], axis);
        const double crossPos = crossStart + alignedOffset(c, crossExtent, where);
        if (axis == Axis::horizontal)
            children[i]->place(Rect(pos, crossPos, a, c));
        else
            children[i]->place(Rect(crossPos, pos, c, a));
        pos += a + spacing;
    }
}

Size OverlayLayout::sizeThatFits(ProposedSize proposal, std::span<Layoutable* const> children) const {
    Size result;
    for (auto* c : children) {
        if (c->isEmpty())
            continue;
        const Size s = c->sizeThatFits(proposal);
        result.width = std::max(result.width, s.width);
        result.height = std::max(result.height, s.height);
    }
    return result;
}

void OverlayLayout::place(const Rect& bounds, std::span<Layoutable* const> children) const {
    for (auto* c : children) {
        if (c->isEmpty()) {
            c->place(Rect(bounds.origin, Size{}));
            continue;
        }
        const Size s = c->sizeThatFits(ProposedSize(bounds.size));
        const Point o = alignedOrigin(s, bounds.size, alignment);
        c->place(Rect(bounds.origin + o, s));
    }
}

ProposedSize FixedFrameLayout::childProposal(ProposedSize proposal) const {
    return {width ? width : proposal.width, height ? height : proposal.height};
}

Size FixedFrameLayout::sizeThatFits(ProposedSize proposal, Layoutable& child) const {
    if (width && height)
        return {*width, *height};
    const Size s = child.sizeThatFits(childProposal(proposal));
    return {width.value_or(s.width), height.value_or(s.height)};
}

void FixedFrameLayout::place(const Rect& bounds, Layoutable& child) const {
    const Size s = child.sizeThatFits(childProposal(ProposedSize(bounds.size)));
    child.place(Rect(bounds.origin + alignedOrigin(s, bounds.size, alignment), s));
}

namespace {

std::optional<double> clampProposal(std::optional<double> p, std::optional<double> lo,
                                    std::optional<double> ideal, std::optional<double> hi) {
    if (!p)
        return ideal;
    double v = *p;
    if (lo && *lo > v)
        v = *lo;
    if (hi && *hi < v)
        v = *hi;
    return v;
}

double frameSide(double child, std::optional<double> p, std::optional<double> lo, std::optional<double> hi) {
    double r = child;
    const double offered = p.value_or(child);
    if (lo)
        r = std::max(*lo, std::min(r, offered));
    if (hi)
        r = std::min(*hi, std::max(r, offered));
    return r;
}

} // namespace

ProposedSize FlexibleFrameLayout::childProposal(ProposedSize proposal) const {
    return {clampProposal(proposal.width, minWidth, idealWidth, maxWidth),
            clampProposal(proposal.height, minHeight, idealHeight, maxHeight)};
}

Size FlexibleFrameLayout::sizeThatFits(ProposedSize proposal, Layoutable& child) const {
    const ProposedSize p = childProposal(proposal);
    const Size s = child.sizeThatFits(p);
    return {frameSide(s.width, p.width, minWidth, maxWidth),
            frameSide(s.height, p.height, minHeight, maxHeight)};
}

void FlexibleFrameLayout::place(const Rect& bounds, Layoutable& child) const {
    const Size s = child.sizeThatFits(childProposal(ProposedSize(bounds.size)));
    child.place(Rect(bounds.origin + alignedOrigin(s, bounds.size, alignment), s));
}

Size PaddingLayout::sizeThatFits(ProposedSize proposal, Layoutable& child) const {
    const Size s = child.sizeThatFits(
        {minusInsets(proposal.width, insets.horizontal()), minusInsets(proposal.height, insets.vertical())});
    return {std::max(0.0, s.width + insets.horizontal()), std::max(0.0, s.height + insets.vertical())};
}

void PaddingLayout::place(const Rect& bounds, Layoutable& child) const {
    child.place(Rect(bounds.x() + insets.left, bounds.y() + insets.top,
                     std::max(0.0, bounds.width() - insets.horizontal()),
                     std::max(0.0, bounds.height() - insets.vertical())));
}

Size spacerSize(ProposedSize proposal, double minLength, std::optional<Axis> axis) {
    auto side = [&](std::optional<double> p) {
        if (!p || !std::isfinite(*p))
            return minLength;
        return std::max(minLength, *p);
    };
    if (!axis)
        return {side(proposal.width), side(proposal.height)};
    if (*axis == Axis::horizontal)
        return {side(proposal.width), 0};
    return {0, side(proposal.height)};
}

Size aspectRatioSize(ProposedSize proposal, double ratio, bool fill, Size ideal) {
    if (!(ratio > 0) || !std::isfinite(ratio))
        return proposal.replacingUnspecified(ideal);
    double w = proposal.width.value_or(ideal.width);
    double h = proposal.height.value_or(ideal.height);
    const bool wInf = !std::isfinite(w);
    const bool hInf = !std::isfinite(h);
    if (wInf && hInf) {
        if (fill)
            return {w, h};
        w = ideal.width;
        h = ideal.height;
    } else if (wInf) {
        return fill ? Size{w, h} : Size{h * ratio, h};
    } else if (hInf) {
        return fill ? Size{w, h} : Size{w, w / ratio};
    }
    const bool wider = h > 0 ? (w / h > ratio) : true;
    if (wider != fill)
        return {h * ratio, h};
    return {w, w / ratio};
}

} // namespace tk::ui
