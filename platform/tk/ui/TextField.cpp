#include "platform/tk/ui/TextField.h"

#include "platform/tk/ui/NodeView.h"
#include "platform/tk/view/TextField.h"
#include "platform/tk/view/Window.h"

#include <cmath>

namespace tk::ui {
namespace {

// What a text field node says; its view keeps a copy for the field's callbacks.
struct TextFieldValues {
    std::string placeholder;
    Binding<std::string> text;
    Binding<bool> focused;
    std::function<void()> onSubmit;
    std::function<bool(const Event&)> onKeyPress;
    TextFieldStyle style = TextFieldStyle::plain;
};

struct TextFieldNodeData final : NodeData {
    TextFieldValues values;
    std::shared_ptr<NodeView> makeView() const override;
};

// The classic field, telling its bridge when it gains or loses the keyboard focus.
class BridgedTextField final : public tk::TextField {
public:
    std::function<void(bool)> onFocusChange;

    bool becomeFirstResponder() override {
        const bool became = tk::TextField::becomeFirstResponder();
        if (became && onFocusChange)
            onFocusChange(true);
        return became;
    }
    bool resignFirstResponder() override {
        const bool resigned = tk::TextField::resignFirstResponder();
        if (resigned && onFocusChange)
            onFocusChange(false);
        return resigned;
    }
};

class TextFieldView final : public NodeView {
public:
    void viewDidMoveToWindow() override {
        NodeView::viewDidMoveToWindow();
        syncFocus();
    }

    tk::TextField& field() { return *field_; }

protected:
    void setup() override {
        field_ = View::make<BridgedTextField>();
        addSubview(field_);
        field_->onChange = [this](tk::TextField&, const std::string& text) {
            if (d_.text)
                d_.text.set(text);
        };
        field_->onSubmit = [this](tk::TextField&) {
            EnvironmentScope scope(context_.environment);
            if (auto action = d_.onSubmit)
                action();
        };
        field_->keyHandler = [this](tk::TextField&, const Event& e) {
            EnvironmentScope scope(context_.environment);
            auto handler = d_.onKeyPress;
            return handler ? handler(e) : false;
        };
        field_->onFocusChange = [this](bool focused) {
            if (d_.focused && d_.focused.get() != focused)
                d_.focused.set(focused);
        };
    }

    void update(const NodeData& node) override {
        const TextFieldValues& d = static_cast<const TextFieldNodeData&>(node).values;
        d_ = d;

        const auto& env = context_.environment;
        field_->setPlaceholder(d.placeholder);
        field_->setFont(env.get<FontKey>());
        field_->setTextColor(env.get<ForegroundColorKey>().value_or(Color::black()));
        field_->setLetterSpacing(env.get<KerningKey>());
        const TextAlignment alignment = env.get<MultilineTextAlignmentKey>();
        field_->setAlignment(alignment == TextAlignment::leading ? TextAlignment::left : alignment);
        field_->setBezelStyle(d.style == TextFieldStyle::roundedBorder
                                  ? tk::TextField::BezelStyle::roundedBorder
                                  : tk::TextField::BezelStyle::none);
        field_->setEnabled(env.get<IsEnabledKey>());
        if (d.text) {
            const std::string wanted = d.text.get();
            if (field_->text() != wanted)
                field_->setText(wanted);
        }
        // Focus follows the binding once the build is in place (the field may only now be
        // joining the window).
        std::weak_ptr<View> weak = weakView();
        if (context_.host)
            context_.host->afterBuild([weak] {
                if (auto v = weak.lock())
                    static_cast<TextFieldView&>(*v).syncFocus();
            });
    }

    Size measure(ProposedSize proposal) override {
        const Size intrinsic = field_->intrinsicContentSize();
        double width = intrinsic.width;
        if (proposal.width && std::isfinite(*proposal.width))
            width = *proposal.width;
        return {width, intrinsic.height};
    }

    void layoutContent(Size size) override { field_->setFrame(Rect(Point{}, size)); }

    void dismantle() override {
        // Leaving the tree ends the edit through the window's focus change; no more writes.
        d_ = {};
        NodeView::dismantle();
    }

private:
    void syncFocus() {
        Window* w = window();
        if (!w || !d_.focused)
            return;
        const bool wanted = d_.focused.get();
        const bool has = field_->isFirstResponder();
        if (wanted && !has)
            w->makeFirstResponder(field_.get());
        else if (!wanted && has)
            w->makeFirstResponder(nullptr);
    }

    TextFieldValues d_;
    std::shared_ptr<BridgedTextField> field_;
};

std::shared_ptr<NodeView> TextFieldNodeData::makeView() const {
    return View::make<TextFieldView>();
}

TextFieldNode modified(const Node& node, const std::function<void(TextFieldValues&)>& change) {
    auto* src = dynamic_cast<const TextFieldNodeData*>(node.data());
    if (!src)
        return TextFieldNode(node.sharedData());
    auto d = std::make_shared<TextFieldNodeData>(*src);
    change(d->values);
    return TextFieldNode(std::move(d));
}

} // namespace

TextFieldNode TextField(std::string placeholder, Binding<std::string> text) {
    auto d = std::make_shared<TextFieldNodeData>();
    d->values.placeholder = std::move(placeholder);
    d->values.text = std::move(text);
    return TextFieldNode(std::move(d));
}

TextFieldNode TextFieldNode::focused(Binding<bool> isFocused) const {
    return modified(*this, [&](TextFieldValues& d) { d.focused = std::move(isFocused); });
}
TextFieldNode TextFieldNode::onSubmit(std::function<void()> action) const {
    return modified(*this, [&](TextFieldValues& d) { d.onSubmit = std::move(action); });
}
TextFieldNode TextFieldNode::onKeyPress(std::function<bool(const Event&)> handler) const {
    return modified(*this, [&](TextFieldValues& d) { d.onKeyPress = std::move(handler); });
}
TextFieldNode TextFieldNode::textFieldStyle(TextFieldStyle style) const {
    return modified(*this, [&](TextFieldValues& d) { d.style = style; });
}

} // namespace tk::ui
