// What a button draws and in which order it asks its cell's drawing hooks, recorded; and pictures
// of plain buttons in their states under <build>/pictures/tk/controls/ for a person to look at.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/tk/controls/Button.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tk {
namespace {

using Log = std::vector<std::string>;

std::string str(const Rect& r) {
    return std::to_string(int(r.x())) + "," + std::to_string(int(r.y())) + "," +
           std::to_string(int(r.width())) + "," + std::to_string(int(r.height()));
}

Image dot(bool isTemplate = false) {
    return Image::draw({16, 16}, 2,
                       [](GraphicsContext& c) {
                           c.fillEllipse(Rect{2, 2, 12, 12}, Color::white());
                       })
        .withTemplate(isTemplate);
}

struct HookCell : ButtonCell {
    using ButtonCell::ButtonCell;
    Log* log = nullptr;
    Color ring = Color::green();
    void drawBezel(const Rect& f, View& v, GraphicsContext& c) override {
        log->push_back("bezel " + str(f));
        ButtonCell::drawBezel(f, v, c);
    }
    void drawImage(const Image& i, const Rect& f, View& v, GraphicsContext& c) override {
        log->push_back("image " + str(f));
        ButtonCell::drawImage(i, f, v, c);
    }
    Rect drawTitle(const AttributedString& t, const Rect& f, View& v, GraphicsContext& c) override {
        const Rect drawn = ButtonCell::drawTitle(t, f, v, c);
        log->push_back("title " + t.string() + " " + str(f));
        lastTitleDrawn = drawn;
        return drawn;
    }
    Color focusRingColor() const override { return ring; }
    Rect lastTitleDrawn;
};

struct HookButton : Button {
    using Button::Button;
    std::unique_ptr<Cell> makeCell() const override { return std::make_unique<HookCell>(); }
    HookCell& hooks() const { return static_cast<HookCell&>(*cell()); }
};

class ButtonDrawing : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    std::shared_ptr<HookButton> button = View::make<HookButton>(Rect{10, 10, 120, 40});
    Log log;
    RecordingContext recording;

    void SetUp() override {
        button->hooks().log = &log;
        button->setTitle("Title");
        button->setImage(dot());
        button->setImagePosition(ImagePosition::imageLeft);
        w.contentView().addSubview(button);
    }

    // Draws the button afresh into `recording`.
    RecordingContext& drawn() {
        log.clear();
        recording.clearRecording();
        button->draw(recording, button->bounds());
        return recording;
    }
};

TEST_F(ButtonDrawing, TheCellDrawsBezelThenImageThenTitleInItsOwnRects) {
    const Rect b = button->bounds();
    drawn();
    EXPECT_EQ(log, (Log{"bezel " + str(b), "image " + str(button->cell()->imageRect(b)),
                        "title Title " + str(button->cell()->titleRect(b))}));
    const Rect text = button->hooks().lastTitleDrawn;
    EXPECT_GT(text.width(), 0);
    EXPECT_NEAR(text.midY(), button->cell()->titleRect(b).midY(), 0.5) << "drawTitle returns what it drew";

    button->setBordered(false);
    drawn();
    EXPECT_EQ(log.size(), 2u) << "unbordered: no bezel";
    button->setImagePosition(ImagePosition::imageOnly);
    drawn();
    EXPECT_EQ(log, (Log{"image " + str(button->cell()->imageRect(b))})) << "image only: no title";
    button->setImagePosition(ImagePosition::noImage);
    button->setTitle("");
    drawn();
    EXPECT_TRUE(log.empty()) << "no image position and an empty title: nothing";
}

TEST_F(ButtonDrawing, ImagesDimWhenDisabledAndTemplatesTakeTheTextColour) {
    const auto enabled = drawn().images();
    ASSERT_EQ(enabled.size(), 1u);
    EXPECT_EQ(enabled[0].opacity, 1);

    button->setEnabled(false);
    const auto disabled = drawn().images();
    ASSERT_EQ(disabled.size(), 1u);
    EXPECT_EQ(disabled[0].opacity, 0.5);
    const auto disabledText = recording.texts();
    ASSERT_EQ(disabledText.size(), 1u);
    EXPECT_EQ(disabledText[0].color, disabledControlTextColor());

    button->setEnabled(true);
    button->setImage(dot(true));
    const auto tinted = drawn().images();
    ASSERT_EQ(tinted.size(), 1u);
    EXPECT_TRUE(tinted[0].isTemplateDraw);
    EXPECT_EQ(tinted[0].color, controlTextColor());
}

TEST_F(ButtonDrawing, TheAlternateImageShowsWhileContentsShowsTheStateOrThePress) {
    const Image alternate = dot().withName("alternate");
    button->setAlternateImage(alternate);
    button->setButtonType(ButtonType::toggle); // contents while on and while pressed
    EXPECT_FALSE(button->buttonCell()->shownImage().isSameImage(alternate));
    button->setState(CellState::on);
    EXPECT_TRUE(button->buttonCell()->shownImage().isSameImage(alternate));
    button->setState(CellState::off);
    w.mouseDown({20, 20});
    EXPECT_TRUE(button->buttonCell()->shownImage().isSameImage(alternate));
    w.mouseUp({20, 20});

    button->setButtonType(ButtonType::momentaryPushIn); // no contents
    EXPECT_FALSE(button->buttonCell()->shownImage().isSameImage(alternate));
}

TEST_F(ButtonDrawing, TheFocusRingIsDrawnInTheCellsColourOnlyWhenFocusedInAKeyWindow) {
    auto ringStrokes = [&] {
        int n = 0;
        for (const RecordedDraw& d : drawn().draws(RecordedDraw::Kind::stroke))
            n += d.color == Color::green() ? 1 : 0;
        return n;
    };
    EXPECT_EQ(ringStrokes(), 0) << "not focused";
    ASSERT_TRUE(w.window().makeFirstResponder(button.get()));
    EXPECT_TRUE(button->showsFocusRing());
    EXPECT_EQ(ringStrokes(), 1);

    button->setNeedsDisplay();
    w.render();
    w.unfocus();
    EXPECT_TRUE(button->needsDisplay()) << "losing key state redraws the ring away";
    EXPECT_EQ(ringStrokes(), 0) << "the window is not key";
    w.focus();
    button->cell()->setFocusRingType(FocusRingType::none);
    EXPECT_EQ(ringStrokes(), 0) << "ring type none";
}

// --- Pictures ------------------------------------------------------------------------------

std::filesystem::path picturesFolder() {
    const auto folder = testing::buildFolder() / "pictures" / "tk" / "controls";
    std::filesystem::create_directories(folder);
    return folder;
}

// One control on the window background at 2x, optionally pressed or focused while drawn.
void writePicture(const std::string& name, const std::shared_ptr<Button>& control, bool pressed = false,
                  bool focused = false) {
    HeadlessWindow w({control->frame().width() + 24, control->frame().height() + 20}, 2);
    w.window().setBackgroundColor(windowBackgroundColor());
    control->setFrameOrigin({12, 10});
    w.contentView().addSubview(control);
    if (focused)
        w.window().makeFirstResponder(control.get());
    if (pressed)
        w.mouseDown(control->frame().center());
    const auto file = picturesFolder() / (name + ".png");
    ASSERT_TRUE(w.writePNG(file)) << file;
    EXPECT_GT(std::filesystem::file_size(file), 300u) << file;
    if (pressed)
        w.mouseUp({-50, -50});
}

std::shared_ptr<Button> pushButton(const std::string& title) {
    auto b = View::make<Button>();
    b->setTitle(title);
    b->sizeToFit();
    b->setFrameSize({std::max(96.0, b->frame().width()), b->frame().height()});
    return b;
}

std::shared_ptr<Button> markButton(ButtonType type, const std::string& title, CellState state) {
    auto b = View::make<Button>();
    b->setButtonType(type);
    b->setAllowsMixedState(true);
    b->setTitle(title);
    b->setState(state);
    b->sizeToFit();
    return b;
}

TEST(ButtonPictures, PlainButtonsInTheirStates) {
    TestMainLoop loop;
    writePicture("push-normal", pushButton("Push Button"));
    writePicture("push-pressed", pushButton("Push Button"), true);
    auto disabled = pushButton("Push Button");
    disabled->setEnabled(false);
    writePicture("push-disabled", disabled);
    writePicture("push-focused", pushButton("Push Button"), false, true);

    auto toggle = pushButton("Toggle");
    toggle->setButtonType(ButtonType::pushOnPushOff);
    toggle->setState(CellState::on);
    writePicture("toggle-on", toggle);

    auto withImage = pushButton("With Image");
    withImage->setImage(dot(true));
    withImage->setImagePosition(ImagePosition::imageLeft);
    withImage->sizeToFit();
    writePicture("push-image-left", withImage);

    writePicture("checkbox-off", markButton(ButtonType::switchButton, "Check box", CellState::off));
    writePicture("checkbox-on", markButton(ButtonType::switchButton, "Check box", CellState::on));
    writePicture("checkbox-mixed", markButton(ButtonType::switchButton, "Check box", CellState::mixed));
    writePicture("checkbox-pressed", markButton(ButtonType::switchButton, "Check box", CellState::off), true);
    writePicture("radio-off", markButton(ButtonType::radio, "Radio button", CellState::off));
    writePicture("radio-on", markButton(ButtonType::radio, "Radio button", CellState::on));
}

} // namespace
} // namespace tk
