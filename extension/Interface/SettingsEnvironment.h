#pragma once

// The plug-in model as an environment value: the view controller puts its Settings into the
// environment of the hosted MainView, and every view below reads it from there.

#include "extension/Settings/Settings.h"

#include <memory>

namespace extension {

struct SettingsKey {
    using Value = std::shared_ptr<Settings>;
    static Value defaultValue() { return nullptr; }
};

} // namespace extension
