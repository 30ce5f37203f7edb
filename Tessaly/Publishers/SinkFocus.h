#pragma once

#include "platform/tk/base/Publisher.h"
#include "platform/tk/view/View.h"

#include <memory>

namespace Tessaly {

// [main] Moves keyboard focus to `view` on every value of `publisher`: when the view still exists
// and is in a window, the window is made key (if it is not) and the view its first responder;
// otherwise nothing happens. The view is held weakly. Values must arrive on the main thread.
template <class T>
[[nodiscard]] tk::Cancellable sinkFocus(const tk::Publisher<T>& publisher,
                                        const std::shared_ptr<tk::View>& view);

// The part that does not depend on the value type.
void focus(const std::weak_ptr<tk::View>& view);

template <class T>
tk::Cancellable sinkFocus(const tk::Publisher<T>& publisher, const std::shared_ptr<tk::View>& view) {
    return publisher.sink([weakView = std::weak_ptr<tk::View>(view)](const T&) { focus(weakView); });
}

} // namespace Tessaly
