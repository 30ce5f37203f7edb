// The declarative pop-up wrapper: the menu built from items, the bound value shown (also from a
// submenu), a choice written back through the coordinator, and the environment's enabled state.

#include "Tessaly/Declarative/StyledPopUpButtonWrapper.h"
#include "Tessaly/tests/ControlTestSupport.h"
#include "platform/tk/base/Observable.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/HostingView.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Tessaly {
namespace {

using testing::ControlFixture;

StyledPopUpButton* findButton(tk::View& root) {
    if (auto* b = dynamic_cast<StyledPopUpButton*>(&root))
        return b;
    for (const auto& sub : root.subviews())
        if (auto* b = findButton(*sub))
            return b;
    return nullptr;
}

struct Picker {
    tk::Observable<int>* value;
    tk::Observable<bool>* enabled;
    tk::ui::Node body() {
        using Item = PopupItem<int>;
        Item more(std::nullopt, "More");
        more.subMenu = std::vector<Item>{Item(7, "Seven"), Item(1, "One again")};
        tk::ui::Binding<int> selection([v = value] { return v->get(); }, [v = value](int x) { v->set(x); });
        return StyledPopUpButtonWrapper<int>(
                   {.items = {Item(1, "One"), Item::divider(), Item(2, "Two", {}, false),
                              Item(std::nullopt, "Nothing"), more},
                    .selection = selection,
                    .label = std::string("Count"),
                    .fixedWidth = 150})
            .node()
            .disabled(!enabled->get());
    }
};

TEST(StyledPopUpButtonWrapper, ShowsTheBoundValueAndWritesTheChoiceBack) {
    ControlFixture f;
    tk::Observable<int> value{7};
    tk::Observable<bool> enabled{true};
    auto host = tk::View::make<tk::ui::HostingView>(tk::ui::Node(Picker{&value, &enabled}));
    host->setFrame({0, 0, 300, 100});
    f.window->setContentView(host);
    f.window->render();
    StyledPopUpButton* button = findButton(*host);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->titleOfSelectedItem(), "Seven") << "found in the submenu, shown on the button";
    EXPECT_EQ(button->indexOfSelectedItem(), -1) << "no top-level item was selected or added for it";
    EXPECT_EQ(button->numberOfItems(), 5);
    EXPECT_EQ(button->label(), std::optional<std::string>("Count"));
    EXPECT_FALSE(button->itemAtIndex(2)->enabled) << "a disabled item stays disabled";
    EXPECT_FALSE(button->menu()->autoenablesItems());
    const tk::Size bezel =
        StyledPopUpButtonCell::style()->bezelImage(StyledControlState::defaultState)->size();
    EXPECT_EQ(button->frame().size, (tk::Size{std::max(150.0, bezel.width), bezel.height}))
        << "the whole bezel, not its alignment rect";

    button->showMenu();
    ASSERT_NE(f.backend->menus().shownMenu(), nullptr);
    ASSERT_TRUE(f.backend->menus().chooseItem(3)); // "Nothing": no value
    EXPECT_EQ(value.get(), 7);
    button->showMenu();
    ASSERT_TRUE(f.backend->menus().chooseItem(0));
    EXPECT_EQ(value.get(), 1);
    f.loop.drain();
    f.window->render();
    EXPECT_EQ(button->indexOfSelectedItem(), 0) << "the first equal item in depth-first order";

    enabled.set(false);
    f.loop.drain();
    f.window->render();
    EXPECT_FALSE(button->isEnabled()) << "the update reads the environment";
}

} // namespace
} // namespace Tessaly
