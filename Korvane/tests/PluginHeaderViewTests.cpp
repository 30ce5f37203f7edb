#include "Korvane/Header/PluginHeaderView.h"
#include "Korvane/Resources/KorvaneAssets.h"
#include "Korvane/Resources/Links.h"

#include "Korvane/tests/KorvaneTestBundle.h"
#include "Korvane/tests/RecordingParameter.h"

#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace Korvane {
namespace {

using namespace testing;

constexpr tk::Size kBar{616, 46};
const ParameterShape kTabs{.units = au::ParameterUnit::indexed,
                           .hi = 2,
                           .valueStrings = std::vector<std::string>{"Notes", "Rhythm", "Morph"}};

struct Header {
    explicit Header(const ParameterShape& tabs, std::optional<UpdateAvailableDetails> details = std::nullopt)
        : tabParameter((useBuiltBundles(), makeParameter(tabs))),
          tree(PluginHeaderView("zindral://openAndUpdate", "1.0.0", tabParameter, KorvFont::rocket, details),
               kBar) {}

    std::vector<tk::RecordedDraw> texts() {
        tree.settle();
        tk::RecordingContext context;
        tree.window.window().render(context);
        return context.texts();
    }
    std::vector<std::string> textStrings() {
        std::vector<std::string> strings;
        for (const auto& t : texts()) {
            strings.push_back(t.text);
        }
        return strings;
    }
    std::optional<tk::RecordedDraw> text(const std::string& shown) {
        for (const auto& t : texts()) {
            if (t.text == shown) {
                return t;
            }
        }
        return std::nullopt;
    }
    void clickOn(const std::string& shown) {
        const auto t = text(shown);
        ASSERT_TRUE(t) << shown;
        const tk::Rect r = t->deviceRect();
        tree.window.click({r.x() + r.width() / 2, r.y() + r.height() / 2});
        tree.settle();
    }

    std::shared_ptr<RecordingParameter> tabParameter;
    HostedTree tree;
};

TEST(PluginHeaderView, ShowsTheVersionOrTheUpdateNotice) {
    Header plain(kTabs);
    EXPECT_EQ(plain.textStrings(), (std::vector<std::string>{"NOTES", "RHYTHM", "MORPH", "1.0.0"}));
    Header update(kTabs, UpdateAvailableDetails{"1.2.0"});
    EXPECT_EQ(update.textStrings(),
              (std::vector<std::string>{"NOTES", "RHYTHM", "MORPH", "1.2.0 AVAILABLE"}));
    Header noTabs({});
    EXPECT_EQ(noTabs.textStrings(), (std::vector<std::string>{"1.0.0"}));
}

TEST(PluginHeaderView, TabsSelectWithOneChange) {
    Header header(kTabs);
    header.clickOn("MORPH");
    EXPECT_EQ(header.tabParameter->edits, std::vector<Edit>{change(2)});
    EXPECT_EQ(header.text("MORPH")->color, Colors::tabSelected());
    EXPECT_EQ(header.text("NOTES")->color, Colors::tabUnselected());
}

TEST(PluginHeaderView, AValueBetweenTabsSelectsNone) {
    auto shape = kTabs;
    shape.value = 1.5f;
    Header header(shape);
    for (const char* tab : {"NOTES", "RHYTHM", "MORPH"}) {
        EXPECT_EQ(header.text(tab)->color, Colors::tabUnselected()) << tab;
    }
}

TEST(PluginHeaderView, TabsStayCentredOnTheBar) {
    Header header(kTabs, UpdateAvailableDetails{"1.2.0"});
    const tk::Rect first = header.text("NOTES")->deviceRect();
    const tk::Rect last = header.text("MORPH")->deviceRect();
    EXPECT_NEAR((first.x() + last.x() + last.width()) / 2, kBar.width / 2 + (8.0 - 16.0) / 2, 1.0);
}

TEST(PluginHeaderView, LinksOpenTheSiteAndTheUpdate) {
    Header header(kTabs, UpdateAvailableDetails{"1.2.0"});
    auto* backend = tk::HeadlessBackend::current();
    ASSERT_NE(backend, nullptr);
    const auto before = backend->openedURLs().size();
    header.tree.window.click({20, 23}); // the logo at the leading edge
    header.clickOn("1.2.0 AVAILABLE");
    const auto& opened = backend->openedURLs();
    ASSERT_EQ(opened.size(), before + 2);
    EXPECT_EQ(opened[before], Links::velmorSite());
    EXPECT_EQ(opened[before + 1], "zindral://openAndUpdate");
}

} // namespace
} // namespace Korvane
