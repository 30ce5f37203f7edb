#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/ui/Shader.h"
#include "platform/tk/ui/tests/UiTestSupport.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace tk::ui {
namespace {

TEST(UiDrawing, DrawsBackgroundsTextImagesAndCanvasesInOrderWithTheirModifiers) {
    TestMainLoop loop;
    const tk::Image picture = tk::Image::draw({20, 10}, 1, [](GraphicsContext&) {}).withName("pic");
    int canvasDraws = 0;
    Size canvasSize;
    auto root = VStack({.spacing = 0}, {
                                           Text("gate")
                                               .textCase(TextCase::uppercase)
                                               .foregroundColor(Color::red())
                                               .padding(2)
                                               .background(Color::blue()),
                                           Image(picture).opacity(0.5),
                                           Image(picture).hidden(),
                                           Canvas([&](GraphicsContext& c, Size s) {
                                               ++canvasDraws;
                                               canvasSize = s;
                                               c.fillRect(Rect(Point{}, s), Color::green());
                                           }).frame(30, 12),
                                       });
    auto h = testing::host(root, {100, 100});
    RecordingContext context;
    h->drawHierarchy(context, Rect{0, 0, 100, 100});

    const auto& draws = context.draws();
    ASSERT_GE(draws.size(), 4u);
    EXPECT_EQ(draws[0].kind, RecordedDraw::Kind::fill);
    EXPECT_EQ(draws[0].color, Color::blue()) << "the background first";
    const auto texts = context.texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "GATE");
    EXPECT_EQ(texts[0].color, Color::red());
    const auto images = context.images();
    ASSERT_EQ(images.size(), 1u) << "the hidden image is not drawn";
    EXPECT_DOUBLE_EQ(images[0].alpha * images[0].opacity, 0.5);
    EXPECT_EQ(canvasDraws, 1);
    EXPECT_EQ(canvasSize, (Size{30, 12}));
    EXPECT_EQ(draws.back().color, Color::green());
}

TEST(UiDrawing, AHugeTextLaysOutOnlyWhatItsFrameShows) {
    TestMainLoop loop;
    // Wrapped whole, a megabyte of text would take minutes to lay out.
    const std::string huge(1'000'000, '7');
    for (int limit : {0, 2}) {
        auto root = Text(huge).lineLimit(limit > 0 ? std::optional<int>(limit) : std::nullopt).frame(120, 40);
        auto h = testing::host(root, {200, 100});
        RecordingContext context;
        h->drawHierarchy(context, Rect{0, 0, 200, 100});
        const auto texts = context.textStrings();
        ASSERT_EQ(texts.size(), 1u) << limit;
        EXPECT_LT(texts[0].size(), 20'000u) << limit;
        EXPECT_EQ(texts[0].substr(0, 3), "777") << limit;
    }
}

TEST(UiDrawing, ShadowsAreCastByTheContentDrawnAsAPicture) {
    TestMainLoop loop;
    const Color ink{0.05, 0.02, 0.13, 0.4};
    auto h = testing::host(
        Text("Zindral").foregroundColor(Color::white()).shadow(ink, 0, 0, 1).shadow(ink, 4, 0, 4),
        {200, 100});
    RecordingContext context;
    h->drawHierarchy(context, Rect{0, 0, 200, 100});
    const auto images = context.images();
    ASSERT_EQ(images.size(), 1u) << "the outer shadow draws the inner one's picture";
    ASSERT_TRUE(images[0].shadow.has_value());
    EXPECT_EQ(images[0].shadow->offset, (Size{0, 4}));
    EXPECT_EQ(images[0].shadow->blur, 4);
    EXPECT_TRUE(context.texts().empty()) << "the text itself went into the picture";
}

// Swaps red and blue, or cannot run; remembers the drawing it was given.
class SwapShader final : public Shader {
public:
    bool runs = true;
    mutable std::optional<tk::Image> given;
    std::optional<tk::Image> applyColorEffect(const tk::Image& drawing) const override {
        given = drawing;
        if (!runs)
            return std::nullopt;
        return tk::Image::draw(drawing.size(), drawing.scale(), [&](GraphicsContext& c) {
            for (int y = 0; y < drawing.pixelSize().height; ++y)
                for (int x = 0; x < drawing.pixelSize().width; ++x) {
                    const auto p = drawing.pixelColor(x, y);
                    c.fillRect(Rect(x / drawing.scale(), y / drawing.scale(), 1 / drawing.scale(),
                                    1 / drawing.scale()),
                               Color(p.b, p.g, p.r, p.a));
                }
        });
    }
};

TEST(UiDrawing, AColorEffectShowsWhatItsShaderMakesOfTheDrawingOrTheDrawingWhenItCannotRun) {
    TestMainLoop loop;
    auto shader = std::make_shared<SwapShader>();
    HeadlessWindow w({40, 20}, 2);
    w.window().setBackgroundColor(Color::white());
    auto content = HStack({.spacing = 0}, {Rectangle().fill(Color::red()).frame(10, 20),
                                           Rectangle().fill(Color::green()).frame(10, 20)})
                       .colorEffect(shader)
                       .frame(40, 20, Alignment::topLeading());
    w.setContentView(View::make<HostingView>(content));
    EXPECT_EQ(w.colorAt({5, 10}), Color::blue()) << "red went through the shader";
    EXPECT_EQ(w.colorAt({15, 10}), Color::green());
    ASSERT_TRUE(shader->given);
    EXPECT_EQ(shader->given->size(), (Size{20, 20})) << "the content's bounds";
    EXPECT_EQ(shader->given->scale(), 2) << "at the window's backing scale";

    shader->runs = false;
    w.contentView().setNeedsDisplay();
    EXPECT_EQ(w.colorAt({5, 10}), Color::red()) << "as drawn when the shader cannot run";
}

TEST(UiDrawing, RendersScaledContentIntoAWindow) {
    TestMainLoop loop;
    HeadlessWindow w({100, 100});
    w.window().setBackgroundColor(Color::white());
    auto canvas = ZStack(Alignment::topLeading(), {Rectangle().fill(Color::red()).frame(60, 60)})
                      .frame(100, 100, Alignment::topLeading());
    w.setContentView(View::make<HostingView>(canvas.scaleEffect(0.5, Alignment::topLeading())));
    EXPECT_EQ(w.colorAt({10, 10}), Color::red());
    EXPECT_EQ(w.colorAt({40, 40}), Color::white()) << "60 points at half scale end at 30";
}

} // namespace
} // namespace tk::ui
