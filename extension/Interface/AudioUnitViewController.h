#pragma once

// AudioUnitViewController: the extension's entry object. The entry point hands it to the host as the
// audio-unit factory; it creates the audio unit on request and supplies the plug-in's interface.
// It owns the Settings model from its creation, so the 24 parameters exist before the unit does, and
// ties unit, settings and the hosted MainView together.
//
// Lifecycle (all [main]):
//   constructed           Settings with its 24 parameters at their defaults; no unit, no view
//   view()                the root view is made on first use and viewDidLoad() hosts MainView in it
//                         (pinned to all sides), preferred content size 616 x 678
//   createAudioUnit(...)  ZindralAudioUnit made; Settings configured with it (tree, poll, seed,
//                         displayed sequence, update check), then the tree's listeners installed
//   viewDidAppear()       Settings learns the window and its first responder
//   destroyed             unit, hosting view and settings released
//
// A host may call createAudioUnit from any thread: the creation runs on the main thread (inline
// when called there) and the caller waits for it.

#include "extension/Settings/Settings.h"
#include "platform/au/Factory.h"
#include "platform/au/ViewController.h"
#include "platform/au/ViewPresenting.h"

#include <functional>
#include <memory>

namespace tk {
class View;
namespace ui {
class HostingView;
}
} // namespace tk

namespace extension {

class ZindralAudioUnit;

class AudioUnitViewController final : public au::ViewController,
                                      public au::Factory,
                                      public au::ViewPresenting {
public:
    using UnitMaker =
        std::function<au::Result<std::shared_ptr<ZindralAudioUnit>>(const au::ComponentDescription&)>;

    // [main] `environment` reaches the Settings (tests inject random source, fetcher and feed);
    // `makeUnit` replaces ZindralAudioUnit::create (tests make it fail).
    explicit AudioUnitViewController(Settings::Environment environment = {}, UnitMaker makeUnit = {});
    ~AudioUnitViewController() override;

    // ---- fields ----
    const std::shared_ptr<ZindralAudioUnit>& audioUnit() const { return audioUnit_; }
    const std::shared_ptr<tk::ui::HostingView>& hostingController() const { return hostingController_; }
    const std::shared_ptr<Settings>& settings() const { return settings_; }

    // ---- factory ----
    // [any] The unit for `description` (see the class comment), or the unit's own creation error;
    // on failure the earlier unit, if any, stays.
    au::Result<std::shared_ptr<au::AudioUnit>>
    createAudioUnit(const au::ComponentDescription& componentDescription) override;

    // ---- view controller ----
    // [main] The root view, loaded on first use.
    tk::View& view();
    bool isViewLoaded() const { return view_ != nullptr; }
    void viewDidLoad() override;
    void viewDidAppear() override;
    // [main] Hosts MainView with the settings in its environment, pinned to the root view.
    void setupHostingController();

    // ---- view presenting ----
    // [main] Shows the interface in a window or writes it headless to a PNG file.
    Outcome presentInterface(const Request& request) override;

private:
    void createAudioUnitOnMain(const au::ComponentDescription& description,
                               au::Result<std::shared_ptr<au::AudioUnit>>& result);

    std::shared_ptr<ZindralAudioUnit> audioUnit_;
    std::shared_ptr<tk::ui::HostingView> hostingController_;
    std::shared_ptr<Settings> settings_;
    std::shared_ptr<tk::View> view_;
    UnitMaker makeUnit_;
};

} // namespace extension
