#pragma once
// The plug-in's interface as a host shows it, headless: a view controller with a quiet environment
// (counting random words, a fetcher that counts and fails), its audio unit created through the
// factory, its view in a 616 x 678 window with the extension bundle's assets, and every automation
// event the host would record.

#include "SettingsFixture.h"

#include "extension/Interface/AudioUnitViewController.h"
#include "extension/ZindralAudioUnit.h"
#include "platform/au/ParameterTree.h"
#include "platform/tk/base/Bundle.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

namespace interfacetest {

// The built extension bundle is the extension's main bundle, as it is when a host loads it.
inline void useBuiltExtensionBundle() {
    tk::Bundle::setMain(ZINDRAL_EXTENSION_BUNDLE);
}

// Counts fetches; fails each one unless it was given a feed to serve.
class CountingFetcher final : public tk::Fetcher {
public:
    explicit CountingFetcher(std::string feed = {}) : feed_(std::move(feed)) {}
    std::atomic<int> fetches{0};
    tk::FetchResult fetch(const tk::FetchRequest&, std::stop_token) override {
        ++fetches;
        if (feed_.empty())
            return tk::FetchResult::failure(tk::FetchError::Kind::transport, "offline");
        return tk::FetchResult::success(feed_, 200);
    }

private:
    std::string feed_;
};

struct Interface {
    tk::TestMainLoop loop;
    std::shared_ptr<CountingFetcher> fetcher;
    std::unique_ptr<extension::AudioUnitViewController> controller;
    std::unique_ptr<tk::HeadlessWindow> window;
    std::vector<au::ParameterAutomationEvent> automation;
    au::ObserverToken automationToken;

    explicit Interface(tk::Size windowSize = {616, 678}, std::string feed = {})
        : fetcher(std::make_shared<CountingFetcher>(std::move(feed))) {
        useBuiltExtensionBundle();
        auto environment = settingstest::quietEnvironment();
        environment.fetcher = fetcher;
        controller = std::make_unique<extension::AudioUnitViewController>(std::move(environment));
        auto created = controller->createAudioUnit(testhost::kDescription);
        EXPECT_TRUE(created.ok());
        settings().waitForUpdateChecks();
        automationToken = unit().parameterTree()->tokenByAddingParameterAutomationObserver(
            [this](const au::ParameterAutomationEvent& event) { automation.push_back(event); });
        window = std::make_unique<tk::HeadlessWindow>(windowSize);
        window->setContentView(controller->view().sharedView());
        controller->viewDidAppear();
        settle();
    }

    // Runs what input queued (rebuilds, published values) and lays the window out again.
    void settle() {
        loop.drain();
        window->window().layoutIfNeeded();
        loop.drain();
        window->window().layoutIfNeeded();
    }

    extension::Settings& settings() const { return *controller->settings(); }
    extension::ZindralAudioUnit& unit() const { return *controller->audioUnit(); }
    tk::HeadlessWindow& w() const { return *window; }

    // The events recorded for one address, and then forgets all.
    std::vector<au::ParameterAutomationEvent> take(uint64_t address) {
        std::vector<au::ParameterAutomationEvent> out;
        for (const auto& e : automation)
            if (e.address == address)
                out.push_back(e);
        return out;
    }
    void forget() { automation.clear(); }

    // The centre of a named view in window coordinates.
    tk::Point centreOf(std::string_view name) const {
        window->window().layoutIfNeeded();
        tk::View* view = tk::ui::findNodeView(*window->window().contentView(), name);
        EXPECT_NE(view, nullptr) << name;
        if (!view)
            return {};
        tk::Rect bounds = view->bounds();
        return view->convertToWindow(
            {bounds.origin.x + bounds.size.width / 2, bounds.origin.y + bounds.size.height / 2});
    }
};

using Phase = au::ParameterAutomationEventType;

struct Edit {
    Phase phase;
    float value;
    friend bool operator==(const Edit&, const Edit&) = default;
};
inline std::vector<Edit> edits(const std::vector<au::ParameterAutomationEvent>& events) {
    std::vector<Edit> out;
    for (const auto& e : events)
        out.push_back({e.eventType, e.value});
    return out;
}
inline std::ostream& operator<<(std::ostream& os, const Edit& e) {
    return os << "{" << static_cast<int>(e.phase) << ", " << e.value << "}";
}

} // namespace interfacetest
