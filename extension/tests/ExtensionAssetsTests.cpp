// The extension's own assets resolve in its own bundle, inside the extension's bundle directory.

#include "InterfaceFixture.h"

#include "extension/Interface/ExtensionAssets.h"

#include <gtest/gtest.h>

namespace {

TEST(ExtensionAssets, EveryNameResolvesInTheExtensionsOwnBundle) {
    interfacetest::useBuiltExtensionBundle();
    const tk::ResourceBundle& bundle = extension::ResourceBundleClass::bundle();
    EXPECT_EQ(std::filesystem::weakly_canonical(bundle.directory()),
              std::filesystem::weakly_canonical(std::filesystem::path(ZINDRAL_EXTENSION_BUNDLE) /
                                                "ZindralExtension_ZindralExtension.bundle"));
    for (std::string_view name : extension::AssetNames::kColors)
        EXPECT_TRUE(bundle.color(name).has_value()) << name;
    for (std::string_view name : extension::AssetNames::kImages)
        EXPECT_TRUE(bundle.image(name).has_value()) << name;
    EXPECT_EQ(&extension::ResourceBundleClass::bundle(), &bundle);
    EXPECT_EQ(extension::ImageResource::controlsBackground().size(), (tk::Size{616, 440}));
    EXPECT_EQ(extension::ImageResource::notesBackground().size(), (tk::Size{616, 192}));
}

} // namespace
