#include "Tessaly/Publishers/UIEventThrottler.h"

#include "platform/tk/base/Clock.h"

#include <utility>

namespace Tessaly {

UIEventThrottler::UIEventThrottler(double interval, tk::WorkerQueue& queue)
    : interval_(interval), queue_(&queue) {}

void UIEventThrottler::cancel() {
    timer_.invalidate();
    timer_ = tk::Timer();
}

void UIEventThrottler::throttle(std::function<void()> action) {
    cancel();
    // One shot: a timer that repeated would run the action again every interval, long after the
    // burst it stood for.
    timer_ = queue_->scheduleTimer(tk::seconds(interval_), false, std::move(action));
}

} // namespace Tessaly
