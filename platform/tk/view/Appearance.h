#pragma once

// The look a window and its controls are drawn in. The toolkit draws every control dark; the value
// is kept so that code which asks for an appearance, or hands one on, has it to read.

namespace tk {

enum class Appearance { light, dark };

} // namespace tk
