// Writes pictures of an alert, a sheet over its window and an open menu with images, section
// headers and Option alternates into <build>/pictures/tessaly/windows/, for a person to look at.

#include "Tessaly/Menus/MenuBuilder.h"
#include "Tessaly/Windows/SheetWindow.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/TextAttributes.h"
#include "platform/tk/view/Alert.h"
#include "platform/tk/view/FileIcons.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/MenuView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace Tessaly {
namespace {

namespace fs = std::filesystem;

fs::path picturesFolder() {
    const fs::path folder = testing::buildFolder() / "pictures" / "tessaly" / "windows";
    fs::create_directories(folder);
    return folder;
}

// A window's content standing in for a document: a title and a few rows.
class DocumentView : public tk::View {
public:
    using View::View;
    void draw(tk::GraphicsContext& g, const tk::Rect&) override {
        const tk::Rect b = bounds();
        g.fillRect(b, tk::Color::rgba8(32, 32, 36));
        g.fillRect(tk::Rect{0, 0, b.width(), 28}, tk::Color::rgba8(44, 44, 48));
        tk::TextAttributes a;
        a.font = tk::Font::system(13, tk::FontWeight::semibold);
        a.color = tk::Color::gray(0.9);
        g.drawText("Pattern Library", tk::Rect{12, 6, b.width() - 24, 20}, a);
        a.font = tk::Font::system(12);
        a.color = tk::Color::gray(0.75);
        for (int i = 0; i < 8; ++i) {
            if (i % 2)
                g.fillRect(tk::Rect{0, 40.0 + i * 24, b.width(), 24}, tk::Color::rgba8(38, 38, 42));
            g.drawText("Pattern " + std::to_string(i + 1), tk::Rect{12, 44.0 + i * 24, 200, 20}, a);
        }
    }
};

// The sheet's content: a question, a field and two buttons.
class SheetContent : public tk::View {
public:
    using View::View;
    void draw(tk::GraphicsContext& g, const tk::Rect&) override {
        const tk::Rect b = bounds();
        g.fillRect(b, tk::Color::rgba8(54, 54, 58));
        tk::TextAttributes a;
        a.font = tk::Font::system(13, tk::FontWeight::bold);
        a.color = tk::Color::gray(0.95);
        g.drawText("Rename Pattern", tk::Rect{20, 18, b.width() - 40, 20}, a);
        g.fillPath(tk::Path::roundedRect(tk::Rect{20, 48, b.width() - 40, 24}, 5),
                   tk::Color::rgba8(30, 30, 34));
        a.font = tk::Font::system(12);
        a.color = tk::Color::gray(0.85);
        g.drawText("Pattern 3", tk::Rect{28, 52, 200, 20}, a);
        const char* titles[] = {"Rename", "Cancel"};
        double right = b.width() - 20;
        for (int i = 0; i < 2; ++i) {
            const tk::Rect r{right - 82, b.height() - 44, 82, 24};
            g.fillPath(tk::Path::roundedRect(r, 6),
                       i == 0 ? tk::Color::rgba8(48, 112, 220) : tk::Color::rgba8(92, 92, 98));
            a.alignment = tk::TextAlignment::center;
            a.color = tk::Color::gray(0.95);
            g.drawText(titles[i], tk::Rect{r.x(), r.y() + 4, r.width(), 18}, a);
            right -= 92;
        }
    }
};

TEST(TessalyWindowPictures, AlertSheetAndMenu) {
    tk::TestMainLoop loop;
    testing::useBuiltBundles();
    const fs::path folder = picturesFolder();

    // An alert.
    tk::Alert alert("Delete “Pattern 3”?", "The pattern and its variations are removed from the library. "
                                           "This cannot be undone.");
    alert.addButton("Delete");
    alert.addButton("Cancel");
    auto alertWindow = alert.makeWindow();
    alertWindow->setBackingScaleFactor(2);
    tk::HeadlessWindow alertDriver(alertWindow);
    EXPECT_TRUE(alertDriver.writePNG(folder / "alert.png"));

    // A sheet over its window: both rendered, the sheet composited where it sits on the screen.
    tk::HeadlessWindow parent({420, 260}, 2);
    parent.window().setFrameOrigin({200, 150});
    parent.setContentView(tk::View::make<DocumentView>());
    auto sheet = SheetWindow::make({300, 130});
    sheet->setBackingScaleFactor(2);
    sheet->setContentView(tk::View::make<SheetContent>());
    ASSERT_TRUE(parent.window().beginSheet(sheet));
    tk::HeadlessWindow sheetDriver(sheet);
    const tk::Image parentImage = parent.render().makeImage();
    const tk::Image sheetImage = sheetDriver.render().makeImage();
    const tk::Point offset = sheet->frame().origin - parent.window().frame().origin;
    const tk::Image composite = tk::Image::draw({420, 260}, 2, [&](tk::GraphicsContext& g) {
        g.drawImage(parentImage, tk::Point{});
        g.fillRect(tk::Rect{0, 0, 420, 260}, tk::Color{0, 0, 0, 0.25});
        g.setShadow(tk::Shadow{tk::Size{0, 6}, 14, tk::Color{0, 0, 0, 0.6}});
        g.drawImage(sheetImage, offset);
        g.clearShadow();
    });
    EXPECT_EQ(offset, (tk::Point{60, 0})) << "centred at the top of its window";
    EXPECT_TRUE(composite.writePNG(folder / "sheet-over-window.png"));

    // An open menu with a section header, images, a submenu and an Option alternate (Option held).
    auto menu = std::make_shared<tk::Menu>();
    menu->addItem(tk::MenuItem::sectionHeader("Recent Patterns"));
    for (const char* name : {"Acid Line.zin", "Night Drive.zin"}) {
        tk::MenuItem& item = menu->addItem(name, "open:");
        item.image = tk::iconForFile(name).filteringRepresentations([](const tk::Image::Representation& r) {
            return r.size == tk::Size{16, 16};
        });
    }
    menu->addItem(tk::MenuItem::separator());
    menu->addItem(tk::MenuItem::sectionHeader("Pattern"));
    menu->addItem("Duplicate", "duplicate:", "d");
    tk::MenuItem alternate("Duplicate with Variations", "duplicateAll:");
    alternate.isAlternate = true;
    alternate.keyEquivalentModifierMask = tk::ModifierFlags::option;
    menu->addItem(alternate);
    tk::MenuItem& folderItem = menu->addItem("Show in Folder", "reveal:");
    folderItem.image = tk::iconForFile(fs::temp_directory_path())
                           .filteringRepresentations([](const tk::Image::Representation& r) {
                               return r.size == tk::Size{16, 16};
                           });
    menu->addItem("Export", "").submenu = std::make_shared<tk::Menu>();

    tk::HeadlessWindow menuHost({300, 300}, 2);
    menuHost.setContentView(tk::View::make<DocumentView>());
    tk::InWindowMenuPresenter presenter;
    presenter.present(menuHost.window(), menu, {40, 30});
    menuHost.flagsChanged(tk::ModifierFlags::option);
    EXPECT_TRUE(menuHost.writePNG(folder / "open-menu.png"));
}

} // namespace
} // namespace Tessaly
