#pragma once

// The selection band a styled row draws: the row inset on both sides, rounded at the ends of its
// run of selected rows. Its straight middle is filled as a rectangle; its two rounded ends, whose
// scan conversion costs many times the rest, are kept as pictures by the row that draws them.

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Image.h"

#include <array>
#include <cstddef>

namespace Tessaly {

// [main] Pictures of the rounded ends of a row's band, each for one shape, colour and position
// within the device pixel; a new shape replaces the older picture.
class SelectionBandEnds {
public:
    struct Key {
        // The end's outline in device pixels from the picture's top-left corner, its corners' radii
        // in user space, the user-to-pixel scale, and the colour.
        std::array<double, 4> rect{};
        std::array<double, 4> radii{};
        std::array<double, 2> scale{};
        tk::Color color;
        bool operator==(const Key&) const = default;
    };
    // The picture for `key`, drawn by `make` when none is kept for it.
    template <class Make> const tk::Image& picture(const Key& key, const Make& make) {
        for (const Kept& kept : kept_)
            if (kept.image && kept.key == key)
                return kept.image;
        Kept& replaced = kept_[next_];
        next_ = (next_ + 1) % kept_.size();
        replaced = {key, make()};
        return replaced.image;
    }

private:
    struct Kept {
        Key key;
        tk::Image image;
    };
    std::array<Kept, 2> kept_;
    std::size_t next_ = 0;
};

// [main] Fills the selection band of one row: `rowRect` inset by `inset` on the left and right,
// rounded by `radius` at the ends of its run of selected rows (`above`, `below`: whether the
// neighbouring rows are selected too). With `ends`, the rounded ends are drawn from (and kept as)
// pictures where the context maps user space to whole device pixel rows by a move and a scale.
void fillSelectionBand(tk::GraphicsContext& context, const tk::Rect& rowRect, double inset, double radius,
                       bool above, bool below, tk::Color color, SelectionBandEnds* ends = nullptr);

} // namespace Tessaly
