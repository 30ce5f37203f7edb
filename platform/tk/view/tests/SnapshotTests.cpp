#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Snapshot.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

struct Fill : View {
    Color color;
    Fill(Rect frame, Color c) : View(frame), color(c) {}
    void draw(GraphicsContext& context, const Rect&) override { context.fillRect(bounds(), color); }
};

TEST(Snapshot, DrawsTheViewAndItsSubviewsFromItsOwnOriginAtTheWindowsScale) {
    TestMainLoop loop;
    HeadlessWindow w({200, 100}, 2);
    auto panel = View::make<Fill>(Rect{50, 30, 40, 20}, Color::blue());
    panel->addSubview(View::make<Fill>(Rect{20, 0, 20, 10}, Color::red()));
    w.contentView().addSubview(panel);

    const Image picture = snapshot(*panel);
    EXPECT_EQ(picture.size(), (Size{40, 20}));
    EXPECT_EQ(picture.pixelSize(), (Size{80, 40})) << "the window's backing scale";
    EXPECT_EQ(picture.pixelColor(2, 2), Color::blue());
    EXPECT_EQ(picture.pixelColor(78, 2), Color::red()) << "the subview, top right";
    EXPECT_EQ(picture.pixelColor(78, 38), Color::blue());

    EXPECT_EQ(snapshot(*panel, 1).pixelSize(), (Size{40, 20}));
    panel->setHidden(true);
    EXPECT_EQ(snapshot(*panel).pixelColor(2, 2).a, 0) << "hidden: transparent";
}

} // namespace
} // namespace tk
