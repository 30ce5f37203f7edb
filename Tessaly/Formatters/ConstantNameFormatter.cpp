#include "Tessaly/Formatters/ConstantNameFormatter.h"

#include "platform/tk/base/UnicodeCharacters.h"

namespace Tessaly {

namespace {

bool accept(const std::string& text, std::string* errorDescription) {
    if (ConstantNameFormatter::isValidName(text))
        return true;
    if (errorDescription)
        *errorDescription = std::string(kInvalidConstantNameMessage);
    return false;
}

} // namespace

bool ConstantNameFormatter::isValidName(std::string_view text) {
    return tk::isAlphanumericText(text, "$_-.");
}

std::optional<std::string> ConstantNameFormatter::string(const tk::FormatterValue& value) const {
    const auto* text = std::get_if<std::string>(&value);
    if (!text)
        return std::nullopt;
    if (text->starts_with(requiredPrefix_))
        return *text;
    return requiredPrefix_ + *text;
}

std::optional<std::string> ConstantNameFormatter::editingString(const tk::FormatterValue& value) const {
    const auto* text = std::get_if<std::string>(&value);
    if (!text)
        return std::nullopt;
    // Only a leading prefix is the prefix: "Mykey" keeps its inner "k".
    if (text->starts_with(requiredPrefix_))
        return text->substr(requiredPrefix_.size());
    return *text;
}

bool ConstantNameFormatter::getObjectValue(tk::FormatterValue& value, const std::string& text,
                                           std::string* errorDescription) const {
    if (!accept(text, errorDescription))
        return false;
    value = text;
    return true;
}

bool ConstantNameFormatter::isPartialStringValid(const std::string& partial, std::optional<std::string>*,
                                                 std::string* errorDescription) const {
    return accept(partial, errorDescription);
}

} // namespace Tessaly
