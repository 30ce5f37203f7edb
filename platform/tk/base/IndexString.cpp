#include "platform/tk/base/IndexString.h"

namespace tk {

std::string paddedIndexString(std::int64_t value) {
    auto text = std::to_string(value);
    return value <= 9 ? "0" + text : text;
}

} // namespace tk
