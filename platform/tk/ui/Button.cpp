#include "platform/tk/ui/Button.h"

#include "platform/tk/ui/Component.h"

namespace tk::ui {
namespace {

struct ButtonComponent {
    std::function<void()> action;
    Node label;
    State<bool> pressed{false};

    Node body() {
        auto style = environment<ButtonStyleKey>();
        if (!style)
            style = ButtonStyleKey::defaultValue();
        const bool isPressed = pressed.get();
        Node look = style->makeBody({label, isPressed, currentEnvironment()});
        if (!environment<IsEnabledKey>())
            return look;
        return look.gesture(DragGesture{
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
