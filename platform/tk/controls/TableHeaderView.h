#pragma once

// TableHeaderView: the strip above a table that shows its columns' header cells side by side,
// each at its column's x and width (hidden columns take no room); from the last one to the strip's
// right end, that column's cell draws its filler (the header's background and bottom line).
// Heading a TableView, it shows that table's columns where the table places them (with the
// intercell spacing); heading any other view, or none, it shows the columns it was given from its
// left edge, without spacing. Inside the table's scroll view it is the scroll view's header view,
// so its coordinates are the table's.
//
// Dragging the divider at a column's right end (kDividerHitWidth either side of it) resizes that
// column, when its resizing mask allows the user to, within its minimum and maximum width (a column
// whose limits are one width has no divider to drag); the table's cells follow at each step. The
// width is the width at the press plus the pointer's travel since then, so it follows the pointer
// also where the narrower table scrolls the header under it. The drag follows its column wherever
// the columns before it go; the column hidden or taken out ends it. The pointer shows the
// left-right resize cursor over such a divider, all through a drag, wherever it goes, and still
// when a drag ends (or a press without a move) with the pointer over a divider. A column of a table
// whose resizing mask, limits or hidden flag change brings its divider here up to date.
//
// All members are [main].

#include "platform/tk/controls/TableHeaderCell.h"
#include "platform/tk/view/View.h"

#include <memory>
#include <optional>
#include <vector>

namespace tk {

class TrackingArea;

class TableHeaderView : public View {
public:
    static constexpr double kDefaultHeight = 24;
    // How far from a divider a press still grabs it, on either side.
    static constexpr double kDividerHitWidth = 3;

    using View::View;

    View* tableView() const { return tableView_.lock().get(); }
    virtual void setTableView(View* table);

    // The table's columns while heading a TableView, else the ones given.
    const std::vector<std::shared_ptr<TableColumn>>& columns() const;
    void setColumns(std::vector<std::shared_ptr<TableColumn>> columns);
    // The header rect of a visible column (zero for a hidden one or an index out of range).
    Rect headerRectOfColumn(int index) const;
    // The column whose right-end divider is at `x` and may be dragged; -1 for none.
    int resizableColumnAtDivider(double x) const;
    // The index of the column being resized by a drag, -1 between drags.
    int resizedColumn() const;

    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    bool mouseDown(const Event& event) override;
    bool mouseDragged(const Event& event) override;
    bool mouseUp(const Event& event) override;
    void mouseCancelled(const Event& event) override;
    bool mouseMoved(const Event& event) override;
    // One cursor area over each divider that can be dragged.
    void updateTrackingAreas() override;

private:
    struct Resize {
        std::weak_ptr<TableColumn> column;
        double startXInWindow;
        double startWidth;
    };
    // The column of the drag while it is still shown here; none once hidden or taken out.
    TableColumn* resizedColumnIfShown() const;
    void endResize();
    void showResizeCursor();
    // Areas made anew under a pointer that stands still are not known to be under it until it
    // moves: over a divider, this view shows the resize cursor itself until then.
    void holdResizeCursorUntilMoved();
    void releaseCursor();

    std::weak_ptr<View> tableView_;
    std::vector<std::shared_ptr<TableColumn>> columns_;
    std::vector<const TrackingArea*> dividerAreas_; // owned by the view
    std::optional<Resize> resize_;
    // This view's own cursor while it shows the resize cursor itself, given back afterwards.
    std::optional<std::optional<Cursor>> cursorBefore_;
    const TrackingArea* moveArea_ = nullptr; // while the cursor is held
};

} // namespace tk
