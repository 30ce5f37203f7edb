#include "Tessaly/Controls/StyledTableView.h"

#include "Tessaly/Controls/StyledTableHeader.h"

#include "platform/tk/base/NotificationCenter.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/Control.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/TableCellView.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>

namespace Tessaly {

std::shared_ptr<TableViewStyle> StyledTableView::style() {
    return std::make_shared<TableViewStyle>();
}

void StyledTableView::setBackgroundColor(tk::Color color) {
    backgroundColor_ = color;
    setNeedsDisplay();
}

void StyledTableView::viewDidMoveToSuperview() {
    tk::TableView::viewDidMoveToSuperview();
    // Here and not before the move: only now is the enclosing scroll view known.
    setBackgroundColor(style()->backgroundColor());
    if (tk::ScrollView* scroll = tk::enclosingScrollView(*this)) {
        scroll->setDrawsBackground(true);
        scroll->setBackgroundColor(backgroundColor_);
    }
}

void StyledTableView::setCellViewProvider(CellViewProvider provider) {
    tk::TableView::setCellViewProvider(
        provider ? [provider = std::move(provider)](tk::TableView& table, tk::TableColumn* column, int row) {
            return provider(static_cast<StyledTableView&>(table), column, row);
        }
                 : tk::TableView::CellViewProvider{});
}

void StyledTableView::setCellViewProvider(RowCellViewProvider provider) {
    tk::TableView::setCellViewProvider(
        provider ? [provider = std::move(provider)](
                       tk::TableView& table,
                       int row) { return provider(static_cast<StyledTableView&>(table), row); }
                 : tk::TableView::RowCellViewProvider{});
}

void StyledTableView::setRowViewProvider(RowViewProvider provider) {
    tk::TableView::setRowViewProvider(
        provider ? [provider = std::move(provider)](
                       tk::TableView& table,
                       int row) { return provider(static_cast<StyledTableView&>(table), row); }
                 : tk::TableView::RowViewProvider{});
}

StyledTableRowView* StyledTableView::rowView(int row) const {
    return dynamic_cast<StyledTableRowView*>(tk::TableView::rowView(row));
}

std::shared_ptr<tk::TableRowView> StyledTableView::newRowView() {
    auto view = std::dynamic_pointer_cast<StyledTableRowView>(
        makeViewWithIdentifier(StyledTableRowView::identifier()));
    return view ? view : tk::View::make<StyledTableRowView>();
}

tk::IndexSet StyledTableView::columnIndexes() const {
    tk::IndexSet indexes;
    for (int i = 0; i < numberOfColumns(); ++i)
        indexes.insert(i);
    return indexes;
}

void StyledTableView::styleHeaderCells(tk::Color textColor, tk::Color tintColor, const tk::Font& font) {
    for (const auto& column : tableColumns()) {
        if (column->isHidden())
            continue;
        const tk::TableHeaderCell& old = column->headerCell();
        const tk::Image image = old.image();
        auto cell = std::make_unique<StyledTableHeaderCell>(
            old.title(), image.isEmpty() ? std::nullopt : std::optional<tk::Image>(image));
        cell->setDrawsBackground(true);
        cell->setBackgroundColor(tk::Color::clear());
        cell->setBackgroundStyle(tk::BackgroundStyle::raised);
        cell->setTintColor(tintColor);
        cell->setTextColor(textColor);
        cell->setAttributedTitle(tk::AttributedString(old.title(), {.font = font, .color = textColor}));
        column->setHeaderCell(std::move(cell));
    }
}

bool StyledTableView::mouseDown(const tk::Event& event) {
    if (tk::Window* w = window(); w && makeKeyOnClick_ && !w->isKeyWindow())
        w->makeKeyAndOrderFront();
    return tk::TableView::mouseDown(event);
}

bool StyledTableView::keyDown(const tk::Event& event) {
    if (allowKeyboardNavigation_)
        return tk::TableView::keyDown(event);
    if (tk::View* parent = superview())
        parent->keyDown(event);
    return true; // the table itself never moves its selection by keys
}

void StyledTableView::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    // The row views draw the selection.
    context.fillRect(dirtyRect, backgroundColor_);
}

} // namespace Tessaly
