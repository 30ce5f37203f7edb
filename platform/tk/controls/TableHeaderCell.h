#pragma once

// TableHeaderCell: the cell that draws one column's title in a table's header. A text cell with an
// optional background fill and its own text colour; by default it fills its frame when
// drawsBackground is set, draws its title 4 points in from the left, centred vertically, and a
// separator line along its bottom and right edges. Pressed and plain headers look the same. On a
// raised background style the title is engraved: a dark copy one point below it.
//
// TableColumn: a column of a table - its identifier, width, hidden flag and header cell (a column
// always has one; setting none is refused).
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

class TableColumn {
public:
    explicit TableColumn(std::string identifier);
    virtual ~TableColumn() = default;
    TableColumn(const TableColumn&) = delete;
    TableColumn& operator=(const TableColumn&) = delete;

    const std::string& identifier() const { return identifier_; }
    double width() const { return width_; }
    void setWidth(double width);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden) { hidden_ = hidden; }

    virtual TableHeaderCell& headerCell() const { return *headerCell_; }
    virtual void setHeaderCell(std::unique_ptr<TableHeaderCell> cell);

private:
    std::string identifier_;
    std::unique_ptr<TableHeaderCell> headerCell_ = std::make_unique<TableHeaderCell>();
    double width_ = 100;
    bool hidden_ = false;
};

} // namespace tk
