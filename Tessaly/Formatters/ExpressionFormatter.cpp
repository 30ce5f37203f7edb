#include "Tessaly/Formatters/ExpressionFormatter.h"

namespace Tessaly {

ExpressionFormatter::ExpressionFormatter() {
    setFormatterBehavior(Behavior::defaultBehavior);
    setLenient(true);
}

bool ExpressionFormatter::isDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

bool ExpressionFormatter::isExpression(const tk::FormatterValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    return text && !isDecimalNumber(*text);
}

std::optional<std::string> ExpressionFormatter::string(const tk::FormatterValue& value) const {
    if (isExpression(value))
        return std::get<std::string>(value);
    auto text = NumberFormatter::string(value);
    if (formatterBehavior() != Behavior::behavior10_0 && text && !text->empty() &&
        !positiveSuffix().empty() && !text->ends_with(positiveSuffix()))
        *text += positiveSuffix();
    return text;
}

std::optional<std::string> ExpressionFormatter::editingString(const tk::FormatterValue& value) const {
    return string(value);
}

bool ExpressionFormatter::getObjectValue(tk::FormatterValue& value, const std::string& text,
                                         std::string* errorDescription) const {
    // A shown number carries the suffix: read it back as the number it shows, or committing an
    // unchanged field would turn the number into an expression.
    if (const std::string_view suffix = positiveSuffix(); !suffix.empty() && text.ends_with(suffix)) {
        const std::string number = text.substr(0, text.size() - suffix.size());
        if (isDecimalNumber(number))
            return NumberFormatter::getObjectValue(value, number, errorDescription);
    }
    if (isExpression(tk::FormatterValue(text))) {
        value = text;
        return true;
    }
    return NumberFormatter::getObjectValue(value, text, errorDescription);
}

} // namespace Tessaly
