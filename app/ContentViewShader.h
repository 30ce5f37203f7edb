#pragma once

// The animated shader band of the main window, put into the declarative tree.
//
// makeNSViewController: a plain view of (0, 0, 300, 300) and a MetalShaderViewController on it with
// the renderer name "Main" and the pair "audioWaveformVertexShader" / "audioWaveformFragmentShader";
// updateNSViewController: when the controller has its shader view, asks it to redraw.
//
// The representable's view is ShaderBandView, which holds the controller (so the controller lives
// exactly as long as the band's place in the tree) and keeps the controller's root view filling
// it. The controller follows the root view into and out of the window by itself: it builds its
// shader view on appearance and pauses it, clock included, while the window is not key. Without a
// GPU device the band stays empty and the rest of the window is unaffected.

#include "WendleShaders/MetalShaderViewController.h"

#include "platform/tk/ui/Node.h"
#include "platform/tk/view/View.h"

#include <memory>
#include <string_view>

namespace app {

inline constexpr std::string_view kBandRendererName = "Main";
inline constexpr std::string_view kBandVertexFunction = "audioWaveformVertexShader";
inline constexpr std::string_view kBandFragmentFunction = "audioWaveformFragmentShader";

class ShaderBandView final : public tk::View {
public:
    explicit ShaderBandView(WendleShaders::ShaderViewControllerEnvironment environment = {});
    ~ShaderBandView() override;

    WendleShaders::MetalShaderViewController& controller() const { return *controller_; }
    // updateNSViewController's work.
    void update();
    void layout() override;

protected:
    void setup() override;

private:
    WendleShaders::ShaderViewControllerEnvironment environment_;
    std::unique_ptr<WendleShaders::MetalShaderViewController> controller_;
};

struct ContentViewShader {
    // [main]
    tk::ui::Node body() const;
};

} // namespace app
