// A button driven as a user drives it: pointer and keys injected through a headless window; what
// changes (state, highlight) and what is sent (the action) is checked, and the order in which the
// control calls its cell's hooks.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/Button.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/KeyboardFocus.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tk {
namespace {

using Log = std::vector<std::string>;

const char* stateName(CellState s) {
    return s == CellState::on ? "on" : s == CellState::off ? "off" : "mixed";
}

// Logs every tracking hook and state change the control asks of it.
struct LoggingCell : ButtonCell {
    Log* log = nullptr;
    bool keepTracking = true;
    void highlight(bool flag, const Rect& frame, View& view) override {
        log->push_back(flag ? "highlight" : "unhighlight");
        ButtonCell::highlight(flag, frame, view);
    }
    bool startTracking(Point p, View&) override {
        log->push_back("start " + std::to_string(int(p.x)));
        return true;
    }
    bool continueTracking(Point, Point p, View&) override {
        log->push_back("continue " + std::to_string(int(p.x)));
        return keepTracking;
    }
    void stopTracking(Point, Point p, View&, bool up) override {
        log->push_back((up ? "stop up " : "stop cancel ") + std::to_string(int(p.x)));
    }
    void setState(CellState s) override {
        ButtonCell::setState(s);
        log->push_back(std::string("state ") + stateName(state()));
    }
};

struct LoggingButton : Button {
    using Button::Button;
    Log* log = nullptr;
    std::unique_ptr<Cell> makeCell() const override { return std::make_unique<LoggingCell>(); }
    LoggingCell& loggingCell() const { return static_cast<LoggingCell&>(*cell()); }
};

class ButtonTracking : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    std::shared_ptr<LoggingButton> button = View::make<LoggingButton>(Rect{10, 10, 80, 24});
    std::shared_ptr<Responder> target = std::make_shared<Responder>();
    Log log;

    void SetUp() override {
        button->loggingCell().log = &log;
        button->setTitle("Press");
        button->setTarget(target);
        button->setAction("pressed:");
        target->setActionHandler("pressed:", [this](const ActionSender& s) {
            log.push_back(s.responder == button.get() ? "action from button" : "action");
        });
        w.contentView().addSubview(button);
    }
};

TEST_F(ButtonTracking, AClickCallsTheCellsHooksInOrderThenMovesTheStateThenSends) {
    button->setButtonType(ButtonType::toggle);
    log.clear();
    w.mouseDown({20, 20});
    EXPECT_TRUE(button->isHighlighted());
    EXPECT_TRUE(button->cell()->isHighlighted());
    w.dragTo({30, 20});
    w.mouseUp({30, 20});
    EXPECT_EQ(log, (Log{"highlight", "start 10", "continue 20", "unhighlight", "stop up 20", "state on",
                        "action from button"}));
    EXPECT_FALSE(button->isHighlighted());
    EXPECT_EQ(button->state(), CellState::on);
}

TEST_F(ButtonTracking, OnlyAReleaseInsideThatTrackingKeptCounts) {
    button->setButtonType(ButtonType::toggle);

    log.clear();
    w.mouseDown({20, 20});
    w.dragTo({150, 20});
    EXPECT_FALSE(button->isHighlighted()) << "the press look follows the pointer";
    w.dragTo({40, 20});
    EXPECT_TRUE(button->isHighlighted());
    w.dragTo({150, 20});
    w.mouseUp({150, 20});
    EXPECT_EQ(log.back(), "stop up 140") << "released outside: no state change, no action";
    EXPECT_EQ(button->state(), CellState::off);

    log.clear();
    w.mouseDown({20, 20});
    w.cancelDrag();
    EXPECT_EQ(log, (Log{"highlight", "start 10", "unhighlight", "stop cancel 10"}));

    log.clear();
    button->loggingCell().keepTracking = false;
    w.drag({20, 20}, {30, 20}, 1);
    EXPECT_EQ(log, (Log{"highlight", "start 10", "continue 20", "unhighlight", "stop up 20"}))
        << "the cell ended tracking: the release sends nothing";
    button->loggingCell().keepTracking = true;

    log.clear();
    button->setEnabled(false);
    EXPECT_FALSE(button->cell()->isEnabled());
    w.click({20, 20});
    EXPECT_TRUE(log.empty());
    button->cell()->setEnabled(true);
    EXPECT_TRUE(button->isEnabled()) << "the cell holds the enabled state";
    w.click({20, 20});
    EXPECT_EQ(log.back(), "action from button");
}

// What one click does to the state, by button type.
TEST_F(ButtonTracking, EachButtonTypeMovesItsStateAsItsKindDoes) {
    struct Case {
        ButtonType type;
        bool allowsMixed;
        CellState before;
        CellState after;
    };
    const Case cases[] = {
        {ButtonType::momentaryPushIn, false, CellState::off, CellState::off},
        {ButtonType::momentaryLight, false, CellState::on, CellState::on},
        {ButtonType::momentaryChange, false, CellState::off, CellState::off},
        {ButtonType::pushOnPushOff, false, CellState::off, CellState::on},
        {ButtonType::toggle, false, CellState::on, CellState::off},
        {ButtonType::onOff, false, CellState::on, CellState::off},
        {ButtonType::switchButton, false, CellState::off, CellState::on},
        {ButtonType::switchButton, true, CellState::off, CellState::mixed},
        {ButtonType::switchButton, true, CellState::mixed, CellState::on},
        {ButtonType::switchButton, true, CellState::on, CellState::off},
        {ButtonType::radio, false, CellState::off, CellState::on},
        {ButtonType::radio, false, CellState::on, CellState::on},
    };
    for (const Case& c : cases) {
        button->setButtonType(c.type);
        button->setAllowsMixedState(c.allowsMixed);
        button->setState(c.before);
        log.clear();
        w.click({20, 20});
        EXPECT_EQ(button->state(), c.after) << "type " << int(c.type) << " from " << stateName(c.before);
        EXPECT_EQ(log.back(), "action from button") << "type " << int(c.type);
    }
}

TEST_F(ButtonTracking, MixedNeedsPermission) {
    button->setButtonType(ButtonType::switchButton);
    button->setState(CellState::mixed);
    EXPECT_EQ(button->state(), CellState::on) << "a cell that does not allow mixed takes on";
    button->setAllowsMixedState(true);
    button->setState(CellState::mixed);
    button->setAllowsMixedState(false);
    EXPECT_EQ(button->state(), CellState::on);
}

TEST_F(ButtonTracking, SpaceClicksTheFocusedButtonAndTheKeyEquivalentClicksAnyButton) {
    button->setButtonType(ButtonType::pushOnPushOff);
    w.key(KeyCode::space);
    EXPECT_EQ(button->state(), CellState::off) << "not focused yet";

    ASSERT_TRUE(w.window().makeFirstResponder(button.get()));
    EXPECT_TRUE(hasKeyboardFocus(*button));
    log.clear();
    w.key(KeyCode::space);
    EXPECT_EQ(log, (Log{"highlight", "state on", "action from button", "unhighlight"}));

    log.clear();
    button->setKeyEquivalent("\r");
    w.window().makeFirstResponder(nullptr);
    EXPECT_FALSE(hasKeyboardFocus(*button));
    w.key(KeyCode::returnKey);
    EXPECT_EQ(log, (Log{"highlight", "state off", "action from button", "unhighlight"}));

    log.clear();
    w.key(KeyCode::returnKey, ModifierFlags::shift);
    button->setEnabled(false);
    w.key(KeyCode::returnKey);
    EXPECT_TRUE(log.empty()) << "other modifiers, or a disabled button: nothing";
}

TEST_F(ButtonTracking, ACellsTargetAndActionAreTheControls) {
    auto cell = std::make_unique<ButtonCell>("Other");
    auto other = std::make_shared<Responder>();
    other->setActionHandler("other:", [this](const ActionSender&) { log.push_back("other"); });
    cell->setTarget(other);
    cell->setAction("other:");
    cell->setTag(7);
    ButtonCell* raw = cell.get();
    button->setCell(std::move(cell));
    EXPECT_EQ(button->action(), "other:") << "what was set on the cell alone goes to its control";
    EXPECT_EQ(button->tag(), 7);
    w.click({20, 20});
    EXPECT_EQ(log, (Log{"other"}));

    button->setAction("pressed:");
    button->setTarget(target);
    EXPECT_EQ(raw->action(), "pressed:");
    EXPECT_EQ(raw->target(), target.get());
    EXPECT_EQ(raw->controlView(), button.get());
}

} // namespace
} // namespace tk
