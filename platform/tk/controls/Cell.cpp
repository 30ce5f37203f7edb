#include "platform/tk/controls/Cell.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/view/View.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

TruncationMode truncationFor(LineBreakMode mode) {
    switch (mode) {
    case LineBreakMode::clipping:
        return TruncationMode::none;
    case LineBreakMode::truncatingHead:
        return TruncationMode::head;
    case LineBreakMode::truncatingMiddle:
        return TruncationMode::middle;
    default:
        return TruncationMode::tail; // titles are one line: wrapping modes cut the tail
    }
}

// Far larger than any control, so that drawingRect of it shows the padding alone.
constexpr Rect kProbeBounds{0, 0, 10000, 10000};

} // namespace

Size sizeShrunkToFit(Size size, Size room) {
    if (size.width <= 0 || size.height <= 0)
        return Size{std::max(0.0, size.width), std::max(0.0, size.height)};
    const double factor =
        std::min({1.0, std::max(0.0, room.width) / size.width, std::max(0.0, room.height) / size.height});
    return Size{size.width * factor, size.height * factor};
}

Size scaledImageSize(Size imageSize, Size room, ImageScaling scaling) {
    switch (scaling) {
    case ImageScaling::none:
        return imageSize;
    case ImageScaling::axesIndependently:
        return Size{std::max(0.0, room.width), std::max(0.0, room.height)};
    case ImageScaling::proportionallyUpOrDown:
        if (imageSize.width <= 0 || imageSize.height <= 0)
            return Size{};
        return aspectFitRect(imageSize, Rect{0, 0, std::max(0.0, room.width), std::max(0.0, room.height)})
            .size;
    case ImageScaling::proportionallyDown:
        break;
    }
    return sizeShrunkToFit(imageSize, room);
}

Rect centeredRect(Size size, const Rect& container) {
    return Rect{std::round(container.midX() - size.width / 2), std::round(container.midY() - size.height / 2),
                size.width, size.height};
}

Cell::Cell() : type_(CellType::text) {}

Cell::Cell(std::string title) : type_(CellType::text), title_(std::move(title)) {}

Cell::Cell(Image image) : type_(CellType::image), image_(std::move(image)) {}

Cell::~Cell() = default;

void Cell::setControlView(View* view) {
    controlView_ = view;
}

void Cell::setState(CellState state) {
    if (state == CellState::mixed && !allowsMixed_)
        state = CellState::on;
    if (state == state_)
        return;
    state_ = state;
    updateControlView();
}

void Cell::setAllowsMixedState(bool allows) {
    allowsMixed_ = allows;
    if (!allows && state_ == CellState::mixed)
        setState(CellState::on);
}

CellState Cell::nextState() const {
    switch (state_) {
    case CellState::on:
        return CellState::off;
    case CellState::off:
        return allowsMixed_ ? CellState::mixed : CellState::on;
    case CellState::mixed:
        break;
    }
    return CellState::on;
}

void Cell::setNextState() {
    setState(nextState());
}

void Cell::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    updateControlView();
}

void Cell::setHighlighted(bool highlighted) {
    highlighted_ = highlighted;
}

void Cell::highlight(bool flag, const Rect&, View& controlView) {
    if (flag == highlighted_)
        return;
    setHighlighted(flag);
    controlView.setNeedsDisplay();
}

void Cell::setTitle(std::string title) {
    attributedTitle_.reset();
    title_ = std::move(title);
    updateControlView(true);
}

AttributedString Cell::attributedTitle() const {
    if (attributedTitle_)
        return *attributedTitle_;
    return AttributedString(title_, titleAttributes());
}

void Cell::setAttributedTitle(AttributedString title) {
    title_ = title.string();
    attributedTitle_ = std::move(title);
    updateControlView(true);
}

void Cell::setImage(Image image) {
    image_ = std::move(image);
    updateControlView(true);
}

void Cell::setFont(Font font) {
    font_ = std::move(font);
    updateControlView(true);
}

void Cell::setAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    updateControlView();
}

void Cell::setBackgroundStyle(BackgroundStyle style) {
    backgroundStyle_ = style;
    updateControlView();
}

void Cell::setLineBreakMode(LineBreakMode mode) {
    lineBreakMode_ = mode;
    updateControlView();
}

void Cell::setControlSize(ControlSize size) {
    controlSize_ = size;
    updateControlView(true);
}

void Cell::setBordered(bool bordered) {
    bordered_ = bordered;
    updateControlView(true);
}

void Cell::setBezeled(bool bezeled) {
    bezeled_ = bezeled;
    updateControlView(true);
}

Color Cell::textColor() const {
    return enabled_ ? controlTextColor() : disabledControlTextColor();
}

TextAttributes Cell::titleAttributes() const {
    TextAttributes a;
    a.font = font_;
    a.color = textColor();
    a.alignment = alignment_;
    a.lineLimit = 1;
    a.truncation = truncationFor(lineBreakMode_);
    return a;
}

Rect Cell::drawingRect(const Rect& bounds) const {
    if (bordered_ || bezeled_)
        return bounds.insetBy(kBorderInset, kBorderInset);
    return bounds;
}

Rect Cell::titleRect(const Rect& bounds) const {
    return drawingRect(bounds);
}

Rect Cell::imageRect(const Rect& bounds) const {
    const Image shown = image();
    if (!shown)
        return Rect::zero();
    const Rect content = drawingRect(bounds);
    return centeredRect(sizeShrunkToFit(shown.size(), content.size), content);
}

Size Cell::drawingInsetSize() const {
    const Rect inner = drawingRect(kProbeBounds);
    return Size{kProbeBounds.width() - inner.width(), kProbeBounds.height() - inner.height()};
}

Size Cell::cellSize() const {
    Size content;
    if (type_ == CellType::image) {
        if (const Image shown = image())
            content = shown.size();
    } else {
        content = attributedTitle().size();
    }
    const Size pad = drawingInsetSize();
    return Size{std::ceil(content.width + pad.width), std::ceil(content.height + pad.height)};
}

void Cell::draw(const Rect& frame, View& controlView, GraphicsContext& context) {
    if (bezeled_) {
        context.fillRect(frame, controlBackgroundColor());
        context.strokeRect(frame.insetBy(0.5, 0.5), separatorColor());
    } else if (bordered_) {
        context.strokeRect(frame.insetBy(0.5, 0.5), controlTextColor().withAlpha(0.4));
    }
    drawInterior(frame, controlView, context);
}

void Cell::drawInterior(const Rect& frame, View&, GraphicsContext& context) {
    if (type_ == CellType::image) {
        if (const Image shown = image())
            context.drawImage(shown, imageRect(frame), ImageDrawOptions{}.withOpacity(enabled_ ? 1 : 0.5));
        return;
    }
    attributedTitle().draw(context, titleRect(frame));
}

Rect Cell::focusRingMaskBounds(const Rect& frame, const View&) const {
    return frame;
}

void Cell::drawFocusRingMask(const Rect& frame, View& controlView, GraphicsContext& context) {
    const Rect ring = focusRingMaskBounds(frame, controlView);
    if (ring.isEmpty())
        return;
    // Just outside the mask: the ring frames the control without covering it.
    const Path path = Path::roundedRect(ring.insetBy(-1.5, -1.5), 4);
    context.strokePath(path, focusRingColor(), StrokeStyle{}.withLineWidth(3));
}

Color Cell::focusRingColor() const {
    return keyboardFocusIndicatorColor();
}

bool Cell::startTracking(Point, View&) {
    return true;
}

bool Cell::continueTracking(Point, Point, View&) {
    return true;
}

void Cell::stopTracking(Point, Point, View&, bool) {}

void Cell::updateControlView(bool sizeMayChange) {
    if (!controlView_)
        return;
    controlView_->setNeedsDisplay();
    if (sizeMayChange)
        controlView_->invalidateIntrinsicContentSize();
}

} // namespace tk
