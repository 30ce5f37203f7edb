#pragma once

// Gestures that a node reacts to (attach with Node::gesture or Node::onTapGesture).
//
// All gestures attached to one node share one press: the pointer goes down on the node's rect,
// each gesture follows it, and at the release the taps that still hold fire. A node with gestures
// takes the press from the views inside it, except from nested nodes with gestures of their own,
// buttons and classic controls, which take it first.
//
//   - TapGesture fires at the release when the pointer stayed within kTapSlop of where it went
//     down, no drag with a minimum distance above zero was recognised, the click count is a multiple
//     of `count` (a double-tap gesture fires on the second click; a single tap on every click), and
//     every modifier key of `modifiers` is held (none: any modifiers).
//   - DragGesture is recognised once the pointer has moved `minimumDistance` from where it went
//     down (at once, at the press, for a minimum distance of 0); from then on every movement calls
//     onChanged and the release calls onEnded. When the press ends without a release - the window
//     cancels the gesture, the view leaves the tree or the window, the window closes - a recognised
//     drag calls onCancelled, or, when that is not set, onEnded with `isCancelled` set, so that an
//     edit in progress always ends.
//
// Node::onDrag offers an item (a file) to other programs: once the pointer has moved
// kDragOutDistance from the press, the provider is asked for the item and the window's drag
// session takes over; no tap fires for that press and no drag is recognised after it (a drag
// already recognised still ends at the release).
//
// Locations are in the node's own coordinates (top-left origin, y down).

#include "platform/tk/base/Geometry.h"
#include "platform/tk/view/Event.h"

#include <functional>

namespace tk::ui {

inline constexpr double kTapSlop = 4;
// How far the pointer moves before a node with onDrag starts dragging its item out.
inline constexpr double kDragOutDistance = 3;
inline constexpr double kDefaultDragMinimumDistance = 10;

struct TapGesture {
    int count = 1;
    // Keys that must be held (ModifierFlags::none: any).
    ModifierFlags modifiers = ModifierFlags::none;
    // The location of the release, in the node's coordinates.
    std::function<void(Point location)> onEnded = {};
};

struct DragValue {
    Point location;
    Point startLocation;
    Point translation; // location - startLocation
    // The node's size, so that a handler can tell whether the pointer is inside.
    Size size;
    ModifierFlags modifierFlags = ModifierFlags::none;
    // Set for the end of a drag that was cancelled (see above).
    bool isCancelled = false;

    // Whether the location lies inside the node's rect (right and bottom edges outside).
    bool isInside() const { return Rect(Point{}, size).contains(location); }
};

struct DragGesture {
    double minimumDistance = kDefaultDragMinimumDistance;
    std::function<void(const DragValue&)> onChanged = {};
    std::function<void(const DragValue&)> onEnded = {};
    std::function<void(const DragValue&)> onCancelled = {};
};

} // namespace tk::ui
