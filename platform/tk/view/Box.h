#pragma once

// A box: a plain grouping view, or (type separator) a one-point line across its longer side that
// divides what is around it. All members are [main].

#include "platform/tk/base/Color.h"
#include "platform/tk/view/View.h"

namespace tk {

enum class BoxType { primary, separator };

class Box : public View {
public:
    Box() = default;
    explicit Box(Rect frame, BoxType type = BoxType::primary) : View(frame), type_(type) {}

    BoxType boxType() const { return type_; }
    void setBoxType(BoxType type);

    void draw(GraphicsContext& context, const Rect& dirtyRect) override;

private:
    BoxType type_ = BoxType::primary;
};

} // namespace tk
