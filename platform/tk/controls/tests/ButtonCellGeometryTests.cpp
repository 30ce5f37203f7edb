// Where a button cell puts its image and title for each image position and alignment, and the
// size it asks for. Title sizes come from the installed fonts, so the table is written in terms of
// the measured title (tw x th).

#include "platform/tk/controls/ButtonCell.h"
#include "platform/tk/graphics/GraphicsContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace tk {

std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "{" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << "}";
}

namespace {

Image pictureOf(Size size) {
    return Image::draw(size, 1, [&](GraphicsContext& c) { c.fillRect(Rect{{0, 0}, size}, Color::white()); });
}

class ButtonCellGeometry : public ::testing::Test {
protected:
    ButtonCell cell{"Title"};
    const Rect bounds{0, 0, 120, 40}; // bordered: the drawing rect is {6, 2, 108, 36}
    double tw = 0;
    double th = 0;

    void SetUp() override {
        cell.setImage(pictureOf({20, 10}));
        const Size t = cell.attributedTitle().size();
        tw = std::ceil(t.width);
        th = std::ceil(t.height);
        ASSERT_GT(tw, 20);
        ASSERT_LT(tw + 24, 108) << "the title fits beside the image";
    }
};

TEST_F(ButtonCellGeometry, ImageAndTitlePlacesFollowThePositionAndAlignment) {
    const double titleY = std::round(20 - th / 2);
    const double centredPair = std::round(60 - (20 + 4 + tw) / 2);
    const double stackTop = std::round(20 - (10 + 4 + th) / 2);
    struct Case {
        const char* name;
        ImagePosition position;
        TextAlignment alignment;
        Rect image;
        Rect title;
    };
    const Case cases[] = {
        {"no image", ImagePosition::noImage, TextAlignment::center, Rect::zero(), {6, titleY, 108, th}},
        {"image only", ImagePosition::imageOnly, TextAlignment::center, {50, 15, 20, 10}, Rect::zero()},
        {"left, centred",
         ImagePosition::imageLeft,
         TextAlignment::center,
         {centredPair, 15, 20, 10},
         {centredPair + 24, titleY, tw, th}},
        {"left, leading",
         ImagePosition::imageLeft,
         TextAlignment::leading,
         {6, 15, 20, 10},
         {30, titleY, tw, th}},
        {"leading is left",
         ImagePosition::imageLeading,
         TextAlignment::left,
         {6, 15, 20, 10},
         {30, titleY, tw, th}},
        {"right, right-aligned",
         ImagePosition::imageRight,
         TextAlignment::right,
         {94, 15, 20, 10},
         {114 - 24 - tw, titleY, tw, th}},
        {"trailing, centred",
         ImagePosition::imageTrailing,
         TextAlignment::center,
         {centredPair + tw + 4, 15, 20, 10},
         {centredPair, titleY, tw, th}},
        {"above",
         ImagePosition::imageAbove,
         TextAlignment::center,
         {50, stackTop, 20, 10},
         {6, stackTop + 14, 108, th}},
        {"below",
         ImagePosition::imageBelow,
         TextAlignment::center,
         {50, stackTop + th + 4, 20, 10},
         {6, stackTop, 108, th}},
        {"overlaps",
         ImagePosition::imageOverlaps,
         TextAlignment::center,
         {50, 15, 20, 10},
         {6, titleY, 108, th}},
    };
    for (const Case& c : cases) {
        cell.setImagePosition(c.position);
        cell.setAlignment(c.alignment);
        EXPECT_EQ(cell.imageRect(bounds), c.image) << c.name;
        EXPECT_EQ(cell.titleRect(bounds), c.title) << c.name;
    }
}

TEST_F(ButtonCellGeometry, ImagesShrinkToTheDrawingRectByTheirScaling) {
    cell.setImagePosition(ImagePosition::imageOnly);
    cell.setImage(pictureOf({200, 100}));
    EXPECT_EQ(cell.imageRect(bounds), (Rect{24, 2, 72, 36})) << "shrunk, keeping its shape";
    cell.setImageScaling(ImageScaling::axesIndependently);
    EXPECT_EQ(cell.imageRect(bounds), (Rect{6, 2, 108, 36}));
    cell.setImageScaling(ImageScaling::none);
    EXPECT_EQ(cell.imageRect(bounds), (Rect{-40, -30, 200, 100})) << "own size, centred";
    cell.setImage(pictureOf({10, 6}));
    cell.setImageScaling(ImageScaling::proportionallyUpOrDown);
    EXPECT_EQ(cell.imageRect(bounds), (Rect{30, 2, 60, 36})) << "grown to fit";
    cell.setImageScaling(ImageScaling::proportionallyDown);
    EXPECT_EQ(cell.imageRect(bounds), (Rect{55, 17, 10, 6})) << "never grown";
}

// A subclass that only changes the drawing rect moves everything with it.
struct WidePaddingCell : ButtonCell {
    using ButtonCell::ButtonCell;
    Rect drawingRect(const Rect& b) const override { return b.insetBy(EdgeInsets{0, 30, 0, 10}); }
};

TEST_F(ButtonCellGeometry, TheDrawingRectOverrideMovesTitleImageAndSize) {
    WidePaddingCell padded("Title");
    padded.setImage(pictureOf({20, 10}));
    padded.setImagePosition(ImagePosition::imageLeft);
    padded.setAlignment(TextAlignment::leading);
    EXPECT_EQ(padded.imageRect(bounds), (Rect{30, 15, 20, 10}));
    EXPECT_EQ(padded.titleRect(bounds).x(), 54);
    EXPECT_EQ(padded.cellSize().width, std::ceil(20 + 4 + tw + 40));
}

TEST_F(ButtonCellGeometry, CellSizeIsTheContentPlusThePaddingAndAtLeastTheBezelHeight) {
    cell.setImagePosition(ImagePosition::noImage);
    EXPECT_EQ(cell.cellSize(), (Size{tw + 12, std::max(th + 4, 22.0)}));
    cell.setControlSize(ControlSize::mini);
    EXPECT_EQ(cell.cellSize().height, std::max(th + 4, 16.0));
    cell.setControlSize(ControlSize::regular);

    cell.setImagePosition(ImagePosition::imageLeft);
    EXPECT_EQ(cell.cellSize(), (Size{20 + 4 + tw + 12, std::max(th + 4, 22.0)}));
    cell.setImagePosition(ImagePosition::imageAbove);
    EXPECT_EQ(cell.cellSize(), (Size{tw + 12, std::max(10 + 4 + th + 4, 22.0)}));

    cell.setBordered(false);
    cell.setImagePosition(ImagePosition::imageOnly);
    EXPECT_EQ(cell.cellSize(), (Size{20, 10})) << "unbordered: no padding, no minimum height";
    cell.setTitle("");
    cell.setImagePosition(ImagePosition::imageLeft);
    EXPECT_EQ(cell.cellSize(), (Size{20, 10})) << "no title: no spacing";
}

} // namespace
} // namespace tk
