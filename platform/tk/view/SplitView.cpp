#include "platform/tk/view/SplitView.h"

#include "platform/tk/graphics/GraphicsContext.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tk {

namespace {
// Dividers thinner than this still take a press this wide.
constexpr double kGrabWidth = 6;

void evenShares(std::vector<double>& shares, std::size_t count) {
    shares.assign(count, count ? 1.0 / double(count) : 0.0);
}
} // namespace

void SplitView::setVertical(bool vertical) {
    vertical_ = vertical;
    setNeedsLayout();
    setNeedsDisplay();
}

Color SplitView::dividerColor() const {
    return Color::gray(0, 0.35);
}

void SplitView::drawDivider(GraphicsContext& context, const Rect& rect) {
    context.fillRect(rect, dividerColor());
}

double SplitView::length() const {
    const std::size_t panes = subviews().size();
    const double dividers = panes > 1 ? double(panes - 1) * dividerThickness() : 0.0;
    return std::max(0.0, (vertical_ ? bounds().width() : bounds().height()) - dividers);
}

void SplitView::didAddSubview(View& subview) {
    View::didAddSubview(subview);
    evenShares(shares_, subviews().size());
    setNeedsLayout();
}

void SplitView::willRemoveSubview(View& subview) {
    View::willRemoveSubview(subview);
    evenShares(shares_, subviews().size() - 1);
    setNeedsLayout();
}

void SplitView::layout() {
    const auto& panes = subviews();
    if (shares_.size() != panes.size())
        evenShares(shares_, panes.size());
    const Rect b = bounds();
    double at = vertical_ ? b.minX() : b.minY();
    const double total = length();
    for (std::size_t i = 0; i < panes.size(); ++i) {
        const double size = i + 1 == panes.size() ? std::max(0.0, (vertical_ ? b.maxX() : b.maxY()) - at)
                                                  : std::round(shares_[i] * total);
        panes[i]->setFrame(vertical_ ? Rect{at, b.minY(), size, b.height()}
                                     : Rect{b.minX(), at, b.width(), size});
        at += size + dividerThickness();
    }
}

Rect SplitView::dividerRect(int index) const {
    const auto& panes = subviews();
    if (index < 0 || std::size_t(index) + 1 >= panes.size())
        return {};
    const Rect pane = panes[std::size_t(index)]->frame();
    const Rect b = bounds();
    return vertical_ ? Rect{pane.maxX(), b.minY(), dividerThickness(), b.height()}
                     : Rect{b.minX(), pane.maxY(), b.width(), dividerThickness()};
}

void SplitView::setPosition(double position, int index) {
    if (index < 0 || std::size_t(index) + 1 >= shares_.size() || length() <= 0)
        return;
    const double total = length();
    const double start = std::accumulate(shares_.begin(), shares_.begin() + index, 0.0) * total +
                         index * dividerThickness() + (vertical_ ? bounds().minX() : bounds().minY());
    const double pair = (shares_[std::size_t(index)] + shares_[std::size_t(index) + 1]) * total;
    const double first = std::clamp(position - start, 0.0, pair);
    shares_[std::size_t(index)] = first / total;
    shares_[std::size_t(index) + 1] = (pair - first) / total;
    setNeedsLayout();
    setNeedsDisplay();
}

void SplitView::draw(GraphicsContext& context, const Rect&) {
    if (dividerThickness() <= 0)
        return;
    for (int i = 0; std::size_t(i) + 1 < subviews().size(); ++i)
        drawDivider(context, dividerRect(i));
}

int SplitView::dividerAt(Point p) const {
    for (int i = 0; std::size_t(i) + 1 < subviews().size(); ++i) {
        const Rect r = dividerRect(i);
        const double slack = std::max(0.0, (kGrabWidth - dividerThickness()) / 2);
        if (r.insetBy(vertical_ ? -slack : 0, vertical_ ? 0 : -slack).contains(p))
            return i;
    }
    return -1;
}

bool SplitView::hitTestSelf(Point pointInSelf) const {
    return dividerAt(pointInSelf) >= 0;
}

bool SplitView::mouseDown(const Event& event) {
    dragged_ = dividerAt(locationOf(event));
    return dragged_ >= 0;
}

bool SplitView::mouseDragged(const Event& event) {
    if (dragged_ < 0)
        return false;
    setPosition(along(locationOf(event)), dragged_);
    return true;
}

bool SplitView::mouseUp(const Event& event) {
    if (dragged_ < 0)
        return false;
    setPosition(along(locationOf(event)), dragged_);
    dragged_ = -1;
    return true;
}

} // namespace tk
