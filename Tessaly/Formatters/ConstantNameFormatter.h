#pragma once

// Names of constants typed by the user, shown with a required prefix: with the prefix "k" the value
// "Value" shows as "kValue" and edits as "Value". A name may hold only letters and digits of any
// script ("café" is a name; UTF-8, judged by Unicode and not by the locale) and the characters "$",
// "_", "-" and ".".

#include "platform/tk/base/Formatter.h"

#include <string>
#include <string_view>

namespace Tessaly {

inline constexpr std::string_view kInvalidConstantNameMessage =
    "Constant names must only contain A-Z, a-z, 0-9 and the characters _ and $";

class ConstantNameFormatter : public tk::Formatter {
public:
    const std::string& requiredPrefix() const { return requiredPrefix_; }
    void setRequiredPrefix(std::string prefix) { requiredPrefix_ = std::move(prefix); }

    // Text that begins with the prefix as it is, other text with the prefix before it; none for
    // values that are not text.
    std::optional<std::string> string(const tk::FormatterValue& value) const override;
    // Text without the prefix when it begins with it (else unchanged); none for values that are not text.
    std::optional<std::string> editingString(const tk::FormatterValue& value) const override;
    bool getObjectValue(tk::FormatterValue& value, const std::string& text,
                        std::string* errorDescription) const override;
    bool isPartialStringValid(const std::string& partial, std::optional<std::string>* newEditingString,
                              std::string* errorDescription) const override;

    static bool isValidName(std::string_view text);

private:
    std::string requiredPrefix_;
};

} // namespace Tessaly
