#pragma once

// Values that describe menu entries. A type takes part by specialising MenuPresentation<T>, usually
// on top of MenuPresentationDefaults<T>, which answers everything but `title` and `menuTitle` for a
// type whose raw value is an integer (an enum, or a struct with an integer `rawValue`):
//
//     enum class Shape { circle, square };
//     template <> struct Tessaly::MenuPresentation<Shape> : Tessaly::MenuPresentationDefaults<Shape> {
//         static std::string title(Shape s) { return s == Shape::circle ? "Circle" : "Square"; }
//         static std::string menuTitle() { return "Shape"; }
//         static std::vector<Shape> allCases() { return {Shape::circle, Shape::square}; }
//     };
//
// The menu builder (MenuBuilder.h) reads, in this order: tag, title, representedObject, image,
// onStateImage, offStateImage, mixedStateImage, alternateTag, alternateTitle,
// alternateRepresentedObject, target, action; the type-level menuTitle names the submenu that lists
// every value, and menuStructure() answers that submenu for the whole type.
//
// Defaults for integer raw values: the represented object is the raw value as a std::int64_t (an
// unsigned raw value: std::uint64_t) and the tag is the raw value. An unsigned raw value above the
// largest int is outside what a tag can carry and must not be used.

#include "platform/tk/graphics/Image.h"
#include "platform/tk/view/Responder.h"

#include <any>
#include <concepts>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace Tessaly {

template <class T> struct MenuPresentation;
template <class T> struct MenuStructure;

// The raw value of an enum or of a type with a `rawValue` member.
template <class T> constexpr auto rawValueOf(const T& value) {
    if constexpr (std::is_enum_v<T>)
        return static_cast<std::underlying_type_t<T>>(value);
    else
        return value.rawValue;
}

template <class T>
concept MenuPresentable = requires(const T& v) {
    { MenuPresentation<T>::tag(v) } -> std::convertible_to<int>;
    { MenuPresentation<T>::title(v) } -> std::convertible_to<std::string>;
    { MenuPresentation<T>::representedObject(v) } -> std::convertible_to<std::any>;
    { MenuPresentation<T>::image(v) } -> std::convertible_to<tk::Image>;
    { MenuPresentation<T>::onStateImage(v) } -> std::convertible_to<tk::Image>;
    { MenuPresentation<T>::offStateImage(v) } -> std::convertible_to<tk::Image>;
    { MenuPresentation<T>::mixedStateImage(v) } -> std::convertible_to<tk::Image>;
    { MenuPresentation<T>::alternateTag(v) } -> std::convertible_to<std::optional<int>>;
    { MenuPresentation<T>::alternateTitle(v) } -> std::convertible_to<std::optional<std::string>>;
    { MenuPresentation<T>::alternateRepresentedObject(v) } -> std::convertible_to<std::any>;
    { MenuPresentation<T>::target(v) } -> std::convertible_to<std::weak_ptr<tk::Responder>>;
    { MenuPresentation<T>::action(v) } -> std::convertible_to<std::optional<std::string>>;
    { MenuPresentation<T>::menuTitle() } -> std::convertible_to<std::string>;
    { MenuPresentation<T>::menuStructure() } -> std::same_as<MenuStructure<T>>;
};

// A menu tree over values of T: one value, a titled submenu, an inline title or a separator.
template <class T> struct MenuStructure {
    struct Item {
        T element;
    };
    struct Submenu {
        std::string title;
        std::vector<MenuStructure> children;
    };
    struct InlineTitle {
        std::string title;
    };
    struct Separator {};

    std::variant<Item, Submenu, InlineTitle, Separator> value;

    static MenuStructure item(T element) { return {Item{std::move(element)}}; }
    static MenuStructure submenu(std::string title, std::vector<MenuStructure> children) {
        return {Submenu{std::move(title), std::move(children)}};
    }
    static MenuStructure inlineTitle(std::string title) { return {InlineTitle{std::move(title)}}; }
    static MenuStructure separator() { return {Separator{}}; }

    // The submenu titled with the type's menuTitle that lists every value of the type (its
    // allCases(), in that order).
    static MenuStructure submenuForAllCases() {
        std::vector<MenuStructure> children;
        for (const T& element : MenuPresentation<T>::allCases())
            children.push_back(item(element));
        return submenu(MenuPresentation<T>::menuTitle(), std::move(children));
    }
};

template <class T> struct MenuPresentationDefaults {
    static int tag(const T& v) { return static_cast<int>(rawValueOf(v)); }
    static std::any representedObject(const T& v) {
        using Raw = decltype(rawValueOf(v));
        if constexpr (std::is_signed_v<Raw>)
            return std::any(static_cast<std::int64_t>(rawValueOf(v)));
        else
            return std::any(static_cast<std::uint64_t>(rawValueOf(v)));
    }
    static tk::Image image(const T&) { return {}; }
    static tk::Image onStateImage(const T&) { return {}; }
    static tk::Image offStateImage(const T&) { return {}; }
    static tk::Image mixedStateImage(const T&) { return {}; }
    static std::optional<int> alternateTag(const T&) { return std::nullopt; }
    static std::optional<std::string> alternateTitle(const T&) { return std::nullopt; }
    static std::any alternateRepresentedObject(const T&) { return {}; }
    static std::weak_ptr<tk::Responder> target(const T&) { return {}; }
    static std::optional<std::string> action(const T&) { return std::nullopt; }
    static MenuStructure<T> menuStructure() { return MenuStructure<T>::submenuForAllCases(); }
};

// One MenuPresentable value, read once (the element type forgotten), as lists of values of mixed
// types hold them.
struct AnyMenuPresentable {
    int tag = 0;
    std::string title;
    std::any representedObject;
    tk::Image image;
    tk::Image onStateImage;
    tk::Image offStateImage;
    tk::Image mixedStateImage;
    std::optional<int> alternateTag;
    std::optional<std::string> alternateTitle;
    std::any alternateRepresentedObject;
    std::weak_ptr<tk::Responder> target;
    std::optional<std::string> action;

    template <MenuPresentable T> static AnyMenuPresentable of(const T& v) {
        using P = MenuPresentation<T>;
        AnyMenuPresentable a;
        a.tag = P::tag(v);
        a.title = P::title(v);
        a.representedObject = P::representedObject(v);
        a.image = P::image(v);
        a.onStateImage = P::onStateImage(v);
        a.offStateImage = P::offStateImage(v);
        a.mixedStateImage = P::mixedStateImage(v);
        a.alternateTag = P::alternateTag(v);
        a.alternateTitle = P::alternateTitle(v);
        a.alternateRepresentedObject = P::alternateRepresentedObject(v);
        a.target = P::target(v);
        a.action = P::action(v);
        return a;
    }
};

} // namespace Tessaly
