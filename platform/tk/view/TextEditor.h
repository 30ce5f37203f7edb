#pragma once

// The editing state of one line of UTF-8 text: the text, the caret and the selection, and the
// operations keys perform on them. Positions are byte offsets that always sit on code point
// boundaries. The selection runs between the anchor (where it started) and the caret.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace tk {

class TextEditor {
public:
    TextEditor() = default;
    explicit TextEditor(std::string text) { setText(std::move(text)); }

    const std::string& text() const { return text_; }
    // Replaces the text; the caret goes to the end, nothing selected.
    void setText(std::string text);

    std::size_t caret() const { return caret_; }
    std::size_t anchor() const { return anchor_; }
    // [start, end) of the selection; empty when start == end.
    std::pair<std::size_t, std::size_t> selection() const;
    bool hasSelection() const { return caret_ != anchor_; }
    std::string selectedText() const;

    // Positions are clamped to the text and moved back to a code point boundary.
    void setCaret(std::size_t position, bool extendSelection = false);
    void setSelection(std::size_t anchor, std::size_t caret);
    void selectAll();

    // Replaces the selection (or inserts at the caret). Line breaks and other control characters
    // are dropped: the text is one line. Returns whether the text changed.
    bool insert(std::string_view text);
    // The selection, or the code point before / after the caret (a word with `byWord`).
    bool deleteBackward(bool byWord = false);
    bool deleteForward(bool byWord = false);

    // Without `extend` a selection collapses to its start (left) or end (right) first.
    void moveLeft(bool extend = false, bool byWord = false);
    void moveRight(bool extend = false, bool byWord = false);
    void moveToStart(bool extend = false);
    void moveToEnd(bool extend = false);

    // Code point boundaries around a position.
    std::size_t previousBoundary(std::size_t position) const;
    std::size_t nextBoundary(std::size_t position) const;
    std::size_t previousWordBoundary(std::size_t position) const;
    std::size_t nextWordBoundary(std::size_t position) const;

private:
    std::size_t clampToBoundary(std::size_t position) const;

    std::string text_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
};

} // namespace tk
