#include "WendleShaders/SupporterShaderViewController.h"

#include "platform/tk/base/MainThread.h"

namespace WendleShaders {

SupporterShaderViewController::SupporterShaderViewController(std::shared_ptr<tk::View> view,
                                                             std::string rendererName,
                                                             ShaderViewControllerEnvironment environment)
    : ShaderViewController(std::move(view), std::move(environment),
                           [this](gpu::ShaderView& shaderView, const RendererDependencies& dependencies) {
                               auto renderer = std::make_shared<SupporterShaderRenderer>(
                                   shaderView, rendererName_, dependencies);
                               if (switchOnStateToSetOnAppear_)
                                   renderer->mutableSwitchOnState() = *switchOnStateToSetOnAppear_;
                               return renderer;
                           }),
      rendererName_(std::move(rendererName)) {
    start();
}

SupporterShaderRenderer* SupporterShaderViewController::rendererFor(int index) const {
    if (index < 0 || index >= SupporterShaderRenderer::kSwitchCount)
        return nullptr;
    return renderer();
}

void SupporterShaderViewController::setSwitchOnStates(const std::array<bool, 6>& on) {
    TK_CHECK_MAIN_THREAD();
    SupporterShaderRenderer::SwitchArray states{};
    for (std::size_t i = 0; i < on.size(); ++i)
        states[i] = on[i] ? 1.0f : 0.0f;
    if (auto* r = renderer())
        r->mutableSwitchOnState() = states;
    else
        switchOnStateToSetOnAppear_ = states;
}

void SupporterShaderViewController::switchOn(int index) {
    TK_CHECK_MAIN_THREAD();
    auto* r = rendererFor(index);
    if (!r || r->switchOnState()[static_cast<std::size_t>(index)] == 1.0f)
        return;
    r->mutableSwitchOnState()[static_cast<std::size_t>(index)] = 1.0f;
    r->recordSwitch(index);
}

void SupporterShaderViewController::switchOff(int index) {
    TK_CHECK_MAIN_THREAD();
    if (auto* r = rendererFor(index))
        r->mutableSwitchOnState()[static_cast<std::size_t>(index)] = 0.0f;
}

void SupporterShaderViewController::switchDown(int index) {
    TK_CHECK_MAIN_THREAD();
    if (auto* r = rendererFor(index))
        r->mutableSwitchDownState()[static_cast<std::size_t>(index)] = 1.0f;
}

void SupporterShaderViewController::switchUp(int index) {
    TK_CHECK_MAIN_THREAD();
    if (auto* r = rendererFor(index))
        r->mutableSwitchDownState()[static_cast<std::size_t>(index)] = 0.0f;
}

} // namespace WendleShaders
