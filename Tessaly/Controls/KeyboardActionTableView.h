#pragma once

// KeyboardActionTableView: a table that sends its keyboard action when Return or keypad Enter is
// released (after the table has handled the key). The action goes to the target, or up the
// responder chain from the table when there is none; without an action nothing is sent.
//
// All members are [main].

#include "platform/tk/view/Event.h"
#include "platform/tk/controls/TableView.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace Tessaly {

class KeyboardActionTableView : public tk::TableView {
public:
    static constexpr std::array<tk::KeyCode, 2> keyboardActionTriggers{tk::KeyCode::returnKey,
                                                                       tk::KeyCode::keypadEnter};

    using tk::TableView::TableView;

    const std::optional<std::string>& keyboardAction() const { return keyboardAction_; }
    void setKeyboardAction(std::optional<std::string> action) { keyboardAction_ = std::move(action); }
    tk::Responder* target() const { return target_.lock().get(); }
    void setTarget(std::weak_ptr<tk::Responder> target) { target_ = std::move(target); }

    bool keyUp(const tk::Event& event) override;

private:
    std::optional<std::string> keyboardAction_;
    std::weak_ptr<tk::Responder> target_;
};

} // namespace Tessaly
