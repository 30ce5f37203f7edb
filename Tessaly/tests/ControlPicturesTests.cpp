// Writes a picture of every control in each state it draws differently, at 1x and 2x,
// into <build>/pictures/tessaly/controls/<control>-<state>.png, and a contact sheet of them all
// into <build>/pictures/tessaly/controls.png, for a person to look at. The checks here are only
// that each picture was written and is not blank, that a wide bezel keeps the corners of a narrow
// one and that pressed and disabled faces tell apart; what the controls draw is checked elsewhere.

#include "Tessaly/Controls/CursorButtons.h"
#include "Tessaly/Controls/NavigationButtons.h"
#include "Tessaly/Controls/PushButton.h"
#include "Tessaly/Controls/SmallViews.h"
#include "Tessaly/Controls/StyledButton.h"
#include "Tessaly/Controls/StyledCheckBox.h"
#include "Tessaly/Controls/StyledComboBox.h"
#include "Tessaly/Controls/StyledPopDownButton.h"
#include "Tessaly/Controls/StyledPopUpButton.h"
#include "Tessaly/Controls/StyledSegmentedControl.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/tests/ContactSheet.h"
#include "Tessaly/tests/ControlTestSupport.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/tests/TestSupport.h"
#include "platform/tk/view/FileIcons.h"
#include "platform/tk/view/MenuView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Tessaly {
namespace {

namespace fs = std::filesystem;

constexpr double kMargin = 12;

// A control made afresh for each picture, with what it needs to show the state.
struct Subject {
    std::string control;
    std::string state;
    tk::Size size;       // of the control
    tk::Size extra = {}; // room beside and below it (an open menu)
    std::function<std::shared_ptr<tk::View>(tk::Rect frame)> make;
    std::function<void(tk::View& control, tk::Window& window)> pose = {};
    // After the pose: events sent through the window, as a user makes them (a press still held).
    std::function<void(tk::View& control, testing::ControlFixture& f)> drive = {};
    tk::Size before = {}; // room left of and above it (a pop-up menu opens over it)
};

template <class Button> std::function<std::shared_ptr<tk::View>(tk::Rect)> titled(std::string title) {
    return [title](tk::Rect frame) {
        auto b = tk::View::make<Button>(frame);
        b->setTitle(title);
        return b;
    };
}

void highlight(tk::View& v, tk::Window&) {
    static_cast<tk::CellControl&>(v).setHighlighted(true);
}
void disable(tk::View& v, tk::Window&) {
    static_cast<tk::CellControl&>(v).setEnabled(false);
}
void focus(tk::View& v, tk::Window& w) {
    w.makeFirstResponder(&v);
}
void turnOn(tk::View& v, tk::Window&) {
    auto& c = static_cast<tk::CellControl&>(v);
    static_cast<tk::ButtonCell*>(c.cell())->setShowsStateBy(tk::CellMask::contents);
    c.setState(tk::CellState::on);
}
void mix(tk::View& v, tk::Window&) {
    auto& c = static_cast<tk::CellControl&>(v);
    c.cell()->setAllowsMixedState(true);
    c.setState(tk::CellState::mixed);
}
void select(tk::View& v, tk::Window&) {
    dynamic_cast<Selectable&>(v).setSelected(true);
}

std::function<std::shared_ptr<tk::View>(tk::Rect)> popUp(std::optional<std::string> label,
                                                         bool tool = false) {
    return [label, tool](tk::Rect frame) -> std::shared_ptr<tk::View> {
        auto b = tool ? tk::View::make<ToolPopUpButton>(frame) : tk::View::make<StyledPopUpButton>(frame);
        b->addItems({"Fast", "Steady", "Slow"});
        b->menu()->addSeparator();
        b->addItem("Custom");
        b->selectItemAtIndex(1);
        b->setLabel(label);
        return b;
    };
}

void openMenu(tk::View& v, tk::Window& w) {
    auto& b = static_cast<tk::PopUpButton&>(v);
    b.setHighlighted(true);
    auto* cell = b.popUpCell();
    tk::InWindowMenuPresenter().present(
        w, cell->menuForOpening(b.bounds(), [](const std::shared_ptr<tk::Menu>&, int) {}),
        b.convertToWindow(cell->menuLocation(b.bounds())));
}

tk::Image smallIcon(const fs::path& file) {
    return tk::iconForFile(file).filteringRepresentations([](const tk::Image::Representation& r) {
        return r.size == tk::Size{16, 16};
    });
}

// A menu with images on some items, a checked item and key equivalents.
std::function<std::shared_ptr<tk::View>(tk::Rect)> popUpWithImages(bool pullsDown) {
    return [pullsDown](tk::Rect frame) -> std::shared_ptr<tk::View> {
        auto b = tk::View::make<StyledPopUpButton>(frame, pullsDown);
        auto& menu = *b->menu();
        if (pullsDown)
            b->addItem("Pattern");
        menu.addItem("Acid Line", "").image = smallIcon("acid-line.zin");
        menu.addItem("Night Drive", "").image = smallIcon("night-drive.zin");
        menu.addItem("Drum Loops", "").image = smallIcon(fs::temp_directory_path());
        menu.addSeparator();
        menu.addItem("Duplicate", "", "d");
        menu.addItem("Check for Updates\u2026", "", "u");
        menu.addItem("Reset to Default", "", "R");
        if (!pullsDown)
            b->selectItemAtIndex(1);
        return b;
    };
}

std::shared_ptr<tk::View> popDown(tk::Rect frame) {
    auto b = tk::View::make<StyledPopDownButton>(frame);
    b->setTitle("Export");
    b->setLabel(std::string("File"));
    return b;
}

std::shared_ptr<tk::View> toolButton(tk::Rect frame) {
    auto b = tk::View::make<ToolButton>(frame);
    b->setImage(image(ImageResources::propertiesTableAdd));
    return b;
}

std::shared_ptr<tk::View> cornerButton(tk::Rect frame) {
    auto b = tk::View::make<CornerButton>(frame);
    b->setImage(image(ImageResources::propertiesTableAdd));
    b->setImagePosition(tk::ImagePosition::imageOnly);
    b->setImageScaling(tk::ImageScaling::none);
    auto menu = std::make_shared<tk::Menu>();
    menu->addItem("Add Row", "addRow:");
    menu->addItem("Add Group", "addGroup:");
    b->setAlternateMenu(menu);
    return b;
}

// The headless backend only records menus: the in-window presenter draws them into the picture.
void openCornerMenu(tk::View& v, tk::Window& w) {
    auto& b = static_cast<CornerButton&>(v);
    tk::InWindowMenuPresenter().present(w, b.alternateMenu(), b.convertToWindow({0, b.bounds().maxY() + 4}));
    b.setHighlighted(true);
}

std::shared_ptr<tk::View> segments(tk::Rect frame) {
    auto s = tk::View::make<StyledSegmentedControl>(frame);
    s->setSegmentCount(3);
    s->setLabel("Notes", 0);
    s->setLabel("Chords", 1);
    s->setLabel("Drums", 2);
    for (int i = 0; i < 3; ++i)
        s->setWidth(0, i); // the label's width plus the style's padding
    s->setSelectedSegment(1);
    return s;
}

// Two segments sharing the frame's width (set before the labels: a labelled segment's set width
// becomes its label's).
std::shared_ptr<tk::View> wideSegments(tk::Rect frame) {
    auto s = tk::View::make<StyledSegmentedControl>(frame);
    s->setSegmentCount(2);
    for (int i = 0; i < 2; ++i)
        s->setWidth(frame.width() / 2, i);
    s->setLabel("Pattern", 0);
    s->setLabel("Arrangement", 1);
    s->setSelectedSegment(1);
    return s;
}

std::shared_ptr<tk::View> combo(tk::Rect frame) {
    auto c = tk::View::make<StyledComboBox>(frame);
    for (const char* value : {"0.25", "0.5", "1", "2"})
        c->addItem(value, std::stod(value));
    c->setStringValue("0.5");
    return c;
}

void pressFirstSegment(tk::View& v, tk::Window&) {
    auto& s = static_cast<StyledSegmentedControl&>(v);
    s.segmentedCell()->startTracking({10, 10}, s);
}

// The box opens its list through the headless presenter, which only records it; the in-window
// presenter draws a copy where it was asked.
void openComboList(tk::View& v, tk::Window& w) {
    auto& c = static_cast<StyledComboBox&>(v);
    c.selectItemAtIndex(1);
    ASSERT_TRUE(c.showList());
    const auto& menus = tk::HeadlessBackend::current()->menus();
    tk::InWindowMenuPresenter().present(w, std::make_shared<tk::Menu>(*menus.shownMenu()),
                                        menus.shownLocation());
}

// Near the control's bottom right corner, so a cursor drawn at the pointer hides little of it.
tk::Point pointerSpot(const tk::View& v) {
    return v.convertToWindow({v.bounds().maxX() - 4, v.bounds().maxY() - 4});
}

// The pointer moved in from outside the window and left over the control.
void hover(tk::View& v, testing::ControlFixture& f) {
    f.window->moveMouse({-10, -10});
    f.window->moveMouse(pointerSpot(v));
}

// The pointer brought over the control and pressed there, still held: the control tracks it as
// a user's press and shows its pressed look until the release, which never comes.
void press(tk::View& v, testing::ControlFixture& f) {
    hover(v, f);
    f.window->mouseDown(pointerSpot(v));
}

// A press on a pop-up opens its menu through the window; the headless backend only records it,
// so the in-window presenter draws a copy of what it recorded where it was asked to appear.
void pressOpen(tk::View& v, testing::ControlFixture& f) {
    press(v, f);
    const tk::Menu* shown = f.backend->menus().shownMenu();
    ASSERT_NE(shown, nullptr);
    tk::InWindowMenuPresenter().present(f.window->window(), std::make_shared<tk::Menu>(*shown),
                                        f.backend->menus().shownLocation());
}

// Focus moved onto the control by the Tab key, from the window's first key view.
void tabTo(tk::View& v, testing::ControlFixture& f) {
    f.window->key(tk::KeyCode::tab);
    EXPECT_EQ(f.window->window().firstResponder(), &v);
}

std::shared_ptr<tk::View> cursorButton(tk::Rect frame) {
    auto b = tk::View::make<CursorButton>(frame);
    b->setTitle("Next");
    b->setWantsLayer(true); // its pressed look is the layer's opacity
    return b;
}

std::shared_ptr<tk::View> darkHighlightButton(tk::Rect frame) {
    auto b = tk::View::make<DarkHighlightButton>(frame);
    b->setImage(image(ImageResources::propertiesTableAdd));
    b->setImagePosition(tk::ImagePosition::imageOnly);
    b->setBordered(false);
    return b;
}

std::shared_ptr<tk::View> cyclingButton(tk::Rect frame) {
    auto b = tk::View::make<PopUpCyclingButton>(frame);
    b->setTitle("Speed");
    b->setWantsLayer(true);
    return b;
}

// The cycling cell where a caller installs it: an image that dims only while pressed.
std::shared_ptr<tk::View> cyclingCellButton(tk::Rect frame) {
    auto b = tk::View::make<PopUpCyclingButton>(frame);
    b->setCell(std::make_unique<PopUpCyclingButtonCell>());
    b->setImage(image(ImageResources::propertiesTableAdd));
    b->setImagePosition(tk::ImagePosition::imageOnly);
    b->setBordered(false);
    return b;
}

void disableView(tk::View& v, tk::Window&) {
    static_cast<tk::Control&>(v).setEnabled(false);
}

std::shared_ptr<tk::View> clickableImage(tk::Rect frame) {
    auto v = tk::View::make<ClickableImageView>(frame);
    v->setImage(image(ImageResources::organiserIconStar));
    return v;
}

std::vector<Subject> subjects() {
    const tk::Size button{96, 24};
    const tk::Size check{150, 18};
    const tk::Size pop{150, 22};
    std::vector<Subject> s;
    auto styled = titled<StyledButton>("Apply");
    for (auto [state, pose] :
         std::vector<std::pair<std::string, std::function<void(tk::View&, tk::Window&)>>>{
             {"normal", {}},
             {"highlighted", highlight},
             {"on", turnOn},
             {"selected", select},
             {"disabled", disable},
             {"focused", focus}})
        s.push_back({"styled-button", state, button, {}, styled, pose});
    auto box = titled<StyledCheckBox>("Follow tempo");
    for (auto [state, pose] :
         std::vector<std::pair<std::string, std::function<void(tk::View&, tk::Window&)>>>{
             {"normal", {}},
             {"on", turnOn},
             {"mixed", mix},
             {"highlighted", highlight},
             {"disabled", disable},
             {"focused", focus}})
        s.push_back({"check-box", state, check, {}, box, pose});
    s.push_back({"check-box", "selected", check, {}, box, select});
    s.push_back({"check-box", "selected-on", check, {}, box, [](tk::View& v, tk::Window& w) {
                     select(v, w);
                     turnOn(v, w);
                 }});
    s.push_back({"check-box", "on-pressed", check, {}, box, turnOn, press});
    auto star = titled<FavouriteCheckBox>("Favourite");
    s.push_back({"favourite-check-box", "normal", check, {}, star});
    s.push_back({"favourite-check-box", "on", check, {}, star, turnOn});
    s.push_back({"favourite-check-box", "highlighted", check, {}, star, [](tk::View& v, tk::Window& w) {
                     highlight(v, w);
                     v.setAlpha(0.5);
                 }});
    s.push_back({"favourite-check-box", "on-pressed", check, {}, star, turnOn, press});
    s.push_back({"favourite-check-box", "disabled", check, {}, star, disable});
    s.push_back({"favourite-check-box", "on-disabled", check, {}, star, [](tk::View& v, tk::Window& w) {
                     turnOn(v, w);
                     disable(v, w);
                 }});
    auto back = titled<BackButton>("");
    s.push_back({"back-button", "normal", {28, 22}, {}, back});
    s.push_back({"back-button", "highlighted", {28, 22}, {}, back, highlight});
    s.push_back({"back-button", "disabled", {28, 22}, {}, back, disable});
    s.push_back({"corner-button", "normal", {24, 22}, {}, cornerButton});
    s.push_back({"corner-button", "highlighted", {24, 22}, {}, cornerButton, highlight});
    s.push_back({"corner-button", "menu-open", {24, 22}, {230, 70}, cornerButton, openCornerMenu});
    s.push_back({"tool-button", "normal", {26, 22}, {}, toolButton});
    s.push_back({"tool-button", "highlighted", {26, 22}, {}, toolButton, highlight});
    s.push_back({"tool-button", "on", {26, 22}, {}, toolButton, turnOn});
    s.push_back({"tool-button", "more", {26, 22}, {}, toolButton, [](tk::View& v, tk::Window&) {
                     static_cast<ToolButton&>(v).setShowMoreIcon(true);
                 }});
    s.push_back({"tool-button", "disabled", {26, 22}, {}, toolButton, disable});
    for (auto [state, pose] :
         std::vector<std::pair<std::string, std::function<void(tk::View&, tk::Window&)>>>{
             {"normal", {}}, {"highlighted", highlight}, {"disabled", disable}, {"focused", focus}})
        s.push_back({"pop-up-button", state, pop, {}, popUp(std::nullopt), pose});
    s.push_back({"pop-up-button", "label", pop, {}, popUp(std::string("Speed"))});
    s.push_back({"pop-up-button", "menu-open", pop, {120, 110}, popUp(std::nullopt), openMenu, {}, {20, 30}});
    s.push_back(
        {"pop-up-button", "menu-with-images", pop, {150, 150}, popUpWithImages(false), openMenu, {}, {40, 30}});
    s.push_back({"pop-up-button",
                 "menu-open-near-top",
                 pop,
                 {120, 110},
                 [](tk::Rect frame) {
                     auto b = std::static_pointer_cast<StyledPopUpButton>(popUp(std::nullopt)(frame));
                     b->selectItemAtIndex(4);
                     return b;
                 },
                 openMenu,
                 {},
                 {20, 0}});
    s.push_back({"pop-up-button",
                 "menu-open-near-bottom",
                 pop,
                 {120, 0},
                 [](tk::Rect frame) {
                     auto b = std::static_pointer_cast<StyledPopUpButton>(popUp(std::nullopt)(frame));
                     b->selectItemAtIndex(0);
                     return b;
                 },
                 openMenu,
                 {},
                 {20, 110}});
    s.push_back({"pull-down-button", "menu-open", pop, {150, 180}, popUpWithImages(true), openMenu});
    s.push_back({"tool-pop-up-button", "normal", {90, 20}, {}, popUp(std::nullopt, true)});
    s.push_back({"tool-pop-up-button", "highlighted", {90, 20}, {}, popUp(std::nullopt, true), highlight});
    s.push_back({"tool-pop-up-button", "disabled", {90, 20}, {}, popUp(std::nullopt, true), disable});
    s.push_back({"tool-pop-up-button", "focused", {90, 20}, {}, popUp(std::nullopt, true), {}, tabTo});
    s.push_back({"tool-pop-up-button",
                 "menu-open",
                 {90, 20},
                 {126, 56},
                 popUp(std::nullopt, true),
                 {},
                 pressOpen,
                 {0, 30}});
    for (auto [state, pose] :
         std::vector<std::pair<std::string, std::function<void(tk::View&, tk::Window&)>>>{
             {"normal", {}}, {"highlighted", highlight}, {"disabled", disable}, {"focused", focus}})
        s.push_back({"pop-down-button", state, pop, {}, popDown, pose});
    auto push = titled<WendlePushButton>("Save");
    for (auto [state, pose] :
         std::vector<std::pair<std::string, std::function<void(tk::View&, tk::Window&)>>>{
             {"normal", {}},
             {"highlighted", highlight},
             {"selected", select},
             {"disabled", disable},
             {"focused", focus}})
        s.push_back({"push-button", state, {96, 32}, {}, push, pose});
    s.push_back({"push-button", "wide", {240, 32}, {}, push});
    s.push_back({"push-button", "wide-highlighted", {240, 32}, {}, push, highlight});
    s.push_back({"push-button", "short", {96, 22}, {}, push});
    const tk::Size seg{240, 24};
    s.push_back({"segmented-control", "normal", seg, {}, segments});
    s.push_back({"segmented-control", "selected", seg, {}, segments, [](tk::View& v, tk::Window&) {
                     static_cast<StyledSegmentedControl&>(v).setHideSelection(false);
                 }});
    s.push_back({"segmented-control", "highlighted", seg, {}, segments, pressFirstSegment});
    s.push_back({"segmented-control", "disabled", seg, {}, segments, disable});
    s.push_back({"segmented-control", "focused", seg, {}, segments, focus});
    s.push_back({"segmented-control", "wide", {400, 24}, {}, wideSegments});
    const tk::Size comboSize{120, 22};
    s.push_back({"combo-box", "normal", comboSize, {}, combo});
    s.push_back({"combo-box", "long-text", comboSize, {}, combo, [](tk::View& v, tk::Window&) {
                     static_cast<StyledComboBox&>(v).setStringValue("0.333333333333 of a bar");
                 }});
    s.push_back({"combo-box", "disabled", comboSize, {}, combo, [](tk::View& v, tk::Window&) {
                     static_cast<StyledComboBox&>(v).setEnabled(false);
                 }});
    s.push_back({"combo-box", "focused", comboSize, {}, combo, [](tk::View& v, tk::Window& w) {
                     w.makeFirstResponder(&static_cast<StyledComboBox&>(v).textField());
                 }});
    s.push_back({"combo-box", "menu-open", comboSize, {120, 110}, combo, openComboList});
    s.push_back({"cursor-button", "normal", {80, 22}, {}, cursorButton});
    s.push_back({"cursor-button", "hovered", {80, 22}, {}, cursorButton, {}, hover});
    s.push_back({"cursor-button", "pressed", {80, 22}, {}, cursorButton, {}, press});
    s.push_back({"dark-highlight-button", "normal", {24, 22}, {}, darkHighlightButton});
    s.push_back({"dark-highlight-button", "pressed", {24, 22}, {}, darkHighlightButton, {}, press});
    s.push_back({"dark-highlight-button", "disabled", {24, 22}, {}, darkHighlightButton, disable});
    s.push_back({"pop-up-cycling-button", "normal", {80, 22}, {}, cyclingButton});
    s.push_back({"pop-up-cycling-button", "pressed", {80, 22}, {}, cyclingButton, {}, press});
    s.push_back({"pop-up-cycling-button", "disabled", {80, 22}, {}, cyclingButton, disable});
    s.push_back({"pop-up-cycling-button-cell", "pressed", {24, 22}, {}, cyclingCellButton, {}, press});
    s.push_back({"pop-up-cycling-button-cell", "disabled", {24, 22}, {}, cyclingCellButton, disable});
    s.push_back({"clickable-image-view", "normal", {24, 24}, {}, clickableImage});
    s.push_back({"clickable-image-view", "pressed", {24, 24}, {}, clickableImage, {}, press});
    s.push_back(
        {"clickable-image-view", "disabled-pressed", {24, 24}, {}, clickableImage, disableView, press});
    return s;
}

// Makes the subject's control in a window of its own at `scale`, poses and drives it, and hands
// the fixture, the control and its frame (window points) to `look`.
void posed(const Subject& subject, double scale,
           const std::function<void(testing::ControlFixture& f, tk::View& control, tk::Rect frame)>& look) {
    testing::ControlFixture f(
        {subject.size.width + 2 * kMargin + subject.extra.width + subject.before.width,
         subject.size.height + 2 * kMargin + subject.extra.height + subject.before.height},
        scale);
    f.window->window().setBackgroundColor(color(ColorResources::backgroundNormal));
    const tk::Rect frame{{kMargin + subject.before.width, kMargin + subject.before.height}, subject.size};
    auto control = f.add(subject.make(frame));
    f.window->window().makeFirstResponder(nullptr);
    if (subject.pose)
        subject.pose(*control, f.window->window());
    if (subject.drive)
        subject.drive(*control, f);
    look(f, *control, frame);
}

tk::Image shoot(const Subject& subject, double scale, const fs::path& file) {
    tk::Image picture;
    posed(subject, scale,
          [&](testing::ControlFixture& f, tk::View&, tk::Rect) { picture = testing::screenshot(*f.window); });
    EXPECT_TRUE(picture.writePNG(file)) << file;
    return picture;
}

const Subject& subjectNamed(const std::vector<Subject>& all, const std::string& control,
                            const std::string& state) {
    const auto it = std::find_if(all.begin(), all.end(),
                                 [&](const Subject& s) { return s.control == control && s.state == state; });
    if (it == all.end())
        throw std::invalid_argument("no picture " + control + "-" + state);
    return *it;
}

// Luma of a pixel in sRGB levels, 0-255.
double levels(const tk::Color& c) {
    return 255 * (0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b);
}

using tk::testing::contrast;
using tk::testing::luminance;

// The colour a button's cell gives its title in the cell's present state.
tk::Color titleColor(const tk::View& control) {
    const tk::Cell* cell = static_cast<const tk::CellControl&>(control).cell();
    if (const auto* styled = dynamic_cast<const StyledButtonCell*>(cell))
        return styled->dynamicStyle()->textColor(styled->controlState());
    const auto& push = dynamic_cast<const WendlePushButtonCell&>(*cell);
    return WendlePushButtonCell::style()->textColor(push.controlState());
}

TEST(ControlPictures, EveryControlInEachStateAt1xAnd2xWithAContactSheet) {
    const fs::path root = testing::buildFolder() / "pictures" / "tessaly";
    const fs::path folder = root / "controls";
    fs::create_directories(folder);
    std::vector<testing::SheetPicture> shots;
    for (const Subject& subject : subjects()) {
        const std::string name = subject.control + "-" + subject.state;
        shoot(subject, 1, folder / (name + ".png"));
        const tk::Image picture = shoot(subject, 2, folder / (name + "@2x.png"));
        EXPECT_GT(fs::file_size(folder / (name + ".png")), 300u) << name;
        shots.push_back({subject.control + " " + subject.state, picture});
    }
    testing::writeContactSheet(root / "controls.png", shots, 6);
}

// The pixels of `strip` (points, from the control's left or right edge) of a control drawn at
// `width` in a frame of `height`, at 2x.
std::vector<tk::Color> edgePixels(const std::function<std::shared_ptr<tk::View>(tk::Rect)>& make,
                                  double width, double height, double strip, bool right) {
    constexpr double scale = 2;
    testing::ControlFixture f({width + 2 * kMargin, height + 2 * kMargin}, scale);
    f.add(make(tk::Rect{kMargin, kMargin, width, height}));
    const tk::BitmapContext& picture = f.window->render();
    const int x0 = int((right ? kMargin + width - strip : kMargin) * scale);
    std::vector<tk::Color> pixels;
    for (int y = 0; y < int((height + 2 * kMargin) * scale); ++y)
        for (int x = x0; x < x0 + int(strip * scale); ++x)
            pixels.push_back(picture.pixelColor(x, y));
    return pixels;
}

TEST(ControlPictures, AWideBezelHasTheCornersOfANarrowOne) {
    struct Case {
        const char* control;
        std::function<std::shared_ptr<tk::View>(tk::Rect)> make;
        double narrow, wide, height, strip;
    };
    // Each strip reaches to where the bezel's end cap stops.
    const std::vector<Case> cases{
        {"push button", titled<WendlePushButton>("Save"), 96, 240, 32, 12},
        {"short push button", titled<WendlePushButton>("Save"), 60, 240, 22, 12},
        {"styled button", titled<StyledButton>("Apply"), 96, 240, 24, 8},
        {"segmented control", wideSegments, 220, 400, 24, 10},
    };
    for (const Case& c : cases)
        for (bool right : {false, true}) {
            const auto narrow = edgePixels(c.make, c.narrow, c.height, c.strip, right);
            const auto wide = edgePixels(c.make, c.wide, c.height, c.strip, right);
            ASSERT_EQ(narrow.size(), wide.size());
            int differing = 0;
            for (std::size_t i = 0; i < narrow.size(); ++i)
                differing += narrow[i] == wide[i] ? 0 : 1;
            EXPECT_EQ(differing, 0) << c.control << (right ? ", right end" : ", left end");
        }
}

// A pressed face sinks below the window's shade; a disabled one is the normal face at half
// strength. Their faces, beside the title, must stay clearly apart or only the titles' greys tell
// the two states from each other.
TEST(ControlPictures, APressedFaceIsClearlyDarkerThanADisabledOne) {
    struct Case {
        const char* control;
        double faceX; // points from the control's left edge (negative: from its right), clear of
                      // the title, the arrows and the image
    };
    const Case cases[] = {{"push-button", 14},    {"styled-button", 14},       {"segmented-control", 8},
                          {"pop-up-button", -24}, {"tool-pop-up-button", -20}, {"pop-down-button", -24},
                          {"back-button", 6},     {"tool-button", 4}};
    const std::vector<Subject> all = subjects();
    for (const Case& c : cases) {
        double face[2] = {};
        const char* states[] = {"highlighted", "disabled"};
        for (int i = 0; i < 2; ++i)
            posed(subjectNamed(all, c.control, states[i]), 2,
                  [&](testing::ControlFixture& f, tk::View&, tk::Rect frame) {
                      const double x = c.faceX >= 0 ? frame.minX() + c.faceX : frame.maxX() + c.faceX;
                      face[i] = levels(f.window->render().pixelColor(int(x * 2), int(frame.midY() * 2)));
                  });
        EXPECT_GE(face[1] - face[0], 12) << c.control << ": pressed " << face[0] << ", disabled " << face[1];
    }
}

// Each enabled state's title reads on its bezel: at least 4.5 : 1 against every pixel of the face
// where the title sits (its rows, between the bezel's end caps), drawn without the title.
TEST(ControlPictures, ButtonTitlesReadOnTheirBezels) {
    constexpr double kScale = 2, kCap = 8;
    const std::vector<Subject> all = subjects();
    for (const char* control : {"styled-button", "push-button"})
        for (const char* state : {"normal", "highlighted", "on", "selected"}) {
            if (std::string(control) == "push-button" && std::string(state) == "on")
                continue; // not among its pictures
            posed(subjectNamed(all, control, state), kScale,
                  [&](testing::ControlFixture& f, tk::View& view, tk::Rect frame) {
                      auto& button = static_cast<tk::Button&>(view);
                      const tk::Color text = titleColor(view);
                      const tk::Rect title =
                          button.cell()->titleRect(button.bounds()).offsetBy(frame.minX(), frame.minY());
                      button.setTitle("");
                      const tk::BitmapContext& picture = f.window->render();
                      double lowest = 100;
                      for (int y = int(title.minY() * kScale); y < int(title.maxY() * kScale); ++y)
                          for (int x = int((std::max(title.minX(), frame.minX() + kCap)) * kScale);
                               x < int(std::min(title.maxX(), frame.maxX() - kCap) * kScale); ++x)
                              lowest = std::min(lowest, contrast(text, picture.pixelColor(x, y)));
                      EXPECT_GE(lowest, 4.5) << control << " " << state << " (title rect " << title.minY()
                                             << "-" << title.maxY() << ")";
                  });
        }
}

} // namespace
} // namespace Tessaly
