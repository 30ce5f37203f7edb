#pragma once

// ActionCell: a cell that acts - a target, an action and a tag. A cell hosted by a control shares
// them with the control (the control sends the action): reading and writing them here reads and
// writes the control's. A cell without a control keeps its own, and hands them to the control it
// is given.

#include "platform/tk/controls/Cell.h"

#include <memory>
#include <string>

namespace tk {

class Control;
class Responder;

class ActionCell : public Cell {
public:
    using Cell::Cell;

    Responder* target() const;
    void setTarget(std::weak_ptr<Responder> target);
    const std::string& action() const;
    void setAction(std::string action);
    int tag() const;
    void setTag(int tag);

    void setControlView(View* view) override;

private:
    Control* control() const;

    std::weak_ptr<Responder> target_;
    std::string action_;
    int tag_ = 0;
};

} // namespace tk
