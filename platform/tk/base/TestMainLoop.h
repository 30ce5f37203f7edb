#pragma once

#include "platform/tk/base/Clock.h"

#include <cstddef>
#include <memory>

// A test's main loop: while it lives, the calling thread is the main thread, the main run loop
// measures time with a ManualClock (starting at the epoch), and nothing happens unless the test
// drains the loop or advances the clock. On destruction it drops whatever the test left queued and
// puts the steady clock back, so tests do not leak into each other.
//
//     tk::TestMainLoop loop;
//     parameter.setValue(0.5f, Korvane::ParameterEditor::ui, Korvane::ParameterEditorState::change);
//     loop.drain();                        // the published value arrives
//     loop.advance(tk::seconds(1.0));      // a second of timers, fired at their own fire dates

namespace tk {

class TestMainLoop {
public:
    TestMainLoop();
    ~TestMainLoop();
    TestMainLoop(const TestMainLoop&) = delete;
    TestMainLoop& operator=(const TestMainLoop&) = delete;

    ManualClock& clock() { return *clock_; }
    // Runs queued tasks and due timers until none is left; returns how many ran.
    std::size_t drain();
    // Moves the clock forward by `by` in steps, stopping at each timer's fire date on the way and
    // draining there, so a repeating timer fires as often as it would in real time. Returns how many
    // tasks and timer actions ran.
    std::size_t advance(Clock::Duration by);

private:
    std::shared_ptr<ManualClock> clock_;
};

} // namespace tk
