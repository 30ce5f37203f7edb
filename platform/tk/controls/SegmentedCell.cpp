#include "platform/tk/controls/SegmentedCell.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/View.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {
const std::string kNoText;
} // namespace

SegmentedCell::SegmentedCell() {
    setBordered(true);
}

const SegmentedCell::Segment* SegmentedCell::at(int segment) const {
    return segment >= 0 && segment < segmentCount() ? &segments_[std::size_t(segment)] : nullptr;
}

SegmentedCell::Segment* SegmentedCell::at(int segment) {
    return segment >= 0 && segment < segmentCount() ? &segments_[std::size_t(segment)] : nullptr;
}

void SegmentedCell::setSegmentCount(int count) {
    segments_.resize(std::size_t(std::max(0, count)));
    if (lastSelected_ >= segmentCount())
        lastSelected_ = -1;
    if (pressed_ >= segmentCount())
        pressed_ = tracked_ = -1;
    updateControlView(true);
}

const std::string& SegmentedCell::label(int segment) const {
    const Segment* s = at(segment);
    return s ? s->label : kNoText;
}

void SegmentedCell::setLabel(std::string label, int segment) {
    if (Segment* s = at(segment)) {
        s->label = std::move(label);
        updateControlView(true);
    }
}

Image SegmentedCell::image(int segment) const {
    const Segment* s = at(segment);
    return s ? s->image : Image();
}

void SegmentedCell::setImage(Image image, int segment) {
    if (Segment* s = at(segment)) {
        s->image = std::move(image);
        updateControlView(true);
    }
}

double SegmentedCell::width(int segment) const {
    const Segment* s = at(segment);
    return s ? s->width : 0;
}

void SegmentedCell::setWidth(double width, int segment) {
    if (Segment* s = at(segment)) {
        s->width = std::max(0.0, width);
        updateControlView(true);
    }
}

bool SegmentedCell::isEnabled(int segment) const {
    const Segment* s = at(segment);
    return s && s->enabled;
}

void SegmentedCell::setEnabled(bool enabled, int segment) {
    if (Segment* s = at(segment)) {
        s->enabled = enabled;
        updateControlView();
    }
}

bool SegmentedCell::isSelected(int segment) const {
    const Segment* s = at(segment);
    return s && s->selected;
}

void SegmentedCell::setSelected(bool selected, int segment) {
    Segment* s = at(segment);
    if (!s)
        return;
    if (selected && trackingMode_ != SegmentSwitchTracking::selectAny)
        for (auto& other : segments_)
            other.selected = false;
    s->selected = selected;
    if (selected)
        lastSelected_ = segment;
    updateControlView();
}

int SegmentedCell::tag(int segment) const {
    const Segment* s = at(segment);
    return s ? s->tag : 0;
}

void SegmentedCell::setTag(int tag, int segment) {
    if (Segment* s = at(segment))
        s->tag = tag;
}

const std::string& SegmentedCell::toolTip(int segment) const {
    const Segment* s = at(segment);
    return s ? s->toolTip : kNoText;
}

void SegmentedCell::setToolTip(std::string toolTip, int segment) {
    if (Segment* s = at(segment))
        s->toolTip = std::move(toolTip);
}

void SegmentedCell::setTrackingMode(SegmentSwitchTracking mode) {
    trackingMode_ = mode;
    if (mode != SegmentSwitchTracking::selectAny) {
        const int keep = selectedSegment();
        for (int i = 0; i < segmentCount(); ++i)
            segments_[std::size_t(i)].selected = i == keep;
    }
    updateControlView();
}

int SegmentedCell::selectedSegment() const {
    if (trackingMode_ == SegmentSwitchTracking::momentary)
        return at(lastSelected_) ? lastSelected_ : -1;
    if (isSelected(lastSelected_))
        return lastSelected_;
    for (int i = 0; i < segmentCount(); ++i)
        if (segments_[std::size_t(i)].selected)
            return i;
    return -1;
}

void SegmentedCell::setSelectedSegment(int segment) {
    if (segment < 0) {
        for (auto& s : segments_)
            s.selected = false;
        lastSelected_ = -1;
        updateControlView();
        return;
    }
    if (!at(segment))
        return;
    for (auto& s : segments_)
        s.selected = false;
    setSelected(true, segment);
}

bool SegmentedCell::selectSegmentWithTag(int tag) {
    for (int i = 0; i < segmentCount(); ++i)
        if (segments_[std::size_t(i)].tag == tag) {
            setSelectedSegment(i);
            return true;
        }
    return false;
}

int SegmentedCell::segmentHighlightState(int segment) const {
    if (segment != pressed_ || !at(segment))
        return 0;
    return isSelected(segment) ? 3 : 2;
}

int SegmentedCell::keySegment() const {
    return segmentCount() == 0 ? -1 : std::clamp(key_, 0, segmentCount() - 1);
}

void SegmentedCell::setKeySegment(int segment) {
    if (!at(segment) || segment == key_)
        return;
    key_ = segment;
    updateControlView();
}

void SegmentedCell::moveKeySegment(int step) {
    for (int i = keySegment() + step; at(i); i += step)
        if (isEnabled(i)) {
            setKeySegment(i);
            return;
        }
}

double SegmentedCell::effectiveWidth(int segment) const {
    const Segment* s = at(segment);
    if (!s)
        return 0;
    if (s->width > 0)
        return s->width;
    double content = 0;
    if (!s->label.empty())
        content = std::ceil(measureText(s->label, titleAttributes()).width);
    else if (!s->image.isEmpty())
        content = s->image.size().width;
    return content + 2 * kAutoPadding;
}

Rect SegmentedCell::segmentRect(int segment, const Rect& bounds) const {
    if (!at(segment))
        return {};
    double x = bounds.minX();
    for (int i = 0; i < segment; ++i)
        x += effectiveWidth(i);
    return Rect{x, bounds.minY(), effectiveWidth(segment), bounds.height()};
}

int SegmentedCell::segmentAt(Point point, const Rect& bounds) const {
    if (point.y < bounds.minY() || point.y >= bounds.maxY())
        return -1;
    for (int i = 0; i < segmentCount(); ++i)
        if (segmentRect(i, bounds).contains(point))
            return i;
    return -1;
}

Size SegmentedCell::cellSize() const {
    double width = 0;
    for (int i = 0; i < segmentCount(); ++i)
        width += effectiveWidth(i);
    return Size{width, kDefaultHeight};
}

void SegmentedCell::draw(const Rect& frame, View& controlView, GraphicsContext& context) {
    drawInterior(frame, controlView, context);
}

void SegmentedCell::drawInterior(const Rect& frame, View& controlView, GraphicsContext& context) {
    for (int i = 0; i < segmentCount(); ++i)
        drawSegment(i, segmentRect(i, frame), controlView, context);
}

void SegmentedCell::drawSegment(int segment, const Rect& frame, View&, GraphicsContext& context) {
    const bool on = isSelected(segment) || segmentHighlightState(segment) != 0;
    const Rect face = frame.insetBy(0.5, 0.5);
    context.fillPath(Path::roundedRect(face, 4), on ? selectedControlColor() : controlColor());
    context.strokePath(Path::roundedRect(face, 4), separatorColor());
    const bool enabled = Cell::isEnabled() && isEnabled(segment);
    if (!label(segment).empty()) {
        TextAttributes attributes = titleAttributes();
        attributes.alignment = TextAlignment::center;
        attributes.color = enabled ? controlTextColor() : disabledControlTextColor();
        const TextLayout layout(label(segment), attributes, frame.width());
        context.drawText(layout, Point{frame.minX(), std::round(frame.midY() - layout.size().height / 2)});
    } else if (const Image picture = image(segment); !picture.isEmpty()) {
        context.drawImage(picture, centeredRect(picture.size(), frame),
                          ImageDrawOptions{}.withOpacity(enabled ? 1.0 : 0.5));
    }
}

Rect SegmentedCell::trackingBounds(View& controlView) const {
    return controlView.bounds();
}

bool SegmentedCell::startTracking(Point startPoint, View& controlView) {
    const int segment = segmentAt(startPoint, trackingBounds(controlView));
    if (segment < 0 || !isEnabled(segment))
        return false;
    tracked_ = pressed_ = segment;
    updateControlView();
    return true;
}

bool SegmentedCell::continueTracking(Point, Point currentPoint, View& controlView) {
    const int now = segmentAt(currentPoint, trackingBounds(controlView)) == tracked_ ? tracked_ : -1;
    if (now != pressed_) {
        pressed_ = now;
        updateControlView();
    }
    return true;
}

void SegmentedCell::stopTracking(Point, Point stopPoint, View& controlView, bool mouseIsUp) {
    const int segment = tracked_;
    const bool inside =
        mouseIsUp && segment >= 0 && segmentAt(stopPoint, trackingBounds(controlView)) == segment;
    tracked_ = pressed_ = -1;
    if (inside)
        click(segment);
    updateControlView();
}

void SegmentedCell::click(int segment) {
    switch (trackingMode_) {
    case SegmentSwitchTracking::selectOne:
        setSelectedSegment(segment);
        break;
    case SegmentSwitchTracking::selectAny:
        setSelected(!isSelected(segment), segment);
        break;
    case SegmentSwitchTracking::momentary:
        lastSelected_ = segment;
        break;
    }
    setKeySegment(segment);
}

} // namespace tk
