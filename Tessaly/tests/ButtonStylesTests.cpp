#include "Tessaly/Declarative/ButtonStyles.h"
#include "Tessaly/Resources/TYColors.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace Tessaly {
namespace {

using namespace tk::ui;

struct StyledButtonFixture {
    tk::TestMainLoop loop;
    tk::HeadlessWindow window{tk::Size{300, 100}};
    std::shared_ptr<HostingView> host;
    int actions = 0;

    StyledButtonFixture(std::shared_ptr<const ButtonStyle> style, bool disabled) {
        testing::useBuiltBundles();
        host =
            tk::View::make<HostingView>(Button([this] { ++actions; }, Text("Help").frame(180, std::nullopt))
                                            .buttonStyle(std::move(style))
                                            .disabled(disabled)
                                            .identifier("button")
                                            .frame({.maxWidth = kInfinity,
                                                    .maxHeight = kInfinity,
                                                    .alignment = tk::ui::Alignment::center()}));
        window.setContentView(host);
        window.window().layoutIfNeeded();
    }

    struct Drawn {
        std::vector<tk::RecordedDraw> imageDraws;
        std::vector<tk::RecordedDraw> textDraws;
        const std::vector<tk::RecordedDraw>& images() const { return imageDraws; }
        const std::vector<tk::RecordedDraw>& texts() const { return textDraws; }
        // The union of the bezel's pieces.
        tk::Rect bezelRect() const {
            double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
            for (const auto& d : imageDraws) {
                const tk::Rect r = d.deviceRect();
                x0 = std::min(x0, r.minX());
                y0 = std::min(y0, r.minY());
                x1 = std::max(x1, r.maxX());
                y1 = std::max(y1, r.maxY());
            }
            return tk::Rect{x0, y0, x1 - x0, y1 - y0};
        }
    };
    Drawn draw() {
        loop.drain();
        window.window().layoutIfNeeded();
        tk::RecordingContext context;
        host->drawHierarchy(context, tk::Rect{0, 0, 300, 100});
        return {context.images(), context.texts()};
    }
};

TEST(TessalyButtonStyles, VelmorBezelOverhangsTheLayoutFrameAndFollowsThePress) {
    StyledButtonFixture f(std::make_shared<VelmorButtonStyle>(), false);
    tk::View* button = findNodeView(*f.host, "button");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->frame().size, (tk::Size{176, 24})) << "4 points narrower than the bezel, 24 high";

    auto idle = f.draw();
    ASSERT_FALSE(idle.images().empty());
    EXPECT_EQ(idle.images()[0].imageName, "tui-button");
    const tk::Rect bezel = idle.bezelRect();
    EXPECT_DOUBLE_EQ(bezel.width(), 180) << "the nine-part bezel stretches over the whole label";
    EXPECT_DOUBLE_EQ(bezel.height(), 24);
    EXPECT_DOUBLE_EQ(bezel.minX(), button->frame().minX() - 2);
    ASSERT_EQ(idle.texts().size(), 1u);
    EXPECT_EQ(idle.texts()[0].color, TYColorsAK::grey85());
    EXPECT_EQ(idle.texts()[0].textAttributes.font, VelmorButtonStyle::font());

    f.window.mouseDown({150, 50});
    auto pressed = f.draw();
    ASSERT_FALSE(pressed.images().empty());
    EXPECT_EQ(pressed.images()[0].imageName, "tui-button-down");
    EXPECT_EQ(pressed.texts()[0].color, TYColorsAK::grey50());

    f.window.mouseUp({150, 50});
    auto released = f.draw();
    EXPECT_EQ(released.images()[0].imageName, "tui-button");
    EXPECT_EQ(f.actions, 1);
}

TEST(TessalyButtonStyles, DisabledDimsOnlyTheDefaultStylesText) {
    StyledButtonFixture velmor(std::make_shared<VelmorButtonStyle>(), true);
    auto v = velmor.draw();
    ASSERT_EQ(v.texts().size(), 1u);
    EXPECT_EQ(v.texts()[0].color, TYColorsAK::grey85()) << "the Velmor style ignores the enabled state";

    StyledButtonFixture plain(std::make_shared<DefaultWendleButtonStyle>(), true);
    auto p = plain.draw();
    ASSERT_EQ(p.texts().size(), 1u);
    EXPECT_DOUBLE_EQ(p.texts()[0].color.a, TYColorsAK::grey85().a * 0.5);
    EXPECT_EQ(p.images()[0].imageName, "tui-button") << "the bezel is not dimmed";
    EXPECT_DOUBLE_EQ(p.images()[0].alpha * p.images()[0].opacity, 1);
    EXPECT_EQ(p.texts()[0].textAttributes.font, DefaultWendleButtonStyle::font());
}

} // namespace
} // namespace Tessaly
