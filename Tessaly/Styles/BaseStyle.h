#pragma once

// The style model: a style is a reference object that a styled control draws from. `Style` is what
// every style answers; `BaseStyle` is the root class that holds it. The look of a control is
// changed by replacing or editing its style object, never by the control itself.
//
// Styles belong to the main thread; the shared ones live as long as the program.

#include "Tessaly/Styles/StateTable.h"
#include "Tessaly/Styles/StyleTypes.h"

#include "platform/tk/base/Color.h"

#include <optional>

namespace Tessaly {

class Style {
public:
    virtual ~Style() = default;

    virtual std::optional<AppearanceName> appearanceName() const = 0;
    virtual BackgroundStyle backgroundStyle() const = 0;
    virtual BackgroundStyle interiorBackgroundStyle() const = 0;
    virtual tk::Color backgroundColor() const = 0;
    // The image of `table` for `state` (the free bestMatchImage; it does not depend on the style).
    virtual std::optional<tk::Image> bestMatchImage(StyledControlState state,
                                                    const StateTable& table) const = 0;
};

// The five fields every style has. Each concrete initialiser (ControlStyle's, WindowStyle's) sets
// them; BaseStyle itself sets nothing beyond their zero values.
class BaseStyle : public Style {
public:
    BaseStyle() = default;

    std::optional<AppearanceName> appearanceName() const override { return appearanceName_; }
    virtual void setAppearanceName(std::optional<AppearanceName> name) { appearanceName_ = name; }
    BackgroundStyle backgroundStyle() const override { return backgroundStyle_; }
    virtual void setBackgroundStyle(BackgroundStyle style) { backgroundStyle_ = style; }
    BackgroundStyle interiorBackgroundStyle() const override { return interiorBackgroundStyle_; }
    virtual void setInteriorBackgroundStyle(BackgroundStyle style) { interiorBackgroundStyle_ = style; }
    virtual bool opaque() const { return opaque_; }
    virtual void setOpaque(bool opaque) { opaque_ = opaque; }
    tk::Color backgroundColor() const override { return backgroundColor_; }
    virtual void setBackgroundColor(tk::Color color) { backgroundColor_ = color; }

    std::optional<tk::Image> bestMatchImage(StyledControlState state, const StateTable& table) const override;

protected:
    // The stored background colour, read past any getter override (ControlStyle's colour lookup
    // falls back to it).
    const tk::Color& storedBackgroundColor() const { return backgroundColor_; }

private:
    std::optional<AppearanceName> appearanceName_;
    BackgroundStyle backgroundStyle_ = BackgroundStyle::normal;
    BackgroundStyle interiorBackgroundStyle_ = BackgroundStyle::normal;
    bool opaque_ = false;
    tk::Color backgroundColor_ = tk::Color::clear();
};

} // namespace Tessaly
