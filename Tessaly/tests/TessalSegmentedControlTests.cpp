// The declarative segmented control: its model's click rules and change notifications, and the
// hosted control clicked through a window.

#include "Tessaly/Declarative/TessalSegmentedControl.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace Tessaly {
namespace {

std::vector<SegmentItemPtr> items(std::vector<std::pair<std::int64_t, std::string>> list) {
    std::vector<SegmentItemPtr> out;
    for (auto& [id, title] : list)
        out.push_back(std::make_shared<TessalSegmentItem>(id, title));
    return out;
}

std::string name(const SegmentItemPtr& item) {
    return item ? item->title() : "none";
}

TEST(TessalSegmentedControlModel, ClicksSelectDeselectAndShowAHiddenSelectionAgain) {
    TessalSegmentedControlModel m(items({{1, "A"}, {2, "B"}}));
    const SegmentItemPtr a = m.items()[0], b = m.items()[1];
    std::vector<std::string> heard;
    m.setOnSelectionChanged([&](const SegmentItemPtr& item) { heard.push_back(name(item)); });

    m.itemClicked(a); // nothing -> A
    m.itemClicked(b); // A -> B
    m.itemClicked(b); // B -> nothing
    m.itemClicked(b); // nothing -> B
    m.setHideSelection(true);
    m.itemClicked(b); // hidden B -> B shown
    EXPECT_FALSE(m.hideSelection());
    m.setHideSelection(true);
    m.itemClicked(a); // hidden B -> A shown
    EXPECT_FALSE(m.hideSelection());
    EXPECT_EQ(heard, (std::vector<std::string>{"A", "B", "none", "B", "B", "A"}));
}

TEST(TessalSegmentedControlModel, SelectItemPicksTheFirstMatchSilentlyAndIgnoresUnknownIds) {
    TessalSegmentedControlModel m(items({{1, "A"}, {2, "first two"}, {2, "second two"}}));
    int heard = 0;
    m.setOnSelectionChanged([&](const SegmentItemPtr&) { ++heard; });
    m.setHideSelection(true);
    m.selectItem(2);
    EXPECT_EQ(name(m.selectedItem()), "first two");
    EXPECT_TRUE(m.hideSelection()) << "selecting from code leaves the hidden state alone";
    m.selectItem(9);
    EXPECT_EQ(name(m.selectedItem()), "first two");
    EXPECT_EQ(heard, 0);

    TessalSegmentedControlModel empty({});
    empty.selectItem(1);
    EXPECT_EQ(empty.selectedItem(), nullptr);
}

TEST(TessalSegmentedControlModel, ObserversHearOfRealChangesOnly) {
    TessalSegmentedControlModel m(items({{1, "A"}, {2, "B"}}));
    int notified = 0;
    auto token = m.observe([&] { ++notified; });
    const struct {
        const char* what;
        std::vector<std::pair<std::int64_t, std::string>> list;
        int notifies;
    } cases[] = {
        {"same ids and titles", {{1, "A"}, {2, "B"}}, 0},
        {"another order", {{2, "B"}, {1, "A"}}, 1},
        {"a new title under the same id", {{2, "B!"}, {1, "A"}}, 1},
        {"one more", {{2, "B!"}, {1, "A"}, {3, "C"}}, 1},
    };
    for (const auto& c : cases) {
        notified = 0;
        m.setItems(items(c.list));
        EXPECT_EQ(notified, c.notifies) << c.what;
    }
    notified = 0;
    m.setSelectedItem(std::make_shared<TessalSegmentItem>(1, "A"));
    m.setSelectedItem(std::make_shared<TessalSegmentItem>(1, "another object, same id"));
    m.setHideSelection(false);
    EXPECT_EQ(notified, 1);
    m.setOnSelectionChanged({});
    EXPECT_EQ(notified, 2) << "a callback always notifies";
}

struct HostedSegments {
    tk::TestMainLoop loop;
    tk::HeadlessWindow window{tk::Size{300, 60}};
    std::shared_ptr<TessalSegmentedControlModel> model;
    std::shared_ptr<tk::ui::HostingView> host;

    HostedSegments() {
        testing::useBuiltBundles();
        model =
            std::make_shared<TessalSegmentedControlModel>(items({{1, "Notes"}, {2, "Chords"}, {3, "Drums"}}));
        host = tk::View::make<tk::ui::HostingView>(tk::ui::Node(TessalSegmentedControl{.model = model}));
        window.setContentView(host);
        settle();
    }
    void settle() {
        loop.drain();
        window.window().layoutIfNeeded();
    }
    tk::View& segment(int id) const { return *tk::ui::findNodeView(*host, "segment-" + std::to_string(id)); }
    tk::Point centre(int id) const {
        const tk::View& s = segment(id);
        return s.convertToWindow(tk::Point{s.bounds().midX(), s.bounds().midY()});
    }
    tk::Rect frameInWindow(int id) const {
        const tk::View& s = segment(id);
        return s.convertTo(s.bounds(), nullptr);
    }
    // The bezel each segment draws.
    std::vector<std::string> looks() {
        settle();
        std::vector<std::string> names;
        for (int id : {1, 2, 3}) {
            tk::RecordingContext context;
            segment(id).drawHierarchy(context, tk::Rect{0, 0, 300, 60});
            names.push_back(context.images().empty() ? "" : context.images().front().imageName);
        }
        return names;
    }
};

TEST(TessalSegmentedControl, SegmentsTouchAndClicksMoveTheSelectedBezel) {
    HostedSegments s;
    EXPECT_DOUBLE_EQ(s.frameInWindow(1).maxX(), s.frameInWindow(2).minX());
    EXPECT_DOUBLE_EQ(s.frameInWindow(2).maxX(), s.frameInWindow(3).minX());
    EXPECT_EQ(s.looks(), (std::vector<std::string>{"tui-window-tab", "tui-window-tab", "tui-window-tab"}));

    s.window.click(s.centre(2));
    EXPECT_EQ(s.model->selectedItem()->id(), 2);
    EXPECT_EQ(s.looks(),
              (std::vector<std::string>{"tui-window-tab", "tui-window-tab-selected", "tui-window-tab"}));

    s.model->setHideSelection(true);
    EXPECT_EQ(s.looks(), (std::vector<std::string>{"tui-window-tab", "tui-window-tab", "tui-window-tab"}));

    s.window.mouseDown(s.centre(3));
    EXPECT_EQ(s.looks(),
              (std::vector<std::string>{"tui-window-tab", "tui-window-tab", "tui-window-tab-down"}));
    s.window.mouseUp(s.centre(3));
    EXPECT_EQ(s.looks(),
              (std::vector<std::string>{"tui-window-tab", "tui-window-tab", "tui-window-tab-selected"}));
}

TEST(TessalSegmentedControl, ANewTitleUnderTheSameIdIsShown) {
    HostedSegments s;
    const double before = s.segment(1).frame().width();
    s.model->setItems(items({{1, "Notes and rests"}, {2, "Chords"}, {3, "Drums"}}));
    s.settle();
    EXPECT_GT(s.segment(1).frame().width(), before);
}

} // namespace
} // namespace Tessaly
