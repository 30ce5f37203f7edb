#pragma once

// The headless backend: windows are image surfaces (the window's last rendered frame), events are
// injected (HeadlessWindow.h), and what would leave the process is recorded instead: URLs opened,
// files dragged out, menus shown, the cursor. It is the default backend, so every test runs
// without a display.

#include "platform/tk/view/Backend.h"
#include "platform/tk/view/Clipboard.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk {

class HeadlessNativeWindow;
class Menu;

// Records the menus windows show; a test then picks an item as a user would.
class RecordingMenuPresenter final : public MenuPresenter {
public:
    void present(Window& window, std::shared_ptr<Menu> menu, Point locationInWindow) override;

    Menu* shownMenu() const { return menu_.get(); }
    Point shownLocation() const { return location_; }
    // Performs item `index` of the shown menu in its window and closes the menu. False when no
    // menu is shown, the index is out of range or the item is disabled.
    bool chooseItem(int index);
    void dismiss();

private:
    std::weak_ptr<Window> window_;
    std::shared_ptr<Menu> menu_;
    Point location_;
};

class HeadlessBackend final : public Backend {
public:
    struct Drag {
        DragItem item;
        std::string windowTitle;
        Point locationInWindow;
    };

    const char* name() const override { return "headless"; }
    std::unique_ptr<NativeWindow> createNativeWindow(Window& window, const Window::Options& options) override;
    Clipboard& clipboard() override { return clipboard_; }
    // Recorded, not opened.
    bool openURL(const std::string& url) override;
    MenuPresenter& menuPresenter() override { return menus_; }
    // One screen of kScreenSize points, with a 25-point bar along its top edge.
    std::vector<Screen> screens() const override;
    static constexpr Size kScreenSize{1440, 900};

    const std::vector<std::string>& openedURLs() const { return openedURLs_; }
    const std::vector<Drag>& drags() const { return drags_; }
    RecordingMenuPresenter& menus() { return menus_; }
    // The window that has the (pretend) keyboard focus.
    Window* keyWindow() const { return keyWindow_.lock().get(); }
    // Every window made with this backend that still exists, oldest first.
    std::vector<Window*> windows() const;

    // The current backend when it is a headless one, else null.
    static HeadlessBackend* current();

private:
    friend class HeadlessNativeWindow;
    InMemoryClipboard clipboard_;
    std::vector<std::string> openedURLs_;
    std::vector<Drag> drags_;
    RecordingMenuPresenter menus_;
    std::weak_ptr<Window> keyWindow_;
    std::vector<HeadlessNativeWindow*> natives_;
};

// The native side of a headless window: remembers what it was told.
class HeadlessNativeWindow final : public NativeWindow {
public:
    HeadlessNativeWindow(HeadlessBackend& backend, Window& window);
    ~HeadlessNativeWindow() override;
    Window& owner() const { return window_; }

    void setTitle(const std::string& title) override { title_ = title; }
    void show() override { shown_ = true; }
    void hide() override { shown_ = false; }
    // Headless focus is immediate: a minimised window is restored, then it becomes key and the
    // previous key window resigns.
    void requestKeyFocus() override;
    // The user minimised the window (the window system took it off the screen without closing it).
    void minimize();
    void close() override;
    void setNeedsDisplay() override { ++displayRequests_; }
    void present(const RenderedFrame& frame) override;
    void setCursor(Cursor cursor) override {
        cursor_ = cursor;
        imageCursor_.reset();
    }
    void setImageCursor(const ImageCursor& cursor) override { imageCursor_ = cursor; }
    bool beginDrag(const DragItem& item, const Event& event) override;
    // Nothing arrives while a handler waits: a test queues (HeadlessWindow) whatever the user did
    // behind the event it sends, so a press with no release queued is a press still held.
    bool waitForEvents(Clock::TimePoint) override { return false; }

    const std::string& title() const { return title_; }
    bool isShown() const { return shown_; }
    bool isMinimized() const { return minimized_; }
    bool isClosed() const { return closed_; }
    Cursor cursor() const { return cursor_; }
    // The image cursor shown, when the last one set was an image cursor.
    const std::optional<ImageCursor>& imageCursor() const { return imageCursor_; }
    int framesPresented() const { return framesPresented_; }
    int displayRequests() const { return displayRequests_; }

private:
    HeadlessBackend& backend_;
    Window& window_;
    std::string title_;
    Cursor cursor_ = Cursor::arrow;
    std::optional<ImageCursor> imageCursor_;
    int framesPresented_ = 0;
    int displayRequests_ = 0;
    bool shown_ = false;
    bool minimized_ = false;
    bool closed_ = false;
};

} // namespace tk
