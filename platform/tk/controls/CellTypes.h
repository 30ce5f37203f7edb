#pragma once

// The small enumerations of the classic control layer, in their classic numbering so that values
// read as the numbers a reader of older control code expects (button type 5 is momentary change).

#include <cstdint>

namespace tk {

// How a cell's content stands against its background: a raised background (a header strip)
// shows its text engraved, a shadow line under it.
enum class BackgroundStyle { normal = 0, emphasized = 1, raised = 2, lowered = 3 };

// A cell's state: off, on, or mixed (neither, as a check box over a mixed selection).
enum class CellState : int { mixed = -1, off = 0, on = 1 };

// What a button shows while pressed (highlightsBy) or while on (showsStateBy).
enum class CellMask : std::uint32_t {
    none = 0,
    contents = 1,         // the alternate image and title
    pushIn = 2,           // the bezel looks pushed in
    changeGray = 4,       // the face lightens
    changeBackground = 8, // the face takes the accent colour
};
constexpr CellMask operator|(CellMask a, CellMask b) {
    return static_cast<CellMask>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool contains(CellMask set, CellMask m) {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(m)) != 0;
}

enum class ButtonType : int {
    momentaryLight = 0,
    pushOnPushOff = 1,
    toggle = 2,
    switchButton = 3, // a check box
    radio = 4,
    momentaryChange = 5,
    onOff = 6,
    momentaryPushIn = 7,
};

enum class BezelStyle : int {
    rounded = 1,
    regularSquare = 2,
    disclosure = 5,
    shadowlessSquare = 6,
    circular = 7,
    texturedSquare = 8,
    helpButton = 9,
    smallSquare = 10,
    texturedRounded = 11,
    roundRect = 12,
    recessed = 13,
    roundedDisclosure = 14,
    inlineBezel = 15,
};

// Where the image sits against the title.
enum class ImagePosition : int {
    noImage = 0,
    imageOnly = 1,
    imageLeft = 2,
    imageRight = 3,
    imageBelow = 4,
    imageAbove = 5,
    imageOverlaps = 6,
    imageLeading = 7,  // left (text runs left to right)
    imageTrailing = 8, // right
};

// How an image meets the rect it is given.
enum class ImageScaling : int {
    proportionallyDown = 0, // shrunk to fit, keeping its shape; never enlarged
    axesIndependently = 1,  // stretched to the rect
    none = 2,               // its own size, centred
    proportionallyUpOrDown = 3,
};

enum class ControlSize : int { regular = 0, small = 1, mini = 2, large = 3 };

enum class FocusRingType : int { defaultType = 0, none = 1, exterior = 2 };

enum class LineBreakMode : int {
    wordWrapping = 0,
    charWrapping = 1,
    clipping = 2,
    truncatingHead = 3,
    truncatingTail = 4,
    truncatingMiddle = 5,
};

enum class CellType : int { null = 0, text = 1, image = 2 };

} // namespace tk
