#include "platform/tk/controls/ActionCell.h"

#include "platform/tk/view/Control.h"

namespace tk {

Control* ActionCell::control() const {
    return dynamic_cast<Control*>(controlView());
}

Responder* ActionCell::target() const {
    if (Control* c = control())
        return c->target();
    return target_.lock().get();
}

void ActionCell::setTarget(std::weak_ptr<Responder> target) {
    if (Control* c = control())
        c->setTarget(target);
    target_ = std::move(target);
}

const std::string& ActionCell::action() const {
    if (Control* c = control())
        return c->action();
    return action_;
}

void ActionCell::setAction(std::string action) {
    if (Control* c = control())
        c->setAction(action);
    action_ = std::move(action);
}

int ActionCell::tag() const {
    if (View* v = controlView())
        return v->tag();
    return tag_;
}

void ActionCell::setTag(int tag) {
    if (View* v = controlView())
        v->setTag(tag);
    tag_ = tag;
}

void ActionCell::setControlView(View* view) {
    Cell::setControlView(view);
    // What was set on the cell alone goes to its new control; a control's own values stay when the
    // cell has none.
    if (Control* c = control()) {
        if (!target_.expired())
            c->setTarget(target_);
        if (!action_.empty())
            c->setAction(action_);
        if (tag_ != 0)
            c->setTag(tag_);
    }
}

} // namespace tk
