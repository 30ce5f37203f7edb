#include "platform/tk/controls/ButtonCell.h"

#include "platform/tk/controls/StateMarks.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/SemanticColors.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

struct TypeLook {
    CellMask highlightsBy;
    CellMask showsStateBy;
};

TypeLook lookOf(ButtonType type) {
    switch (type) {
    case ButtonType::momentaryLight:
        return {CellMask::changeGray | CellMask::changeBackground, CellMask::none};
    case ButtonType::pushOnPushOff:
        return {CellMask::pushIn | CellMask::changeGray, CellMask::changeBackground};
    case ButtonType::toggle:
        return {CellMask::pushIn | CellMask::contents, CellMask::contents};
    case ButtonType::switchButton:
    case ButtonType::radio:
        return {CellMask::contents, CellMask::contents};
    case ButtonType::momentaryChange:
        return {CellMask::contents, CellMask::none};
    case ButtonType::onOff:
        return {CellMask::changeBackground, CellMask::changeBackground};
    case ButtonType::momentaryPushIn:
        break;
    }
    return {CellMask::pushIn | CellMask::changeGray | CellMask::changeBackground, CellMask::none};
}

bool isMarkType(ButtonType type) {
    return type == ButtonType::switchButton || type == ButtonType::radio;
}

double cornerRadius(BezelStyle style, const Rect& r) {
    switch (style) {
    case BezelStyle::regularSquare:
    case BezelStyle::shadowlessSquare:
    case BezelStyle::smallSquare:
    case BezelStyle::texturedSquare:
        return 2;
    case BezelStyle::circular:
    case BezelStyle::helpButton:
    case BezelStyle::roundRect:
    case BezelStyle::recessed:
    case BezelStyle::inlineBezel:
    case BezelStyle::disclosure:
    case BezelStyle::roundedDisclosure:
        return r.height() / 2;
    default:
        return std::min(5.0, r.height() / 2);
    }
}

} // namespace

double ButtonCell::minimumBezelHeight(ControlSize size) {
    switch (size) {
    case ControlSize::small:
        return 19;
    case ControlSize::mini:
        return 16;
    case ControlSize::large:
        return 28;
    case ControlSize::regular:
        break;
    }
    return 22;
}

ButtonCell::ButtonCell() : ButtonCell(std::string()) {}

ButtonCell::ButtonCell(std::string title) : ActionCell(std::move(title)) {
    setBordered(true);
    setAlignment(TextAlignment::center);
}

ButtonCell::ButtonCell(Image image) : ActionCell(std::move(image)) {
    setBordered(true);
    setAlignment(TextAlignment::center);
    imagePosition_ = ImagePosition::imageOnly;
}

void ButtonCell::setButtonType(ButtonType type) {
    buttonType_ = type;
    const TypeLook look = lookOf(type);
    highlightsBy_ = look.highlightsBy;
    showsStateBy_ = look.showsStateBy;
    if (isMarkType(type)) {
        setBordered(false);
        setBezeled(false);
        imagePosition_ = ImagePosition::imageLeft;
        setAlignment(TextAlignment::leading);
    }
    updateControlView(true);
}

void ButtonCell::setHighlightsBy(CellMask mask) {
    highlightsBy_ = mask;
    updateControlView();
}

void ButtonCell::setShowsStateBy(CellMask mask) {
    showsStateBy_ = mask;
    updateControlView();
}

void ButtonCell::setBezelStyle(BezelStyle style) {
    bezelStyle_ = style;
    updateControlView(true);
}

void ButtonCell::setAlternateImage(Image image) {
    alternateImage_ = std::move(image);
    updateControlView(true);
}

void ButtonCell::setImagePosition(ImagePosition position) {
    imagePosition_ = position;
    updateControlView(true);
}

void ButtonCell::setImageScaling(ImageScaling scaling) {
    imageScaling_ = scaling;
    updateControlView(true);
}

CellState ButtonCell::nextState() const {
    if (showsStateBy_ == CellMask::none)
        return state();
    if (buttonType_ == ButtonType::radio)
        return CellState::on;
    return ActionCell::nextState();
}

Image ButtonCell::shownImage() const {
    const bool showsAlternate = (contains(showsStateBy_, CellMask::contents) && state() == CellState::on) ||
                                (contains(highlightsBy_, CellMask::contents) && isHighlighted());
    if (showsAlternate)
        if (Image alt = alternateImage())
            return alt;
    if (Image own = image())
        return own;
    if (isMarkType(buttonType_))
        return stateMarkImage(buttonType_ == ButtonType::radio ? StateMark::radio : StateMark::checkBox,
                              state(), isHighlighted());
    return Image();
}

ImagePosition ButtonCell::effectivePosition() const {
    if (imagePosition_ == ImagePosition::noImage || !shownImage())
        return ImagePosition::noImage;
    if (imagePosition_ == ImagePosition::imageLeading)
        return ImagePosition::imageLeft;
    if (imagePosition_ == ImagePosition::imageTrailing)
        return ImagePosition::imageRight;
    return imagePosition_;
}

Rect ButtonCell::drawingRect(const Rect& bounds) const {
    if (isBordered() || isBezeled())
        return bounds.insetBy(kBezelContentInsets);
    return bounds;
}

ButtonCell::Layout ButtonCell::layout(const Rect& bounds) const {
    const Rect d = drawingRect(bounds);
    const ImagePosition position = effectivePosition();
    const AttributedString title = attributedTitle();
    const Size measured = title.size();
    Size t{std::ceil(measured.width), std::ceil(measured.height)};
    const bool hasTitle = !title.empty();
    Layout out;

    if (position == ImagePosition::noImage) {
        out.title = Rect{d.x(), std::round(d.midY() - t.height / 2), d.width(), t.height};
        return out;
    }
    const Size own = shownImage().size();
    if (position == ImagePosition::imageOnly || position == ImagePosition::imageOverlaps) {
        out.image = centeredRect(scaledImageSize(own, d.size, imageScaling_), d);
        if (position == ImagePosition::imageOverlaps)
            out.title = Rect{d.x(), std::round(d.midY() - t.height / 2), d.width(), t.height};
        return out;
    }
    const double gap = hasTitle ? kImageTitleSpacing : 0;
    if (!hasTitle)
        t = Size{};
    const bool beside = position == ImagePosition::imageLeft || position == ImagePosition::imageRight;
    if (beside) {
        const Size i = imageScaling_ == ImageScaling::none ? own : sizeShrunkToFit(own, d.size);
        const double titleWidth = std::max(0.0, std::min(t.width, d.width() - i.width - gap));
        const double pair = i.width + gap + titleWidth;
        double x = d.x();
        if (alignment() == TextAlignment::center)
            x = std::round(d.midX() - pair / 2);
        else if (alignment() == TextAlignment::right)
            x = d.maxX() - pair;
        x = std::max(x, d.x());
        const double imageY = std::round(d.midY() - i.height / 2);
        const double titleY = std::round(d.midY() - t.height / 2);
        if (position == ImagePosition::imageLeft) {
            out.image = Rect{x, imageY, i.width, i.height};
            out.title = Rect{x + i.width + gap, titleY, titleWidth, t.height};
        } else {
            out.title = Rect{x, titleY, titleWidth, t.height};
            out.image = Rect{x + titleWidth + gap, imageY, i.width, i.height};
        }
        return out;
    }
    // Stacked: above or below.
    const Size room{d.width(), std::max(0.0, d.height() - t.height - gap)};
    const Size i = imageScaling_ == ImageScaling::none ? own : sizeShrunkToFit(own, room);
    const double stack = i.height + gap + t.height;
    const double top = std::round(d.midY() - stack / 2);
    const double imageX = std::round(d.midX() - i.width / 2);
    if (position == ImagePosition::imageAbove) {
        out.image = Rect{imageX, top, i.width, i.height};
        out.title = Rect{d.x(), top + i.height + gap, d.width(), t.height};
    } else {
        out.title = Rect{d.x(), top, d.width(), t.height};
        out.image = Rect{imageX, top + t.height + gap, i.width, i.height};
    }
    return out;
}

Rect ButtonCell::titleRect(const Rect& bounds) const {
    if (imagePosition_ == ImagePosition::imageOnly)
        return Rect::zero();
    return layout(bounds).title;
}

Rect ButtonCell::imageRect(const Rect& bounds) const {
    return layout(bounds).image;
}

Size ButtonCell::cellSize() const {
    const ImagePosition position = effectivePosition();
    const AttributedString title = attributedTitle();
    Size t = title.size();
    Size i = position == ImagePosition::noImage ? Size{} : shownImage().size();
    if (position == ImagePosition::imageOnly)
        t = Size{};
    const double gap = (!title.empty() && i.width > 0 && position != ImagePosition::imageOnly &&
                        position != ImagePosition::imageOverlaps)
                           ? kImageTitleSpacing
                           : 0;
    Size content;
    switch (position) {
    case ImagePosition::imageLeft:
    case ImagePosition::imageRight:
        content = Size{i.width + gap + t.width, std::max(i.height, t.height)};
        break;
    case ImagePosition::imageAbove:
    case ImagePosition::imageBelow:
        content = Size{std::max(i.width, t.width), i.height + gap + t.height};
        break;
    default:
        content = Size{std::max(i.width, t.width), std::max(i.height, t.height)};
        break;
    }
    const Size pad = drawingInsetSize();
    Size size{std::ceil(content.width + pad.width), std::ceil(content.height + pad.height)};
    if (isBordered() || isBezeled())
        size.height = std::max(size.height, minimumBezelHeight(controlSize()));
    return size;
}

void ButtonCell::draw(const Rect& frame, View& controlView, GraphicsContext& context) {
    if (isBordered() || isBezeled())
        drawBezel(frame, controlView, context);
    drawInterior(frame, controlView, context);
}

void ButtonCell::drawInterior(const Rect& frame, View& controlView, GraphicsContext& context) {
    if (imagePosition_ != ImagePosition::noImage)
        if (const Image shown = shownImage())
            drawImage(shown, imageRect(frame), controlView, context);
    const AttributedString title = attributedTitle();
    if (!title.empty() && imagePosition_ != ImagePosition::imageOnly)
        drawTitle(title, titleRect(frame), controlView, context);
}

void ButtonCell::drawBezel(const Rect& frame, View&, GraphicsContext& context) {
    const bool pressed = isHighlighted();
    const bool on = state() == CellState::on;
    Color face = controlColor();
    if (pressed && contains(highlightsBy_, CellMask::changeGray))
        face = controlHighlightColor();
    else if (pressed && contains(highlightsBy_, CellMask::changeBackground))
        face = selectedControlColor();
    else if (on && contains(showsStateBy_, CellMask::changeBackground))
        face = controlAccentColor();
    else if (on && contains(showsStateBy_, CellMask::changeGray))
        face = controlHighlightColor();
    const bool pushedIn = (pressed && contains(highlightsBy_, CellMask::pushIn)) ||
                          (on && contains(showsStateBy_, CellMask::pushIn));

    GraphicsStateGuard guard(context);
    if (!isEnabled())
        context.setAlpha(context.alpha() * 0.5);
    // Inset by half a point so the 1-point edge lies on whole pixels.
    const Rect r = frame.insetBy(0.5, 0.5);
    const Path shape = Path::roundedRect(r, cornerRadius(bezelStyle_, r));
    const Color top = pushedIn ? face.blended(0.15, Color::black()) : face.blended(0.12, Color::white());
    const Color bottom = pushedIn ? face : face.blended(0.08, Color::black());
    context.fillPath(shape, LinearGradient{{r.x(), r.minY()}, {r.x(), r.maxY()}, {{0, top}, {1, bottom}}});
    context.strokePath(shape, Color::gray(0, 0.45));
    if (!pushedIn)
        context.strokeLine({r.minX() + cornerRadius(bezelStyle_, r), r.minY() + 1},
                           {r.maxX() - cornerRadius(bezelStyle_, r), r.minY() + 1}, Color::gray(1, 0.12));
}

void ButtonCell::drawImage(const Image& image, const Rect& frame, View&, GraphicsContext& context) {
    if (!image || frame.isEmpty())
        return;
    const double opacity = (!isEnabled() && imageDimsWhenDisabled_) ? 0.5 : 1;
    const ImageDrawOptions options = ImageDrawOptions{}.withOpacity(opacity);
    if (image.isTemplate())
        context.drawTemplateImage(image, frame, textColor(), options);
    else
        context.drawImage(image, frame, options);
}

Rect ButtonCell::drawTitle(const AttributedString& title, const Rect& frame, View&,
                           GraphicsContext& context) {
    const Size size = title.size();
    return title.draw(
        context, Rect{frame.x(), std::round(frame.midY() - size.height / 2), frame.width(), size.height});
}

Rect ButtonCell::focusRingMaskBounds(const Rect& frame, const View&) const {
    if (isBordered() || isBezeled())
        return frame;
    const Layout l = layout(frame);
    return l.image.isEmpty() ? l.title : l.image;
}

} // namespace tk
