#include "platform/tk/view/HeadlessWindow.h"

#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/KeyboardLayout.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <algorithm>

namespace tk {

HeadlessWindow::HeadlessWindow(Size contentSize, double scale, std::string title) {
    Window::Options options;
    options.contentSize = contentSize;
    options.backingScaleFactor = scale;
    options.title = std::move(title);
    window_ = Window::make(options);
    window_->makeKeyAndOrderFront();
    window_->becomeKeyWindow();
}

HeadlessWindow::HeadlessWindow(std::shared_ptr<Window> window) : window_(std::move(window)) {}

View& HeadlessWindow::contentView() const {
    return *window_->contentView();
}

void HeadlessWindow::setContentView(std::shared_ptr<View> view) {
    window_->setContentView(std::move(view));
}

HeadlessNativeWindow* HeadlessWindow::native() const {
    return dynamic_cast<HeadlessNativeWindow*>(window_->nativeWindow());
}

Event HeadlessWindow::makeEvent(EventType type, Point p, ModifierFlags modifiers) {
    time_ += kEventTimeStep;
    Event e;
    e.type = type;
    e.timestamp = time_;
    e.locationInWindow = p;
    e.modifierFlags = modifiers;
    return e;
}

void HeadlessWindow::send(const Event& event) {
    window_->sendEvent(event);
}

void HeadlessWindow::sendButton(EventType type, Point p, ModifierFlags modifiers, int clickCount,
                                MouseButton button) {
    pointer_ = p;
    Event e = makeEvent(type, p, modifiers);
    e.clickCount = clickCount;
    e.button = button;
    send(e);
}

void HeadlessWindow::mouseDown(Point p, ModifierFlags modifiers, int clickCount, MouseButton button) {
    sendButton(EventType::mouseDown, p, modifiers, clickCount, button);
}

void HeadlessWindow::mouseDragged(Point p, ModifierFlags modifiers, MouseButton button) {
    pointer_ = p;
    Event e = makeEvent(EventType::mouseDragged, p, modifiers);
    e.button = button;
    send(e);
}

void HeadlessWindow::mouseUp(Point p, ModifierFlags modifiers, int clickCount, MouseButton button) {
    sendButton(EventType::mouseUp, p, modifiers, clickCount, button);
}

void HeadlessWindow::click(Point p, ModifierFlags modifiers, int clickCount) {
    // Both have happened when the press is handled: a handler that looks ahead sees the release.
    pointer_ = p;
    Event down = makeEvent(EventType::mouseDown, p, modifiers);
    down.clickCount = clickCount;
    Event up = makeEvent(EventType::mouseUp, p, modifiers);
    up.clickCount = clickCount;
    window_->queueEvent(up);
    send(down);
}

void HeadlessWindow::doubleClick(Point p, ModifierFlags modifiers) {
    click(p, modifiers, 1);
    click(p, modifiers, 2);
}

void HeadlessWindow::rightClick(Point p, ModifierFlags modifiers) {
    mouseDown(p, modifiers, 1, MouseButton::right);
    mouseUp(p, modifiers, 1, MouseButton::right);
}

void HeadlessWindow::dragTo(Point to, int steps, ModifierFlags modifiers) {
    steps = std::max(1, steps);
    const Point from = pointer_;
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        mouseDragged({from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t}, modifiers);
    }
}

void HeadlessWindow::drag(Point from, Point to, int steps, ModifierFlags modifiers) {
    mouseDown(from, modifiers);
    dragTo(to, steps, modifiers);
    mouseUp(to, modifiers);
}

void HeadlessWindow::moveMouse(Point p, ModifierFlags modifiers) {
    pointer_ = p;
    send(makeEvent(EventType::mouseMoved, p, modifiers));
}

void HeadlessWindow::scroll(Point p, double dx, double dy, ModifierFlags modifiers) {
    pointer_ = p;
    Event e = makeEvent(EventType::scrollWheel, p, modifiers);
    e.scrollingDelta = {dx, dy};
    send(e);
}

void HeadlessWindow::cancelDrag() {
    window_->cancelTracking();
}

Event HeadlessWindow::makeKeyEvent(EventType type, KeyCode code, ModifierFlags modifiers,
                                   std::string characters) {
    Event e = makeEvent(type, pointer_, modifiers);
    e.keyCode = code;
    e.characters = characters.empty() ? charactersForKey(code, modifiers) : std::move(characters);
    e.charactersIgnoringModifiers = charactersIgnoringModifiersForKey(code);
    return e;
}

void HeadlessWindow::keyDown(KeyCode code, ModifierFlags modifiers, std::string characters, bool isRepeat) {
    Event e = makeKeyEvent(EventType::keyDown, code, modifiers, std::move(characters));
    if (e.charactersIgnoringModifiers.empty())
        e.charactersIgnoringModifiers = e.characters;
    e.isARepeat = isRepeat;
    send(e);
}

void HeadlessWindow::keyUp(KeyCode code, ModifierFlags modifiers, std::string characters) {
    send(makeKeyEvent(EventType::keyUp, code, modifiers, std::move(characters)));
}

void HeadlessWindow::key(KeyCode code, ModifierFlags modifiers, std::string characters) {
    keyDown(code, modifiers, characters);
    keyUp(code, modifiers, characters);
}

void HeadlessWindow::type(std::string_view text) {
    Event e = makeEvent(EventType::textInput, pointer_, ModifierFlags::none);
    e.text = std::string(text);
    send(e);
}

void HeadlessWindow::flagsChanged(ModifierFlags modifiers) {
    send(makeEvent(EventType::flagsChanged, pointer_, modifiers));
}

void HeadlessWindow::focus() {
    if (auto* n = native())
        n->requestKeyFocus();
    window_->becomeKeyWindow();
}

void HeadlessWindow::unfocus() {
    window_->resignKeyWindow();
}

void HeadlessWindow::close() {
    window_->close();
}

const BitmapContext& HeadlessWindow::render() {
    window_->display();
    if (!window_->lastFrame()) {
        // A window of no size: an empty frame still answers.
        static const BitmapContext empty(Size{1, 1});
        return empty;
    }
    return *window_->lastFrame();
}

bool HeadlessWindow::writePNG(const std::filesystem::path& file) {
    return render().writePNG(file);
}

Color HeadlessWindow::colorAt(Point p) {
    const BitmapContext& frame = render();
    const double s = window_->backingScaleFactor();
    return frame.pixelColor(int(p.x * s), int(p.y * s));
}

DragOperation HeadlessWindow::dragItemsOver(Point p, std::vector<DraggingItem> items, DragOperation allowed) {
    drag_ = DraggingInfo{std::move(items), p, allowed};
    return window_->draggingUpdated(drag_);
}

void HeadlessWindow::dragItemsAway() {
    window_->draggingExited(drag_);
}

bool HeadlessWindow::dropItems(Point p, std::vector<DraggingItem> items, DragOperation allowed) {
    drag_ = DraggingInfo{std::move(items), p, allowed};
    return window_->performDragOperation(drag_);
}

} // namespace tk
