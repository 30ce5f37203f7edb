#pragma once

// Modal alerts in one call. Each runs in a nested run of the main run loop until answered.
// All functions are [main].

#include "platform/tk/view/Alert.h"

#include <functional>
#include <string>

namespace Tessaly {

// An alert with the two texts and no buttons yet (it shows "OK" when run without any).
tk::Alert makeAlert(std::string message, std::string informativeText);
// Shows the texts with one button; the answer is not needed.
void showAlert(std::string message, std::string informativeText, std::string buttonTitle);
// Shows the texts with the confirm button and "Cancel"; `onConfirm` runs only for the first.
void showConfirmationAlert(std::string message, std::string informativeText, std::string confirmTitle,
                           const std::function<void()>& onConfirm);

} // namespace Tessaly
