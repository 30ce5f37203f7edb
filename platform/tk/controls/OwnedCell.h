#pragma once

// What a view that draws through a cell of its own does with that cell, whatever the view's class
// (CellControl, CellTextField):
//   - OwnedCell<C>: the view's cell, a C from the start. The view is the cell's control view; a
//     cell that is replaced, or outlives the view, forgets it.
//   - showsCellFocusRing: the focus ring shows while the view's window is key, the view has the
//     keyboard focus and the cell's focus ring type is not none.
//   - redrawOnKeyStateChanges: the view redraws its ring when its window gains or loses key state.
//
// All of it is [main].

#include "platform/tk/base/Subscription.h"
#include "platform/tk/controls/Cell.h"
#include "platform/tk/view/View.h"

#include <memory>

namespace tk {

template <class C> class OwnedCell {
public:
    OwnedCell() = default;
    ~OwnedCell() { cell_->setControlView(nullptr); }
    OwnedCell(const OwnedCell&) = delete;
    OwnedCell& operator=(const OwnedCell&) = delete;

    C* get() const { return cell_.get(); }
    C* operator->() const { return cell_.get(); }
    C& operator*() const { return *cell_; }

    // `view` becomes the new cell's control view and redraws and re-measures; a null cell is
    // refused.
    void replace(std::unique_ptr<C> cell, View& view) {
        if (!cell)
            return;
        cell_->setControlView(nullptr);
        cell_ = std::move(cell);
        cell_->setControlView(&view);
        view.setNeedsDisplay();
        view.invalidateIntrinsicContentSize();
    }

private:
    std::unique_ptr<C> cell_ = std::make_unique<C>();
};

bool showsCellFocusRing(const View& view, const Cell& cell);

// Empty outside a window.
[[nodiscard]] Subscription redrawOnKeyStateChanges(View& view);

} // namespace tk
