#pragma once

// Small operations on views that the controls and windows share: finding views in the tree,
// focus tests, key view loops, snapshots, ready-made separators and spacers, and menus that pop up
// under a view. All functions are [main].
//
// Pinning a view to another one's edges is the view's own (tk::View::pinToEdges).

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/view/Box.h"
#include "platform/tk/controls/ImageView.h"
#include "platform/tk/view/View.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {
class GraphicsContext;
struct TextAttributes;
} // namespace tk

namespace Tessaly {

// A view of type T made with `frame` and given `identifier`.
template <class T = tk::View> std::shared_ptr<T> makeView(tk::Rect frame, std::string identifier) {
    auto view = tk::View::make<T>();
    view->setFrame(frame);
    view->setIdentifier(std::move(identifier));
    return view;
}

// Turns the view's autoresizing mask off (it is placed by a pin or its superview) and hands it back.
template <class T> std::shared_ptr<T> usingAutoLayout(std::shared_ptr<T> view) {
    view->setTranslatesAutoresizingMaskIntoConstraints(false);
    return view;
}

// Every subview of type T at any depth: the view's own matching subviews first, in order, then
// for each subview in order the matches below it.
template <class T> std::vector<T*> subviewsOfType(const tk::View& view) {
    std::vector<T*> found;
    for (const auto& child : view.subviews())
        if (auto* match = dynamic_cast<T*>(child.get()))
            found.push_back(match);
    for (const auto& child : view.subviews()) {
        auto below = subviewsOfType<T>(*child);
        found.insert(found.end(), below.begin(), below.end());
    }
    return found;
}
template <class T> T* firstSubviewOfType(const tk::View& view) {
    auto found = subviewsOfType<T>(view);
    return found.empty() ? nullptr : found.front();
}
// The nearest ancestor (not the view itself) that `predicate` accepts.
tk::View* firstSuperview(const tk::View& view, const std::function<bool(const tk::View&)>& predicate);
template <class T> T* firstSuperviewOfType(const tk::View& view) {
    return dynamic_cast<T*>(
        firstSuperview(view, [](const tk::View& v) { return dynamic_cast<const T*>(&v); }));
}

// One pixel in points: 1 / the window's backing scale; 1 outside a window.
double pixelSize(const tk::View& view);
// Whether the view has the keyboard focus: it is its window's first responder, or a field editor
// editing it is.
bool isFocused(const tk::View& view);
// Each view's next key view becomes the one after it, the last one's the first.
void closeKeyViewLoop(const std::vector<tk::View*>& views);

// A picture of the view's bounds with its subviews, at its window's scale (1 outside a window);
// none for a view without area.
std::optional<tk::Image> snapshotImage(tk::View& view);
// An image view showing snapshotImage() with the view's frame; none without a snapshot.
std::shared_ptr<tk::ImageView> snapshotImageView(tk::View& view);

// A separator line box 50 points wide and 1 high.
std::shared_ptr<tk::Box> separatorBox();
// An empty view with a zero frame, to take up what is left in a row or column.
std::shared_ptr<tk::View> flexibleSpacer();
// Makes the view draw itself again (its geometry is left as it was).
void nudgeBounds(tk::View& view);
// Pops the view's menu up under its bottom-left corner; nothing without a menu or a window.
void popUpMenuBelow(tk::View& view);

// Draws `text` at the rect's left edge, centred vertically in it.
void drawVerticallyCentered(tk::GraphicsContext& context, std::string_view text, const tk::Rect& rect,
                            const tk::TextAttributes& attributes);
// Turns the context's y axis upside down within `rect` (a picture drawn for the other y direction
// then lands on the same rect).
void flipContext(tk::GraphicsContext& context, const tk::Rect& rect);

} // namespace Tessaly
