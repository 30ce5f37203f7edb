// The view controller as the host meets it: the entry point's factory, the unit it creates and
// configures, and the view it supplies.

#include "InterfaceFixture.h"

#include "extension/Interface/AudioUnitViewController.h"
#include "platform/au/ExtensionEntry.h"
#include "platform/au/ViewPresenting.h"
#include "platform/tk/ui/HostingView.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <thread>

namespace {

using interfacetest::Interface;

TEST(AudioUnitViewController, TheEntryPointsFactoryIsTheViewController) {
    void* library = dlopen(ZINDRAL_EXTENSION_BUNDLE "/ZindralExtension.so", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    auto entry = reinterpret_cast<au::ExtensionEntryPoint>(dlsym(library, au::kExtensionEntryPointName));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(au::kExtensionABIVersion + 1), nullptr);
    std::unique_ptr<au::Factory> factory(entry(au::kExtensionABIVersion));
    ASSERT_NE(factory, nullptr);
    // The host finds the controller's two other roles behind the factory it was given.
    EXPECT_NE(dynamic_cast<au::ViewController*>(factory.get()), nullptr);
    EXPECT_NE(dynamic_cast<au::ViewPresenting*>(factory.get()), nullptr);
    factory.reset();
    dlclose(library);
}

TEST(AudioUnitViewController, CreatingTheUnitConfiguresTheSettings) {
    Interface f;
    extension::ZindralAudioUnit& unit = f.unit();
    ASSERT_NE(unit.parameterTree(), nullptr);
    EXPECT_EQ(unit.parameterTree()->allParameters().size(), 24u);
    EXPECT_EQ(f.settings().audioUnit().get(), &unit);
    EXPECT_NE(f.settings().seed().peek(), 0u) << "a zero seed is replaced";
    EXPECT_EQ(unit.seed(), f.settings().seed().peek());
    EXPECT_EQ(f.fetcher->fetches.load(), 1) << "one update check";

    // The tree's listeners are installed: a host write reaches the interface's value.
    unit.parameterTree()->parameterWithAddress(6)->setValue(70.0f, nullptr, 0,
                                                            au::ParameterAutomationEventType::value);
    f.loop.drain();
    EXPECT_EQ(f.settings().gate()->value.peek(), 70.0f);

    // A second unit replaces the first on the same settings and starts one more check.
    auto first = f.controller->audioUnit();
    auto second = f.controller->createAudioUnit(testhost::kDescription);
    ASSERT_TRUE(second.ok());
    f.settings().waitForUpdateChecks();
    EXPECT_NE(f.controller->audioUnit(), first);
    EXPECT_EQ(f.settings().audioUnit(), f.controller->audioUnit());
    EXPECT_EQ(f.fetcher->fetches.load(), 2);
}

TEST(AudioUnitViewController, AFailingUnitLeavesTheEarlierOne) {
    tk::TestMainLoop loop;
    interfacetest::useBuiltExtensionBundle();
    bool fail = false;
    extension::AudioUnitViewController controller(
        settingstest::quietEnvironment(), [&fail](const au::ComponentDescription& description) {
            if (fail)
                return au::Result<std::shared_ptr<extension::ZindralAudioUnit>>(
                    au::Error{au::kErrFailedInitialization, "no bus"});
            return extension::ZindralAudioUnit::create(description, 0);
        });
    ASSERT_TRUE(controller.createAudioUnit(testhost::kDescription).ok());
    auto kept = controller.audioUnit();
    fail = true;
    auto result = controller.createAudioUnit(testhost::kDescription);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().code, au::kErrFailedInitialization);
    EXPECT_EQ(result.error().description, "no bus");
    EXPECT_EQ(controller.audioUnit(), kept);
    controller.settings()->waitForUpdateChecks();
}

TEST(AudioUnitViewController, TheUnitsConstructionErrorsArePassedOn) {
    tk::TestMainLoop loop;
    interfacetest::useBuiltExtensionBundle();
    extension::AudioUnitViewController factory(settingstest::quietEnvironment());
    auto failed = factory.createAudioUnit(au::ComponentDescription{});
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().code, au::kErrFailedInitialization);
    auto made = factory.createAudioUnit(testhost::kDescription);
    ASSERT_TRUE(made.ok());
    EXPECT_TRUE(made.value()->isMusicDeviceOrEffect());
    factory.settings()->waitForUpdateChecks();
}

TEST(AudioUnitViewController, ACreationFromAHostThreadRunsOnTheMainThread) {
    tk::TestMainLoop loop;
    interfacetest::useBuiltExtensionBundle();
    extension::AudioUnitViewController controller(settingstest::quietEnvironment());
    std::atomic<bool> done{false};
    bool ok = false;
    std::thread hostThread([&] {
        ok = controller.createAudioUnit(testhost::kDescription).ok();
        done = true;
    });
    while (!done) {
        loop.drain(); // the creation waits for the main thread
        std::this_thread::yield();
    }
    hostThread.join();
    EXPECT_TRUE(ok);
    EXPECT_NE(controller.audioUnit(), nullptr);
    controller.settings()->waitForUpdateChecks();
}

TEST(AudioUnitViewController, TheViewHostsTheMainViewPinnedToAllSides) {
    tk::TestMainLoop loop;
    interfacetest::useBuiltExtensionBundle();
    extension::AudioUnitViewController controller(settingstest::quietEnvironment());
    EXPECT_FALSE(controller.isViewLoaded());
    tk::View& root = controller.view();
    EXPECT_EQ(controller.preferredContentSize(), (au::ViewController::Size{616, 678}));
    ASSERT_EQ(root.subviews().size(), 1u);
    EXPECT_EQ(root.subviews()[0], controller.hostingController());
    root.setFrameSize({1232, 678});
    EXPECT_EQ(controller.hostingController()->frame(), root.bounds());

    // Before the view is on screen no window is known; once shown, its window and first responder.
    controller.viewDidAppear();
    EXPECT_TRUE(controller.settings()->pluginWindow.expired());
    tk::HeadlessWindow window({616, 678});
    window.setContentView(root.sharedView());
    controller.viewDidAppear();
    EXPECT_EQ(controller.settings()->pluginWindow.lock().get(), &window.window());
    EXPECT_EQ(controller.settings()->pluginMainResponder.lock().get(),
              static_cast<tk::Responder*>(&window.window()));
}

} // namespace
