#pragma once

// SupporterShaderViewController: hosts the switch animation in a root view with the life cycle of
// ShaderViewHost (the same view settings and key-window pausing as MetalShaderViewController); the
// renderer made on each appearance is a SupporterShaderRenderer. Its owner turns switches on and
// off and presses them down and up. Nothing in the program makes one.
//
// Switch states given with setSwitchOnStates() before there is a renderer are kept and applied to
// every renderer an appearance makes later; switchOn, switchOff, switchDown and switchUp without a
// renderer are lost. A switch index outside 0-5 changes nothing.
//
// All members are [main].

#include "WendleShaders/ShaderViewController.h"
#include "WendleShaders/SupporterShaderRenderer.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace WendleShaders {

class SupporterShaderViewController : public ShaderViewController<SupporterShaderRenderer> {
public:
    SupporterShaderViewController(std::shared_ptr<tk::View> view, std::string rendererName,
                                  ShaderViewControllerEnvironment environment = {});

    const std::string& rendererName() const { return rendererName_; }
    const std::optional<SupporterShaderRenderer::SwitchArray>& switchOnStateToSetOnAppear() const {
        return switchOnStateToSetOnAppear_;
    }

    // Switches 0 to 5 on or off at once (no history entry).
    void setSwitchOnStates(const std::array<bool, 6>& on);
    // Turns a switch on and records it in the history; nothing when it is on already.
    void switchOn(int index);
    void switchOff(int index);
    void switchDown(int index);
    void switchUp(int index);

private:
    // The renderer, when there is one and `index` names a switch.
    SupporterShaderRenderer* rendererFor(int index) const;

    std::string rendererName_;
    std::optional<SupporterShaderRenderer::SwitchArray> switchOnStateToSetOnAppear_;
};

} // namespace WendleShaders
