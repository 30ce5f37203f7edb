#pragma once

// The extension's own named colours and images, from its resource bundle
// "ZindralExtension_ZindralExtension.bundle". The bundle is the one that lies beside the code of
// this extension (ResourceBundleClass), looked up once and kept for the life of the process, so a
// host's own bundle never answers for it. Each accessor makes its asset once and hands out the
// same one afterwards; a missing asset is a clear colour or the empty image.

#include "platform/tk/base/Color.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/ResourceBundle.h"

#include <string_view>

namespace extension {

inline constexpr std::string_view kExtensionBundleName = "ZindralExtension_ZindralExtension";

// Locates the extension's resource bundle by the code that holds it.
class ResourceBundleClass {
public:
    // [any] The bundle, found once (thread-safely): next to the main bundle's resources, then next
    // to the shared object holding this code, then in the main bundle's folder. Also registers the
    // fonts of the Korvane bundle, which the extension's texts use.
    static const tk::ResourceBundle& bundle();
};

// [any] Asset names, exactly as the bundle holds them.
namespace AssetNames {
inline constexpr std::string_view background = "background";
inline constexpr std::string_view values = "values";
inline constexpr std::string_view randomYellow = "randomYellow";
inline constexpr std::string_view morphField = "morphField";
inline constexpr std::string_view noteLine = "noteLine";
inline constexpr std::string_view noteLineAccented = "noteLineAccented";
inline constexpr std::string_view noteOverlay = "noteOverlay";
inline constexpr std::string_view noteText = "noteText";
inline constexpr std::string_view seedText = "seedText";

inline constexpr std::string_view controlsBackground = "controls-background";
inline constexpr std::string_view notesBackground = "notes-background";
inline constexpr std::string_view notesButtonMidi = "notes-button-midi";
inline constexpr std::string_view notesButtonOffsetLeft = "notes-button-offsetleft";
inline constexpr std::string_view notesButtonOffsetLeftDown = "notes-button-offsetleft-down";
inline constexpr std::string_view notesButtonOffsetRight = "notes-button-offsetright";
inline constexpr std::string_view notesButtonOffsetRightDown = "notes-button-offsetright-down";
inline constexpr std::string_view notesButtonSeed = "notes-button-seed";
inline constexpr std::string_view morphDot = "morph-dot";
inline constexpr std::string_view morphDotDown = "morph-dot-down";
inline constexpr std::string_view morphOverlay = "morph-overlay";

inline constexpr std::string_view kColors[] = {background,  values,   randomYellow,
                                               morphField,  noteLine, noteLineAccented,
                                               noteOverlay, noteText, seedText};
inline constexpr std::string_view kImages[] = {controlsBackground,
                                               notesBackground,
                                               notesButtonMidi,
                                               notesButtonOffsetLeft,
                                               notesButtonOffsetLeftDown,
                                               notesButtonOffsetRight,
                                               notesButtonOffsetRightDown,
                                               notesButtonSeed,
                                               morphDot,
                                               morphDotDown,
                                               morphOverlay};
} // namespace AssetNames

// [any] One accessor per asset.
namespace ColorResource {
tk::Color background();
tk::Color values();
tk::Color randomYellow();
tk::Color morphField();
tk::Color noteLine();
tk::Color noteLineAccented();
tk::Color noteOverlay();
tk::Color noteText();
tk::Color seedText();
} // namespace ColorResource

namespace ImageResource {
tk::Image controlsBackground();
tk::Image notesBackground();
tk::Image notesButtonMidi();
tk::Image notesButtonOffsetLeft();
tk::Image notesButtonOffsetLeftDown();
tk::Image notesButtonOffsetRight();
tk::Image notesButtonOffsetRightDown();
tk::Image notesButtonSeed();
tk::Image morphDot();
tk::Image morphDotDown();
tk::Image morphOverlay();
} // namespace ImageResource

} // namespace extension
