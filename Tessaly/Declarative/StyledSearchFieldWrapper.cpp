#include "Tessaly/Declarative/StyledSearchFieldWrapper.h"

#include "Tessaly/Declarative/FieldSizing.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/ui/Representable.h"

namespace Tessaly {

namespace {
constexpr const char* kFilterContents = "filterContents:";
constexpr double kFontSize = 11;

} // namespace

StyledSearchFieldWrapper::StyledSearchFieldWrapper(tk::ui::Binding<std::string> searchText,
                                                   std::string placeholderString)
    : searchText_(std::move(searchText)), placeholderString_(std::move(placeholderString)) {}

std::shared_ptr<StyledSearchFieldWrapper::Coordinator> StyledSearchFieldWrapper::makeCoordinator() const {
    return std::make_shared<Coordinator>(*this);
}

std::shared_ptr<StyledSearchField> StyledSearchFieldWrapper::makeView() const {
    TK_CHECK_MAIN_THREAD();
    auto field = tk::View::make<StyledSearchField>(tk::Rect{});
    field->cell()->setControlSize(tk::ControlSize::small);
    field->setFont(tk::Font::system(kFontSize));
    field->setPlaceholderString(placeholderString_);
    field->setBezelStyle(tk::TextField::BezelStyle::roundedBorder);
    field->setVerticallyCenter(false);
    return field;
}

void StyledSearchFieldWrapper::updateView(StyledSearchField& field,
                                          const std::shared_ptr<Coordinator>& coordinator) const {
    TK_CHECK_MAIN_THREAD();
    coordinator->parent = *this;
    if (std::string value = searchText_.get(); value != field.text())
        field.setText(std::move(value));
    field.setTarget(coordinator);
    field.setAction(kFilterContents);
}

tk::ui::Node StyledSearchFieldWrapper::node() const {
    const StyledSearchFieldWrapper value = *this;
    return tk::ui::RepresentableWithCoordinator<StyledSearchField, std::shared_ptr<Coordinator>>({
        .makeCoordinator = [value] { return value.makeCoordinator(); },
        .make = [value](std::shared_ptr<Coordinator>&) { return value.makeView(); },
        .update =
            [value](StyledSearchField& field, std::shared_ptr<Coordinator>& coordinator) {
                value.updateView(field, coordinator);
            },
        .sizeThatFits = fieldSize<StyledSearchField>,
    });
}

StyledSearchFieldWrapper::Coordinator::Coordinator(StyledSearchFieldWrapper value)
    : parent(std::move(value)) {
    setActionHandler(kFilterContents, [this](const tk::ActionSender& sender) {
        if (const auto* field = dynamic_cast<const tk::TextField*>(sender.responder))
            filterContents(*field);
    });
}

void StyledSearchFieldWrapper::Coordinator::filterContents(const tk::TextField& sender) const {
    const tk::ui::Binding<std::string> searchText = parent.searchText(); // the write may rebuild
    searchText.set(sender.text());
}

} // namespace Tessaly
