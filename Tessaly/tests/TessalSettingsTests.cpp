// Settings forms laid out in a window: the label column, the leading stack of each row, the
// divider's insets, and a label column that follows its form's configuration.

#include "Tessaly/Declarative/TessalSettings.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace Tessaly {
namespace {

using namespace tk::ui;

Node box(const char* name, double width) {
    return Rectangle().fill(tk::Color::gray(0.5)).frame(width, 20).identifier(name);
}

struct HostedForm {
    tk::TestMainLoop loop;
    tk::HeadlessWindow window{tk::Size{600, 300}};
    std::shared_ptr<HostingView> host;

    explicit HostedForm(Node form) {
        testing::useBuiltBundles();
        host = tk::View::make<HostingView>(std::move(form).frame(
            {.maxWidth = kInfinity, .maxHeight = kInfinity, .alignment = Alignment::topLeading()}));
        window.setContentView(host);
        settle();
    }
    void settle() {
        loop.drain();
        window.window().layoutIfNeeded();
    }
    tk::Rect rect(const char* name) const {
        tk::View* v = findNodeView(*host, name);
        EXPECT_NE(v, nullptr) << name;
        return v ? v->convertTo(v->bounds(), nullptr) : tk::Rect{};
    }
};

TEST(TessalSettings, ChildrenStackAtTheLeadingEdgeAfterALabelColumnOfTheConfiguredWidth) {
    TessalSettings form(
        120, 400,
        {Node(TessalSettingsSection("Tempo:", {box("a", 50), box("b", 80), box("c", 30)})).identifier("row1"),
         Node(TessalSettingsSection("", {box("d", 60)})).identifier("row2")});
    HostedForm f{Node(form)};
    const tk::Rect a = f.rect("a"), b = f.rect("b"), c = f.rect("c"), d = f.rect("d");
    EXPECT_DOUBLE_EQ(a.minX(), b.minX());
    EXPECT_DOUBLE_EQ(b.minX(), c.minX());
    EXPECT_DOUBLE_EQ(b.minY() - a.maxY(), 4);
    EXPECT_DOUBLE_EQ(c.minY() - b.maxY(), 4);
    const double labelColumnEnd = a.minX() - kDefaultSpacing;
    EXPECT_DOUBLE_EQ(labelColumnEnd - f.rect("row1").minX(), 120);
    EXPECT_DOUBLE_EQ(d.minX(), a.minX()) << "an empty label keeps its column";
    EXPECT_DOUBLE_EQ(f.rect("row1").width(), 400);

    form.config->setLabelWidth(150);
    f.settle();
    EXPECT_DOUBLE_EQ(f.rect("a").minX() - a.minX(), 30) << "sections follow their form's configuration";
}

TEST(TessalSettings, TwoFormsKeepTheirOwnLabelColumns) {
    HostedForm f{HStack({Node(TessalSettings(60, 250, {TessalSettingsSection("A", {box("a", 10)})})),
                         Node(TessalSettings(100, 250, {TessalSettingsSection("B", {box("b", 10)})}))})};
    const tk::Rect a = f.rect("a"), b = f.rect("b");
    EXPECT_DOUBLE_EQ((b.minX() - a.minX()) - (250 + kDefaultSpacing), 40);
}

TEST(TessalSettings, TheDividerIsInsetSixteenWithEightAboveAndBelow) {
    HostedForm f{Node(TessalSettings(
        100, 300,
        {box("above", 300), Node(TessalSettingsDivider()).identifier("divider"), box("below", 300)}))};
    const tk::Rect above = f.rect("above"), below = f.rect("below"), divider = f.rect("divider");
    EXPECT_DOUBLE_EQ(divider.width(), 300);
    EXPECT_DOUBLE_EQ(divider.height(), 1 + 16);
    tk::RecordingContext context;
    f.host->drawHierarchy(context, tk::Rect{0, 0, 600, 300});
    std::vector<tk::Rect> lines;
    for (const auto& d : context.draws())
        if (d.kind == tk::RecordedDraw::Kind::fill && d.deviceRect().height() == 1)
            lines.push_back(d.deviceRect());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (tk::Rect{divider.minX() + 16, divider.minY() + 8, 268, 1}));
    EXPECT_DOUBLE_EQ(below.minY() - above.maxY(), 17 + 2 * kDefaultSpacing);
}

} // namespace
} // namespace Tessaly
