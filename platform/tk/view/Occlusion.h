#pragma once

// What opaque views hide of a window's drawing. A view that says it is opaque (View::isOpaque)
// paints every pixel of its bounds in an opaque colour, so whatever is drawn there before it (the
// views behind it, the window's background, the clearing of the backing) cannot show. Once per
// redraw the window gathers the opaque views over the area it draws, in drawing order, each with
// the whole device pixels it covers (its bounds within every clip above it); as the drawing walks
// the tree, a view that views still to come cover whole is left out, and one they cover across an
// edge is clipped to the rest.
//
// Leaving something out is only ever a way to draw less: wherever the reckoning cannot be sure (a
// view inside a faded group, a part too ragged to keep as a few rects) the drawing happens.
//
// All members are [main].

#include "platform/tk/base/Geometry.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace tk {

class View;

class Occlusion {
public:
    // Rects a part is kept as, at most: beyond that a cover is not taken away.
    static constexpr std::size_t kMaxParts = 16;

    Occlusion() = default;
    // The opaque views among `roots` and their subtrees over `area` (window points) of a backing
    // at `scale` pixels per point.
    Occlusion(const std::vector<std::shared_ptr<View>>& roots, const Rect& area, double scale);

    // Where each opaque view covers, in drawing order (window points, on whole device pixels).
    struct Cover {
        std::shared_ptr<const View> view;
        Rect rect;
    };
    const std::vector<Cover>& covers() const { return covers_; }

    // Whether any cover is still to come, and whether one of those hides any of `rect` (window
    // points).
    bool hasCoversToCome() const { return next_ < covers_.size(); }
    bool hidesAnyOf(const Rect& rect) const;
    // The parts of `rect` (window points) that none of the covers still to come hides, as disjoint
    // rects: `rect` alone when none hides any of it, nothing when it is hidden whole.
    std::vector<Rect> uncoveredParts(const Rect& rect) const;

    // Where a view drawing over `rect` (window points) must still draw: the smallest rect on whole
    // device pixels that holds every pixel `rect` touches and no cover still to come hides; empty
    // when they hide it all. A view's drawing is clipped to this one rect: a clip of one rect on
    // pixel boundaries only ever takes away whole pixels and leaves the anti-aliased edges drawn
    // inside it as they are unclipped, which a clip of several rects or one edge within a pixel
    // would not (the rasterizer then blends partly covered pixels by other rules).
    Rect shownRect(const Rect& rect) const;

    // The drawing walk: `view` is about to draw its own content (a cover of its own is behind it
    // from now on), and `view` and its subtree are done (drawn or left out).
    void reached(const View& view);
    void finished(const View& view);

private:
    std::vector<Cover> covers_;
    double scale_ = 1;
    std::size_t next_ = 0; // the first cover still to come
};

} // namespace tk
