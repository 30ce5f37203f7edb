#include "extension/Interface/MorphEditorView.h"

#include "extension/Interface/ExtensionAssets.h"

#include "Korvane/Parameters/AudioParameter.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/Event.h"

#include <algorithm>
#include <cmath>

namespace extension {

using Korvane::ParameterEditor;
using Korvane::ParameterEditorState;

namespace {

float unitClamped(double v) {
    if (std::isnan(v)) {
        return 0.0f;
    }
    return static_cast<float>(std::clamp(v, 0.0, 1.0));
}

constexpr int kDotColumns = 24;
constexpr int kDotRows = 12;
constexpr double kReach = 800;
constexpr double kPush = 30;
constexpr double kDotSize = 3;

} // namespace

tk::Point MorphPadGeometry::handleCentre(float x, float y) const {
    double tw = viewWidth - 2 * padding, th = viewHeight - 2 * padding;
    return {padding + tw * static_cast<double>(x), padding + th * (1.0 - static_cast<double>(y))};
}

std::pair<float, float> MorphPadGeometry::morphPosition(tk::Point location) const {
    double tw = viewWidth - 2 * padding, th = viewHeight - 2 * padding;
    return {unitClamped((location.x - padding) / tw), unitClamped(1.0 - (location.y - padding) / th)};
}

void drawMorphDots(tk::GraphicsContext& context, tk::Size size, tk::Point handle, const tk::Color& color) {
    for (int r = 0; r < kDotRows; ++r) {
        double y = r * size.height / (kDotRows - 1);
        for (int c = 0; c < kDotColumns; ++c) {
            double x = c * size.width / (kDotColumns - 1);
            double theta = std::atan2(handle.y - y, handle.x - x);
            double d = std::min(std::hypot(handle.x - x, handle.y - y), kReach);
            double k = 1 - d / kReach;
            tk::Rect dot{x - std::cos(theta) * k * kPush - kDotSize / 2,
                         y - std::sin(theta) * k * kPush - kDotSize / 2, kDotSize, kDotSize};
            context.fillEllipse(dot, color);
        }
    }
}

tk::ui::Node MorphEditorView::body() {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    if (!morphX || !morphY) {
        return Node();
    }
    const MorphPadGeometry g = geometry();
    const tk::Point handle = g.handleCentre(morphX->value.get(), morphY->value.get());
    const tk::Color field = ColorResource::morphField();
    std::shared_ptr<MorphDotField> dots = dotField.peek();
    return ZStack({
                      Canvas([handle, field, dots](tk::GraphicsContext& context, tk::Size size) {
                          dots->draw(context, size, handle, field);
                      }).clipped(), // dots pushed past the edge stay inside the pad's well
                      Image(ImageResource::morphOverlay()),
                      Image(isDragging.get() ? ImageResource::morphDotDown() : ImageResource::morphDot())
                          .position(handle.x, handle.y),
                  })
        .frame(viewWidth, viewHeight)
        .gesture(DragGesture{.minimumDistance = 0,
                             .onChanged = [this](const DragValue& v) { dragChanged(v); },
                             .onEnded = [this](const DragValue& v) { dragEnded(v); },
                             .onCancelled = [this](const DragValue& v) { dragCancelled(v); }})
        .identifier("morph-pad");
}

void MorphEditorView::dragChanged(const tk::ui::DragValue& value) {
    TK_CHECK_MAIN_THREAD();
    if (tk::contains(value.modifierFlags | tk::currentModifierFlags(), tk::ModifierFlags::option)) {
        isOptionClick.set(true);
        if (isDragging.peek()) {
            // The edit the drag began ends before the reset starts one of its own.
            endEdit();
            isDragging.set(false);
        }
        reset();
        return;
    }
    isOptionClick.set(false);
    if (!isDragging.peek()) {
        // The press begins the edit at its own location: a click is a begin and an end there.
        isDragging.set(true);
        morphX->isBeingInteractivelyEdited.set(true);
        morphY->isBeingInteractivelyEdited.set(true);
        apply(value.location, ParameterEditorState::beginInteractive);
        return;
    }
    apply(value.location, ParameterEditorState::change);
}

void MorphEditorView::dragEnded(const tk::ui::DragValue& value) {
    TK_CHECK_MAIN_THREAD();
    bool wasDragging = isDragging.peek();
    isDragging.set(false);
    if (isOptionClick.peek()) {
        isOptionClick.set(false);
        return;
    }
    if (wasDragging) {
        auto [x, y] = geometry().morphPosition(value.location);
        lastSent.set(std::pair{x, y});
        endEdit();
    }
    lastSent.set(std::nullopt);
}

void MorphEditorView::dragCancelled(const tk::ui::DragValue&) {
    TK_CHECK_MAIN_THREAD();
    if (isDragging.peek()) {
        endEdit(); // with the values sent last: the drag never reached a release point
    }
    lastSent.set(std::nullopt);
    isDragging.set(false);
    isOptionClick.set(false);
}

void MorphEditorView::apply(tk::Point location, ParameterEditorState phase) {
    auto [x, y] = geometry().morphPosition(location);
    lastSent.set(std::pair{x, y});
    morphX->setValue(x, ParameterEditor::ui, phase);
    morphY->setValue(y, ParameterEditor::ui, phase);
}

void MorphEditorView::endEdit() {
    auto sent = lastSent.peek().value_or(std::pair{morphX->value.peek(), morphY->value.peek()});
    morphX->isBeingInteractivelyEdited.set(false);
    morphY->isBeingInteractivelyEdited.set(false);
    morphX->setValue(sent.first, ParameterEditor::ui, ParameterEditorState::endInteractive);
    morphY->setValue(sent.second, ParameterEditor::ui, ParameterEditorState::endInteractive);
}

void MorphEditorView::reset() {
    // An edit that just ended sent the current values, even before the main queue delivered them.
    auto current = lastSent.peek().value_or(std::pair{morphX->value.peek(), morphY->value.peek()});
    for (auto [param, value] :
         {std::pair{morphX.get(), current.first}, std::pair{morphY.get(), current.second}}) {
        param->setValue(value, ParameterEditor::ui, ParameterEditorState::beginInteractive);
        param->setValue(0.5f, ParameterEditor::ui, ParameterEditorState::change);
        param->setValue(0.5f, ParameterEditor::ui, ParameterEditorState::endInteractive);
    }
    lastSent.set(std::nullopt);
}

} // namespace extension
