#pragma once

// The part of an audio unit's view controller that a host asks to show the unit's interface, in a
// window or headless into a file. An extension here carries its own toolkit (statically linked, as
// plug-ins on this platform do), so the interface runs on the extension's copy of the toolkit and
// only plain values cross between host and extension. A host finds it by a dynamic_cast of the
// factory the entry point returned; an extension without an interface simply is not one.

#include <filesystem>
#include <functional>
#include <string>

namespace au {

class ViewPresenting {
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

    virtual ~ViewPresenting() = default;
    // [main]
    virtual Outcome presentInterface(const Request& request) = 0;
};

} // namespace au
