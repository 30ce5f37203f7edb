// The declarative text bridges: a styled text field and a search field hosted in declarative
// views, driven by typed text, keys and clicks. What they write to their bindings and callbacks is
// checked, also after a rebuild hands them new ones, and what they read from the environment.

#include "Tessaly/Declarative/StyledSearchFieldWrapper.h"
#include "Tessaly/Declarative/WendleStyledTextField.h"
#include "Tessaly/Views/ViewExtensions.h"
#include "Tessaly/tests/TextFieldTestSupport.h"

#include "platform/tk/base/Observable.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/HostingView.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace Tessaly {
namespace {

using testing::FieldFixture;

tk::ui::Binding<std::string> bindingTo(tk::Observable<std::string>& value) {
    return tk::ui::Binding<std::string>([&value] { return value.get(); },
                                        [&value](std::string s) { value.set(std::move(s)); });
}

// Hosts `content` in the fixture's window, 240 x 22 at (20, 20), and lays it out.
template <class Component> std::shared_ptr<tk::ui::HostingView> host(FieldFixture& f, Component content) {
    auto hosting = tk::View::make<tk::ui::HostingView>(tk::ui::Node(std::move(content)));
    hosting->setFrame({20, 20, 240, 22});
    f.window->setContentView(hosting);
    f.window->render();
    return hosting;
}

void rebuild(FieldFixture& f) {
    f.loop.drain();
    f.window->render();
}

// Two bindings and two callbacks; `second` chooses which pair the body hands the field.
struct NameForm {
    tk::Observable<std::string>* first;
    tk::Observable<std::string>* second;
    tk::Observable<bool>* useSecond;
    tk::Observable<std::optional<std::string>>* placeholder;
    std::vector<std::string>* log;

    tk::ui::Node body() {
        const bool two = useSecond->get();
        (two ? second : first)->get(); // the form follows the bound value, as one that shows it would
        auto callback = [log = log, two](bool editing) {
            log->push_back(std::string(two ? "second " : "first ") + (editing ? "changing" : "ended"));
        };
        return WendleStyledTextField(placeholder->get(), bindingTo(two ? *second : *first), nullptr, callback)
            .node()
            .frame(240, 22);
    }
};

struct NameFormFixture : FieldFixture {
    tk::Observable<std::string> first{std::string("Ann")};
    tk::Observable<std::string> second{std::string("Bo")};
    tk::Observable<bool> useSecond{false};
    tk::Observable<std::optional<std::string>> placeholder{std::optional<std::string>("Name")};
    std::vector<std::string> log;
    std::shared_ptr<tk::ui::HostingView> hosting =
        host(*this, NameForm{&first, &second, &useSecond, &placeholder, &log});
    StyledTextField& field() { return *firstSubviewOfType<StyledTextField>(*hosting); }
};

TEST(WendleStyledTextField, TypingWritesTheBindingAndCallbackOfTheLatestBuild) {
    NameFormFixture f;
    EXPECT_EQ(f.field().text(), "Ann") << "the first update sets the text";
    EXPECT_EQ(f.field().placeholderString(), std::optional<std::string>("Name"));
    EXPECT_TRUE(f.field().allowsExpansionToolTips());

    f.win().makeFirstResponder(&f.field());
    f.field().setSelection(3, 3);
    f.window->type("e");
    EXPECT_EQ(f.first.get(), "Anne");
    EXPECT_EQ(f.log, (std::vector<std::string>{"first changing"})) << "one write, one callback per change";
    rebuild(f);
    f.log.clear();
    f.win().makeFirstResponder(nullptr);
    EXPECT_EQ(f.log, (std::vector<std::string>{"first ended"}));
    EXPECT_EQ(f.first.get(), "Anne") << "ending the editing leaves the binding alone";

    // A rebuild hands the field another binding and callback: typing reaches those.
    f.useSecond.set(true);
    rebuild(f);
    EXPECT_EQ(f.field().text(), "Bo");
    f.log.clear();
    f.win().makeFirstResponder(&f.field());
    f.field().setSelection(2, 2);
    f.window->type("b");
    EXPECT_EQ(f.second.get(), "Bob");
    EXPECT_EQ(f.first.get(), "Anne") << "the first binding is stale now";
    EXPECT_EQ(f.log, (std::vector<std::string>{"second changing"}));
}

TEST(WendleStyledTextField, TheCaretStaysWhileTypingAndOutsideChangesShow) {
    NameFormFixture f;
    f.win().makeFirstResponder(&f.field());
    f.field().setSelection(1, 1);
    f.window->type("d");
    rebuild(f);
    f.window->type("a");
    rebuild(f);
    EXPECT_EQ(f.first.get(), "Adann");
    EXPECT_EQ(f.field().caret(), 3u) << "the update did not set the text it already had";

    f.first.set("Cy");
    rebuild(f);
    EXPECT_EQ(f.field().text(), "Cy") << "a new value of the binding reaches the field";
}

TEST(WendleStyledTextField, TypesAndDeletesMultiByteCharacters) {
    NameFormFixture f;
    f.win().makeFirstResponder(&f.field());
    f.window->type("Zoë€"); // replaces the selected text
    rebuild(f);
    EXPECT_EQ(f.first.get(), "Zoë€");
    f.window->key(tk::KeyCode::deleteBackward);
    EXPECT_EQ(f.first.get(), "Zoë") << "one backspace takes the whole three-byte character";
    f.window->key(tk::KeyCode::deleteBackward);
    EXPECT_EQ(f.first.get(), "Zo");
}

TEST(WendleStyledTextField, AValueWithoutPlaceholderClearsIt) {
    NameFormFixture f;
    f.placeholder.set(std::nullopt);
    rebuild(f);
    EXPECT_EQ(f.field().placeholderString(), std::nullopt);
}

struct StyledForm {
    tk::Observable<std::string>* text;
    tk::Observable<bool>* disabled;
    tk::ui::Node body() {
        return WendleStyledTextField(std::nullopt, bindingTo(*text))
            .node()
            .frame(240, 22)
            .lineLimit(2)
            .truncationMode(tk::TruncationMode::head)
            .multilineTextAlignment(tk::TextAlignment::center)
            .allowsTightening(true)
            .disabled(disabled->get());
    }
};

TEST(WendleStyledTextField, EachUpdateReadsTheEnvironment) {
    FieldFixture f;
    tk::Observable<std::string> text{std::string("Long name")};
    tk::Observable<bool> disabled{false};
    auto hosting = host(f, StyledForm{&text, &disabled});
    StyledTextField& field = *firstSubviewOfType<StyledTextField>(*hosting);
    EXPECT_EQ(field.maximumNumberOfLines(), 2);
    EXPECT_EQ(field.lineBreakMode(), tk::LineBreakMode::truncatingHead);
    EXPECT_EQ(field.cell()->alignment(), tk::TextAlignment::center);
    EXPECT_TRUE(field.allowsDefaultTighteningForTruncation());
    EXPECT_TRUE(field.isEnabled());
    const tk::TextAttributes drawn = testing::recordDrawing(field)->texts().at(0).textAttributes;
    EXPECT_EQ(drawn.truncation, tk::TruncationMode::head) << "the field draws by what it read";
    EXPECT_EQ(drawn.lineLimit, 1) << "a line that truncates does not wrap";

    f.win().makeFirstResponder(&field);
    f.window->type("Short");
    EXPECT_EQ(text.get(), "Short") << "written without an editing callback too";

    disabled.set(true);
    rebuild(f);
    EXPECT_FALSE(field.isEnabled()) << "disabled through the environment at the next update";

    // Without a line limit, leading alignment and the default truncation.
    NameFormFixture plain;
    EXPECT_EQ(plain.field().maximumNumberOfLines(), 0);
    EXPECT_EQ(plain.field().cell()->alignment(), tk::TextAlignment::left);
    EXPECT_EQ(plain.field().lineBreakMode(), tk::LineBreakMode::truncatingTail);
    EXPECT_FALSE(plain.field().allowsDefaultTighteningForTruncation());
}

// --- The search field wrapper ---------------------------------------------------------------------

struct SearchForm {
    tk::Observable<std::string>* first;
    tk::Observable<std::string>* second;
    tk::Observable<bool>* useSecond;
    tk::Observable<std::string>* placeholder;
    tk::ui::Node body() {
        return StyledSearchFieldWrapper(bindingTo(useSecond->get() ? *second : *first), placeholder->get())
            .node()
            .frame(240, 22);
    }
};

struct SearchFixture : FieldFixture {
    tk::Observable<std::string> first{std::string()};
    tk::Observable<std::string> second{std::string("kick")};
    tk::Observable<bool> useSecond{false};
    tk::Observable<std::string> placeholder{std::string("Search patterns")};
    std::shared_ptr<tk::ui::HostingView> hosting =
        host(*this, SearchForm{&first, &second, &useSecond, &placeholder});
    StyledSearchField& field() { return *firstSubviewOfType<StyledSearchField>(*hosting); }
};

TEST(StyledSearchFieldWrapper, MakesASmallUncentredFieldWithThePlaceholderOfItsFirstBuild) {
    SearchFixture f;
    EXPECT_FALSE(f.field().verticallyCenter());
    EXPECT_EQ(f.field().cell()->controlSize(), tk::ControlSize::small);
    EXPECT_EQ(f.field().cell()->font().size(), 11);
    EXPECT_EQ(f.field().placeholderString(), std::optional<std::string>("Search patterns"));
    EXPECT_EQ(f.field().action(), "filterContents:");

    f.placeholder.set("Find");
    rebuild(f);
    EXPECT_EQ(f.field().placeholderString(), std::optional<std::string>("Search patterns"))
        << "only making the field sets its placeholder";
}

// Made in an 11-point font, the field draws in the style's and measures its line in it too: its
// placeholder and its text stand on the baseline of a search field made in code at the same size.
TEST(StyledSearchFieldWrapper, ItsPlaceholderAndTextStandWhereAPlainSearchFieldsDo) {
    const auto baseline = [](const tk::RecordedDraw& text) {
        return text.rect.minY() + text.textAttributes.font.metrics().ascent;
    };
    for (const std::string value : {"", "kick"}) {
        SearchFixture f;
        f.useSecond.set(!value.empty()); // bound to "kick"
        rebuild(f);
        auto plain = tk::View::make<StyledSearchField>(tk::Rect{{}, f.field().frame().size});
        plain->setPlaceholderString("Search patterns");
        plain->setText(value);
        const tk::RecordedDraw wrapped = testing::recordDrawing(f.field())->texts().at(0);
        const tk::RecordedDraw made = testing::recordDrawing(*plain)->texts().at(0);
        EXPECT_EQ(wrapped.text, made.text);
        EXPECT_EQ(wrapped.textAttributes.font, made.textAttributes.font) << "\"" << value << "\"";
        EXPECT_DOUBLE_EQ(baseline(wrapped), baseline(made)) << "\"" << value << "\"";
    }
}

TEST(StyledSearchFieldWrapper, TypingAndCancellingWriteTheLatestBinding) {
    SearchFixture f;
    f.window->click(f.field().convertToWindow(f.field().bounds().center()));
    ASSERT_TRUE(f.field().isFirstResponder());
    f.window->type("hat");
    EXPECT_EQ(f.first.get(), "hat") << "the action goes with each change";
    rebuild(f);
    f.window->key(tk::KeyCode::leftArrow);
    f.window->type("s");
    rebuild(f);
    EXPECT_EQ(f.first.get(), "hast");
    EXPECT_EQ(f.field().caret(), 3u) << "the update did not move the caret";
    // The field is made in an 11-point font, but its text is drawn in the style's, focused or not.
    const tk::Font editing = testing::recordDrawing(f.field())->texts().at(0).textAttributes.font;
    f.win().makeFirstResponder(nullptr);
    EXPECT_EQ(testing::recordDrawing(f.field())->texts().at(0).textAttributes.font, editing)
        << "the text keeps its size as the field loses the focus";

    f.useSecond.set(true);
    rebuild(f);
    EXPECT_EQ(f.field().text(), "kick");
    f.win().makeFirstResponder(&f.field());
    f.field().setSelection(4, 4);
    f.window->type("s");
    EXPECT_EQ(f.second.get(), "kicks");
    EXPECT_EQ(f.first.get(), "hast") << "the first binding is stale now";

    const tk::Rect cancel = f.field().searchCell()->cancelButtonRect(f.field().bounds());
    f.window->click(f.field().convertToWindow(cancel.center()));
    EXPECT_EQ(f.second.get(), "") << "the cancel button empties the binding";
}

} // namespace
} // namespace Tessaly
