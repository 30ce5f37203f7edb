#pragma once

// Windows and popovers: the dark appearance on the normal background, with padding around their
// content and the 10-point system font.

#include "Tessaly/Styles/BaseStyle.h"

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Font.h"

namespace Tessaly {

class WindowStyle : public BaseStyle {
public:
    WindowStyle();

    virtual tk::Size padding() const { return padding_; }
    virtual void setPadding(tk::Size padding) { padding_ = padding; }
    virtual tk::Font font() const { return font_; }
    virtual void setFont(tk::Font font) { font_ = std::move(font); }
    virtual tk::Color textColor() const { return textColor_; }
    virtual void setTextColor(tk::Color color) { textColor_ = color; }

private:
    tk::Size padding_{10, 6};
    tk::Font font_;
    tk::Color textColor_;
};

class PopoverStyle : public WindowStyle {};

} // namespace Tessaly
