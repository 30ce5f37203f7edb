#include "ShaderTestSupport.h"
#include "WendleShaders/SupporterShaderViewController.h"
#include "platform/tk/view/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace WendleShaders {
namespace {

using Array = SupporterShaderRenderer::SwitchArray;
using Fixture = testing::ShaderFixture;

struct SupporterFixture : Fixture {
    SupporterShaderViewController controller{tk::View::make<tk::View>(tk::Rect{0, 0, 300, 200}), "Supporter",
                                             environment()};
    std::optional<tk::HeadlessWindow> window;

    void appear() {
        window.emplace(tk::Size{300, 200});
        window->contentView().addSubview(controller.view());
    }
    SupporterShaderRenderer& renderer() { return *controller.renderer(); }
};

Array buffer(const gpu::FakeDevice::ExecutedPass& pass, std::size_t index) {
    Array values{};
    for (const auto& command : pass.commands)
        if (const auto* b = std::get_if<gpu::SetBuffer>(&command);
            b && b->stage == gpu::ShaderStage::fragment && b->index == index) {
            EXPECT_EQ(b->buffer->length(), 24u);
            std::memcpy(values.data(), b->buffer->contents().data(), sizeof values);
        }
    return values;
}

TEST(SupporterShaderRenderer, AFrameBindsSizeTimeScaleAndTheFourSwitchArraysAsTheyAreNow) {
    SupporterFixture f;
    f.appear();
    ASSERT_NE(f.controller.renderer(), nullptr);
    const auto& d = f.device->pipelineDescriptors.back();
    EXPECT_EQ(d.label, "Shader Pipeline");
    EXPECT_EQ(d.vertexFunction->name(), "supporterVertexShader");
    EXPECT_EQ(d.fragmentFunction->name(), "supporterFragmentShader");
    EXPECT_EQ(f.renderer().scale(), 2.0f) << "the main screen's scale, not the window's";
    EXPECT_EQ(f.renderer().name(), "Supporter");

    f.loop.clock().advance(tk::seconds(1.5));
    f.controller.switchOn(2);
    f.controller.switchDown(5);
    f.controller.metalKitView()->renderFrame();
    const auto& frame = f.device->executed.back();
    EXPECT_EQ(frame.label, "Supporter Command Buffer");
    const auto& pass = frame.passes.at(0);
    using Pair = std::array<float, 2>;
    EXPECT_EQ(gpu::bytesAs<Pair>(gpu::boundBytes(pass, gpu::ShaderStage::fragment, 0)), (Pair{300, 200}));
    EXPECT_EQ(gpu::bytesAs<float>(gpu::boundBytes(pass, gpu::ShaderStage::fragment, 1)), 1.5f);
    EXPECT_EQ(gpu::bytesAs<float>(gpu::boundBytes(pass, gpu::ShaderStage::fragment, 2)), 2.0f);
    EXPECT_EQ(buffer(pass, 3), (Array{0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(buffer(pass, 4), (Array{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(buffer(pass, 5), (Array{2, -1, -1, -1, -1, -1}));
    EXPECT_EQ(buffer(pass, 6), (Array{1.5f, 0, 0, 0, 0, 0})) << "on the clock the time at index 1 runs on";

    const auto buffersMade = f.device->buffersMade.size();
    f.controller.switchOff(2);
    f.controller.metalKitView()->renderFrame();
    EXPECT_EQ(buffer(f.device->executed.back().passes.at(0), 3), (Array{0, 0, 0, 0, 0, 0}))
        << "a change between frames shows on the next one";
    EXPECT_EQ(f.device->buffersMade.size(), buffersMade) << "the arrays' buffers are reused";
}

TEST(SupporterShaderViewController, SwitchOnsAreRecordedNewestFirstOnceEachAndTheSeventhPushesTheOldestOut) {
    SupporterFixture f;
    f.appear();
    f.loop.clock().advance(tk::seconds(1));
    f.controller.switchOn(2);
    f.loop.clock().advance(tk::seconds(1));
    f.controller.switchOn(4);
    f.controller.switchOn(4); // already on: nothing
    EXPECT_EQ(f.renderer().switchHistory(), (Array{4, 2, -1, -1, -1, -1}));
    EXPECT_EQ(f.renderer().switchHistoryTime(), (Array{2, 1, 0, 0, 0, 0}));

    // Paused time does not count: history times stay comparable with the time given to the shader.
    f.window->unfocus();
    f.loop.clock().advance(tk::seconds(10));
    f.window->focus();
    f.controller.switchOff(2);
    f.controller.switchOff(2); // off already: nothing
    f.controller.switchOn(2);
    EXPECT_EQ(f.renderer().switchHistory(), (Array{2, 4, 2, -1, -1, -1}));
    EXPECT_EQ(f.renderer().switchHistoryTime()[0], 2.0f);

    for (int i : {0, 1, 3, 5})
        f.controller.switchOn(i);
    EXPECT_EQ(f.renderer().switchHistory(), (Array{5, 3, 1, 0, 2, 4}));
    f.controller.switchOff(0);
    f.controller.switchOn(0);
    EXPECT_EQ(f.renderer().switchHistory(), (Array{0, 5, 3, 1, 0, 2})) << "the oldest (4) is dropped";
    EXPECT_EQ(f.renderer().switchOnState(), (Array{1, 1, 1, 1, 1, 1}));

    f.controller.switchDown(3);
    f.controller.switchUp(3);
    f.controller.switchUp(3); // up already: writes 0 again
    EXPECT_EQ(f.renderer().switchDownState(), (Array{0, 0, 0, 0, 0, 0}));
}

TEST(SupporterShaderViewController, ASwitchIndexOutsideZeroToFiveChangesNothing) {
    SupporterFixture f;
    f.appear();
    f.controller.switchOn(1);
    const auto on = f.renderer().switchOnState();
    const auto down = f.renderer().switchDownState();
    const auto history = f.renderer().switchHistory();
    for (int index : {-1, 6, 7, -100, 1 << 30}) {
        f.controller.switchOn(index);
        f.controller.switchOff(index);
        f.controller.switchDown(index);
        f.controller.switchUp(index);
        f.renderer().recordSwitch(index);
        EXPECT_EQ(f.renderer().switchOnState(), on) << index;
        EXPECT_EQ(f.renderer().switchDownState(), down) << index;
        EXPECT_EQ(f.renderer().switchHistory(), history) << index;
    }
}

TEST(SupporterShaderViewController,
     StatesSetBeforeAppearingApplyToEveryRendererAndSwitchCallsWithoutOneAreLost) {
    SupporterFixture f;
    f.controller.switchOn(0);
    f.controller.switchDown(0);
    f.controller.setSwitchOnStates({false, true, false, true, false, false});
    EXPECT_EQ(f.controller.switchOnStateToSetOnAppear(), (Array{0, 1, 0, 1, 0, 0}));

    f.appear();
    EXPECT_EQ(f.renderer().switchOnState(), (Array{0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(f.renderer().switchDownState(), (Array{0, 0, 0, 0, 0, 0})) << "the down call was lost";
    EXPECT_EQ(f.renderer().switchHistory(), (Array{-1, -1, -1, -1, -1, -1})) << "no history entry";

    f.controller.setSwitchOnStates({true, true, true, true, true, true}); // with a renderer: at once
    EXPECT_EQ(f.renderer().switchOnState(), (Array{1, 1, 1, 1, 1, 1}));
    f.controller.view()->removeFromSuperview();
    f.window->contentView().addSubview(f.controller.view());
    EXPECT_EQ(f.renderer().switchOnState(), (Array{0, 1, 0, 1, 0, 0})) << "the states kept from before";
}

} // namespace
} // namespace WendleShaders
