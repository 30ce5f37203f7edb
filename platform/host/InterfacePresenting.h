#pragma once

// What zindral-host asks of an extension whose factory is also its view controller: to show the
// plug-in's interface. An extension here carries its own toolkit (statically linked, as plug-ins on
// this platform do), so the interface runs on the extension's copy of the toolkit and only plain
// values cross between host and extension. The host finds the presenter by a dynamic_cast of the
// factory the entry point returned; an extension without an interface simply is not one.

#include <filesystem>
#include <functional>
#include <string>

namespace host {

class InterfacePresenting {
public:
    struct Request {
        enum class Kind {
            // A real window on the display; returns when the user closed it.
            window,
            // No display: the view is laid out headless, the main run loop runs `settleSeconds` of
            // simulated time (so the 60 Hz poll has caught up with the engine), and the view is
            // written to `pngFile`.
            screenshot,
        };
        Kind kind = Kind::screenshot;
        std::filesystem::path pngFile;
        double settleSeconds = 0.25;
        // Window: called on the main thread about every `idleInterval` seconds while it is open.
        std::function<void()> idle;
        double idleInterval = 0.01;
    };
    struct Outcome {
        int status = 0;    // 0 done, 1 failed
        std::string error; // why it failed
    };

    virtual ~InterfacePresenting() = default;
    // [main]
    virtual Outcome presentInterface(const Request& request) = 0;
};

} // namespace host
