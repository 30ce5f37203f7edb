// The example of the layer's documentation, kept compiling and working: a component with a
// stack, a drag gesture and a button in a style of its own.

#include "platform/tk/base/Observable.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace {

using namespace tk::ui;

// A badge that dims while pressed.
struct BadgeStyle {
    tk::Color fill;
    Node makeBody(const ButtonStyleConfiguration& c) const {
        return c.label.foregroundColor(tk::Color::white())
            .padding(Edges::horizontal(), 4)
            .background(RoundedRectangle(4).fill(fill))
            .opacity(c.isPressed ? 0.8 : 1);
    }
};

// A vertical slider: drag up to raise the level, the button resets it.
struct LevelSlider {
    tk::Observable<float>* level = nullptr;     // 0 ... 1, owned by the model
    State<std::optional<float>> levelAtPress{}; // survives rebuilds; none between drags

    Node body() {
        char text[16];
        std::snprintf(text, sizeof text, "%.2f", level->get());
        return VStack(
            {.spacing = 4},
            {
                Text(text).font(tk::Font::system(11)),
                ZStack(Alignment::bottom(),
                       {Rectangle().fill(tk::Color::gray(0.2)),
                        Rectangle().fill(tk::Color::orange()).frame(std::nullopt, 100 * level->get())})
                    .frame(20, 100)
                    .gesture(DragGesture{
                        .minimumDistance = 2,
                        .onChanged =
                            [this](const DragValue& v) {
                                if (!levelAtPress.peek())
                                    levelAtPress.set(level->peek());
                                const float moved = float(-v.translation.y / 100);
                                level->set(std::clamp(*levelAtPress.peek() + moved, 0.0f, 1.0f));
                            },
                        .onEnded = [this](const DragValue&) { levelAtPress.set(std::nullopt); },
                    }),
                Button([this] { level->set(0.5f); }, Text("RESET"))
                    .buttonStyle(BadgeStyle{tk::Color::blue()}),
            });
    }
};

TEST(UiExample, SliderDragsAndResets) {
    tk::TestMainLoop loop;
    tk::Observable<float> level{0.5f};
    tk::HeadlessWindow w({100, 200});
    auto host = tk::View::make<HostingView>(LevelSlider{.level = &level});
    w.setContentView(host);
    w.window().layoutIfNeeded();

    // The bar is 100 points tall and centred; drag 50 points up from its middle.
    w.drag({50, 100}, {50, 50}, 5);
    loop.drain();
    EXPECT_FLOAT_EQ(level.peek(), 1.0f);

    // The reset button sits under the bar.
    const tk::Rect bounds = host->rootView()->frame();
    w.click({50, bounds.maxY() - 5});
    loop.drain();
    EXPECT_FLOAT_EQ(level.peek(), 0.5f);
}

} // namespace
