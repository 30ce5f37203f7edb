#pragma once

// Tables and outlines: row, selected-row and header colours, grey 70% text.

#include "Tessaly/Styles/ControlStyle.h"

namespace Tessaly {

class TableViewStyle : public ControlStyle {
public:
    TableViewStyle();

    virtual tk::Color rowBackgroundColor() const { return rowBackgroundColor_; }
    virtual void setRowBackgroundColor(tk::Color color) { rowBackgroundColor_ = color; }
    virtual tk::Color selectedRowBackgroundColor() const { return selectedRowBackgroundColor_; }
    virtual void setSelectedRowBackgroundColor(tk::Color color) { selectedRowBackgroundColor_ = color; }
    virtual tk::Color headerBackgroundColor() const { return headerBackgroundColor_; }
    virtual void setHeaderBackgroundColor(tk::Color color) { headerBackgroundColor_ = color; }

    // The selected-row colour when the state holds selected, else the row colour.
    virtual tk::Color rowBackgroundColor(StyledControlState state) const;

private:
    tk::Color rowBackgroundColor_;
    tk::Color selectedRowBackgroundColor_;
    tk::Color headerBackgroundColor_;
};

class OutlineViewStyle : public TableViewStyle {};

} // namespace Tessaly
