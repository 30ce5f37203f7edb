#include "platform/au/ValueText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace au {

namespace {

constexpr std::string_view kHeader = "au-state 1\n";
constexpr char kHexDigits[] = "0123456789abcdef";

void appendString(std::string& out, const std::string& text) {
    out += '"';
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c == 0x7f) {
                out += "\\x";
                out += kHexDigits[c >> 4];
                out += kHexDigits[c & 15];
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

template <class Number> void appendNumber(std::string& out, char prefix, Number number) {
    char text[64];
    auto result = std::to_chars(text, text + sizeof text, number);
    out += prefix;
    out.append(text, result.ptr);
}

void appendReal(std::string& out, double number) {
    if (std::isnan(number)) {
        out += "rnan";
    } else if (std::isinf(number)) {
        out += number > 0 ? "rinf" : "r-inf";
    } else {
        appendNumber(out, 'r', number);
    }
}

void appendIndent(std::string& out, int depth) {
    out.append(static_cast<size_t>(depth) * 2, ' ');
}

void appendValue(std::string& out, const Value& value, int depth) {
    switch (value.type()) {
    case Value::Type::null:
        out += "null";
        break;
    case Value::Type::boolean:
        out += *value.boolean() ? "true" : "false";
        break;
    case Value::Type::integer:
        appendNumber(out, 'i', *value.integerValue());
        break;
    case Value::Type::unsignedInteger:
        appendNumber(out, 'u', *value.unsignedIntegerValue());
        break;
    case Value::Type::real:
        appendReal(out, *value.realValue());
        break;
    case Value::Type::string:
        appendString(out, *value.string());
        break;
    case Value::Type::data:
        out += '<';
        for (uint8_t byte : *value.data()) {
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 15];
        }
        out += '>';
        break;
    case Value::Type::array: {
        const auto& items = *value.array();
        if (items.empty()) {
            out += "[]";
            break;
        }
        out += "[\n";
        for (size_t i = 0; i < items.size(); ++i) {
            appendIndent(out, depth + 1);
            appendValue(out, items[i], depth + 1);
            out += i + 1 < items.size() ? ",\n" : "\n";
        }
        appendIndent(out, depth);
        out += ']';
        break;
    }
    case Value::Type::dictionary: {
        const auto& entries = *value.dictionary();
        if (entries.empty()) {
            out += "{}";
            break;
        }
        out += "{\n";
        size_t left = entries.size();
        for (const auto& [key, entry] : entries) {
            appendIndent(out, depth + 1);
            appendString(out, key);
            out += ": ";
            appendValue(out, entry, depth + 1);
            out += --left ? ",\n" : "\n";
        }
        appendIndent(out, depth);
        out += '}';
        break;
    }
    }
}

// A recursive-descent reader over the text after the header. Every read checks the end of input
// first; nesting is bounded, so no input can exhaust the stack.
class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    Result<Value> parseDocument() {
        if (text_.substr(0, kHeader.size()) != kHeader) {
            return fail("not an au-state text (missing \"au-state 1\" header)");
        }
        pos_ = kHeader.size();
        line_ = 2;
        Value value;
        if (!parseValue(value, 0)) {
            return fail(error_);
        }
        skipSpace();
        if (pos_ != text_.size()) {
            return fail("unexpected text after the value");
        }
        return value;
    }

private:
    Error fail(const std::string& what) const {
        return Error{kErrInvalidFile, "state text, line " + std::to_string(line_) + ": " + what};
    }
    bool error(const std::string& what) {
        if (error_.empty()) {
            error_ = what;
        }
        return false;
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void skipSpace() {
        while (!atEnd() && (peek() == ' ' || peek() == '\n' || peek() == '\t' || peek() == '\r')) {
            if (peek() == '\n') {
                ++line_;
            }
            ++pos_;
        }
    }
    bool expect(char c) {
        skipSpace();
        if (peek() != c || atEnd()) {
            return error(std::string("expected '") + c + "'");
        }
        ++pos_;
        return true;
    }
    bool word(std::string_view w) {
        if (text_.substr(pos_, w.size()) == w) {
            pos_ += w.size();
            return true;
        }
        return false;
    }
    static int hexValue(char c) {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        if (c >= 'A' && c <= 'F') {
            return c - 'A' + 10;
        }
        return -1;
    }
    // The extent of a number token: sign, digits, '.', exponent characters.
    std::string_view numberToken() {
        size_t start = pos_;
        while (!atEnd()) {
            char c = peek();
            bool part = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
            if (!part) {
                break;
            }
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }
    template <class Number> bool parseNumber(Number& number) {
        std::string_view token = numberToken();
        if (token.empty()) {
            return error("expected a number");
        }
        auto result = std::from_chars(token.data(), token.data() + token.size(), number);
        if (result.ec != std::errc() || result.ptr != token.data() + token.size()) {
            return error("malformed or out-of-range number");
        }
        return true;
    }

    bool parseString(std::string& out) {
        if (!expect('"')) {
            return false;
        }
        while (true) {
            if (atEnd()) {
                return error("unterminated string");
            }
            char c = text_[pos_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return error("control character in a string");
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (atEnd()) {
                return error("unterminated escape");
            }
            char e = text_[pos_++];
            switch (e) {
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'x': {
                if (pos_ + 2 > text_.size() || hexValue(text_[pos_]) < 0 || hexValue(text_[pos_ + 1]) < 0) {
                    return error("malformed \\x escape");
                }
                out += static_cast<char>(hexValue(text_[pos_]) * 16 + hexValue(text_[pos_ + 1]));
                pos_ += 2;
                break;
            }
            default:
                return error("unknown escape");
            }
        }
    }

    bool parseValue(Value& out, int depth) {
        if (depth > kMaximumStateDepth) {
            return error("nesting too deep");
        }
        skipSpace();
        if (atEnd()) {
            return error("unexpected end of text");
        }
        char c = peek();
        if (word("null")) {
            out = Value();
            return true;
        }
        if (word("true")) {
            out = Value(true);
            return true;
        }
        if (word("false")) {
            out = Value(false);
            return true;
        }
        switch (c) {
        case 'i': {
            ++pos_;
            int64_t number = 0;
            if (!parseNumber(number)) {
                return false;
            }
            out = Value::integer(number);
            return true;
        }
        case 'u': {
            ++pos_;
            if (peek() == '-' || peek() == '+') {
                return error("sign on an unsigned number");
            }
            uint64_t number = 0;
            if (!parseNumber(number)) {
                return false;
            }
            out = Value::unsignedInteger(number);
            return true;
        }
        case 'r': {
            ++pos_;
            if (word("nan")) {
                out = Value::real(std::nan(""));
                return true;
            }
            if (word("inf")) {
                out = Value::real(HUGE_VAL);
                return true;
            }
            if (word("-inf")) {
                out = Value::real(-HUGE_VAL);
                return true;
            }
            double number = 0.0;
            if (!parseNumber(number)) {
                return false;
            }
            out = Value::real(number);
            return true;
        }
        case '"': {
            std::string text;
            if (!parseString(text)) {
                return false;
            }
            out = Value(std::move(text));
            return true;
        }
        case '<':
            return parseData(out);
        case '[':
            return parseArray(out, depth);
        case '{':
            return parseDictionary(out, depth);
        default:
            return error("unexpected character");
        }
    }

    bool parseData(Value& out) {
        ++pos_;
        Value::Data bytes;
        while (true) {
            if (atEnd()) {
                return error("unterminated data");
            }
            if (peek() == '>') {
                ++pos_;
                out = Value(std::move(bytes));
                return true;
            }
            if (pos_ + 2 > text_.size() || hexValue(text_[pos_]) < 0 || hexValue(text_[pos_ + 1]) < 0) {
                return error("malformed data");
            }
            bytes.push_back(static_cast<uint8_t>(hexValue(text_[pos_]) * 16 + hexValue(text_[pos_ + 1])));
            pos_ += 2;
        }
    }

    bool parseArray(Value& out, int depth) {
        ++pos_;
        Value::Array items;
        skipSpace();
        if (peek() == ']' && !atEnd()) {
            ++pos_;
            out = Value(std::move(items));
            return true;
        }
        while (true) {
            Value item;
            if (!parseValue(item, depth + 1)) {
                return false;
            }
            items.push_back(std::move(item));
            skipSpace();
            if (atEnd()) {
                return error("unterminated array");
            }
            char c = text_[pos_++];
            if (c == ']') {
                out = Value(std::move(items));
                return true;
            }
            if (c != ',') {
                return error("expected ',' or ']'");
            }
        }
    }

    bool parseDictionary(Value& out, int depth) {
        ++pos_;
        Value::Dictionary entries;
        skipSpace();
        if (peek() == '}' && !atEnd()) {
            ++pos_;
            out = Value(std::move(entries));
            return true;
        }
        while (true) {
            std::string key;
            if (!parseString(key)) {
                return false;
            }
            if (!expect(':')) {
                return false;
            }
            Value entry;
            if (!parseValue(entry, depth + 1)) {
                return false;
            }
            if (!entries.emplace(std::move(key), std::move(entry)).second) {
                return error("duplicate key");
            }
            skipSpace();
            if (atEnd()) {
                return error("unterminated dictionary");
            }
            char c = text_[pos_++];
            if (c == '}') {
                out = Value(std::move(entries));
                return true;
            }
            if (c != ',') {
                return error("expected ',' or '}'");
            }
        }
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
    std::string error_;
};

} // namespace

std::string toStateText(const Value& value) {
    std::string out(kHeader);
    appendValue(out, value, 0);
    out += '\n';
    return out;
}

Result<Value> parseStateText(std::string_view text) {
    return Parser(text).parseDocument();
}

} // namespace au
