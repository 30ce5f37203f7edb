#pragma once

namespace extension {

// One displayed step, each value in 0...1, as the engine would play it.
struct InterpolatedStepUI {
    float note = 0.0f;
    float slide = 0.0f;
    float rest = 0.0f;
    float accent = 0.0f;

    friend bool operator==(const InterpolatedStepUI&, const InterpolatedStepUI&) = default;
};

} // namespace extension
