#include "Tessaly/Views/ViewExtensions.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/TextAttributes.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/KeyboardFocus.h"
#include "platform/tk/view/Snapshot.h"
#include "platform/tk/view/Window.h"

namespace Tessaly {

tk::View* firstSuperview(const tk::View& view, const std::function<bool(const tk::View&)>& predicate) {
    for (tk::View* v = view.superview(); v; v = v->superview())
        if (predicate(*v))
            return v;
    return nullptr;
}

double pixelSize(const tk::View& view) {
    const tk::Window* window = view.window();
    return window ? 1.0 / window->backingScaleFactor() : 1.0;
}

bool isFocused(const tk::View& view) {
    return tk::hasKeyboardFocus(view);
}

void closeKeyViewLoop(const std::vector<tk::View*>& views) {
    for (std::size_t i = 0; i < views.size(); ++i)
        views[i]->setNextKeyView(views[(i + 1) % views.size()]->sharedView());
}

std::optional<tk::Image> snapshotImage(tk::View& view) {
    TK_CHECK_MAIN_THREAD();
    if (view.bounds().isEmpty())
        return std::nullopt;
    tk::Image image = tk::snapshot(view);
    return image.isEmpty() ? std::nullopt : std::optional<tk::Image>(std::move(image));
}

std::shared_ptr<tk::ImageView> snapshotImageView(tk::View& view) {
    auto image = snapshotImage(view);
    if (!image)
        return nullptr;
    auto imageView = tk::View::make<tk::ImageView>();
    imageView->setImage(*image);
    imageView->setFrame(view.frame());
    return imageView;
}

std::shared_ptr<tk::Box> separatorBox() {
    return tk::View::make<tk::Box>(tk::Rect{0, 0, 50, 1}, tk::BoxType::separator);
}

std::shared_ptr<tk::View> flexibleSpacer() {
    return tk::View::make<tk::View>(tk::Rect::zero());
}

void nudgeBounds(tk::View& view) {
    view.setNeedsDisplay();
}

void popUpMenuBelow(tk::View& view) {
    TK_CHECK_MAIN_THREAD();
    auto menu = view.menu();
    tk::Window* window = view.window();
    if (!menu || !window)
        return;
    // The toolkit's views run y downwards, so the bottom edge is maxY.
    const tk::Rect b = view.bounds();
    window->popUpMenu(std::move(menu), view.convertToWindow(tk::Point{b.minX(), b.maxY()}));
}

void drawVerticallyCentered(tk::GraphicsContext& context, std::string_view text, const tk::Rect& rect,
                            const tk::TextAttributes& attributes) {
    const tk::TextLayout layout(std::string(text), attributes, rect.width());
    const double y = rect.minY() + (rect.height() - layout.size().height) / 2;
    context.drawText(layout, tk::Rect{rect.minX(), y, rect.width(), rect.height()});
}

void flipContext(tk::GraphicsContext& context, const tk::Rect& rect) {
    context.concatTransform(tk::AffineTransform(1, 0, 0, -1, 0, rect.minY() + rect.maxY()));
}

} // namespace Tessaly
