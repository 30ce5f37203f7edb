#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/tests/UiTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace tk::ui {
namespace {

using testing::box;
using testing::frameOf;
using testing::host;

struct Placed {
    std::string name;
    Rect frame;
};

struct LayoutCase {
    const char* what;
    Node root;
    Size window;
    std::vector<Placed> expected;
};

// Each tree is laid out in a hosting view of the given size; the root is centred in it, so the
// cases put their content in a full-size frame with top-leading alignment to read absolute places.
Node topLeft(Node n) {
    return n.frame({.maxWidth = kInfinity, .maxHeight = kInfinity, .alignment = Alignment::topLeading()});
}

TEST(UiLayout, PlacesStacksFramesPaddingAndOffsets) {
    TestMainLoop loop;
    const std::vector<LayoutCase> cases = {
        {"vstack spacing",
         topLeft(VStack({.spacing = 5}, {box("a", 40, 20), box("b", 30, 10)})),
         {200, 200},
         {{"a", {0, 0, 40, 20}}, {"b", {5, 25, 30, 10}}}},
        {"vstack negative spacing overlaps rows",
         topLeft(VStack({.alignment = HorizontalAlignment::leading, .spacing = -10},
                        {box("a", 40, 20), box("b", 30, 40)})),
         {200, 200},
         {{"a", {0, 0, 40, 20}}, {"b", {0, 10, 30, 40}}}},
        {"vstack trailing",
         topLeft(VStack({.alignment = HorizontalAlignment::trailing, .spacing = 0},
                        {box("a", 40, 20), box("b", 30, 10)})),
         {200, 200},
         {{"a", {0, 0, 40, 20}}, {"b", {10, 20, 30, 10}}}},
        {"hstack top / bottom alignment",
         topLeft(HStack({.spacing = 4}, {box("tall", 10, 40),
                                         HStack({.alignment = VerticalAlignment::top, .spacing = 0},
                                                {box("t", 10, 10), box("t2", 10, 40)}),
                                         HStack({.alignment = VerticalAlignment::bottom, .spacing = 0},
                                                {box("b", 10, 10), box("b2", 10, 40)})})),
         {200, 200},
         {{"tall", {0, 0, 10, 40}}, {"t", {14, 0, 10, 10}}, {"b", {38, 30, 10, 10}}}},
        {"spacer pushes to the trailing edge",
         HStack({.spacing = 0}, {box("a", 50, 10), Spacer(), box("b", 30, 10)}).frame(200, 10),
         {200, 10},
         {{"a", {0, 0, 50, 10}}, {"b", {170, 0, 30, 10}}}},
        {"two spacers centre",
         HStack({.spacing = 0}, {Spacer(), box("m", 40, 10), Spacer()}).frame(200, 10),
         {200, 10},
         {{"m", {80, 0, 40, 10}}}},
        {"spacer minimum length holds in the ideal size",
         topLeft(HStack({.spacing = 0}, {box("a", 10, 10), Spacer(25), box("b", 10, 10)}).fixedSize()),
         {200, 200},
         {{"a", {0, 0, 10, 10}}, {"b", {35, 0, 10, 10}}}},
        {"fixed frame aligns its content",
         topLeft(box("c", 10, 10).frame(50, 30, Alignment::bottomTrailing()).identifier("f")),
         {200, 200},
         {{"f", {0, 0, 50, 30}}, {"c", {40, 20, 10, 10}}}},
        {"flexible frame takes all offered width",
         topLeft(box("c", 10, 10)
                     .frame({.maxWidth = kInfinity, .alignment = Alignment::leading()})
                     .identifier("f")),
         {120, 200},
         {{"f", {0, 0, 120, 10}}, {"c", {0, 0, 10, 10}}}},
        {"flexible frame minimum",
         topLeft(box("c", 10, 10).frame({.minWidth = 30, .minHeight = 20}).identifier("f")),
         {120, 200},
         {{"f", {0, 0, 30, 20}}, {"c", {10, 5, 10, 10}}}},
        {"padding on chosen edges",
         topLeft(box("c", 10, 10).padding(Edges::leading() | Edges::top(), 8).identifier("p")),
         {200, 200},
         {{"p", {0, 0, 18, 18}}, {"c", {8, 8, 10, 10}}}},
        {"negative padding lets the content overhang",
         topLeft(HStack({.spacing = 0}, {box("x", 10, 10),
                                         box("c", 30, 10).padding(Edges::horizontal(), -2).identifier("p")})),
         {200, 200},
         {{"p", {10, 0, 26, 10}}, {"c", {8, 0, 30, 10}}}},
        {"offset moves the view, not its neighbours",
         topLeft(HStack({.spacing = 0}, {box("a", 10, 10).offset(5, 7), box("b", 10, 10)})),
         {200, 200},
         {{"a", {5, 7, 10, 10}}, {"b", {10, 0, 10, 10}}}},
        {"zstack alignment",
         topLeft(ZStack(Alignment::bottomTrailing(), {box("big", 40, 40), box("small", 10, 10)})),
         {200, 200},
         {{"big", {0, 0, 40, 40}}, {"small", {30, 30, 10, 10}}}},
        {"background takes the content's size",
         topLeft(box("c", 20, 10).padding(5).background(Rectangle().identifier("bg"))),
         {200, 200},
         {{"bg", {0, 0, 30, 20}}, {"c", {5, 5, 20, 10}}}},
        {"scale effect about the top-leading corner (layout keeps the unscaled size)",
         topLeft(box("c", 100, 50).scaleEffect(0.5, Alignment::topLeading()).identifier("s")),
         {200, 200},
         {{"s", {0, 0, 100, 50}}, {"c", {0, 0, 50, 25}}}},
        {"flexible children share what rigid ones leave",
         HStack({.spacing = 10},
                {box("r", 40, 10), Rectangle().identifier("f1"), Rectangle().identifier("f2")})
             .frame(200, 10),
         {200, 10},
         {{"r", {0, 0, 40, 10}}, {"f1", {50, 0, 70, 10}}, {"f2", {130, 0, 70, 10}}}},
        {"a stack holding a flexible child is flexible in turn (its rigid sibling is served first)",
         HStack({.spacing = 0}, {HStack({.spacing = 0}, {Rectangle().identifier("f"), box("b", 30, 10)}),
                                 box("r", 40, 10)})
             .frame(200, 10),
         {200, 10},
         {{"f", {0, 0, 130, 10}}, {"b", {130, 0, 30, 10}}, {"r", {160, 0, 40, 10}}}},
        {"position puts the centre at a point of all the space offered",
         ZStack({box("pad", 264, 120), box("handle", 20, 20).position(132, 60).identifier("p")})
             .frame(264, 120),
         {264, 120},
         {{"p", {0, 0, 264, 120}}, {"handle", {122, 50, 20, 20}}}},
        {"ForEach children join the stack",
         topLeft(HStack(
             {.spacing = 2},
             {box("first", 10, 10), ForEach(std::vector<int>{1, 2},
                                            [](int i) { return box("each" + std::to_string(i), 10, 10); })})),
         {200, 200},
         {{"first", {0, 0, 10, 10}}, {"each1", {12, 0, 10, 10}}, {"each2", {24, 0, 10, 10}}}},
        {"empty nodes take no space or spacing",
         topLeft(VStack({.spacing = 10}, {box("a", 10, 10), Node(), box("b", 10, 10)})),
         {200, 200},
         {{"a", {0, 0, 10, 10}}, {"b", {0, 20, 10, 10}}}},
    };
    for (const auto& c : cases) {
        auto h = host(c.root, c.window);
        for (const auto& e : c.expected) {
            const Rect r = frameOf(*h, e.name);
            EXPECT_NEAR(r.x(), e.frame.x(), 1e-9) << c.what << ": " << e.name;
            EXPECT_NEAR(r.y(), e.frame.y(), 1e-9) << c.what << ": " << e.name;
            EXPECT_NEAR(r.width(), e.frame.width(), 1e-9) << c.what << ": " << e.name;
            EXPECT_NEAR(r.height(), e.frame.height(), 1e-9) << c.what << ": " << e.name;
        }
    }
}

TEST(UiLayout, StackReportsItsSizeAndIsCentredInTheHost) {
    TestMainLoop loop;
    auto h = host(VStack({.spacing = -10}, {box("a", 40, 20), box("b", 30, 40)}).identifier("s"), {100, 100});
    EXPECT_EQ(h->sizeThatFits(ProposedSize::unspecified()), (Size{40, 50}));
    EXPECT_EQ(frameOf(*h, "s"), (Rect{30, 25, 40, 50}));
}

TEST(UiLayout, TextTakesItsMeasuredSize) {
    TestMainLoop loop;
    auto h = host(Text("Hello").font(Font::system(13)).identifier("t"), {200, 100});
    const Rect r = frameOf(*h, "t");
    EXPECT_GT(r.width(), 10);
    EXPECT_GT(r.height(), 5);
    // Wider text in a narrow proposal wraps onto more lines.
    auto narrow = host(Text("one two three four five").frame(40, std::nullopt).identifier("t"), {200, 200});
    EXPECT_GT(frameOf(*narrow, "t").height(), r.height() * 1.5);
}

TEST(UiLayout, ResizableImageFitsItsAspectRatio) {
    TestMainLoop loop;
    const tk::Image picture = tk::Image::draw({40, 10}, 1, [](GraphicsContext&) {});
    auto h = host(Image(picture)
                      .resizable()
                      .aspectRatio(std::nullopt, AspectMode::fit)
                      .frame(std::nullopt, 27)
                      .identifier("i"),
                  {400, 100});
    EXPECT_EQ(frameOf(*h, "i").size, (Size{108, 27}));
    auto own = host(Image(picture).identifier("i"), {400, 100});
    EXPECT_EQ(frameOf(*own, "i").size, (Size{40, 10}));
}

} // namespace
} // namespace tk::ui
