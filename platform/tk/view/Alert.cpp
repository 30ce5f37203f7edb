#include "platform/tk/view/Alert.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/TextAttributes.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/Application.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <functional>

namespace tk {

namespace {

constexpr double kWidth = 420;
constexpr double kMargin = 20;
constexpr double kIconSize = 48;
constexpr double kButtonHeight = 24;
constexpr double kButtonMinWidth = 82;
constexpr double kButtonGap = 10;

TextAttributes messageAttributes() {
    TextAttributes a;
    a.font = Font::system(13, FontWeight::bold);
    a.color = Color::gray(0.95);
    return a;
}

TextAttributes informativeAttributes() {
    TextAttributes a;
    a.font = Font::system(11);
    a.color = Color::gray(0.78);
    return a;
}

TextAttributes buttonAttributes() {
    TextAttributes a;
    a.font = Font::system(13);
    a.color = Color::gray(0.95);
    a.alignment = TextAlignment::center;
    return a;
}

} // namespace

// The alert's content: icon, texts and buttons, drawn and hit-tested from one layout.
class AlertView final : public View {
public:
    AlertView(std::string message, std::string informative, std::vector<std::string> buttons,
              std::function<void(int)> choose)
        : message_(std::move(message)), informative_(std::move(informative)), buttons_(std::move(buttons)),
          choose_(std::move(choose)) {
        if (buttons_.empty())
            buttons_.push_back("OK");
    }

    double textWidth() const { return kWidth - 3 * kMargin - kIconSize; }

    double preferredHeight() const {
        const TextLayout message(message_, messageAttributes(), textWidth());
        const TextLayout informative(informative_, informativeAttributes(), textWidth());
        const double text =
            message.size().height + (informative_.empty() ? 0 : 8 + informative.size().height);
        return kMargin + std::max(text, kIconSize) + kMargin + kButtonHeight + kMargin;
    }

    Rect buttonRect(std::size_t index) const {
        double right = bounds().width() - kMargin;
        for (std::size_t i = 0; i <= index; ++i) {
            const double w =
                std::max(kButtonMinWidth, TextLayout(buttons_[i], buttonAttributes()).size().width + 28);
            if (i == index)
                return {right - w, bounds().height() - kMargin - kButtonHeight, w, kButtonHeight};
            right -= w + kButtonGap;
        }
        return {};
    }

    bool acceptsFirstResponder() const override { return true; }

    bool mouseDown(const Event& event) override {
        pressed_ = buttonAt(locationOf(event));
        setNeedsDisplay();
        return true;
    }
    bool mouseUp(const Event& event) override {
        const int index = buttonAt(locationOf(event));
        const bool chosen = index >= 0 && index == pressed_;
        pressed_ = -1;
        setNeedsDisplay();
        if (chosen)
            choose_(index);
        return true;
    }
    bool keyDown(const Event& event) override {
        if (event.keyCode == KeyCode::returnKey || event.keyCode == KeyCode::keypadEnter) {
            choose_(0);
            return true;
        }
        if (event.keyCode == KeyCode::escape) {
            auto cancel = std::find(buttons_.begin(), buttons_.end(), "Cancel");
            if (cancel != buttons_.end())
                choose_(int(cancel - buttons_.begin()));
            return true;
        }
        return false;
    }

    void draw(GraphicsContext& g, const Rect&) override {
        const Rect b = bounds();
        g.fillRect(b, Color::rgba8(50, 50, 54));
        // The icon: a rounded badge with an exclamation mark.
        const Rect icon{kMargin, kMargin, kIconSize, kIconSize};
        g.fillPath(Path::roundedRect(icon, 11), Color::rgba8(236, 168, 52));
        g.fillPath(Path::roundedRect(Rect{icon.midX() - 3, icon.minY() + 9, 6, 20}, 3), Color::white());
        g.fillEllipse(Rect{icon.midX() - 3.5, icon.minY() + 33, 7, 7}, Color::white());

        const double x = 2 * kMargin + kIconSize;
        const TextLayout message(message_, messageAttributes(), textWidth());
        g.drawText(message, Rect{x, kMargin, textWidth(), message.size().height});
        if (!informative_.empty()) {
            const TextLayout informative(informative_, informativeAttributes(), textWidth());
            g.drawText(informative,
                       Rect{x, kMargin + message.size().height + 8, textWidth(), informative.size().height});
        }
        for (std::size_t i = 0; i < buttons_.size(); ++i) {
            const Rect r = buttonRect(i);
            const bool isDefault = i == 0;
            Color fill = isDefault ? Color::rgba8(48, 112, 220) : Color::rgba8(92, 92, 98);
            if (int(i) == pressed_)
                fill = isDefault ? Color::rgba8(34, 86, 180) : Color::rgba8(70, 70, 76);
            g.fillPath(Path::roundedRect(r, 6), fill);
            const TextLayout title(buttons_[i], buttonAttributes(), r.width());
            g.drawText(title,
                       Rect{r.x(), r.midY() - title.size().height / 2, r.width(), title.size().height});
        }
    }

private:
    int buttonAt(Point p) const {
        for (std::size_t i = 0; i < buttons_.size(); ++i)
            if (buttonRect(i).contains(p))
                return int(i);
        return -1;
    }

    std::string message_;
    std::string informative_;
    std::vector<std::string> buttons_;
    std::function<void(int)> choose_;
    int pressed_ = -1;
};

std::shared_ptr<Window> Alert::makeWindow() {
    TK_CHECK_MAIN_THREAD();
    auto view = View::make<AlertView>(messageText, informativeText, buttonTitles_, [](int index) {
        Application::shared().stopModal(kFirstButtonReturn + index);
    });
    Window::Options options;
    options.contentSize = Size{kWidth, view->preferredHeight()};
    options.title = messageText;
    options.resizable = false;
    auto window = Window::make(options);
    window->setContentView(view);
    window->makeFirstResponder(view.get());
    if (auto screen = window->screen()) {
        const Rect v = screen->visibleFrame;
        window->setFrameOrigin({v.midX() - kWidth / 2, v.minY() + v.height() / 4});
    }
    return window;
}

int Alert::runModal() {
    TK_CHECK_MAIN_THREAD();
    window_ = makeWindow();
    auto window = window_;
    const int response = Application::shared().runModal(*window);
    window->close();
    window_.reset();
    return response;
}

} // namespace tk
