#include "platform/tk/view/TextEditor.h"

#include <algorithm>

namespace tk {

namespace {
bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
bool isWordByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') ||
           u == '_';
}
} // namespace

void TextEditor::setText(std::string text) {
    text_.clear();
    caret_ = anchor_ = 0;
    insert(text);
    caret_ = anchor_ = text_.size();
}

std::pair<std::size_t, std::size_t> TextEditor::selection() const {
    return {std::min(caret_, anchor_), std::max(caret_, anchor_)};
}

std::string TextEditor::selectedText() const {
    const auto [start, end] = selection();
    return text_.substr(start, end - start);
}

std::size_t TextEditor::clampToBoundary(std::size_t position) const {
    position = std::min(position, text_.size());
    while (position > 0 && position < text_.size() && isContinuationByte(text_[position]))
        --position;
    return position;
}

void TextEditor::setCaret(std::size_t position, bool extendSelection) {
    caret_ = clampToBoundary(position);
    if (!extendSelection)
        anchor_ = caret_;
}

void TextEditor::setSelection(std::size_t anchor, std::size_t caret) {
    anchor_ = clampToBoundary(anchor);
    caret_ = clampToBoundary(caret);
}

void TextEditor::selectAll() {
    anchor_ = 0;
    caret_ = text_.size();
}

bool TextEditor::insert(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7F)
            clean.push_back(c);
    }
    const auto [start, end] = selection();
    if (clean.empty() && start == end)
        return false;
    text_.replace(start, end - start, clean);
    caret_ = anchor_ = start + clean.size();
    return true;
}

bool TextEditor::deleteBackward(bool byWord) {
    if (!hasSelection()) {
        if (caret_ == 0)
            return false;
        anchor_ = caret_;
        caret_ = byWord ? previousWordBoundary(caret_) : previousBoundary(caret_);
    }
    const auto [start, end] = selection();
    text_.erase(start, end - start);
    caret_ = anchor_ = start;
    return true;
}

bool TextEditor::deleteForward(bool byWord) {
    if (!hasSelection()) {
        if (caret_ == text_.size())
            return false;
        anchor_ = caret_;
        caret_ = byWord ? nextWordBoundary(caret_) : nextBoundary(caret_);
    }
    const auto [start, end] = selection();
    text_.erase(start, end - start);
    caret_ = anchor_ = start;
    return true;
}

void TextEditor::moveLeft(bool extend, bool byWord) {
    if (!extend && hasSelection() && !byWord) {
        caret_ = anchor_ = selection().first;
        return;
    }
    setCaret(byWord ? previousWordBoundary(caret_) : previousBoundary(caret_), extend);
}

void TextEditor::moveRight(bool extend, bool byWord) {
    if (!extend && hasSelection() && !byWord) {
        caret_ = anchor_ = selection().second;
        return;
    }
    setCaret(byWord ? nextWordBoundary(caret_) : nextBoundary(caret_), extend);
}

void TextEditor::moveToStart(bool extend) {
    setCaret(0, extend);
}

void TextEditor::moveToEnd(bool extend) {
    setCaret(text_.size(), extend);
}

std::size_t TextEditor::previousBoundary(std::size_t position) const {
    position = std::min(position, text_.size());
    if (position == 0)
        return 0;
    --position;
    while (position > 0 && isContinuationByte(text_[position]))
        --position;
    return position;
}

std::size_t TextEditor::nextBoundary(std::size_t position) const {
    if (position >= text_.size())
        return text_.size();
    ++position;
    while (position < text_.size() && isContinuationByte(text_[position]))
        ++position;
    return position;
}

std::size_t TextEditor::previousWordBoundary(std::size_t position) const {
    position = std::min(position, text_.size());
    while (position > 0 && !isWordByte(text_[position - 1]))
        --position;
    while (position > 0 && isWordByte(text_[position - 1]))
        --position;
    return clampToBoundary(position);
}

std::size_t TextEditor::nextWordBoundary(std::size_t position) const {
    while (position < text_.size() && !isWordByte(text_[position]))
        ++position;
    while (position < text_.size() && isWordByte(text_[position]))
        ++position;
    return clampToBoundary(position);
}

} // namespace tk
