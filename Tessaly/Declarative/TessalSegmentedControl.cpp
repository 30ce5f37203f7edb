#include "Tessaly/Declarative/TessalSegmentedControl.h"

#include "Tessaly/Resources/AssetLookup.h"

#include "platform/tk/base/MainThread.h"

namespace Tessaly {

bool TessalSegmentedControlModel::Items::operator==(const Items& other) const {
    if (list.size() != other.list.size())
        return false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto& a = list[i];
        const auto& b = other.list[i];
        if (!a || !b) {
            if (a != b)
                return false;
            continue;
        }
        // A new title under the same id must reach the screen too.
        if (a->id() != b->id() || a->title() != b->title())
            return false;
    }
    return true;
}

bool TessalSegmentedControlModel::Selected::operator==(const Selected& other) const {
    if (!item || !other.item)
        return !item && !other.item;
    return item->id() == other.item->id();
}

TessalSegmentedControlModel::TessalSegmentedControlModel(std::vector<SegmentItemPtr> items)
    : items_(Items{std::move(items)}) {}

void TessalSegmentedControlModel::selectItem(std::int64_t id) {
    TK_CHECK_MAIN_THREAD();
    for (const SegmentItemPtr& item : items())
        if (item && item->id() == id) {
            setSelectedItem(item);
            return;
        }
}

void TessalSegmentedControlModel::itemClicked(const SegmentItemPtr& item) {
    TK_CHECK_MAIN_THREAD();
    const SegmentItemPtr& selected = selectedItem();
    if (!selected || !item || selected->id() != item->id()) {
        if (hideSelection())
            setHideSelection(false);
        setSelectedItem(item);
    } else if (hideSelection()) {
        setHideSelection(false);
    } else {
        setSelectedItem(nullptr);
    }
    if (const SelectionChanged& changed = onSelectionChanged())
        changed(selectedItem());
}

tk::Subscription TessalSegmentedControlModel::observe(std::function<void()> changed) {
    auto all = std::make_shared<std::vector<tk::Subscription>>();
    all->push_back(items_.subscribe(changed));
    all->push_back(hideSelection_.subscribe(changed));
    all->push_back(selectedItem_.subscribe(changed));
    all->push_back(onSelectionChanged_.subscribe(changed));
    return tk::Subscription([all] { all->clear(); });
}

tk::ui::Node SegmentedButtonStyle::makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const {
    using namespace tk::ui;
    const bool pressed = configuration.isPressed;
    const tk::Color text = color(pressed      ? ColorResources::grey50
                                 : isSelected ? ColorResources::grey85
                                              : ColorResources::grey70);
    const tk::Image bezel = image(pressed      ? ImageResources::tuiWindowTabDown
                                  : isSelected ? ImageResources::tuiWindowTabSelected
                                               : ImageResources::tuiWindowTab);
    return configuration.label.font(tk::Font::system(12, tk::FontWeight::medium))
        .padding(Edges::horizontal(), 16)
        .padding(Edges::vertical(), 6)
        .foregroundColor(text)
        .background(Image(bezel).resizable(bezel.capInsets()));
}

tk::ui::Node TessalSegmentedControl::body() {
    using namespace tk::ui;
    std::vector<Node> buttons;
    const auto& selected = model->selectedItem();
    const bool hidden = model->hideSelection();
    for (const SegmentItemPtr& item : model->items()) {
        if (!item)
            continue;
        const bool isSelected = !hidden && selected && selected->id() == item->id();
        buttons.push_back(Button([m = model, item] { m->itemClicked(item); }, Text(item->title()))
                              .buttonStyle(SegmentedButtonStyle{isSelected})
                              .identifier("segment-" + std::to_string(item->id()))
                              .id(std::size_t(item->id())));
    }
    return HStack({.alignment = VerticalAlignment::center, .spacing = 0}, std::move(buttons));
}

} // namespace Tessaly
