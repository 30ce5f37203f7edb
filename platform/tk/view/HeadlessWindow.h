#pragma once

// Drives a window the way a user would, without a display: pointer, keyboard, text, focus and
// closing are injected as events through Window::sendEvent, the window renders into its bitmap
// and can be written to PNG. Time stamps advance by a fixed step per event, so runs repeat exactly.
//
//     tk::TestMainLoop loop;
//     tk::HeadlessWindow w({200, 100});
//     w.window().setContentView(myView);
//     w.click({10, 10});
//     w.drag({10, 10}, {10, 60}, 5);              // down, 5 drags, up
//     w.key(tk::KeyCode::escape);
//     w.type("42");
//     w.writePNG("out.png");

#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/view/Dragging.h"
#include "platform/tk/view/Event.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace tk {

class BitmapContext;
class HeadlessNativeWindow;
class View;
class Window;

class HeadlessWindow {
public:
    // Makes a window of `contentSize` points (at `scale` pixels per point), shows it and makes it key.
    explicit HeadlessWindow(Size contentSize, double scale = 1, std::string title = {});
    // Drives an existing window.
    explicit HeadlessWindow(std::shared_ptr<Window> window);

    Window& window() const { return *window_; }
    std::shared_ptr<Window> sharedWindow() const { return window_; }
    View& contentView() const;
    // Replaces the content view; returns it for chaining.
    void setContentView(std::shared_ptr<View> view);
    // The headless native side (null when the window was made by another backend).
    HeadlessNativeWindow* native() const;

    // --- Pointer (points, window coordinates) ----------------------------------------------
    void mouseDown(Point p, ModifierFlags modifiers = ModifierFlags::none, int clickCount = 1,
                   MouseButton button = MouseButton::left);
    void mouseDragged(Point p, ModifierFlags modifiers = ModifierFlags::none,
                      MouseButton button = MouseButton::left);
    void mouseUp(Point p, ModifierFlags modifiers = ModifierFlags::none, int clickCount = 1,
                 MouseButton button = MouseButton::left);
    // Down and up at one point, the release already queued when the press is handled. A mouseDown()
    // alone is a press that is still held (nothing more arrives while a handler waits for it).
    void click(Point p, ModifierFlags modifiers = ModifierFlags::none, int clickCount = 1);
    // Two clicks: click count 1, then 2.
    void doubleClick(Point p, ModifierFlags modifiers = ModifierFlags::none);
    void rightClick(Point p, ModifierFlags modifiers = ModifierFlags::none);
    // Down at `from`, `steps` drags evenly spaced up to `to` (at least one), up at `to`.
    void drag(Point from, Point to, int steps = 4, ModifierFlags modifiers = ModifierFlags::none);
    // Drags from the last pointer location to `to` in `steps` events, without pressing or releasing.
    void dragTo(Point to, int steps = 1, ModifierFlags modifiers = ModifierFlags::none);
    void moveMouse(Point p, ModifierFlags modifiers = ModifierFlags::none);
    void scroll(Point p, double dx, double dy, ModifierFlags modifiers = ModifierFlags::none);
    // The pointer grab is lost mid-gesture (the window system took it): the captured view is told.
    void cancelDrag();

    // --- Keyboard ------------------------------------------------------------------------
    // Key down and up. `characters` defaults to what the key types on a US layout.
    void key(KeyCode code, ModifierFlags modifiers = ModifierFlags::none, std::string characters = {});
    void keyDown(KeyCode code, ModifierFlags modifiers = ModifierFlags::none, std::string characters = {},
                 bool isRepeat = false);
    void keyUp(KeyCode code, ModifierFlags modifiers = ModifierFlags::none, std::string characters = {});
    // Committed text (what an input method or the keyboard types), UTF-8.
    void type(std::string_view text);
    void flagsChanged(ModifierFlags modifiers);

    // --- Drags from another program --------------------------------------------------------
    // The things dragged over `p`: the operation the window's drop target takes there.
    DragOperation dragItemsOver(Point p, std::vector<DraggingItem> items,
                                DragOperation allowed = DragOperation::every);
    // The drag leaves the window without a drop.
    void dragItemsAway();
    // Dropped at `p`: whether the target took them.
    bool dropItems(Point p, std::vector<DraggingItem> items, DragOperation allowed = DragOperation::every);

    // --- Window --------------------------------------------------------------------------
    // Keyboard focus gained or lost (as the window system would report it).
    void focus();
    void unfocus();
    void close();
    // Lays out and renders now; the pixels of that frame.
    const BitmapContext& render();
    bool writePNG(const std::filesystem::path& file);
    // Colour at a point (window coordinates) of a fresh render.
    Color colorAt(Point p);

    Point pointerLocation() const { return pointer_; }
    double timestamp() const { return time_; }
    // Moves the event clock (seconds); events carry it as their time stamp.
    void advanceTime(double seconds) { time_ += seconds; }

    static constexpr double kEventTimeStep = 0.01;

private:
    Event makeEvent(EventType type, Point p, ModifierFlags modifiers);
    // A press or release of `button` at `p`, where the pointer now is.
    void sendButton(EventType type, Point p, ModifierFlags modifiers, int clickCount, MouseButton button);
    // A key event with the characters the key types, or `characters` when given.
    Event makeKeyEvent(EventType type, KeyCode code, ModifierFlags modifiers, std::string characters);
    void send(const Event& event);

    std::shared_ptr<Window> window_;
    DraggingInfo drag_; // the last drag from elsewhere
    Point pointer_;
    double time_ = 0;
};

} // namespace tk
