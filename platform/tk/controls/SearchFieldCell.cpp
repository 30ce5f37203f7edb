#include "platform/tk/controls/SearchFieldCell.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/SemanticColors.h"

#include <cmath>

namespace tk {

namespace {

std::unique_ptr<ButtonCell> glyphButton(Image image) {
    auto cell = std::make_unique<ButtonCell>(std::move(image));
    cell->setBordered(false);
    cell->setImagePosition(ImagePosition::imageOnly);
    cell->setImageScaling(ImageScaling::none);
    return cell;
}

} // namespace

Image SearchFieldCell::magnifierImage() {
    static const Image image = Image::draw({kGlyphSize, kGlyphSize}, 2, [](GraphicsContext& c) {
                                   const StrokeStyle line =
                                       StrokeStyle{}.withLineWidth(1.5).withLineCap(LineCap::round);
                                   c.strokePath(Path::ellipse(Rect{1, 1, 7.5, 7.5}), Color::black(), line);
                                   c.strokePath(Path::line({7.4, 7.4}, {11, 11}), Color::black(), line);
                               }).withTemplate(true);
    return image;
}

Image SearchFieldCell::cancelImage() {
    static const Image image =
        Image::draw({kGlyphSize, kGlyphSize}, 2, [](GraphicsContext& c) {
            c.fillPath(Path::ellipse(Rect{0, 0, kGlyphSize, kGlyphSize}), Color{0, 0, 0, 0.55});
            const StrokeStyle line = StrokeStyle{}.withLineWidth(1.3).withLineCap(LineCap::round);
            c.setBlendMode(BlendMode::clear);
            c.strokePath(Path::line({4, 4}, {8, 8}), Color::black(), line);
            c.strokePath(Path::line({8, 4}, {4, 8}), Color::black(), line);
        }).withTemplate(true);
    return image;
}

SearchFieldCell::SearchFieldCell() : SearchFieldCell(std::string{}) {}

SearchFieldCell::SearchFieldCell(std::string text)
    : TextFieldCell(std::move(text)), searchButton_(glyphButton(magnifierImage())),
      cancelButton_(glyphButton(cancelImage())) {}

void SearchFieldCell::setSearchButtonCell(std::unique_ptr<ButtonCell> cell) {
    searchButton_ = std::move(cell);
    updateControlView();
}

void SearchFieldCell::setCancelButtonCell(std::unique_ptr<ButtonCell> cell) {
    cancelButton_ = std::move(cell);
    updateControlView();
}

Rect SearchFieldCell::searchButtonRect(const Rect& bounds) const {
    return Rect{bounds.x(), bounds.y(), bounds.height() + 8, bounds.height()};
}

Rect SearchFieldCell::cancelButtonRect(const Rect& bounds) const {
    if (!cancelButton_)
        return Rect::zero();
    return Rect{bounds.maxX() - bounds.height(), bounds.y(), bounds.height(), bounds.height()};
}

Rect SearchFieldCell::searchTextRect(const Rect& bounds) const {
    const Rect d = drawingRect(bounds);
    const double x = std::max(d.x(), searchButtonRect(bounds).maxX());
    const Rect cancel = cancelButtonRect(bounds);
    const double right = cancel.isEmpty() ? d.maxX() : cancel.minX();
    // One line, centred in the field as a text field centres its line.
    return lineCentredIn(Rect{x, d.y(), std::max(0.0, right - x), d.height()});
}

Rect SearchFieldCell::titleRect(const Rect& bounds) const {
    return searchTextRect(bounds);
}

void SearchFieldCell::drawInterior(const Rect& frame, View& controlView, GraphicsContext& context) {
    if (searchButton_) {
        const Rect r = searchButtonRect(frame);
        const Rect glyph{r.x() + kButtonInset, std::round(r.midY() - kGlyphSize / 2), kGlyphSize, kGlyphSize};
        searchButton_->draw(glyph, controlView, context);
    }
    TextFieldCell::drawInterior(frame, controlView, context);
    if (cancelButton_ && !stringValue().empty()) {
        const Rect r = cancelButtonRect(frame);
        cancelButton_->draw(centeredRect({kGlyphSize, kGlyphSize}, r), controlView, context);
    }
}

} // namespace tk
