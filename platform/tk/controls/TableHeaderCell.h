#pragma once

// TableHeaderCell: the cell that draws one column's title in a table's header. A text cell with an
// optional background fill and its own text colour; by default it fills its frame when
// drawsBackground is set, draws its title 4 points in from the left, centred vertically, and a
// separator line along its bottom and right edges. Pressed and plain headers look the same. On a
// raised background style the title is engraved: a dark copy one point below it. The header past
// its last column is drawn by that column's cell as filler: the background and the bottom line,
// no title and no divider, so the header reads as one strip across its whole width.
//
// TableColumn: a column of a table - its identifier, width (kept within its minimum and maximum
// width), hidden flag, resizing mask and header cell (a column always has one; setting none is
// refused). A column added to a table tells it when its width, hidden flag, limits or resizing mask
// change, so the table's cells and header follow.
//
// All members are [main].

#include "platform/tk/controls/Cell.h"

#include <memory>
#include <optional>
#include <string>

namespace tk {

class TableHeaderCell : public Cell {
public:
    explicit TableHeaderCell(std::string title = {});

    bool drawsBackground() const { return drawsBackground_; }
    void setDrawsBackground(bool draws);
    Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(Color color);
    // The set text colour, else the cell's default.
    Color textColor() const override;
    void setTextColor(std::optional<Color> color);

    // A new cell with this one's title, image, font, alignment and colours. Subclasses add what
    // they keep of their own.
    virtual std::unique_ptr<TableHeaderCell> copy() const;

    void draw(const Rect& frame, View& controlView, GraphicsContext& context) override;
    // The header past the last column (see the file comment).
    virtual void drawFiller(const Rect& frame, View& controlView, GraphicsContext& context);

protected:
    // Draws `title` in `rect` as the background style shows text.
    void drawTitle(const AttributedString& title, const Rect& rect, GraphicsContext& context) const;
    // Copies this cell's content and look onto `other`.
    void copyInto(TableHeaderCell& other) const;

private:
    Color backgroundColor_ = Color::clear();
    std::optional<Color> textColor_;
    bool drawsBackground_ = false;
};

class TableView;

// What may resize a column: the user dragging the divider at its right end in the header, and
// (kept for tables that fit their columns to their width) the table.
enum class TableColumnResizingMask : unsigned { none = 0, autoresizing = 1, userResizing = 2 };
constexpr TableColumnResizingMask operator|(TableColumnResizingMask a, TableColumnResizingMask b) {
    return TableColumnResizingMask(unsigned(a) | unsigned(b));
}
constexpr bool contains(TableColumnResizingMask set, TableColumnResizingMask m) {
    return (unsigned(set) & unsigned(m)) != 0;
}

class TableColumn {
public:
    static constexpr double kDefaultMinWidth = 10;
    static constexpr double kDefaultMaxWidth = 100000;

    explicit TableColumn(std::string identifier);
    virtual ~TableColumn() = default;
    TableColumn(const TableColumn&) = delete;
    TableColumn& operator=(const TableColumn&) = delete;

    const std::string& identifier() const { return identifier_; }
    double width() const { return width_; }
    // Kept within minWidth..maxWidth.
    void setWidth(double width);
    double minWidth() const { return minWidth_; }
    // The width follows into the new range; a maximum below the minimum is raised to it.
    void setMinWidth(double width);
    double maxWidth() const { return maxWidth_; }
    void setMaxWidth(double width);
    TableColumnResizingMask resizingMask() const { return resizingMask_; }
    void setResizingMask(TableColumnResizingMask mask);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);

    // The table the column was added to; none before, or once it is gone.
    TableView* tableView() const;
    // Set by the table as it adds or removes the column.
    void setTableView(TableView* table);

    virtual TableHeaderCell& headerCell() const { return *headerCell_; }
    virtual void setHeaderCell(std::unique_ptr<TableHeaderCell> cell);

private:
    std::string identifier_;
    std::unique_ptr<TableHeaderCell> headerCell_ = std::make_unique<TableHeaderCell>();
    std::weak_ptr<View> table_;
    double width_ = 100;
    double minWidth_ = kDefaultMinWidth;
    double maxWidth_ = kDefaultMaxWidth;
    TableColumnResizingMask resizingMask_ =
        TableColumnResizingMask::autoresizing | TableColumnResizingMask::userResizing;
    bool hidden_ = false;
};

} // namespace tk
