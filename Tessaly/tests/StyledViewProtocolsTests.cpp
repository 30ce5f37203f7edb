#include "Tessaly/Protocols/Selectable.h"
#include "Tessaly/Protocols/StyledView.h"
#include "Tessaly/Protocols/Validating.h"
#include "Tessaly/Styles/ControlStateDerivation.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/View.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Tessaly {
namespace {

using S = StyledControlState;

struct SelectableView : tk::View, Selectable {
    bool isSelected() const override { return selected; }
    void setSelected(bool value) override { selected = value; }
    bool selected = false;
};

// row -> [cell (Selectable) -> [label (Selectable) -> [deep (Selectable)]], plain -> [hidden (Selectable)]]
TEST(Selection, ReachesTwoLevelsOfSelectableSubviewsAndNoFurther) {
    tk::MainThread::adopt();
    auto row = tk::View::make<tk::View>();
    auto cell = tk::View::make<SelectableView>();
    auto label = tk::View::make<SelectableView>();
    auto deep = tk::View::make<SelectableView>();
    auto plain = tk::View::make<tk::View>();
    auto behindPlain = tk::View::make<SelectableView>();
    row->addSubview(cell);
    cell->addSubview(label);
    label->addSubview(deep);
    row->addSubview(plain);
    plain->addSubview(behindPlain);

    setSubviewsSelected(*row, true, true);
    EXPECT_TRUE(cell->selected);
    EXPECT_TRUE(label->selected);
    EXPECT_FALSE(deep->selected) << "two levels only";
    EXPECT_FALSE(behindPlain->selected) << "plain views are not looked into";

    propagateSelection(*row, false, false);
    EXPECT_FALSE(cell->selected);
    EXPECT_TRUE(label->selected) << "not recursive: the direct subviews only";
}

// A base cell and a subclass with its own look; the reads go through the dynamic class.
struct BaseCell : Selectable {
    using ViewStyle = ControlStyle;
    static std::shared_ptr<ControlStyle> style() {
        static const auto shared = std::make_shared<ControlStyle>();
        return shared;
    }
    virtual std::shared_ptr<ControlStyle> dynamicStyle() const { return style(); }
    virtual ~BaseCell() = default;
    StyledControlState controlState() const {
        return deriveControlState({.cellState = 1, .isSelected = selected});
    }
    bool isSelected() const override { return selected; }
    void setSelected(bool value) override { selected = value; }
    bool selected = false;
};
struct RedCell : BaseCell {
    static std::shared_ptr<ControlStyle> style() {
        static const auto shared = [] {
            auto made = std::make_shared<ControlStyle>();
            made->setHighlightedTextColor(tk::Color::red());
            return made;
        }();
        return shared;
    }
    std::shared_ptr<ControlStyle> dynamicStyle() const override { return style(); }
};
static_assert(StyledControl<BaseCell>);
static_assert(!StyledControl<SelectableView>);

TEST(StyledControlReads, AskTheStyleOfTheDynamicClassForTheCurrentState) {
    testing::useBuiltBundles();
    EXPECT_EQ(BaseCell::style(), BaseCell::style()) << "one shared style per class";
    RedCell red;
    const BaseCell& asBase = red;
    EXPECT_EQ(currentTextColor(asBase), tk::Color::red())
        << "on: highlighted text colour of the subclass's style";
    red.setSelected(true);
    EXPECT_EQ(asBase.controlState(), (S{S::defaultState, S::on, S::selected}));
    EXPECT_EQ(currentTextColor(asBase), RedCell::style()->selectedTextColor());
    EXPECT_EQ(currentBackgroundColor(asBase), RedCell::style()->highlightedBackgroundColor());
}

} // namespace
} // namespace Tessaly
