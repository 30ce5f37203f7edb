// Pictures of the slider, segmented, form and table controls in their states, at 1x and 2x, into
// <build>/pictures/tessaly/tables/, with a sheet of them all (<build>/pictures/tessaly/tables.png)
// for a person to look at.

#include "Tessaly/Controls/ActionableTableHeaderView.h"
#include "Tessaly/Controls/StyledLabels.h"
#include "Tessaly/Controls/StyledOutlineView.h"
#include "Tessaly/Controls/StyledSlider.h"
#include "Tessaly/Controls/StyledTableCellView.h"
#include "Tessaly/Controls/StyledTableHeader.h"
#include "Tessaly/Controls/StyledTableView.h"
#include "Tessaly/Declarative/TessalSegmentedControl.h"
#include "Tessaly/Declarative/TessalSettings.h"
#include "Tessaly/Declarative/TessalSlider.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/tests/ContactSheet.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace Tessaly {
namespace {

namespace fs = std::filesystem;
using namespace tk::ui;

// The controls' own window background behind the subject.
class Backdrop : public tk::View {
public:
    using tk::View::View;
    void draw(tk::GraphicsContext& context, const tk::Rect&) override {
        context.fillRect(bounds(), color(ColorResources::backgroundNormal));
    }
};

struct Subject {
    std::string name;
    tk::Size size;
    // Puts the subject into the window's backdrop (and presses what it must).
    std::function<void(tk::HeadlessWindow&, tk::View& backdrop)> show;
};

std::shared_ptr<StyledSlider> addSlider(tk::View& backdrop, double value, bool enabled) {
    auto slider = tk::View::make<StyledSlider>(tk::Rect{12, 10, 176, 20});
    slider->setDoubleValue(value);
    slider->setEnabled(enabled);
    backdrop.addSubview(slider);
    return slider;
}

void host(tk::View& backdrop, Node node) {
    auto view = tk::View::make<HostingView>(std::move(node).padding(10).frame(
        {.maxWidth = kInfinity, .maxHeight = kInfinity, .alignment = Alignment::topLeading()}));
    view->setFrame(backdrop.bounds());
    backdrop.addSubview(view);
}

// Small end icons for the declarative slider: a quiet and a loud dot.
tk::Image dot(double radius) {
    return tk::Image::draw({14, 14}, 2, [radius](tk::GraphicsContext& c) {
        c.fillEllipse({7 - radius, 7 - radius, 2 * radius, 2 * radius}, color(ColorResources::grey70));
    });
}

Node tessalSlider(std::vector<double> starting) {
    auto model = std::make_shared<TessalSliderModel>(std::move(starting), 0.5, 0, 1, 0.1,
                                                     SliderIconClickBehaviour::increment);
    return Node(TessalSlider{.model = model, .leftImage = dot(2), .rightImage = dot(4.5)})
        .frame(220, std::nullopt);
}

std::shared_ptr<TessalSegmentedControlModel> segments() {
    return std::make_shared<TessalSegmentedControlModel>(std::vector<SegmentItemPtr>{
        std::make_shared<TessalSegmentItem>(1, "Notes"), std::make_shared<TessalSegmentItem>(2, "Chords"),
        std::make_shared<TessalSegmentItem>(3, "Drums")});
}

// Lanes of a pattern in a styled table of three columns ("lane", "pattern", "steps") in a scroll
// view with a scroller; the header with its two buttons sits in the scroll view, the table styles
// its header cells, row 0 is selected.
std::shared_ptr<StyledTableView> addLanes(tk::HeadlessWindow& window, tk::View& backdrop, const tk::Rect& frame) {
    static const char* const lanes[][3] = {
        {"Kick", "Four on the floor", "16"}, {"Snare", "Backbeat", "16"}, {"Hat", "Eighths", "8"},
        {"Bass", "Root walk", "32"},         {"Lead", "Arp up", "12"},    {"Pad", "Held", "4"}};
    static const char* const titles[] = {"Lane", "Pattern", "Steps"};
    static const char* const ids[] = {"lane", "pattern", "steps"};
    static const double widths[] = {90, 110, 60};
    auto scroll = tk::View::make<tk::ScrollView>(frame);
    scroll->setHasVerticalScroller(true);
    scroll->setHasHorizontalScroller(true);
    scroll->setAutohidesScrollers(true);
    auto table = tk::View::make<StyledTableView>(tk::Rect{{}, frame.size});
    for (int i = 0; i < 3; ++i) {
        auto column = std::make_shared<StyledTableColumn>(ids[i]);
        column->setWidth(widths[i]);
        column->setMinWidth(40);
        column->setHeaderCell(std::make_unique<tk::TableHeaderCell>(titles[i]));
        table->addTableColumn(column);
    }
    table->styleHeaderCells(color(ColorResources::grey85),
                            StyledTableHeaderView::style()->headerBackgroundColor(),
                            tk::Font::system(11, tk::FontWeight::medium));
    table->setNumberOfRows([] { return int(std::size(lanes)); });
    const double scale = window.window().backingScaleFactor();
    table->setCellViewProvider([scale](StyledTableView& t, tk::TableColumn* column, int row) {
        const int index = t.columnWithIdentifier(column->identifier());
        auto cell =
            std::dynamic_pointer_cast<StyledTableCellView>(t.makeViewWithIdentifier(column->identifier()));
        if (!cell) {
            cell = tk::View::make<StyledTableCellView>(tk::Rect{0, 0, column->width(), t.rowHeight()});
            cell->setIdentifier(column->identifier());
            // The first label's text inside the selection band's inset (8); the others' text where
            // their titles start, 1 point into the column. The cell starts half the intercell
            // spacing into its column, and a label without a bezel draws its text one device
            // pixel left of its frame.
            const double inset = index == 0 ? 10 : 1 - t.intercellSpacing().width / 2 + 1 / scale;
            auto label = tk::View::make<StyledTableRowLabel>(
                tk::Rect{inset, 2, column->width() - inset - (index == 2 ? 10 : 2), 16});
            label->setBezeled(false);
            label->setDrawsBackground(false);
            label->setAutoresizingMask(tk::AutoresizingMask::widthSizable);
            if (index == 2)
                label->setAlignment(tk::TextAlignment::right);
            cell->setTextField(label);
        }
        cell->setObjectValue(lanes[row][index]);
        return cell;
    });
    table->setHeaderView(tk::View::make<ActionableTableHeaderView>(tk::Rect{0, 0, 0, 24}));
    scroll->setDocumentView(table);
    backdrop.addSubview(scroll);
    window.window().layoutIfNeeded();
    window.click(table->convertToWindow({50, 10}));
    return table;
}

void addHeader(tk::HeadlessWindow& window, tk::View& backdrop) {
    addLanes(window, backdrop, backdrop.bounds().insetBy(10, 10));
}

// The same lanes with the pattern column dragged wider than the scroll view, which shows its
// horizontal scroller then, and scrolled sideways: the header follows, its buttons stay at the right.
void addScrolledHeader(tk::HeadlessWindow& window, tk::View& backdrop) {
    auto table = addLanes(window, backdrop, backdrop.bounds().insetBy(10, 10));
    tk::View& header = *table->headerView();
    const tk::Rect pattern = table->headerView()->headerRectOfColumn(1);
    window.drag(header.convertToWindow({pattern.maxX(), 12}), header.convertToWindow({pattern.maxX() + 140, 12}));
    window.window().layoutIfNeeded();
    auto& clip = tk::enclosingScrollView(*table)->contentView();
    clip.scrollToPoint({24, 0});
}

// A styled table in a scroll view: rows 1 and 2 selected as one band, row 4 alone.
void addStyledTable(tk::HeadlessWindow& window, tk::View& backdrop) {
    static const char* const names[] = {"Kick", "Snare", "Closed hat", "Open hat", "Clap", "Tom", "Rim"};
    auto scroll = tk::View::make<tk::ScrollView>(backdrop.bounds().insetBy(10, 10));
    auto table = tk::View::make<StyledTableView>(tk::Rect{{}, scroll->bounds().size});
    table->setNumberOfRows([] { return 7; });
    table->setCellViewProvider([](StyledTableView& t, int row) {
        auto cell = std::dynamic_pointer_cast<StyledTableCellView>(t.makeViewWithIdentifier("name"));
        if (!cell) {
            cell = tk::View::make<StyledTableCellView>(tk::Rect{0, 0, 200, t.rowHeight()});
            cell->setIdentifier("name");
            auto label = tk::View::make<StyledTableRowLabel>(tk::Rect{14, 2, 170, 16});
            label->setBezeled(false); // the row draws the background
            label->setDrawsBackground(false);
            cell->setTextField(label);
        }
        cell->setObjectValue(names[row]);
        return cell;
    });
    backdrop.addSubview(scroll);
    scroll->setDocumentView(table);
    table->reloadData();
    window.window().layoutIfNeeded();
    window.click(table->convertToWindow({50, 30}));
    window.click(table->convertToWindow({50, 50}), tk::ModifierFlags::shift);
    window.click(table->convertToWindow({50, 90}), tk::ModifierFlags::command);
}

// Folders of patterns for the outline: two open, one closed, a loose pattern.
struct PatternFolder {
    std::string name;
    std::vector<std::shared_ptr<PatternFolder>> children;
    int steps = 0;
};
std::shared_ptr<PatternFolder> patternFolder(std::string name,
                                             std::vector<std::shared_ptr<PatternFolder>> children = {}) {
    return std::make_shared<PatternFolder>(PatternFolder{std::move(name), std::move(children)});
}
std::shared_ptr<PatternFolder> pattern(std::string name, int steps) {
    return std::make_shared<PatternFolder>(PatternFolder{std::move(name), {}, steps});
}

struct PatternFolders : tk::OutlineView::DataSource {
    std::vector<std::shared_ptr<PatternFolder>> roots{
        patternFolder("Drums", {pattern("Four on the floor", 16), pattern("Broken beat", 32)}),
        patternFolder("Bass", {pattern("Root walk", 32), pattern("Octaves", 8)}),
        patternFolder("Leads", {pattern("Arp up", 12), pattern("Arp down", 12)}), pattern("Sketch", 4)};
    static PatternFolder& of(const tk::OutlineView::Item& item) {
        return *static_cast<PatternFolder*>(item.get());
    }
    int numberOfChildren(const tk::OutlineView::Item& item) override {
        return int(item ? of(item).children.size() : roots.size());
    }
    tk::OutlineView::Item child(int index, const tk::OutlineView::Item& item) override {
        return item ? of(item).children[std::size_t(index)] : roots[std::size_t(index)];
    }
    bool isItemExpandable(const tk::OutlineView::Item& item) override { return !of(item).children.empty(); }
};

// An outline cell of the "name" or the "steps" column, reused by identifier.
std::shared_ptr<tk::View> folderCell(tk::TableView& table, tk::TableColumn* column, int row) {
    auto& outline = static_cast<StyledOutlineView&>(table);
    const bool steps = column->identifier() == "steps";
    auto cell = std::dynamic_pointer_cast<StyledTableCellView>(outline.makeViewWithIdentifier(column->identifier()));
    if (!cell) {
        cell = tk::View::make<StyledTableCellView>(tk::Rect{0, 0, column->width(), outline.rowHeight()});
        cell->setIdentifier(column->identifier());
        auto label =
            tk::View::make<StyledTableRowLabel>(tk::Rect{2, 2, column->width() - (steps ? 12 : 4), 16});
        label->setBezeled(false);
        label->setDrawsBackground(false);
        label->setAutoresizingMask(tk::AutoresizingMask::widthSizable);
        if (steps)
            label->setAlignment(tk::TextAlignment::right);
        cell->setTextField(label);
    }
    const PatternFolder& shown = PatternFolders::of(outline.item(row));
    cell->setObjectValue(steps ? (shown.steps ? std::to_string(shown.steps) : "") : shown.name);
    return cell;
}

// Two columns: the names, indented in the first, and the steps; a header over them.
void addStyledOutline(tk::HeadlessWindow& window, tk::View& backdrop) {
    auto folders = std::make_shared<PatternFolders>();
    auto scroll = tk::View::make<tk::ScrollView>(backdrop.bounds().insetBy(10, 10));
    auto outline = tk::View::make<StyledOutlineView>(tk::Rect{{}, scroll->bounds().size});
    outline->associatedObjects().set("folders", folders); // the data source lives with the view
    for (const auto& [id, title, width] : {std::tuple{"name", "Pattern", 140.0}, std::tuple{"steps", "Steps", 50.0}}) {
        auto column = std::make_shared<StyledTableColumn>(id);
        column->setWidth(width);
        auto cell = std::make_unique<tk::TableHeaderCell>(title);
        cell->setTextColor(color(ColorResources::grey85));
        cell->setFont(tk::Font::system(11, tk::FontWeight::medium));
        column->setHeaderCell(std::move(cell));
        outline->addTableColumn(column);
    }
    outline->setCellViewProvider(folderCell);
    outline->setHeaderView(tk::View::make<StyledTableHeaderView>(tk::Rect{0, 0, 0, 22}));
    scroll->setDrawsBackground(true);
    scroll->setDocumentView(outline);
    backdrop.addSubview(scroll);
    outline->setDataSource(folders);
    outline->expandItemWithoutAnimation(folders->roots[0]);
    window.window().layoutIfNeeded();
    // Opened by a click on its disclosure button, as a person would.
    const tk::Rect leads = outline->frameOfOutlineCellAtRow(outline->row(folders->roots[2]));
    window.click(outline->convertToWindow(leads.center()));
    window.click(outline->convertToWindow({80, 30}));
    window.click(outline->convertToWindow({80, 50}), tk::ModifierFlags::shift);
}

std::vector<Subject> subjects() {
    const tk::Size sliderSize{200, 40};
    std::vector<Subject> list;
    list.push_back({"slider", sliderSize, [](auto&, tk::View& b) { addSlider(b, 0.35, true); }});
    list.push_back({"slider-dragged", sliderSize, [](tk::HeadlessWindow& w, tk::View& b) {
                        auto s = addSlider(b, 0.35, true);
                        w.mouseDown(s->convertToWindow(s->styledCell()->knobRect(true).center()));
                    }});
    list.push_back({"slider-disabled", sliderSize, [](auto&, tk::View& b) { addSlider(b, 0.7, false); }});
    list.push_back({"tessal-slider", {240, 44}, [](auto&, tk::View& b) { host(b, tessalSlider({0.6})); }});
    list.push_back({"tessal-slider-mixed", {240, 44}, [](auto&, tk::View& b) {
                        host(b, tessalSlider({0.15, 0.4, 0.8}));
                    }});
    list.push_back({"tessal-slider-many", {240, 44}, [](auto&, tk::View& b) {
                        host(b, tessalSlider({0.1, 0.2, 0.3, 0.4, 0.5, 0.6}));
                    }});
    list.push_back({"segmented", {260, 50}, [](auto&, tk::View& b) {
                        host(b, Node(TessalSegmentedControl{.model = segments()}));
                    }});
    list.push_back({"segmented-selected", {260, 50}, [](auto&, tk::View& b) {
                        auto m = segments();
                        m->selectItem(2);
                        host(b, Node(TessalSegmentedControl{.model = m}));
                    }});
    list.push_back({"segmented-pressed", {260, 50}, [](tk::HeadlessWindow& w, tk::View& b) {
                        auto m = segments();
                        m->selectItem(2);
                        host(b, Node(TessalSegmentedControl{.model = m}).identifier("control"));
                        w.window().layoutIfNeeded();
                        tk::View* c = findNodeView(b, "control");
                        w.mouseDown(c->convertToWindow({c->bounds().maxX() - 20, c->bounds().midY()}));
                    }});
    list.push_back({"styled-table", {220, 160}, addStyledTable});
    list.push_back({"styled-outline", {230, 222}, addStyledOutline});
    list.push_back({"table-header", {320, 136}, addHeader});
    list.push_back({"table-header-scrolled", {320, 136}, addScrolledHeader});
    list.push_back(
        {"settings-form", {420, 170}, [](auto&, tk::View& b) {
             const auto label = [](const char* text) {
                 return Text(text).font(tk::Font::system(11)).foregroundColor(color(ColorResources::grey85));
             };
             host(b,
                  Node(TessalSettings(
                           110, 400,
                           {TessalSettingsSection("Pattern:",
                                                  {Node(TessalSegmentedControl{.model = segments()})}),
                            TessalSettingsDivider(), TessalSettingsSection("Swing:", {tessalSlider({0.3})}),
                            TessalSettingsSection(
                                "", {label("Applies to every lane"), label("Hold Shift to step")})}))
                      .foregroundColor(color(ColorResources::grey85)));
         }});
    return list;
}

// Where the lanes' header titles and their first row's text start, in the window, at 1x and 2x:
// the pattern column's title where its cells' text starts; the first column's title at the header
// cell's own 4-point inset, while its cells' text stays inside the selection band (8 points in).
TEST(TablesPictures, HeaderTitlesStartWhereTheirCellsTextDoes) {
    testing::useBuiltBundles();
    for (const double scale : {1.0, 2.0}) {
        tk::TestMainLoop loop;
        tk::HeadlessWindow window({320, 136}, scale);
        auto backdrop = tk::View::make<Backdrop>(tk::Rect{{}, {320, 136}});
        window.setContentView(backdrop);
        const auto table = addLanes(window, *backdrop, backdrop->bounds().insetBy(10, 10));
        loop.drain();
        window.window().layoutIfNeeded();
        tk::RecordingContext context;
        backdrop->drawHierarchy(context, backdrop->bounds());
        auto startOf = [&](const std::string& text) {
            for (const tk::RecordedDraw& d : context.texts())
                if (d.text == text)
                    return d.deviceRect().minX();
            ADD_FAILURE() << "no \"" << text << "\" drawn at " << scale << "x";
            return 0.0;
        };
        const double tableX = table->convertToWindow(tk::Point{0, 0}).x;
        const double patternX = tableX + table->rectOfColumn(1).minX();
        EXPECT_DOUBLE_EQ(startOf("Pattern"), patternX + 1) << scale << "x";
        EXPECT_DOUBLE_EQ(startOf("Four on the floor"), startOf("Pattern")) << scale << "x";
        EXPECT_DOUBLE_EQ(startOf("Lane"), tableX + 4) << scale << "x";
        EXPECT_GE(startOf("Kick"), tableX + 8) << scale << "x";
    }
}

TEST(TablesPictures, SlidersSegmentsAndFormsAt1xAnd2x) {
    testing::useBuiltBundles();
    const fs::path root = testing::buildFolder() / "pictures" / "tessaly";
    const fs::path folder = root / "tables";
    fs::create_directories(folder);
    std::vector<testing::SheetPicture> sheet;
    for (const Subject& subject : subjects()) {
        for (const double scale : {1.0, 2.0}) {
            tk::TestMainLoop loop;
            tk::HeadlessWindow window(subject.size, scale);
            auto backdrop = tk::View::make<Backdrop>(tk::Rect{{}, subject.size});
            window.setContentView(backdrop);
            subject.show(window, *backdrop);
            for (int i = 0; i < 3; ++i) {
                loop.drain();
                window.window().layoutIfNeeded();
            }
            const fs::path file = folder / (subject.name + (scale == 2 ? "@2x" : "") + ".png");
            ASSERT_TRUE(window.writePNG(file)) << file;
            EXPECT_GT(fs::file_size(file), 300u) << file;
            if (scale == 2) {
                auto picture = tk::Image::fromPNGFile(file, 2);
                ASSERT_TRUE(picture);
                sheet.push_back({subject.name, *picture});
            }
        }
    }

    testing::writeContactSheet(root / "tables.png", sheet, 3);
}

} // namespace
} // namespace Tessaly
