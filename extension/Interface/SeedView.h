#pragma once

// SeedView: the seed in the middle of the melody display's control row. A click turns the number
// into a text field; Return commits a valid unsigned 64-bit number as the new seed (0 becomes 1),
// Escape or moving the focus away leaves the seed as it was.

#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <string>

namespace extension {

struct SeedView {
    tk::ui::State<bool> isEditing{false};
    tk::ui::State<std::string> valueString{std::string()};
    tk::ui::State<bool> editingFieldFocussed{false};

    static constexpr double kFieldWidth = 150;

    // [main]
    tk::ui::Node body();

private:
    void commit();
};

} // namespace extension
