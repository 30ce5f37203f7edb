#include "platform/tk/view/Occlusion.h"

#include "platform/tk/graphics/PixelGrid.h"
#include "platform/tk/view/View.h"

namespace tk {

namespace {

// A view's bounds coordinates to the window's: scale, then offset.
struct ToWindow {
    double sx = 1, sy = 1, tx = 0, ty = 0;

    Point apply(Point p) const { return {tx + sx * p.x, ty + sy * p.y}; }
    Rect apply(const Rect& r) const {
        const Point a = apply(r.origin);
        const Point b = apply(Point{r.maxX(), r.maxY()});
        return Rect{a, Size{b.x - a.x, b.y - a.y}}.standardized();
    }
    // The map of `child`, a subview of the view this maps.
    ToWindow into(const View& child) const {
        const Point a = apply(child.convertToSuperview(Point{0, 0}));
        const Point b = apply(child.convertToSuperview(Point{1, 1}));
        return {b.x - a.x, b.y - a.y, a.x, a.y};
    }
};

void gather(const std::shared_ptr<View>& view, const ToWindow& parent, Rect clip, double scale,
            std::vector<Occlusion::Cover>& covers) {
    const View& v = *view;
    // A faded view is composited as a group over what lies below: nothing in it hides that. One
    // not drawn at all hides nothing either.
    if (v.isHidden() || v.alpha() < 1 || (v.layer() && v.layer()->opacity() < 1))
        return;
    const ToWindow map = parent.into(v);
    const Rect bounds = map.apply(v.bounds());
    if (v.clipsToBounds()) {
        clip = clip.intersection(bounds);
        if (clip.isEmpty())
            return;
    }
    if (v.isOpaque()) {
        const Rect covered = PixelGrid{scale, scale, 0, 0}.wholePixelsInside(bounds.intersection(clip));
        if (!covered.isEmpty())
            covers.push_back({view, covered});
    }
    for (const auto& child : v.subviews())
        gather(child, map, clip, scale, covers);
}

} // namespace

Occlusion::Occlusion(const std::vector<std::shared_ptr<View>>& roots, const Rect& area, double scale) {
    if (!(scale > 0) || area.isEmpty())
        return;
    scale_ = scale;
    for (const auto& root : roots)
        gather(root, ToWindow{}, area.standardized(), scale, covers_);
}

bool Occlusion::hidesAnyOf(const Rect& rect) const {
    const Rect r = rect.standardized();
    for (std::size_t i = next_; i < covers_.size(); ++i)
        if (r.intersects(covers_[i].rect))
            return true;
    return false;
}

std::vector<Rect> Occlusion::uncoveredParts(const Rect& rect) const {
    std::vector<Rect> parts;
    if (rect.isEmpty())
        return parts;
    parts.push_back(rect.standardized());
    std::vector<Rect> next;
    for (std::size_t i = next_; i < covers_.size() && !parts.empty(); ++i) {
        next.clear();
        for (const Rect& part : parts)
            subtractRect(part, covers_[i].rect, next);
        if (next.size() <= kMaxParts)
            parts.swap(next);
    }
    return parts;
}

Rect Occlusion::shownRect(const Rect& rect) const {
    Rect shown;
    for (const Rect& part : uncoveredParts(rect.alignedToPixels(scale_)))
        shown = shown.unionWith(part);
    return shown;
}

void Occlusion::reached(const View& view) {
    if (next_ < covers_.size() && covers_[next_].view.get() == &view)
        ++next_;
}

void Occlusion::finished(const View& view) {
    // The covers are in drawing order, so those in a subtree come one after another.
    while (next_ < covers_.size() && covers_[next_].view->isDescendantOf(view))
        ++next_;
}

} // namespace tk
