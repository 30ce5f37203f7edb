#pragma once

// StyledSearchFieldWrapper: a StyledSearchField inside declarative views, its text bound two-way.
//
//     StyledSearchFieldWrapper(query.binding(), "Search patterns").node()
//
// The field is made small, in the system font of 11 points, with the placeholder, not centred
// vertically. The placeholder is read only then: a later value does not reach the field.
// Every update first hands the coordinator the current view value (so the field's action writes
// to the binding of the latest build), sets the text only when it differs from the field's (the
// caret stays where the user is typing), and points the field's action ("filterContents:") at
// the coordinator. The field sends it on each change of its text, on Return and on cancel; the
// coordinator writes the field's text into the binding. The field takes the width it is offered
// and its own height.
//
// All of it is [main].

#include "Tessaly/Controls/StyledSearchField.h"

#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"
#include "platform/tk/view/Responder.h"

#include <memory>
#include <string>

namespace Tessaly {

class StyledSearchFieldWrapper {
public:
    class Coordinator;

    StyledSearchFieldWrapper(tk::ui::Binding<std::string> searchText, std::string placeholderString);

    const tk::ui::Binding<std::string>& searchText() const { return searchText_; }
    const std::string& placeholderString() const { return placeholderString_; }

    std::shared_ptr<Coordinator> makeCoordinator() const;
    std::shared_ptr<StyledSearchField> makeView() const;
    void updateView(StyledSearchField& field, const std::shared_ptr<Coordinator>& coordinator) const;

    tk::ui::Node node() const;

private:
    tk::ui::Binding<std::string> searchText_;
    std::string placeholderString_;
};

class StyledSearchFieldWrapper::Coordinator : public tk::Responder {
public:
    explicit Coordinator(StyledSearchFieldWrapper value);

    // The action: the sending field's text into the binding.
    void filterContents(const tk::TextField& sender) const;

    StyledSearchFieldWrapper parent;
};

} // namespace Tessaly
