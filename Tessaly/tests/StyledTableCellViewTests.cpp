// Styled table cell views: selection handed down to labels, reuse, size and the row's disclosure
// button.

#include "Tessaly/Controls/StyledLabels.h"
#include "Tessaly/Controls/StyledTableCellView.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/Button.h"

#include <gtest/gtest.h>

namespace Tessaly {
namespace {

struct CellFixture {
    tk::TestMainLoop loop;
    bool bundles = (testing::useBuiltBundles(), true); // before the labels read their style
    std::shared_ptr<StyledTableCellView> cell = tk::View::make<StyledTableCellView>(tk::Rect{0, 0, 200, 20});
    std::shared_ptr<StyledTableRowLabel> label = tk::View::make<StyledTableRowLabel>(tk::Rect{6, 0, 100, 20});
    CellFixture() { cell->setTextField(label); }
};

TEST(StyledTableCellView, SelectionColoursTheTextAndReachesTwoLevelsOfSelectableViews) {
    CellFixture f;
    auto nested = tk::View::make<StyledTextLabel>(tk::Rect{0, 0, 10, 10});
    auto plain = tk::View::make<tk::View>(tk::Rect{0, 0, 10, 10});
    auto belowPlain = tk::View::make<StyledTextLabel>(tk::Rect{0, 0, 10, 10});
    f.label->addSubview(nested);
    plain->addSubview(belowPlain);
    f.cell->addSubview(plain);

    f.cell->setSelected(true);
    EXPECT_EQ(f.cell->controlState(), StyledControlState(5));
    EXPECT_EQ(f.label->textColor(), StyledTableCellView::style()->selectedTextColor());
    EXPECT_TRUE(f.label->isSelected());
    EXPECT_TRUE(nested->isSelected()) << "the label's own Selectable subviews take it too";
    EXPECT_FALSE(belowPlain->isSelected()) << "plain views are not looked into";

    f.cell->setSelected(false);
    EXPECT_EQ(f.label->textColor(), StyledTableCellView::style()->textColor());
    EXPECT_FALSE(nested->isSelected());
}

TEST(StyledTableCellView, AReusedViewShowsItsNewRowAndNothingOfTheOld) {
    CellFixture f;
    f.cell->setObjectValue("Kick");
    EXPECT_EQ(f.label->text(), "Kick");
    f.cell->setSelected(true);
    f.cell->setObjectValue("Snare");
    EXPECT_EQ(f.label->text(), "Snare");
    f.cell->setObjectValue(std::nullopt);
    EXPECT_EQ(f.label->text(), "");
}

TEST(StyledTableCellView, WidthEndsWhereTheTextEndsWithNoHeight) {
    CellFixture f;
    f.cell->setObjectValue("Hi-hat");
    const tk::Size size = f.cell->intrinsicContentSize();
    EXPECT_DOUBLE_EQ(size.width, 6 + f.label->intrinsicContentSize().width);
    EXPECT_EQ(size.height, tk::View::kNoIntrinsicMetric);

    auto bare = tk::View::make<StyledTableCellView>(tk::Rect{0, 0, 50, 20});
    EXPECT_EQ(bare->intrinsicContentSize(), bare->tk::View::intrinsicContentSize());
}

TEST(StyledTableCellView, TheDisclosureButtonIsTheRowsButtonTaggedForIt) {
    CellFixture f;
    EXPECT_EQ(f.cell->disclosureButton(), nullptr) << "no row";
    auto row = tk::View::make<tk::View>(tk::Rect{0, 0, 300, 20});
    auto other = tk::View::make<tk::Button>();
    auto disclosure = tk::View::make<tk::Button>();
    disclosure->setTag(kDisclosureButtonTag);
    row->addSubview(other);
    row->addSubview(f.cell);
    EXPECT_EQ(f.cell->disclosureButton(), nullptr);
    row->addSubview(disclosure);
    EXPECT_EQ(f.cell->disclosureButton(), disclosure.get());
}

} // namespace
} // namespace Tessaly
