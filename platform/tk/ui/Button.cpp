#include "platform/tk/ui/Button.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/Subscription.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/NodeView.h"
#include "platform/tk/view/KeyboardFocus.h"
#include "platform/tk/view/Window.h"

namespace tk::ui {
namespace {

// The keyboard side of a button that takes the focus (buttonsTakeFocus): a view in the window's
// key view loop that tells the button whether it shows the focus (it has the keyboard focus and its
// window is key) and presses it for Space and Return.
struct KeyFocusNodeData final : NodeData {
    Node content;
    bool enabled = true;
    std::function<void()> press;
    std::function<void(bool)> showsFocusChanged;
    std::shared_ptr<NodeView> makeView() const override;
};

class KeyFocusView final : public WrapperView {
public:
    KeyFocusView() { measuresAsChild_ = true; }

    bool acceptsFirstResponder() const override { return enabled_; }

    bool keyDown(const Event& event) override {
        TK_CHECK_MAIN_THREAD();
        const bool pressKey = event.keyCode == KeyCode::space || event.keyCode == KeyCode::returnKey ||
                              event.keyCode == KeyCode::keypadEnter;
        if (!pressKey || (event.modifierFlags & kShortcutModifierMask) != ModifierFlags::none || !enabled_)
            return false;
        auto keepAlive = sharedView(); // the action may rebuild the tree around this view
        EnvironmentScope scope(context_.environment);
        if (auto press = press_)
            press();
        return true;
    }

    void viewDidMoveToWindow() override {
        NodeView::viewDidMoveToWindow();
        focusChange_.cancel();
        keyChange_.cancel();
        if (Window* w = window()) {
            focusChange_ = w->observeFirstResponder([this](Window&) { report(); });
            keyChange_ = w->observeKeyState([this](Window&, bool) { report(); });
        }
        report();
    }

    void dismantle() override {
        focusChange_.cancel();
        keyChange_.cancel();
        press_ = nullptr;
        showsFocusChanged_ = nullptr;
        WrapperView::dismantle();
    }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const KeyFocusNodeData&>(node);
        enabled_ = d.enabled;
        press_ = d.press;
        showsFocusChanged_ = d.showsFocusChanged;
        setContent(d.content, context_);
        // A button disabled while it has the focus gives it back to the window.
        if (!enabled_ && isFirstResponder())
            window()->makeFirstResponder(nullptr);
    }

private:
    void report() {
        const Window* w = window();
        const bool shows = w && w->isKeyWindow() && hasKeyboardFocus(*this);
        if (shows == shown_)
            return;
        shown_ = shows;
        if (auto changed = showsFocusChanged_)
            changed(shows);
    }

    bool enabled_ = true;
    bool shown_ = false;
    std::function<void()> press_;
    std::function<void(bool)> showsFocusChanged_;
    Subscription focusChange_;
    Subscription keyChange_;
};
std::shared_ptr<NodeView> KeyFocusNodeData::makeView() const {
    return View::make<KeyFocusView>();
}

struct ButtonComponent {
    std::function<void()> action;
    Node label;
    State<bool> pressed{false};
    State<bool> focused{false};

    Node body() {
        auto style = environment<ButtonStyleKey>();
        if (!style)
            style = ButtonStyleKey::defaultValue();
        const bool isPressed = pressed.get();
        const bool enabled = environment<IsEnabledKey>();
        const bool takesFocus = environment<ButtonsTakeFocusKey>();
        ButtonStyleConfiguration configuration{label, isPressed, currentEnvironment()};
        configuration.isFocused = takesFocus && enabled && focused.get();
        Node look = style->makeBody(configuration);
        if (enabled) {
            look = look.gesture(DragGesture{
                .minimumDistance = 0,
                .onChanged = [this](const DragValue& v) { pressed.set(v.isInside()); },
                .onEnded =
                    [this](const DragValue& v) {
                        pressed.set(false);
                        if (!v.isCancelled && v.isInside() && action)
                            action();
                    },
                .onCancelled = [this](const DragValue&) { pressed.set(false); },
            });
        }
        if (!takesFocus)
            return look;
        auto d = std::make_shared<KeyFocusNodeData>();
        d->content = std::move(look);
        d->enabled = enabled;
        d->press = [this] {
            if (action)
                action();
        };
        d->showsFocusChanged = [this](bool shows) { focused.set(shows); };
        return Node(std::move(d));
    }
};

} // namespace

Node Button(std::function<void()> action, Node label) {
    ButtonComponent b;
    b.action = std::move(action);
    b.label = std::move(label);
    return Node(std::move(b));
}

Node Button(std::string title, std::function<void()> action) {
    return Button(std::move(action), Text(std::move(title)));
}

} // namespace tk::ui
