#include "platform/tk/controls/ComboBox.h"

#include "platform/tk/base/NumberFormat.h"
#include "platform/tk/controls/MenuPresentation.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/view/Window.h"

#include <charconv>

namespace tk {

namespace {
const std::string kNoTitle;
} // namespace

std::unique_ptr<ComboBoxCell> ComboBox::makeCell() const {
    return std::make_unique<ComboBoxCell>();
}

void ComboBox::setCell(std::unique_ptr<ComboBoxCell> cell) {
    cell_.replace(std::move(cell), *this);
    setNeedsLayout();
}

void ComboBox::setup() {
    Control::setup();
    setCell(makeCell());
    field_ = View::make<TextField>();
    field_->setBezelStyle(TextField::BezelStyle::none);
    field_->setTextColor(controlTextColor());
    field_->setFont(Font::system(11));
    field_->onChange = [this](TextField&, const std::string&) { selected_ = -1; };
    // Down opens the list while the field is being typed in.
    field_->keyHandler = [this](TextField&, const Event& e) {
        return e.keyCode == KeyCode::downArrow &&
               (e.modifierFlags & kShortcutModifierMask) == ModifierFlags::none && showList();
    };
    addSubview(field_);
}

void ComboBox::addItem(std::string title, std::any object) {
    items_.push_back({std::move(title), std::move(object)});
}

void ComboBox::removeAllItems() {
    items_.clear();
    selected_ = -1;
}

const std::string& ComboBox::itemTitle(int index) const {
    return index >= 0 && index < numberOfItems() ? items_[std::size_t(index)].title : kNoTitle;
}

std::any ComboBox::itemObjectValueAtIndex(int index) const {
    return index >= 0 && index < numberOfItems() ? items_[std::size_t(index)].object : std::any();
}

void ComboBox::selectItemAtIndex(int index) {
    auto keep = weak_from_this().lock();
    selected_ = index >= 0 && index < numberOfItems() ? index : -1;
    if (selected_ >= 0)
        field_->setText(items_[std::size_t(selected_)].title);
    selectionDidChange();
}

const std::string& ComboBox::stringValue() const {
    return field_->text();
}

void ComboBox::setStringValue(std::string value) {
    field_->setText(std::move(value));
}

double ComboBox::doubleValue() const {
    return parseDouble(field_->text()).value_or(0);
}

void ComboBox::setDoubleValue(double value) {
    // The shortest text that reads back as the value: 0.5 shows "0.5", not "0.500000".
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    field_->setText(error == std::errc() ? std::string(buffer, end) : formatFixed(value, 6));
}

bool ComboBox::showList() {
    Window* w = window();
    if (!w || !isEnabled() || listOpen_ || items_.empty())
        return false;
    Menu list;
    auto weak = std::weak_ptr<View>(sharedView());
    for (int i = 0; i < numberOfItems(); ++i) {
        MenuItem item(items_[std::size_t(i)].title);
        item.state = i == selected_ ? MenuItemState::on : MenuItemState::off;
        item.handler = [weak, i](const MenuItem&) {
            if (auto self = weak.lock())
                static_cast<ComboBox&>(*self).selectItemAtIndex(i);
        };
        list.addItem(std::move(item));
    }
    listOpen_ = true;
    willPopUp();
    setNeedsDisplay();
    popUpMenuReportingClose(*w, list, convertToWindow(Point{bounds().minX(), bounds().maxY()}), [weak] {
        if (auto self = weak.lock())
            static_cast<ComboBox&>(*self).listClosed();
    });
    return true;
}

void ComboBox::listClosed() {
    listOpen_ = false;
    willDismiss();
    setNeedsDisplay();
}

void ComboBox::setEnabled(bool enabled) {
    cell_->setEnabled(enabled);
    Control::setEnabled(enabled);
    field_->setEnabled(enabled);
    // The text dims with the bezel, in the colour of the list's dimmed chevron.
    field_->setTextColor(enabled ? controlTextColor() : disabledControlTextColor());
}

void ComboBox::setHighlighted(bool highlighted) {
    cell_->setHighlighted(highlighted);
    Control::setHighlighted(highlighted);
}

Size ComboBox::intrinsicContentSize() const {
    const Size text = field_->intrinsicContentSize();
    return Size{kNoIntrinsicMetric, std::max(22.0, text.height)};
}

void ComboBox::layout() {
    field_->setFrame(textRect(bounds()));
}

void ComboBox::draw(GraphicsContext& context, const Rect&) {
    cell_->draw(bounds(), *this, context);
}

bool ComboBox::mouseDown(const Event& event) {
    if (!isEnabled())
        return false;
    if (buttonRect(bounds()).contains(locationOf(event)))
        showList();
    else if (Window* w = window())
        w->makeFirstResponder(field_.get()); // the padding around the text belongs to the field
    return true;
}

} // namespace tk
