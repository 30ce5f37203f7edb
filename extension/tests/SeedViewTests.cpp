// The seed field: reading typed seeds, and typing into the field in the window.

#include "InterfaceFixture.h"

#include "extension/Interface/ExtensionAssets.h"
#include "extension/Interface/SeedText.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/TextField.h"

#include <gtest/gtest.h>

namespace {

using interfacetest::Interface;

TEST(SeedText, OnlyUnsignedDecimalNumbersAreRead) {
    struct Case {
        const char* text;
        std::optional<uint64_t> value;
    };
    for (const Case& c : std::vector<Case>{{"42", 42},
                                           {"+42", 42},
                                           {"-0", 0},
                                           {"-00", 0},
                                           {"0", 0},
                                           {"18446744073709551615", UINT64_MAX},
                                           {"18446744073709551616", std::nullopt},
                                           {"-5", std::nullopt},
                                           {"4 2", std::nullopt},
                                           {" 42", std::nullopt},
                                           {"42x", std::nullopt},
                                           {"+", std::nullopt},
                                           {"+-1", std::nullopt},
                                           {"", std::nullopt}}) {
        EXPECT_EQ(extension::parseSeedText(c.text), c.value) << '"' << c.text << '"';
    }
}

constexpr tk::Point kSeed{308, 210};

tk::TextField* textFieldIn(tk::View& view) {
    if (auto* textField = dynamic_cast<tk::TextField*>(&view))
        return textField;
    for (const auto& sub : view.subviews())
        if (tk::TextField* found = textFieldIn(*sub))
            return found;
    return nullptr;
}

// The seed's text field while editing, else null.
tk::TextField* field(Interface& f) {
    f.w().window().layoutIfNeeded();
    tk::View* node = tk::ui::findNodeView(*f.w().window().contentView(), "seed-field");
    return node ? textFieldIn(*node) : nullptr;
}

void typeAndReturn(Interface& f, const std::string& text) {
    f.w().click(kSeed);
    f.settle();
    ASSERT_NE(field(f), nullptr);
    ASSERT_TRUE(field(f)->isFirstResponder());
    if (!text.empty())
        f.w().type(text);
    else
        f.w().key(tk::KeyCode::deleteBackward);
    f.w().key(tk::KeyCode::returnKey);
    f.settle();
}

TEST(SeedView, ReturnCommitsAValidSeed) {
    struct Case {
        std::string typed;
        std::optional<uint64_t> seed; // none: unchanged
    };
    for (const Case& c : std::vector<Case>{{"+42", 42},
                                           {"0", 1},
                                           {"-0", 1},
                                           {"18446744073709551615", UINT64_MAX},
                                           {"4 2", std::nullopt},
                                           {"-5", std::nullopt},
                                           {"", std::nullopt}}) {
        Interface f;
        uint64_t before = f.settings().seed().peek();
        typeAndReturn(f, c.typed);
        EXPECT_EQ(f.settings().seed().peek(), c.seed.value_or(before)) << c.typed;
        EXPECT_EQ(f.unit().seed(), f.settings().seed().peek()) << c.typed;
        EXPECT_EQ(field(f), nullptr) << "editing ends: " << c.typed;
    }
}

TEST(SeedView, ARejectedTextIsShownAgainUntilTheSeedChanges) {
    Interface f;
    uint64_t seed = f.settings().seed().peek();
    typeAndReturn(f, "42x");
    f.w().click(kSeed);
    f.settle();
    ASSERT_NE(field(f), nullptr);
    EXPECT_EQ(field(f)->text(), "42x");
    f.w().key(tk::KeyCode::escape);
    f.settle();
    f.settings().setSeed(7);
    f.settle();
    f.w().click(kSeed);
    f.settle();
    ASSERT_NE(field(f), nullptr);
    EXPECT_EQ(field(f)->text(), "7");
    EXPECT_NE(seed, 7u);
}

TEST(SeedView, EscapeOrLosingTheFocusLeavesTheSeed) {
    Interface f;
    uint64_t seed = f.settings().seed().peek();
    f.w().click(kSeed);
    f.settle();
    f.w().type("99");
    f.w().key(tk::KeyCode::escape);
    f.settle();
    EXPECT_EQ(field(f), nullptr);
    EXPECT_EQ(f.settings().seed().peek(), seed);

    f.w().click(kSeed);
    f.settle();
    f.w().type("99");
    f.w().click({600, 660}); // the panel, elsewhere
    f.settle();
    EXPECT_EQ(field(f), nullptr);
    EXPECT_EQ(f.settings().seed().peek(), seed);
}

TEST(SeedView, TheLongestSeedKeepsClearOfTheLampAndItsDigitsStandEvenly) {
    Interface f;
    f.settings().setSeed(UINT64_MAX);
    f.settle();
    tk::RecordingContext context(tk::Rect{0, 0, 616, 678});
    f.w().window().render(context);
    std::optional<tk::Rect> fieldRect;
    for (const auto& draw : context.images()) {
        if (draw.imageName == extension::AssetNames::notesButtonSeed) {
            fieldRect = draw.deviceRect();
        }
    }
    ASSERT_TRUE(fieldRect);
    // The digits drawn over the field, left to right.
    std::string shown;
    std::vector<tk::Rect> cells;
    for (const auto& draw : context.texts()) {
        const tk::Rect r = draw.deviceRect();
        if (draw.text.size() == 1 && r.midY() > fieldRect->minY() && r.midY() < fieldRect->maxY() &&
            r.midX() > fieldRect->minX() && r.midX() < fieldRect->maxX()) {
            shown += draw.text;
            cells.push_back(r);
        }
    }
    ASSERT_EQ(shown, "18446744073709551615");
    // The lamp of the field's picture ends 13 points in from its leading edge.
    EXPECT_GE(cells.front().minX(), fieldRect->minX() + 13 + 6) << cells.front().minX() - fieldRect->minX();
    EXPECT_LE(cells.back().maxX(), fieldRect->maxX() - 6) << fieldRect->maxX() - cells.back().maxX();
    // Each digit centred in a cell of one pitch: a "1" takes as much room as a "4".
    const double pitch = cells[1].midX() - cells[0].midX();
    EXPECT_GT(pitch, 6.0);
    for (size_t i = 1; i < cells.size(); ++i) {
        EXPECT_NEAR(cells[i].midX() - cells[i - 1].midX(), pitch, 0.01) << shown.substr(i - 1, 2);
    }
}

} // namespace
