#include "app/ContentViewShader.h"

#include "platform/tk/ui/Representable.h"

#include <string>

namespace app {

ShaderBandView::ShaderBandView(WendleShaders::ShaderViewControllerEnvironment environment)
    : tk::View(tk::Rect{0, 0, 300, 300}), environment_(std::move(environment)) {}

ShaderBandView::~ShaderBandView() = default;

void ShaderBandView::setup() {
    auto root = tk::View::make<tk::View>(tk::Rect{0, 0, 300, 300});
    root->setAutoresizingMask(tk::AutoresizingMask::widthSizable | tk::AutoresizingMask::heightSizable);
    addSubview(root);
    controller_ = std::make_unique<WendleShaders::MetalShaderViewController>(
        root, std::string(kBandRendererName), std::string(kBandVertexFunction),
        std::string(kBandFragmentFunction), std::move(environment_));
}

void ShaderBandView::layout() {
    if (controller_)
        controller_->view()->setFrame(bounds());
}

void ShaderBandView::update() {
    if (controller_ && controller_->metalKitView())
        controller_->metalKitView()->setNeedsDisplay();
}

tk::ui::Node ContentViewShader::body() const {
    return tk::ui::Representable<ShaderBandView>(
        [] { return tk::View::make<ShaderBandView>(); }, [](ShaderBandView& band) { band.update(); },
        [](ShaderBandView&, tk::ui::ProposedSize proposal) -> std::optional<tk::Size> {
            return proposal.replacingUnspecified({300, 300});
        });
}

} // namespace app
