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

namespace {
// One string member of every draw of one kind, in order.
std::vector<std::string> collect(const std::vector<RecordedDraw>& draws, RecordedDraw::Kind kind,
                                 std::string RecordedDraw::*member) {
    std::vector<std::string> out;
    for (const RecordedDraw& d : draws)
        if (d.kind == kind)
            out.push_back(d.*member);
    return out;
}

// A draw's shape: a path with its bounding box, or a rect as a path.
RecordedDraw ofPath(RecordedDraw d, const Path& path) {
    d.path = path;
    d.rect = path.boundingBox();
    return d;
}
RecordedDraw ofRect(RecordedDraw d, const Rect& rect) {
    d.rect = rect;
    d.path = Path::rect(rect);
    return d;
}
} // namespace

std::vector<std::string> RecordingContext::imageNames() const {
    return collect(pictures(), RecordedDraw::Kind::image, &RecordedDraw::imageName);
}

std::vector<std::string> RecordingContext::textStrings() const {
    return collect(draws_, RecordedDraw::Kind::text, &RecordedDraw::text);
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
    draws_.push_back(ofRect(begin(RecordedDraw::Kind::clip), rect));
    intersectClip(state_.transform.apply(rect));
}

void RecordingContext::clipToPath(const Path& path, FillRule rule) {
    RecordedDraw d = ofPath(begin(RecordedDraw::Kind::clip), path);
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
    RecordedDraw d = ofPath(begin(RecordedDraw::Kind::fill), path);
    d.fillRule = rule;
    d.color = color;
    draws_.push_back(std::move(d));
}

void RecordingContext::fillPath(const Path& path, const LinearGradient& gradient, FillRule rule) {
    RecordedDraw d = ofPath(begin(RecordedDraw::Kind::fill), path);
    d.fillRule = rule;
    d.gradient = gradient;
    if (!gradient.stops.empty())
        d.color = gradient.stops.front().color;
    draws_.push_back(std::move(d));
}

void RecordingContext::strokePath(const Path& path, const Color& color, const StrokeStyle& style) {
    RecordedDraw d = ofPath(begin(RecordedDraw::Kind::stroke), path);
    d.color = color;
    d.stroke = style;
    draws_.push_back(std::move(d));
}

void RecordingContext::clearRect(const Rect& rect) {
    RecordedDraw d = ofRect(begin(RecordedDraw::Kind::clear), rect);
    d.color = Color::clear();
    draws_.push_back(std::move(d));
}

void RecordingContext::drawScaledImage(const Image& image, const Rect& rect,
                                       const ImageDrawOptions& options) {
    RecordedDraw d = ofRect(begin(RecordedDraw::Kind::image), rect);
    if (options.blendMode)
        d.blendMode = *options.blendMode;
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

void RecordingContext::drawImageNinePart(const Image& image, const Rect& rect, EdgeInsets caps,
                                         const ImageDrawOptions& options) {
    const std::size_t first = draws_.size();
    GraphicsContext::drawImageNinePart(image, rect, caps, options);
    ++ninePartDraws_;
    for (std::size_t i = first; i < draws_.size(); ++i) {
        draws_[i].ninePartDraw = ninePartDraws_;
        draws_[i].ninePartRect = rect;
    }
}

std::vector<RecordedDraw> RecordingContext::pictures() const {
    std::vector<RecordedDraw> out;
    for (const RecordedDraw& d : draws_) {
        if (d.kind != RecordedDraw::Kind::image)
            continue;
        if (d.ninePartDraw == 0) {
            out.push_back(d);
            continue;
        }
        if (!out.empty() && out.back().ninePartDraw == d.ninePartDraw)
            continue;
        RecordedDraw whole = d;
        whole.rect = d.ninePartRect;
        whole.sourceRect = Rect{Point{}, d.image.size()};
        out.push_back(std::move(whole));
    }
    return out;
}

void RecordingContext::drawText(const TextLayout& layout, const Rect& rect) {
    RecordedDraw d = ofRect(begin(RecordedDraw::Kind::text), rect);
    d.text = layout.displayedText();
    d.textAttributes = layout.attributes();
    d.color = layout.attributes().color;
    draws_.push_back(std::move(d));
}

} // namespace tk
