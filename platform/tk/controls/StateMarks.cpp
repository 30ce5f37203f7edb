#include "platform/tk/controls/StateMarks.h"

#include "platform/tk/controls/ButtonCell.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/SemanticColors.h"

#include <map>
#include <tuple>

namespace tk {

namespace {

void drawMark(GraphicsContext& c, StateMark kind, CellState state, bool pressed) {
    const double s = ButtonCell::kStateMarkSize;
    const Rect box{0.5, 0.5, s - 1, s - 1};
    const bool filled = state != CellState::off;
    Color face = filled ? controlAccentColor() : controlColor();
    if (pressed)
        face = face.blended(0.2, Color::white());
    const Path shape = kind == StateMark::radio ? Path::ellipse(box) : Path::roundedRect(box, 3);
    c.fillPath(shape, LinearGradient{{0, 0}, {0, s}, {{0, face.blended(0.12, Color::white())}, {1, face}}});
    c.strokePath(shape, Color::gray(0, 0.45));
    if (!filled)
        return;
    const Color mark = Color::white();
    if (state == CellState::mixed) {
        c.strokeLine({4, s / 2}, {s - 4, s / 2}, mark,
                     StrokeStyle{}.withLineWidth(2).withLineCap(LineCap::round));
    } else if (kind == StateMark::radio) {
        c.fillEllipse(Rect{s / 2 - 2.5, s / 2 - 2.5, 5, 5}, mark);
    } else {
        Path check;
        check.moveTo({3.5, 7.5});
        check.lineTo({6, 10});
        check.lineTo({10.5, 4});
        c.strokePath(
            check, mark,
            StrokeStyle{}.withLineWidth(2).withLineCap(LineCap::round).withLineJoin(LineJoin::round));
    }
}

} // namespace

Image stateMarkImage(StateMark kind, CellState state, bool pressed) {
    static std::map<std::tuple<StateMark, CellState, bool>, Image> cache;
    const auto key = std::make_tuple(kind, state, pressed);
    if (auto it = cache.find(key); it != cache.end())
        return it->second;
    const Size size{ButtonCell::kStateMarkSize, ButtonCell::kStateMarkSize};
    auto paint = [&](GraphicsContext& c) { drawMark(c, kind, state, pressed); };
    Image image = Image::draw(size, 1, paint).addingRepresentations(Image::draw(size, 2, paint));
    return cache.emplace(key, image).first->second;
}

} // namespace tk
