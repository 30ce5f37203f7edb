#pragma once

// The declarative segmented control: a row of touching tab buttons on the "tui-window-tab"
// pictures, its state in a TessalSegmentedControlModel shared with the owner.
//
// Clicks (itemClicked): a click on another segment selects it; a click on the selected segment
// deselects it, or, while the selection is hidden, shows it again. Either way a hidden selection
// is shown again, and onSelectionChanged then hears the selected item (none after a deselection).
// selectItem(id) selects the first item with that id from code, silently; an unknown id changes
// nothing.
//
// Observers of the model hear of a change of the items when the count, an id or a title
// differs, of the selected item when its presence or id changes, of hideSelection when it changes,
// and of every new onSelectionChanged.
//
// All members are [main].

#include "platform/tk/base/Observable.h"
#include "platform/tk/ui/UI.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Tessaly {

class TessalSegmentItem {
public:
    TessalSegmentItem(std::int64_t id, std::string title) : id_(id), title_(std::move(title)) {}
    virtual ~TessalSegmentItem() = default;

    std::int64_t id() const { return id_; }
    const std::string& title() const { return title_; }
    // Carried for the owner; the control shows every item.
    virtual bool isHidden() const { return isHidden_; }
    virtual void setHidden(bool hidden) { isHidden_ = hidden; }

    // Items are the same item when their ids are.
    friend bool operator==(const TessalSegmentItem& a, const TessalSegmentItem& b) { return a.id_ == b.id_; }

private:
    const std::int64_t id_;
    const std::string title_;
    bool isHidden_ = false;
};

using SegmentItemPtr = std::shared_ptr<TessalSegmentItem>;

class TessalSegmentedControlModel {
public:
    using SelectionChanged = std::function<void(const SegmentItemPtr& item)>;

    explicit TessalSegmentedControlModel(std::vector<SegmentItemPtr> items);
    virtual ~TessalSegmentedControlModel() = default;

    const std::vector<SegmentItemPtr>& items() const { return items_.get().list; }
    virtual void setItems(std::vector<SegmentItemPtr> items) { items_.set({std::move(items)}); }
    bool hideSelection() const { return hideSelection_.get(); }
    virtual void setHideSelection(bool hide) { hideSelection_.set(hide); }
    const SegmentItemPtr& selectedItem() const { return selectedItem_.get().item; }
    virtual void setSelectedItem(SegmentItemPtr item) { selectedItem_.set({std::move(item)}); }
    const SelectionChanged& onSelectionChanged() const { return onSelectionChanged_.get(); }
    virtual void setOnSelectionChanged(SelectionChanged callback) {
        onSelectionChanged_.set(std::move(callback));
    }

    virtual void selectItem(std::int64_t id);
    virtual void itemClicked(const SegmentItemPtr& item);

    // Subscribes to changes of any member (for owners outside a declarative body).
    tk::Subscription observe(std::function<void()> changed);

private:
    // The list compares by count, ids and titles.
    struct Items {
        std::vector<SegmentItemPtr> list;
        bool operator==(const Items& other) const;
    };
    // The selection compares by presence and id.
    struct Selected {
        SegmentItemPtr item;
        bool operator==(const Selected& other) const;
    };

    tk::Observable<Items> items_;
    tk::Observable<bool> hideSelection_{false};
    tk::Observable<Selected> selectedItem_;
    tk::Observable<SelectionChanged> onSelectionChanged_; // not comparable: every set notifies
};

// A tab: medium 12-point label, 16 points in from the sides and 6 from top and bottom, in grey
// 50% / 85% / 70% on "tui-window-tab-down" / "-selected" / plain (pressed over selected).
struct SegmentedButtonStyle {
    bool isSelected = false;
    tk::ui::Node makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const;
};

struct TessalSegmentedControl {
    std::shared_ptr<TessalSegmentedControlModel> model = {};
    tk::ui::Node body();
};

} // namespace Tessaly
