#pragma once

// The animated shader band of the main window, put into the declarative tree.
//
// makeNSViewController: a plain view of (0, 0, 300, 300) and the shader view controller on it,
// with renderer name "Main" and the pair "audioWaveformVertexShader" / "audioWaveformFragmentShader";
// updateNSViewController: asks the controller's shader view to redraw. The band fills the rect it
// is given.
//
// PLACEHOLDER: the shader module's view controller has not landed in WendleShaders yet, so the
// band shows BandPlaceholderView, a still picture of a waveform drawn with the toolkit. When the
// controller lands, makeNSViewController creates it here instead; nothing else changes.

#include "platform/tk/ui/Node.h"
#include "platform/tk/view/View.h"

#include <string_view>

namespace app {

inline constexpr std::string_view kBandRendererName = "Main";
inline constexpr std::string_view kBandVertexFunction = "audioWaveformVertexShader";
inline constexpr std::string_view kBandFragmentFunction = "audioWaveformFragmentShader";

// Stands in for the shader view controller's view until the shader module provides it. Still
// (no clock, no timer), so it trivially stands still while the window is not key.
class BandPlaceholderView final : public tk::View {
public:
    using tk::View::View;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;
    int redrawRequests() const { return redrawRequests_; }
    void requestRedraw();

private:
    int redrawRequests_ = 0;
};

struct ContentViewShader {
    // [main]
    tk::ui::Node body() const;
};

} // namespace app
