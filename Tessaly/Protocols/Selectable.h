#pragma once

// Views that show themselves selected. A container (a table row, a cell view) passes its own
// selection down to the views inside it with setSubviewsSelected().

namespace tk {
class View;
}

namespace Tessaly {

class Selectable {
public:
    virtual bool isSelected() const = 0;
    virtual void setSelected(bool selected) = 0;

protected:
    ~Selectable() = default;
};

// [main] Sets `selected` on every direct subview of `view` that is Selectable (collected first,
// then set in subview order, so a subview that rearranges its siblings changes nothing here).
// With `recursive`, each of them then passes it on to its own direct Selectable subviews, once:
// the flag reaches two levels below `view` and no further. Plain views are not looked into.
void setSubviewsSelected(tk::View& view, bool selected, bool recursive);
// The same operation under its other name.
void propagateSelection(tk::View& view, bool selected, bool recursive);

} // namespace Tessaly
