#include "extension/Interface/ExtensionAssets.h"

#include "Korvane/Resources/KorvaneAssets.h"
#include "platform/tk/base/Bundle.h"

#include <string>

namespace extension {

namespace {
// Its address names the shared object (or program) that holds the extension's code.
const char kCodeAnchor = 0;
} // namespace

const tk::ResourceBundle& ResourceBundleClass::bundle() {
    static const std::shared_ptr<tk::ResourceBundle> resources = [] {
        Korvane::korvaneResources(); // the fonts the texts are set in
        auto found = tk::Bundle::find(std::string(kExtensionBundleName) + ".bundle", &kCodeAnchor);
        // Without the bundle every asset is missing (clear colours, empty images), not a crash.
        return tk::ResourceBundle::shared(found ? found->resourcePath() : std::filesystem::path());
    }();
    return *resources;
}

#define EXTENSION_COLOR(accessor, name)                                                                      \
    tk::Color ColorResource::accessor() {                                                                    \
        static const tk::Color color =                                                                       \
            ResourceBundleClass::bundle().color(name).value_or(tk::Color::clear());                          \
        return color;                                                                                        \
    }
#define EXTENSION_IMAGE(accessor, name)                                                                      \
    tk::Image ImageResource::accessor() {                                                                    \
        static const tk::Image image = ResourceBundleClass::bundle().image(name).value_or(tk::Image());      \
        return image;                                                                                        \
    }

EXTENSION_COLOR(background, AssetNames::background)
EXTENSION_COLOR(values, AssetNames::values)
EXTENSION_COLOR(randomYellow, AssetNames::randomYellow)
EXTENSION_COLOR(morphField, AssetNames::morphField)
EXTENSION_COLOR(noteLine, AssetNames::noteLine)
EXTENSION_COLOR(noteLineAccented, AssetNames::noteLineAccented)
EXTENSION_COLOR(noteOverlay, AssetNames::noteOverlay)
EXTENSION_COLOR(noteText, AssetNames::noteText)
EXTENSION_COLOR(seedText, AssetNames::seedText)

EXTENSION_IMAGE(controlsBackground, AssetNames::controlsBackground)
EXTENSION_IMAGE(notesBackground, AssetNames::notesBackground)
EXTENSION_IMAGE(notesButtonMidi, AssetNames::notesButtonMidi)
EXTENSION_IMAGE(notesButtonOffsetLeft, AssetNames::notesButtonOffsetLeft)
EXTENSION_IMAGE(notesButtonOffsetLeftDown, AssetNames::notesButtonOffsetLeftDown)
EXTENSION_IMAGE(notesButtonOffsetRight, AssetNames::notesButtonOffsetRight)
EXTENSION_IMAGE(notesButtonOffsetRightDown, AssetNames::notesButtonOffsetRightDown)
EXTENSION_IMAGE(notesButtonSeed, AssetNames::notesButtonSeed)
EXTENSION_IMAGE(morphDot, AssetNames::morphDot)
EXTENSION_IMAGE(morphDotDown, AssetNames::morphDotDown)
EXTENSION_IMAGE(morphOverlay, AssetNames::morphOverlay)

#undef EXTENSION_COLOR
#undef EXTENSION_IMAGE

} // namespace extension
