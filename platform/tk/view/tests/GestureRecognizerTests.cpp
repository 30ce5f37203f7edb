// Click and pan recognisers fed by the window from injected pointer events, beside the view's own
// handling of the same events.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/GestureRecognizer.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"
#include "platform/tk/view/tests/RecordingView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tk {
namespace {

using Log = std::vector<std::string>;

const char* name(GestureState s) {
    switch (s) {
    case GestureState::possible:
        return "possible";
    case GestureState::began:
        return "began";
    case GestureState::changed:
        return "changed";
    case GestureState::ended:
        return "ended";
    case GestureState::cancelled:
        return "cancelled";
    case GestureState::failed:
        return "failed";
    }
    return "?";
}

class Recognizers : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    std::shared_ptr<View> outer = View::make<View>(Rect{10, 10, 150, 80});
    std::shared_ptr<testing::RecordingView> inner = View::make<testing::RecordingView>(Rect{10, 10, 50, 50});
    Log log;

    void SetUp() override {
        w.contentView().addSubview(outer);
        outer->addSubview(inner);
    }
};

TEST_F(Recognizers, AClickIsRecognisedOnReleaseNearThePressAndTheViewStillGetsTheEvents) {
    auto click = std::make_shared<ClickGestureRecognizer>(
        [&](GestureRecognizer& r) { log.push_back(std::string("click ") + name(r.state())); });
    inner->addGestureRecognizer(click);
    w.click({30, 30});
    EXPECT_EQ(log, (Log{"click ended"}));
    EXPECT_EQ(inner->log, (Log{"down 10,10", "up 10,10"})) << "nothing is held back";
    EXPECT_EQ(click->state(), GestureState::possible) << "ready for the next press";

    log.clear();
    w.drag({30, 30}, {45, 30}, 3);
    EXPECT_TRUE(log.empty()) << "moved too far for a click";
    w.mouseDown({30, 30});
    w.mouseUp({150, 30});
    EXPECT_TRUE(log.empty()) << "released outside the view";
}

TEST_F(Recognizers, APanOnAnAncestorBeginsAfterTheSlopChangesAndEndsWithTranslationAndVelocity) {
    auto pan = std::make_shared<PanGestureRecognizer>();
    pan->setAction([&](GestureRecognizer& r) {
        auto& p = static_cast<PanGestureRecognizer&>(r);
        const Point t = p.translationInView(outer.get());
        log.push_back(std::string(name(r.state())) + " " + std::to_string(int(t.x)));
    });
    outer->addGestureRecognizer(pan);
    w.mouseDown({30, 30});
    w.mouseDragged({31, 30});
    EXPECT_TRUE(log.empty()) << "within the slop";
    w.mouseDragged({40, 30});
    w.mouseDragged({50, 30});
    EXPECT_DOUBLE_EQ(pan->velocityInView(nullptr).x, 10 / HeadlessWindow::kEventTimeStep);
    w.mouseUp({50, 30});
    EXPECT_EQ(log, (Log{"began 10", "changed 20", "ended 20"}));
}

TEST_F(Recognizers, ASetTranslationIsWhereLaterDragsAddOn) {
    Log translations;
    auto pan = std::make_shared<PanGestureRecognizer>([&](GestureRecognizer& r) {
        auto& p = static_cast<PanGestureRecognizer&>(r);
        if (r.state() == GestureState::began)
            p.setTranslation({25, 30}, inner.get());
        const Point t = p.translationInView(inner.get());
        translations.push_back(std::to_string(int(t.x)) + "," + std::to_string(int(t.y)));
    });
    inner->addGestureRecognizer(pan);
    inner->setBoundsSize({100, 100}); // twice the frame: view distances are double the window's
    w.mouseDown({30, 30});
    w.mouseDragged({30, 35});
    w.mouseDragged({32, 36});
    w.mouseUp({32, 36});
    EXPECT_EQ(translations, (Log{"25,30", "29,32", "29,32"}));
}

TEST_F(Recognizers, ACancelledGestureCancelsARunningPanAndARemovedRecognizerHearsNothing) {
    auto pan =
        std::make_shared<PanGestureRecognizer>([&](GestureRecognizer& r) { log.push_back(name(r.state())); });
    inner->addGestureRecognizer(pan);
    w.mouseDown({30, 30});
    w.mouseDragged({40, 30});
    w.cancelDrag();
    EXPECT_EQ(log, (Log{"began", "cancelled"}));
    inner->removeGestureRecognizer(pan.get());
    EXPECT_EQ(pan->view(), nullptr);
    log.clear();
    w.drag({30, 30}, {60, 30});
    EXPECT_TRUE(log.empty());
}

} // namespace
} // namespace tk
