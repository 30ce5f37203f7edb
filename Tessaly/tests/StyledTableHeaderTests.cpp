// Styled header cells and columns: what a header draws where (also past its last column), copies
// of a cell, and the column's image reaching its header cell.

#include "Tessaly/Controls/StyledTableHeader.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/View.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Tessaly {
namespace {

tk::Image square(double side) {
    return tk::Image::draw({side, side}, 1, [side](tk::GraphicsContext& c) {
        c.fillRect({0, 0, side, side}, tk::Color::white());
    });
}

struct Drawn {
    std::vector<tk::RecordedDraw> draws;
    const tk::RecordedDraw* first(tk::RecordedDraw::Kind kind) const {
        for (const auto& d : draws)
            if (d.kind == kind)
                return &d;
        return nullptr;
    }
    std::size_t index(const tk::RecordedDraw* d) const { return std::size_t(d - draws.data()); }
};

Drawn drawHeader(StyledTableHeaderCell& cell, const tk::Rect& frame) {
    tk::RecordingContext context;
    auto view = tk::View::make<tk::View>(tk::Rect{0, 0, 400, 24});
    cell.draw(frame, *view, context);
    return {context.draws()};
}

TEST(StyledTableHeaderCell, TitleInsetDependsOnWhereTheCellStarts) {
    StyledTableHeaderCell cell("Lane");
    const tk::FontMetrics m = cell.font().metrics();
    const double dy = std::floor((24 - (m.ascent + m.descent)) * 0.5);
    for (const auto& [x, dx] : {std::pair{0.0, 4.0}, std::pair{4.0, 4.0}, std::pair{120.0, 1.0}}) {
        const Drawn drawn = drawHeader(cell, tk::Rect{x, 0, 100, 24});
        const tk::RecordedDraw* text = drawn.first(tk::RecordedDraw::Kind::text);
        ASSERT_NE(text, nullptr);
        EXPECT_DOUBLE_EQ(text->rect.minX(), x + dx) << x;
        EXPECT_DOUBLE_EQ(text->rect.minY(), dy) << x;
    }
}

TEST(StyledTableHeaderCell, FillsWithItsTintThenDrawsTheImageCentredOverTheTitle) {
    StyledTableHeaderCell cell("Lane", square(10));
    cell.setTintColor(tk::Color::red());
    const Drawn drawn = drawHeader(cell, tk::Rect{120, 30, 100, 24});
    const tk::RecordedDraw* fill = drawn.first(tk::RecordedDraw::Kind::fill);
    const tk::RecordedDraw* text = drawn.first(tk::RecordedDraw::Kind::text);
    const tk::RecordedDraw* image = drawn.first(tk::RecordedDraw::Kind::image);
    ASSERT_TRUE(fill && text && image);
    EXPECT_EQ(fill->rect, (tk::Rect{120, 30, 100, 24}));
    EXPECT_EQ(fill->color, tk::Color::red());
    EXPECT_EQ(image->rect, (tk::Rect{165, 37, 10, 10})) << "centred in the cell's own frame";
    EXPECT_LT(drawn.index(fill), drawn.index(text));
    EXPECT_LT(drawn.index(text), drawn.index(image));

    // Past the last column the header is the tint alone: no title, no image, no lines.
    tk::RecordingContext filler;
    auto view = tk::View::make<tk::View>(tk::Rect{0, 0, 400, 24});
    cell.drawFiller(tk::Rect{220, 0, 80, 24}, *view, filler);
    ASSERT_EQ(filler.draws().size(), 1u);
    EXPECT_EQ(filler.draws().front().rect, (tk::Rect{220, 0, 80, 24}));
    EXPECT_EQ(filler.draws().front().color, tk::Color::red());

    cell.setTintColor(std::nullopt);
    EXPECT_EQ(drawHeader(cell, tk::Rect{0, 0, 100, 24}).first(tk::RecordedDraw::Kind::fill), nullptr);
    filler.clearRecording();
    cell.drawFiller(tk::Rect{220, 0, 80, 24}, *view, filler);
    EXPECT_TRUE(filler.draws().empty());
}

TEST(StyledTableHeaderCell, ACopyOwnsItsTint) {
    auto original = std::make_unique<StyledTableHeaderCell>("Lane");
    original->setTintColor(tk::Color::blue());
    auto copy = original->copy();
    original.reset();
    auto* styled = dynamic_cast<StyledTableHeaderCell*>(copy.get());
    ASSERT_NE(styled, nullptr);
    EXPECT_EQ(styled->tintColor(), tk::Color::blue());
    EXPECT_EQ(styled->title(), "Lane");
    styled->setTintColor(tk::Color::green());
    auto second = styled->copy();
    styled->setTintColor(tk::Color::red());
    EXPECT_EQ(static_cast<StyledTableHeaderCell&>(*second).tintColor(), tk::Color::green());
}

TEST(StyledTableColumn, TheColumnImageReachesTheHeaderCellWhenItIsReadOrSet) {
    StyledTableColumn column("lane");
    column.setHeaderCell(std::make_unique<StyledTableHeaderCell>("Lane"));
    const tk::Image first = square(8), second = square(12);
    column.setImage(first);
    EXPECT_TRUE(column.headerCell().image().isSameImage(first));

    column.setImage(second);
    auto replacement = std::make_unique<StyledTableHeaderCell>("Lane", first);
    tk::TableHeaderCell* raw = replacement.get();
    column.setHeaderCell(std::move(replacement));
    EXPECT_TRUE(raw->image().isSameImage(second)) << "a new header cell takes the column's image";

    column.setImage(std::nullopt);
    EXPECT_TRUE(raw->image().isSameImage(second)) << "setting the image touches no cell";
    EXPECT_TRUE(column.headerCell().image().isEmpty()) << "until the cell is read again";
}

} // namespace
} // namespace Tessaly
