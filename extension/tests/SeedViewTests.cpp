// The seed field: reading typed seeds, and typing into the field in the window.

#include "InterfaceFixture.h"

#include "extension/Interface/ExtensionAssets.h"
#include "extension/Interface/SeedText.h"

#include "Korvane/Resources/CustomFont.h"

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

TEST(SeedView, TheLongestSeedIsOneKernedTextClearOfTheLamp) {
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
    std::optional<tk::RecordedDraw> digits;
    for (const auto& draw : context.texts()) {
        if (draw.text == "18446744073709551615") {
            digits = draw;
        }
    }
    ASSERT_TRUE(fieldRect && digits) << "the digits drawn as one text, in the font's own spacing";
    EXPECT_EQ(digits->textAttributes.font, Korvane::korvTypeface(Korvane::KorvFont::dosisMedium, 12));
    EXPECT_EQ(digits->textAttributes.letterSpacing, 1.5);
    // The lamp of the field's picture ends 13 points in from its leading edge.
    const tk::Rect r = digits->deviceRect();
    EXPECT_GE(r.minX(), fieldRect->minX() + 13 + 6) << r.minX() - fieldRect->minX();
    EXPECT_LE(r.maxX(), fieldRect->maxX() - 6) << fieldRect->maxX() - r.maxX();
}

} // namespace
