#include "Tessaly/Images/ImageOperations.h"
#include "Tessaly/Views/CompactMap.h"
#include "Tessaly/Views/DraggedItems.h"
#include "Tessaly/Views/MouseButtons.h"
#include "Tessaly/Views/OutlineViewExtensions.h"
#include "Tessaly/Views/TextRange.h"
#include "Tessaly/Views/ViewExtensions.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace Tessaly {
namespace {

class Filled : public tk::View {
public:
    explicit Filled(tk::Rect frame, tk::Color fill = tk::Color::red()) : View(frame), color(fill) {}
    void draw(tk::GraphicsContext& context, const tk::Rect&) override { context.fillRect(bounds(), color); }
    tk::Color color;
};
class Focusable : public tk::View {
public:
    using View::View;
    bool acceptsFirstResponder() const override { return true; }
};

TEST(TessalyViews, FindingViewsInTheTree) {
    tk::TestMainLoop loop;
    auto root = tk::View::make<tk::View>();
    auto a = tk::View::make<Filled>(tk::Rect{0, 0, 1, 1});
    auto plain = tk::View::make<tk::View>();
    auto deep = tk::View::make<Filled>(tk::Rect{0, 0, 1, 1});
    auto b = tk::View::make<Filled>(tk::Rect{0, 0, 1, 1});
    root->addSubview(plain);
    root->addSubview(a);
    plain->addSubview(deep);
    root->addSubview(b);
    EXPECT_EQ(subviewsOfType<Filled>(*root), (std::vector<Filled*>{a.get(), b.get(), deep.get()}))
        << "direct subviews first, then each subview's matches";
    EXPECT_EQ(firstSubviewOfType<Filled>(*root), a.get());
    EXPECT_EQ(firstSuperviewOfType<Filled>(*deep), nullptr);
    EXPECT_EQ(firstSuperview(*deep, [&](const tk::View& v) { return &v == root.get(); }), root.get());

    auto made = makeView<Focusable>({1, 2, 3, 4}, "name");
    EXPECT_EQ(made->identifier(), "name");
    EXPECT_EQ(made->frame(), (tk::Rect{1, 2, 3, 4}));
    EXPECT_FALSE(usingAutoLayout(made)->translatesAutoresizingMaskIntoConstraints());
    EXPECT_EQ(separatorBox()->frame(), (tk::Rect{0, 0, 50, 1}));

    const std::vector<std::shared_ptr<tk::View>> mixed{a, plain, b};
    EXPECT_EQ(compactMapAs<Filled>(mixed).size(), 2u);
}

TEST(TessalyViews, FocusPixelSizeAndKeyViewLoops) {
    tk::TestMainLoop loop;
    auto loose = tk::View::make<Focusable>();
    EXPECT_EQ(pixelSize(*loose), 1.0) << "outside a window";
    EXPECT_FALSE(isFocused(*loose));

    tk::HeadlessWindow w({100, 100}, 2);
    auto first = tk::View::make<Focusable>(tk::Rect{0, 0, 10, 10});
    auto second = tk::View::make<Focusable>(tk::Rect{20, 0, 10, 10});
    auto third = tk::View::make<Focusable>(tk::Rect{40, 0, 10, 10});
    for (auto& v : {first, second, third})
        w.contentView().addSubview(v);
    EXPECT_EQ(pixelSize(*first), 0.5);
    closeKeyViewLoop({third.get(), first.get(), second.get()});
    w.window().makeFirstResponder(third.get());
    EXPECT_TRUE(isFocused(*third));
    w.key(tk::KeyCode::tab);
    EXPECT_TRUE(isFocused(*first));
    w.key(tk::KeyCode::tab);
    w.key(tk::KeyCode::tab);
    EXPECT_TRUE(isFocused(*third)) << "the last view leads back to the first";
    closeKeyViewLoop({}); // nothing to do
}

TEST(TessalyViews, SnapshotsHoldTheViewAndItsSubviews) {
    tk::TestMainLoop loop;
    tk::HeadlessWindow w({100, 100}, 2);
    auto panel = tk::View::make<Filled>(tk::Rect{30, 20, 20, 10}, tk::Color::blue());
    panel->addSubview(tk::View::make<Filled>(tk::Rect{10, 0, 10, 10}, tk::Color::green()));
    w.contentView().addSubview(panel);
    const auto image = snapshotImage(*panel);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), (tk::Size{20, 10}));
    EXPECT_EQ(image->scale(), 2);
    EXPECT_EQ(image->pixelColor(4, 4), tk::Color::blue());
    EXPECT_EQ(image->pixelColor(34, 4), tk::Color::green());
    const auto imageView = snapshotImageView(*panel);
    ASSERT_TRUE(imageView);
    EXPECT_EQ(imageView->frame(), panel->frame());
    EXPECT_FALSE(snapshotImage(*tk::View::make<tk::View>()));
}

TEST(TessalyViews, MenusPopUpUnderTheView) {
    tk::TestMainLoop loop;
    tk::HeadlessWindow w({200, 100});
    auto button = tk::View::make<tk::View>(tk::Rect{20, 30, 60, 22});
    w.contentView().addSubview(button);
    auto* backend = tk::HeadlessBackend::current();
    popUpMenuBelow(*button);
    EXPECT_EQ(backend->menus().shownMenu(), nullptr) << "no menu, nothing shown";
    auto menu = std::make_shared<tk::Menu>();
    menu->addItem("One", "one");
    button->setMenu(menu);
    popUpMenuBelow(*button);
    EXPECT_EQ(backend->menus().shownMenu(), menu.get());
    EXPECT_EQ(backend->menus().shownLocation(), (tk::Point{20, 52})) << "at the view's bottom-left corner";
}

TEST(TessalyViews, FlipContextFlipsAboutTheRect) {
    tk::RecordingContext context;
    flipContext(context, tk::Rect{0, 10, 50, 20});
    // The rect's top edge maps to its bottom edge and back.
    EXPECT_EQ(context.transform().apply(tk::Point{5, 10}), (tk::Point{5, 30}));
    EXPECT_EQ(context.transform().apply(tk::Point{5, 30}), (tk::Point{5, 10}));

    tk::RecordingContext text;
    tk::TextAttributes attributes;
    attributes.font = tk::Font::system(10);
    drawVerticallyCentered(text, "Label", tk::Rect{4, 0, 100, 40}, attributes);
    ASSERT_EQ(text.texts().size(), 1u);
    const tk::Rect drawn = text.texts()[0].rect;
    EXPECT_EQ(drawn.x(), 4);
    EXPECT_GT(drawn.y(), 10);
    EXPECT_LT(drawn.y(), 16);
}

TEST(TessalyViews, TheFullRangeOfAnAttributedStringCoversEveryRun) {
    EXPECT_EQ(fullRange(tk::AttributedString()), (TextRange{0, 0}));
    tk::AttributedString text("Length ", tk::TextAttributes{});
    text.append("16 \u00e9", tk::TextAttributes{}); // two bytes for the accented letter
    EXPECT_EQ(fullRange(text), (TextRange{0, 12}));
}

TEST(TessalyViews, MouseButtonsHeldFollowThePressesAndReleasesTheWindowDispatched) {
    tk::TestMainLoop loop;
    tk::HeadlessWindow window(tk::Size{100, 100});
    window.setContentView(tk::View::make<Focusable>(tk::Rect{0, 0, 100, 100}));
    const tk::Point p{50, 50};
    using Held = std::pair<bool, bool>;
    auto held = [] { return Held{isLeftMouseButtonPressed(), isRightMouseButtonPressed()}; };
    EXPECT_EQ(held(), Held(false, false));
    window.mouseDown(p);
    EXPECT_EQ(held(), Held(true, false));
    window.mouseDown(p, tk::ModifierFlags::none, 1, tk::MouseButton::right);
    EXPECT_EQ(held(), Held(true, true));
    window.mouseUp(p);
    EXPECT_EQ(held(), Held(false, true));
    window.mouseUp(p, tk::ModifierFlags::none, 1, tk::MouseButton::right);
    EXPECT_EQ(held(), Held(false, false));
}

TEST(TessalyViews, DraggedItemsOfTheTypesAskedForInDragOrder) {
    tk::DraggingInfo info;
    info.items = {{tk::kFileURLDragType, std::string("/songs/a.zin")},
                  {tk::kTextDragType, std::string("hello")},
                  {"com.example.colour", 7},
                  {tk::kFileURLDragType, 42}, // the right type holding the wrong object
                  {tk::kFileURLDragType, std::string("/songs/b.zin")}};
    std::vector<std::string> types;
    for (const auto& item : draggingItems(info, {tk::kFileURLDragType, "com.example.colour"}))
        types.push_back(item.type);
    EXPECT_EQ(types, (std::vector<std::string>{tk::kFileURLDragType, "com.example.colour",
                                               tk::kFileURLDragType, tk::kFileURLDragType}));
    EXPECT_TRUE(draggingItems(info, {"public.png"}).empty());
    EXPECT_EQ(draggedObjects<std::string>(info, tk::kFileURLDragType),
              (std::vector<std::string>{"/songs/a.zin", "/songs/b.zin"}));
    EXPECT_TRUE(draggedObjects<int>(info, tk::kTextDragType).empty());
}

TEST(TessalyImages, ResizingPaddingAndMeasuring) {
    tk::TestMainLoop loop;
    const tk::Image red = tk::Image::draw({4, 2}, 2, [](tk::GraphicsContext& g) {
        g.fillRect({0, 0, 4, 2}, tk::Color::red());
    });
    EXPECT_EQ(aspectRatio(red), 2);
    EXPECT_EQ(boundsRect(red), (tk::Rect{0, 0, 4, 2}));
    const tk::Image big = resized(red, {8, 8});
    EXPECT_EQ(big.size(), (tk::Size{8, 8}));
    EXPECT_EQ(big.pixelColor(15, 15), tk::Color::red()) << "drawn over the whole new size";
    const tk::Image padded = leftPadded(red, 3);
    EXPECT_EQ(padded.size(), (tk::Size{7, 2}));
    EXPECT_EQ(padded.pixelColor(2, 2).a, 0) << "the padding is clear";
    EXPECT_EQ(padded.pixelColor(7, 2), tk::Color::red());
    EXPECT_TRUE(red.tinted(tk::Color::blue()).isSameImage(red)) << "a non-template image is not tinted";

    const tk::Image icon = tk::Image::combining({red, resized(red, {16, 8})});
    EXPECT_EQ(bitmapRepresentation(icon, {0, 0, 4, 2}, 2)->pixelSize, (tk::Size{8, 4}));
    EXPECT_EQ(bitmapRepresentation(icon, {0, 0, 16, 8}, 2)->size, (tk::Size{16, 8}));
    EXPECT_FALSE(bitmapRepresentation(tk::Image(), {0, 0, 4, 4}, 1));
}

// a (a1, a2), b
struct Tree : tk::OutlineView::DataSource {
    std::shared_ptr<int> a = std::make_shared<int>(1), a1 = std::make_shared<int>(11),
                         a2 = std::make_shared<int>(12), b = std::make_shared<int>(2);
    int numberOfChildren(const OutlineItem& item) override { return !item ? 2 : item == a ? 2 : 0; }
    OutlineItem child(int index, const OutlineItem& item) override {
        if (!item)
            return index == 0 ? a : b;
        return index == 0 ? a1 : a2;
    }
    bool isItemExpandable(const OutlineItem& item) override { return item == a; }
};

TEST(TessalyOutlines, SelectionShortcuts) {
    tk::TestMainLoop loop;
    tk::HeadlessWindow w({200, 200});
    auto tree = std::make_shared<Tree>();
    auto outline = tk::View::make<tk::OutlineView>(tk::Rect{0, 0, 200, 200});
    outline->setDataSource(tree);
    w.contentView().addSubview(outline);
    outline->expandItem(tree->a);
    EXPECT_EQ(allRowIndexes(*outline), (tk::IndexSet{0, 1, 2, 3}));
    EXPECT_EQ(allItems(*outline), (std::vector<OutlineItem>{tree->a, tree->a1, tree->a2, tree->b}));
    EXPECT_EQ(indexPath(*outline, tree->a2), (std::vector<int>{0, 1}));
    EXPECT_EQ(indexPath(*outline, tree->b), (std::vector<int>{1}));
    EXPECT_FALSE(isItemCollapsed(*outline, tree->a));

    setSelectedItems(*outline, {tree->a1, tree->b});
    EXPECT_EQ(selectedItems(*outline), (std::vector<OutlineItem>{tree->a1, tree->b}));
    EXPECT_EQ(singleSelectedItem(*outline), nullptr);
    EXPECT_TRUE(clickedOrSelectedItems(*outline).empty()) << "nothing clicked yet";

    w.rightClick({50, 65}); // b, part of the selection
    EXPECT_EQ(clickedItem(*outline), tree->b);
    EXPECT_EQ(clickedOrSelectedItems(*outline).size(), 2u);
    w.rightClick({50, 45}); // a2, not selected
    EXPECT_EQ(clickedOrSelectedItems(*outline), (std::vector<OutlineItem>{tree->a2}));

    outline->collapseItem(tree->a);
    EXPECT_TRUE(isItemCollapsed(*outline, tree->a));
    EXPECT_FALSE(indexPath(*outline, tree->a2)) << "not shown";
    setSelectedItems(*outline, {tree->a1, tree->a2});
    EXPECT_TRUE(selectedItems(*outline).empty()) << "collapsed-away items select nothing and clear the rest";
    setSelectedItems(*outline, {tree->b});
    EXPECT_EQ(singleSelectedItem(*outline), tree->b);
}

} // namespace
} // namespace Tessaly
