// The styled search field: its text rect between the buttons, what it draws, and what it sends
// as the user types and cancels.

#include "Tessaly/Controls/StyledSearchField.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/tests/TextFieldTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace Tessaly {
namespace {

using testing::FieldFixture;
using testing::recordDrawing;

std::set<std::string> picturesOf(const tk::RecordingContext& context) {
    const auto names = context.imageNames();
    return {names.begin(), names.end()};
}

TEST(StyledSearchFieldCell, TheTextRunsBetweenTheButtonsCentredOnWhatIsDrawn) {
    FieldFixture f;
    const tk::Rect bounds{0, 0, 200, 22};
    StyledSearchFieldCell cell;
    cell.setBezeled(true);
    const tk::Rect search = cell.searchButtonRect(bounds);
    const tk::Rect cancel = cell.cancelButtonRect(bounds);
    const tk::Rect text = cell.searchTextRect(bounds);
    EXPECT_EQ(text.x(), search.maxX() - 10);
    EXPECT_EQ(text.maxX(), cancel.minX() + 2);
    // Empty, no placeholder: centred on one line of the font, not on a line of height 0.
    const double line = cell.font().metrics().lineHeight;
    EXPECT_NEAR(text.y(), 11 - line / 2, 1);

    cell.setShowsSearchIcon(false);
    EXPECT_EQ(cell.searchTextRect(bounds).x(), 4);
    cell.setCancelButtonCell(nullptr);
    const tk::Rect wide = cell.searchTextRect(bounds);
    EXPECT_EQ(wide.width(), cell.tk::SearchFieldCell::searchTextRect(bounds).width());

    cell.setVerticallyCenter(false);
    // The toolkit's rect then: one line of the font centred in the field, as the centred text is.
    const tk::Rect plain = cell.searchTextRect(bounds);
    EXPECT_EQ(plain.y(), cell.tk::SearchFieldCell::searchTextRect(bounds).integral().y());
    EXPECT_NEAR(plain.midY(), cell.drawingRect(bounds).midY(), 1);
    EXPECT_NEAR(plain.y(), text.y(), 1);
}

TEST(StyledSearchField, DrawsItsBezelPlaceholderAndCancelButton) {
    FieldFixture f;
    auto field = f.add(tk::View::make<StyledSearchField>(tk::Rect{10, 10, 200, 22}));
    field->setPlaceholderString("Search patterns");
    auto empty = recordDrawing(*field);
    EXPECT_EQ(picturesOf(*empty), (std::set<std::string>{"tui-searchfield"})); // no cancel button
    ASSERT_EQ(empty->texts().size(), 1u);
    EXPECT_EQ(empty->texts()[0].text, "Search patterns");
    EXPECT_EQ(empty->texts()[0].color, color(ColorResources::grey50));
    EXPECT_EQ(empty->texts()[0].textAttributes.font, StyledSearchFieldCell::style()->font());
    field->setLineBreakMode(tk::LineBreakMode::truncatingMiddle);
    EXPECT_EQ(recordDrawing(*field)->texts().at(0).textAttributes.truncation, tk::TruncationMode::middle)
        << "cut by the cell's line break mode";

    // A nil placeholder keeps the attributed one; the cell draws no placeholder of its own.
    field->setPlaceholderString(std::nullopt);
    EXPECT_TRUE(field->cell()->placeholderAttributedString().has_value());
    EXPECT_TRUE(recordDrawing(*field)->texts().empty());

    // Focused with text: the focused bezel, the editor's text in the style's font, the cancel
    // button, and the field's own ring.
    f.window->click({100, 20});
    f.window->type("kick");
    auto focused = recordDrawing(*field);
    EXPECT_TRUE(picturesOf(*focused).contains("tui-searchfield-focus"));
    ASSERT_EQ(focused->texts().size(), 1u);
    EXPECT_EQ(focused->texts()[0].textAttributes.font, StyledSearchFieldCell::style()->font());
    const auto images = focused->images();
    EXPECT_TRUE(std::any_of(images.begin(), images.end(), [&](const tk::RecordedDraw& d) {
        return d.rect.midX() > field->bounds().maxX() - 22;
    })) << "the cancel button";
    EXPECT_EQ(focused->draws(tk::RecordedDraw::Kind::stroke).size(), 1u);
}

TEST(StyledSearchField, SendsItsActionOnEachChangeAndOnCancel) {
    FieldFixture f;
    auto field = f.add(tk::View::make<StyledSearchField>(tk::Rect{10, 10, 200, 22}));
    std::vector<std::string> sent;
    auto target = std::make_shared<tk::Responder>();
    target->setActionHandler("filterContents:",
                             [&](const tk::ActionSender&) { sent.push_back(field->text()); });
    field->setTarget(target);
    field->setAction("filterContents:");
    f.window->click({100, 20});
    f.window->type("hat");
    f.window->key(tk::KeyCode::deleteBackward);
    EXPECT_EQ(sent, (std::vector<std::string>{"hat", "ha"}));
    f.window->click({200, 20}); // the cancel button
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(sent.back(), "");
    EXPECT_EQ(sent.size(), 3u);
}

} // namespace
} // namespace Tessaly
