// Writes pictures of each text control in its states - empty with a placeholder, with text,
// focused with the caret and with a selection, disabled, and the labels - at 1x and 2x into
// <build>/pictures/tessaly/text/, with a sheet of them all at <build>/pictures/tessaly/text.png,
// for a person to look at. The checks are only that each picture was written and is not blank.

#include "Tessaly/Controls/StyledLabels.h"
#include "Tessaly/Controls/StyledSearchField.h"
#include "Tessaly/Controls/StyledTextField.h"
#include "Tessaly/Controls/ValidatingFields.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/tests/TextFieldTestSupport.h"

#include "platform/tk/graphics/BitmapContext.h"

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
};

std::shared_ptr<StyledTextField> field(FieldFixture& f, std::string text = {}, std::string placeholder = {}) {
    auto v = f.add(tk::View::make<StyledTextField>(kField));
    v->setText(std::move(text));
    if (!placeholder.empty())
        v->setPlaceholderString(std::move(placeholder));
    return v;
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

struct Written {
    std::string label;
    tk::Image picture;
};

void writeSheet(const fs::path& file, const std::vector<Written>& pictures) {
    constexpr int kColumns = 4;
    constexpr double kLabelHeight = 14;
    double cellWidth = 0;
    double cellHeight = 0;
    for (const Written& w : pictures) {
        cellWidth = std::max(cellWidth, w.picture.size().width);
        cellHeight = std::max(cellHeight, w.picture.size().height);
    }
    const int rows = (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns;
    const double width = kColumns * cellWidth;
    const double height = rows * (cellHeight + kLabelHeight);
    tk::BitmapContext sheet({width, height}, 2);
    sheet.fillRect({0, 0, width, height}, color(ColorResources::backgroundDarkest));
    const tk::TextAttributes labelText{.font = tk::Font::system(8),
                                       .color = color(ColorResources::grey60),
                                       .alignment = tk::TextAlignment::center,
                                       .lineLimit = 1};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const double x = static_cast<double>(i % kColumns) * cellWidth;
        const double y = static_cast<double>(i / kColumns) * (cellHeight + kLabelHeight);
        sheet.drawImage(pictures[i].picture, tk::Point{x, y});
        sheet.drawText(pictures[i].label, tk::Rect{x, y + cellHeight + 1, cellWidth, kLabelHeight},
                       labelText);
    }
    ASSERT_TRUE(sheet.writePNG(file)) << file;
}

TEST(TextPictures, EachFieldKindInItsStatesAt1xAnd2x) {
    testing::useBuiltBundles();
    const fs::path root = testing::buildFolder() / "pictures" / "tessaly";
    const fs::path folder = root / "text";
    fs::create_directories(folder);
    std::vector<Written> sheet;
    for (const Scene& scene : scenes()) {
        for (const double scale : {1.0, 2.0}) {
            FieldFixture f(scene.size, scale);
            scene.build(f);
            f.loop.drain();
            const fs::path file = folder / (scene.name + (scale == 2 ? "@2x" : "") + ".png");
            ASSERT_TRUE(f.window->writePNG(file)) << file;
            EXPECT_GT(fs::file_size(file), 300u) << file;
            if (scale == 2)
                sheet.push_back({scene.name, f.window->render().makeImage()});
        }
    }
    writeSheet(root / "text.png", sheet);
}

} // namespace
} // namespace Tessaly
