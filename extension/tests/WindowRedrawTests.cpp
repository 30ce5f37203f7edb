// The plug-in window drawn only where a change reached (the playhead, the note lines, a knob, the
// morph pad) looks as the whole window drawn again.

#include "InterfaceFixture.h"

#include "platform/tk/graphics/BitmapContext.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace {

using interfacetest::Interface;

std::vector<std::uint8_t> pixelsOf(const tk::BitmapContext& frame) {
    return {frame.pixelData(), frame.pixelData() + frame.stride() * frame.pixelHeight()};
}

TEST(WindowRedraw, WhatAChangeRedrawsLooksAsTheWholeWindowDrawnAgain) {
    Interface f;
    tk::Window& window = f.w().window();
    window.display();
    engine::MidiProcessor& engine = f.unit().midiProcessor();
    auto fromRenderThread = [&](uint64_t address, float value) {
        engine.parameterMirror[address].store(value);
        engine.dirtyMask.fetch_or(1u << address);
        f.settings().pollAudioUnit();
    };
    auto playheadAt = [&](int32_t step) {
        engine.currentStep.store(step);
        f.settings().pollAudioUnit();
    };
    const tk::Point pad = f.centreOf("morph-pad");
    struct Change {
        const char* what;
        std::function<void()> apply;
    };
    const Change changes[] = {
        {"playhead step", [&] { playheadAt(1); }},
        {"playhead back to the first step", [&] { playheadAt(16); }},
        {"gate from the render thread", [&] { fromRenderThread(6, 75); }},
        {"sequence length from the render thread", [&] { fromRenderThread(9, 7); }},
        {"lowest note from the render thread", [&] { fromRenderThread(0, 43); }},
        {"morph pad dragged",
         [&] {
             f.w().drag(pad, {pad.x + 50, pad.y - 30}, 3);
         }},
        {"offset stepped", [&] { f.w().click(f.centreOf("offset-left")); }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        change.apply();
        f.loop.drain();
        ASSERT_TRUE(window.needsDisplay());
        window.displayIfNeeded();
        const auto partial = pixelsOf(*window.lastFrame());
        window.display();
        EXPECT_TRUE(partial == pixelsOf(*window.lastFrame()));
    }
}

} // namespace
