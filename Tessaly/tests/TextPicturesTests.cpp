// Writes pictures of each text control in its states - empty with a placeholder, with text,
// focused with the caret and with a selection, disabled, and the labels; the validating fields, the
// properties field with its drag handle, and the tracking slider idle, hovered (with the cursor it
// shows), dragged and disabled - at 1x and 2x into
// <build>/pictures/tessaly/text/, with a sheet of them all at <build>/pictures/tessaly/text.png,
// for a person to look at. The checks are that each picture was written and is not blank, and that
// the text of the invalid fields reads on their fill.

#include "Tessaly/Controls/StyledLabels.h"
#include "Tessaly/Controls/StyledSearchField.h"
#include "Tessaly/Controls/StyledTextField.h"
#include "Tessaly/Controls/TrackingSlider.h"
#include "Tessaly/Controls/ValidatingFields.h"
#include "Tessaly/Declarative/StyledSearchFieldWrapper.h"
#include "Tessaly/Declarative/WendleStyledTextField.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/tests/ContactSheet.h"
#include "Tessaly/tests/TextFieldTestSupport.h"

#include "platform/tk/base/Observable.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/tests/TestSupport.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/HostingView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace Tessaly {
namespace {

namespace fs = std::filesystem;
using testing::FieldFixture;

constexpr tk::Size kScene{200, 44};
const tk::Rect kField{16, 11, 168, 22};

struct Scene {
    std::string name;
    std::function<void(FieldFixture&)> build;
    tk::Size size = kScene;
    // Shows the window's own cursor at the pointer (a screenshot would).
    bool showsCursor = false;
};

// A drag handle as a client would give it: a dark capsule with an up and a down chevron.
tk::Image handleImage(double scale) {
    return tk::Image::draw({14, 24}, scale, [](tk::GraphicsContext& c) {
        const tk::Path capsule = tk::Path::roundedRect({2.5, 1.5, 9, 21}, 4.5);
        c.fillPath(capsule, color(ColorResources::grey20));
        c.strokePath(capsule, color(ColorResources::grey40));
        const auto style = tk::StrokeStyle{}
                               .withLineWidth(1.5)
                               .withLineCap(tk::LineCap::round)
                               .withLineJoin(tk::LineJoin::round);
        tk::Path up;
        up.moveTo({4.5, 9.5});
        up.lineTo({7, 7});
        up.lineTo({9.5, 9.5});
        tk::Path down;
        down.moveTo({4.5, 14.5});
        down.lineTo({7, 17});
        down.lineTo({9.5, 14.5});
        c.strokePath(up, color(ColorResources::grey85), style);
        c.strokePath(down, color(ColorResources::grey85), style);
    });
}

// A tracking slider with a label that follows its value, as a form would show it.
std::shared_ptr<TrackingSlider> trackingSlider(FieldFixture& f) {
    auto slider = TrackingSlider::imageViewWithImage(handleImage(f.win().backingScaleFactor()));
    slider->setFrameOrigin({16, 10});
    f.add(slider);
    auto label = f.add(tk::View::make<StyledTextLabel>(tk::Rect{36, 13, 140, 18}));
    label->setBezeled(false);
    label->setDrawsBackground(false);
    label->setEditable(false);
    auto show = [label](double value) {
        label->setText("Swing " + std::to_string(std::lround(value * 100)) + "%");
    };
    slider->setContinuous(true);
    slider->setDoubleValue(0.42);
    show(slider->doubleValue());
    static std::vector<tk::Cancellable> tokens; // the pictures' sliders live until the test ends
    tokens.push_back(slider->valuePublisher().sink([show](const double& v) { show(v); }));
    return slider;
}

std::shared_ptr<ValidatingPropertiesField> propertiesFieldWithHandle(FieldFixture& f, std::string text) {
    auto v = f.add(tk::View::make<ValidatingPropertiesField>(handleImage(f.win().backingScaleFactor())));
    v->setFrame({16, 8, 168, 28});
    v->innerField().setText(std::move(text));
    return v;
}

std::shared_ptr<StyledTextField> field(FieldFixture& f, std::string text = {}, std::string placeholder = {}) {
    auto v = f.add(tk::View::make<StyledTextField>(kField));
    v->setText(std::move(text));
    if (!placeholder.empty())
        v->setPlaceholderString(std::move(placeholder));
    return v;
}

// A declarative field bound to its own text, hosted where the other scenes put their fields.
struct BoundText {
    std::shared_ptr<tk::Observable<std::string>> text;
    bool search = false;
    tk::ui::Node body() const {
        tk::ui::Binding<std::string> binding([t = text] { return t->get(); },
                                             [t = text](std::string s) { t->set(std::move(s)); });
        tk::ui::Node field = search ? StyledSearchFieldWrapper(binding, "Search patterns").node()
                                    : WendleStyledTextField(std::string("Pattern name"), binding).node();
        return field.frame(kField.width(), kField.height());
    }
};

tk::View& hosted(FieldFixture& f, bool search, std::string text = {}) {
    auto hosting = f.add(tk::View::make<tk::ui::HostingView>(
        tk::ui::Node(BoundText{std::make_shared<tk::Observable<std::string>>(std::move(text)), search})));
    hosting->setFrame(kField);
    f.window->render();
    return *hosting;
}

void clickToType(FieldFixture& f, tk::View& hosting, std::string_view text) {
    f.window->click(hosting.convertToWindow(hosting.bounds().center()));
    f.window->type(text);
    f.loop.drain();
}

std::vector<Scene> scenes() {
    return {
        {"field-placeholder", [](FieldFixture& f) { field(f, {}, "Placeholder"); }},
        {"field-text", [](FieldFixture& f) { field(f, "Velocity 96"); }},
        {"field-focused-caret",
         [](FieldFixture& f) {
             field(f, "Velocity 96");
             f.window->click({170, 22});
         }},
        {"field-focused-selection",
         [](FieldFixture& f) {
             auto v = field(f, "Velocity 96");
             f.win().makeFirstResponder(v.get());
             v->setSelection(0, 8);
         }},
        {"field-disabled",
         [](FieldFixture& f) {
             auto v = field(f, "Velocity 96");
             v->setEnabled(false);
         }},
        {"field-invalid",
         [](FieldFixture& f) {
             auto v = f.add(tk::View::make<ValidatingTextField>(kField));
             v->setText("-12");
             v->setValid(false);
         }},
        {"field-invalid-popover",
         [](FieldFixture& f) {
             auto v = f.add(tk::View::make<ValidatingTextField>(kField));
             v->setText("-12");
             v->setValid(false);
             v->setMessage("Enter a number from 0 to 127");
             f.window->click({170, 22});
         },
         {200, 96}},
        {"properties-field-invalid",
         [](FieldFixture& f) {
             auto v = f.add(tk::View::make<ValidatingPropertiesField>());
             v->setFrame(kField.insetBy(0, 1));
             v->innerField().setText("300 ms");
             v->setValid(false);
         }},
        {"properties-field-focused-invalid-popover",
         [](FieldFixture& f) {
             auto v = f.add(tk::View::make<ValidatingPropertiesField>());
             v->setFrame(kField.insetBy(0, 1));
             v->innerField().setText("300 ms");
             v->setValid(false);
             v->setMessage("At most 250 ms");
             f.window->click({170, 22});
         },
         {200, 96}},
        {"properties-field-handle", [](FieldFixture& f) { propertiesFieldWithHandle(f, "120 bpm"); }},
        {"properties-field-handle-focused",
         [](FieldFixture& f) {
             propertiesFieldWithHandle(f, "120 bpm");
             f.window->click({170, 22});
         }},
        {"properties-field-handle-invalid-popover",
         [](FieldFixture& f) {
             auto v = propertiesFieldWithHandle(f, "420 bpm");
             v->setValid(false);
             v->setMessage("Tempo runs from 20 to 300 bpm");
             f.window->click({170, 22});
         },
         {200, 96}},
        {"tracking-slider-idle", [](FieldFixture& f) { trackingSlider(f); }},
        {"tracking-slider-hovered",
         [](FieldFixture& f) {
             trackingSlider(f);
             f.window->moveMouse({120, 40});
             f.window->moveMouse({21, 16});
         },
         kScene, true},
        {"tracking-slider-dragging",
         [](FieldFixture& f) {
             trackingSlider(f);
             f.window->mouseDown({23, 22});
             f.window->mouseDragged({23, 18});
             for (int i = 1; i <= 5; ++i)
                 f.window->mouseDragged({23, 18.0 - i}); // held: still dragging
         },
         kScene, true},
        {"tracking-slider-disabled", [](FieldFixture& f) { trackingSlider(f)->setEnabled(false); }},
        {"search-placeholder",
         [](FieldFixture& f) {
             auto v = f.add(tk::View::make<StyledSearchField>(kField));
             v->setPlaceholderString("Search patterns");
         }},
        {"search-text-cancel",
         [](FieldFixture& f) {
             auto v = f.add(tk::View::make<StyledSearchField>(kField));
             v->setText("kick");
         }},
        {"search-focused",
         [](FieldFixture& f) {
             f.add(tk::View::make<StyledSearchField>(kField));
             f.window->click({100, 22});
             f.window->type("hat");
         }},
        {"bridged-field-placeholder", [](FieldFixture& f) { hosted(f, false); }},
        {"bridged-field-text", [](FieldFixture& f) { hosted(f, false, "Groove 4"); }},
        {"bridged-field-focused", [](FieldFixture& f) { clickToType(f, hosted(f, false), "Groove 5"); }},
        {"search-wrapper-placeholder", [](FieldFixture& f) { hosted(f, true); }},
        {"search-wrapper-text", [](FieldFixture& f) { hosted(f, true, "snare"); }},
        {"search-wrapper-focused", [](FieldFixture& f) { clickToType(f, hosted(f, true), "ride"); }},
        {"label",
         [](FieldFixture& f) {
             auto v = f.add(tk::View::make<StyledTextLabel>(kField));
             v->setBezeled(false);
             v->setDrawsBackground(false);
             v->setEditable(false);
             v->setText("Swing amount");
         }},
        {"label-table-row",
         [](FieldFixture& f) {
             auto v = f.add(tk::View::make<StyledTableRowLabel>(kField));
             v->setBezeled(false);
             v->setDrawsBackground(false);
             v->setText("01:02:03 Pattern 12");
         }},
        {"label-table-group",
         [](FieldFixture& f) {
             auto v = f.add(tk::View::make<StyledTableGroupRowLabel>(kField));
             v->setBezeled(false);
             v->setDrawsBackground(false);
             v->setText("PATTERNS");
         }},
    };
}

using tk::testing::contrast;
using tk::testing::luminance;

// The text of an invalid field reads on its fill, focused (on the red-tinted ring fill) or not: at
// least 4.5 : 1 against the fill at the right end of the text's line, at 2x.
TEST(TextPictures, InvalidFieldsTextReadsOnTheirFill) {
    testing::useBuiltBundles();
    constexpr double kScale = 2;
    for (const Scene& scene : scenes()) {
        if (scene.name.find("invalid") == std::string::npos)
            continue;
        FieldFixture f(scene.size, kScale);
        scene.build(f);
        f.loop.drain();
        const tk::BitmapContext& picture = f.window->render();
        tk::RecordingContext drawn;
        f.window->contentView().drawHierarchy(drawn, f.window->contentView().bounds());
        bool found = false;
        for (const tk::RecordedDraw& text : drawn.texts()) {
            const tk::Rect r = text.deviceRect();
            if (r.midY() < kField.minY() || r.midY() > kField.maxY())
                continue; // the popover's message
            found = true;
            const tk::Color fill =
                picture.pixelColor(int((kField.maxX() - 8) * kScale), int(r.midY() * kScale));
            EXPECT_GE(contrast(text.color, fill), 4.5) << scene.name << ": \"" << text.text << "\"";
        }
        EXPECT_TRUE(found) << scene.name;
    }
}

TEST(TextPictures, EachFieldKindInItsStatesAt1xAnd2x) {
    testing::useBuiltBundles();
    const fs::path root = testing::buildFolder() / "pictures" / "tessaly";
    const fs::path folder = root / "text";
    fs::create_directories(folder);
    std::vector<testing::SheetPicture> sheet;
    for (const Scene& scene : scenes()) {
        for (const double scale : {1.0, 2.0}) {
            FieldFixture f(scene.size, scale);
            scene.build(f);
            f.loop.drain();
            const fs::path file = folder / (scene.name + (scale == 2 ? "@2x" : "") + ".png");
            const tk::Image picture =
                scene.showsCursor ? testing::screenshot(*f.window) : f.window->render().makeImage();
            ASSERT_TRUE(picture.writePNG(file)) << file;
            EXPECT_GT(fs::file_size(file), 300u) << file;
            if (scale == 2)
                sheet.push_back({scene.name, picture});
        }
    }
    testing::writeContactSheet(root / "text.png", sheet, 4);
}

} // namespace
} // namespace Tessaly
