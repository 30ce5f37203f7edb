#include "Tessaly/Windows/Alerts.h"

namespace Tessaly {

tk::Alert makeAlert(std::string message, std::string informativeText) {
    return tk::Alert(std::move(message), std::move(informativeText));
}

void showAlert(std::string message, std::string informativeText, std::string buttonTitle) {
    tk::Alert alert(std::move(message), std::move(informativeText));
    alert.addButton(std::move(buttonTitle));
    alert.runModal();
}

void showConfirmationAlert(std::string message, std::string informativeText, std::string confirmTitle,
                           const std::function<void()>& onConfirm) {
    tk::Alert alert(std::move(message), std::move(informativeText));
    alert.addButton(std::move(confirmTitle));
    alert.addButton("Cancel");
    if (alert.runModal() == tk::Alert::kFirstButtonReturn && onConfirm)
        onConfirm();
}

} // namespace Tessaly
