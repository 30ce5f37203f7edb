#include "platform/tk/graphics/RecordingContext.h"

#include "platform/tk/graphics/TextLayout.h"

#include <algorithm>

namespace tk {

RecordingContext::RecordingContext(Rect bounds, double scale)
    : bounds_(bounds.standardized()), scale_(scale > 0 ? scale : 1) {}

std::vector<RecordedDraw> RecordingContext::draws(RecordedDraw::Kind kind) const {
    std::vector<RecordedDraw> out;
    std::copy_if(draws_.begin(), draws_.end(), std::back_inserter(out),
                 [kind](const RecordedDraw& d) { return d.kind == kind; });
    return out;
}

std::vector<std::string> RecordingContext::imageNames() const {
    std::vector<std::string> out;
    for (const RecordedDraw& d : draws_)
        if (d.kind == RecordedDraw::Kind::image)
            out.push_back(d.imageName);
    return out;
}

std::vector<std::string> RecordingContext::textStrings() const {
    std::vector<std::string> out;
    for (const RecordedDraw& d : draws_)
        if (d.kind == RecordedDraw::Kind::text)
            out.push_back(d.text);
    return out;
}

void RecordingContext::save() {
    stack_.push_back(state_);
}

void RecordingContext::restore() {
    if (stack_.empty())
        return;
    state_ = stack_.back();
    stack_.pop_back();
}

void RecordingContext::concatTransform(const AffineTransform& t) {
    state_.transform = t.concatenating(state_.transform);
}

void RecordingContext::intersectClip(const Rect& baseRect) {
    state_.clip = state_.clip ? state_.clip->intersection(baseRect) : baseRect.standardized();
}

void RecordingContext::clipToRect(const Rect& rect) {
    RecordedDraw d = begin(RecordedDraw::Kind::clip);
    d.path = Path::rect(rect);
    d.rect = rect;
    draws_.push_back(std::move(d));
    intersectClip(state_.transform.apply(rect));
}

void RecordingContext::clipToPath(const Path& path, FillRule rule) {
    RecordedDraw d = begin(RecordedDraw::Kind::clip);
    d.path = path;
    d.rect = path.boundingBox();
    d.fillRule = rule;
    draws_.push_back(std::move(d));
    intersectClip(state_.transform.apply(path.boundingBox()));
}

Rect RecordingContext::clipBounds() const {
    const Rect base = state_.clip ? *state_.clip : bounds_;
    const auto inverse = state_.transform.inverted();
    return inverse ? inverse->apply(base) : Rect{};
}

void RecordingContext::setAlpha(double alpha) {
    state_.alpha = std::clamp(alpha, 0.0, 1.0);
}

RecordedDraw RecordingContext::begin(RecordedDraw::Kind kind) const {
    RecordedDraw d;
    d.kind = kind;
    d.transform = state_.transform;
    d.alpha = state_.alpha;
    d.blendMode = state_.blendMode;
    d.shadow = state_.shadow;
    d.clip = state_.clip;
    return d;
}

void RecordingContext::fillPath(const Path& path, const Color& color, FillRule rule) {
    RecordedDraw d = begin(RecordedDraw::Kind::fill);
    d.path = path;
    d.rect = path.boundingBox();
    d.fillRule = rule;
    d.color = color;
    draws_.push_back(std::move(d));
}

void RecordingContext::fillPath(const Path& path, const LinearGradient& gradient, FillRule rule) {
    RecordedDraw d = begin(RecordedDraw::Kind::fill);
    d.path = path;
    d.rect = path.boundingBox();
    d.fillRule = rule;
    d.gradient = gradient;
    if (!gradient.stops.empty())
        d.color = gradient.stops.front().color;
    draws_.push_back(std::move(d));
}

void RecordingContext::strokePath(const Path& path, const Color& color, const StrokeStyle& style) {
    RecordedDraw d = begin(RecordedDraw::Kind::stroke);
    d.path = path;
    d.rect = path.boundingBox();
    d.color = color;
    d.stroke = style;
    draws_.push_back(std::move(d));
}

void RecordingContext::clearRect(const Rect& rect) {
    RecordedDraw d = begin(RecordedDraw::Kind::clear);
    d.rect = rect;
    d.path = Path::rect(rect);
    d.color = Color::clear();
    draws_.push_back(std::move(d));
}

void RecordingContext::drawImage(const Image& image, const Rect& rect, const ImageDrawOptions& options) {
    RecordedDraw d = begin(RecordedDraw::Kind::image);
    if (options.blendMode)
        d.blendMode = *options.blendMode;
    d.rect = rect;
    d.path = Path::rect(rect);
    d.imageName = image.name();
    d.image = image;
    d.sourceRect = options.source ? *options.source : Rect{Point{}, image.size()};
    d.opacity = options.opacity;
    if (options.tint) {
        d.color = *options.tint;
        d.isTemplateDraw = true;
    }
    draws_.push_back(std::move(d));
}

void RecordingContext::drawText(const TextLayout& layout, const Rect& rect) {
    RecordedDraw d = begin(RecordedDraw::Kind::text);
    d.rect = rect;
    d.path = Path::rect(rect);
    d.text = layout.displayedText();
    d.textAttributes = layout.attributes();
    d.color = layout.attributes().color;
    draws_.push_back(std::move(d));
}

} // namespace tk
