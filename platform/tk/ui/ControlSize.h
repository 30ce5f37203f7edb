#pragma once

// The size class of declarative controls.

namespace tk::ui {

enum class ControlSize { mini, small, regular, large, extraLarge };

} // namespace tk::ui
