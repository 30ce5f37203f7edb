#include "platform/tk/base/TestMainLoop.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"

namespace tk {

TestMainLoop::TestMainLoop() : clock_(std::make_shared<ManualClock>()) {
    MainThread::adopt();
    RunLoop::main().discardAll();
    RunLoop::main().setClock(clock_);
}

TestMainLoop::~TestMainLoop() {
    RunLoop::main().discardAll();
    RunLoop::main().setClock(nullptr);
}

std::size_t TestMainLoop::drain() {
    return RunLoop::main().drain();
}

std::size_t TestMainLoop::advance(Clock::Duration by) {
    auto& loop = RunLoop::main();
    const auto target = clock_->now() + by;
    std::size_t count = loop.drain();
    for (;;) {
        const auto next = loop.nextTimerFireDate();
        if (!next || *next > target)
            break;
        clock_->advance(*next - clock_->now());
        count += loop.drain();
    }
    clock_->advance(target - clock_->now());
    return count + loop.drain();
}

} // namespace tk
