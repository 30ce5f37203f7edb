#pragma once

// The updater's delegate: it supplies the update feed's address and holds the updater controller.
// ZindralApp creates it, then the controller (not yet started) with it as the delegate, stores the
// controller here and starts it; the application delegate keeps a second reference. It lives for
// the whole run. All members are [main].

#include "platform/updater/StandardUpdaterController.h"
#include "platform/updater/UpdaterDelegate.h"

#include <memory>
#include <optional>
#include <string>

namespace app {

class UpdaterHelper final : public updater::UpdaterDelegate {
public:
    // `feedURL` defaults to the application's update feed.
    explicit UpdaterHelper(std::optional<std::string> feedURL = std::nullopt);

    std::optional<std::string> feedURLString(const updater::Updater& updater) override;

    // Set once by ZindralApp; absent before.
    std::unique_ptr<updater::StandardUpdaterController> updaterController;

private:
    std::string feedURL_;
};

} // namespace app
