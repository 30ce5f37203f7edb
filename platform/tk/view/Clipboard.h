#pragma once

// The system clipboard as the text editing code needs it: plain UTF-8 text in and out. Each
// backend provides one (headless: in memory, per backend).

#include <optional>
#include <string>

namespace tk {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // [main] The clipboard's text; none when it holds no text.
    virtual std::optional<std::string> text() const = 0;
    // [main]
    virtual void setText(const std::string& text) = 0;
};

class InMemoryClipboard final : public Clipboard {
public:
    std::optional<std::string> text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }

private:
    std::optional<std::string> text_;
};

} // namespace tk
