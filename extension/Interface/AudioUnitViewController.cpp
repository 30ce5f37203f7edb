#include "extension/Interface/AudioUnitViewController.h"

#include "extension/Interface/MainView.h"
#include "extension/Interface/SettingsEnvironment.h"
#include "extension/ZindralAudioUnit.h"

#include "Korvane/Extensions/ViewAnchoring.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

namespace extension {

namespace {
constexpr au::ViewController::Size kPreferredSize{616, 678};
}

AudioUnitViewController::AudioUnitViewController(Settings::Environment environment, UnitMaker makeUnit)
    : settings_(Settings::create(std::move(environment))), makeUnit_(std::move(makeUnit)) {
    TK_CHECK_MAIN_THREAD();
    if (!makeUnit_) {
        makeUnit_ = [](const au::ComponentDescription& description) {
            return ZindralAudioUnit::create(description, 0);
        };
    }
}

AudioUnitViewController::~AudioUnitViewController() = default;

au::Result<std::shared_ptr<au::AudioUnit>>
AudioUnitViewController::createAudioUnit(const au::ComponentDescription& componentDescription) {
    au::Result<std::shared_ptr<au::AudioUnit>> result =
        au::Error{au::kErrFailedInitialization, "not created"};
    // Off the main thread the caller waits; on it the creation runs inline, so it cannot deadlock.
    tk::RunLoop::main().sync([&] { createAudioUnitOnMain(componentDescription, result); });
    return result;
}

void AudioUnitViewController::createAudioUnitOnMain(const au::ComponentDescription& description,
                                                    au::Result<std::shared_ptr<au::AudioUnit>>& result) {
    TK_CHECK_MAIN_THREAD();
    auto unit = makeUnit_(description);
    if (!unit) {
        result = unit.error();
        return;
    }
    audioUnit_ = std::move(unit).value();
    settings_->configureAudioUnit(audioUnit_);
    settings_->setupParameterTreeListeners();
    result = std::shared_ptr<au::AudioUnit>(audioUnit_);
}

tk::View& AudioUnitViewController::view() {
    TK_CHECK_MAIN_THREAD();
    if (!view_) {
        view_ = tk::View::make<tk::View>(tk::Rect{0, 0, kPreferredSize.width, kPreferredSize.height});
        viewDidLoad();
    }
    return *view_;
}

void AudioUnitViewController::viewDidLoad() {
    TK_CHECK_MAIN_THREAD();
    au::ViewController::viewDidLoad();
    setupHostingController();
    setPreferredContentSize(kPreferredSize);
}

void AudioUnitViewController::viewDidAppear() {
    TK_CHECK_MAIN_THREAD();
    au::ViewController::viewDidAppear();
    tk::Window* window = view_ ? view_->window() : nullptr;
    if (!window) {
        settings_->pluginWindow.reset();
        settings_->pluginMainResponder.reset();
        return;
    }
    settings_->pluginWindow = window->sharedWindow();
    tk::Responder* first = window->firstResponder();
    if (auto* firstView = dynamic_cast<tk::View*>(first)) {
        settings_->pluginMainResponder = firstView->sharedView();
    } else {
        settings_->pluginMainResponder = window->sharedWindow();
    }
}

void AudioUnitViewController::setupHostingController() {
    TK_CHECK_MAIN_THREAD();
    auto hosting = tk::View::make<tk::ui::HostingView>(tk::ui::Node(MainView{}));
    hosting->setEnvironment<SettingsKey>(settings_);
    view().addSubview(hosting);
    Korvane::anchorToAllSidesOf(*hosting, &view(), {});
    hostingController_ = std::move(hosting);
}

} // namespace extension
