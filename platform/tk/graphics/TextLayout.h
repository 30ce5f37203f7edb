#pragma once

// A string laid out in its attributes, optionally within a width: measured once, drawn by a
// GraphicsContext. Text is UTF-8. Measuring and drawing use the same layout rules (Pango with
// fontconfig, metrics unhinted), so a measured size is the size drawn at any backing scale.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/TextAttributes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tk {

namespace detail {
struct KeptLayout;
// The text backend's shortcut to where it keeps the layout of a text, past a lookup by its text
// and attributes: good while the backend's count of dropped layouts is the one it was taken at. It
// is read and written only under the backend's text lock, so a copy starts without one (copying
// a text that another thread draws reads nothing that thread writes); a moved-from one is empty.
struct KeptLayoutHandle {
    KeptLayout* kept = nullptr;
    std::uint64_t generation = 0;

    KeptLayoutHandle() = default;
    KeptLayoutHandle(const KeptLayoutHandle&) {}
    KeptLayoutHandle& operator=(const KeptLayoutHandle&) {
        kept = nullptr;
        return *this;
    }
    KeptLayoutHandle(KeptLayoutHandle&& other) noexcept
        : kept(std::exchange(other.kept, nullptr)), generation(other.generation) {}
    KeptLayoutHandle& operator=(KeptLayoutHandle&& other) noexcept {
        kept = std::exchange(other.kept, nullptr);
        generation = other.generation;
        return *this;
    }
    ~KeptLayoutHandle() = default;
};
} // namespace detail

class TextLayout {
public:
    // Without a width the text is laid out on one line per paragraph; with one it wraps at
    // words (characters inside over-long words) and honours the line limit and truncation.
    TextLayout(std::string text, TextAttributes attributes, std::optional<double> width = std::nullopt);

    const std::string& text() const { return text_; }
    // The text as shown (upper-cased when the attributes ask for it).
    const std::string& displayedText() const { return displayed_; }
    const TextAttributes& attributes() const { return attributes_; }
    std::optional<double> width() const { return width_; }

    // Size of the laid-out text in points (its logical extents: the width of the longest line, the
    // height of the lines shown).
    Size size() const { return size_; }
    // Distance from the top to the first line's baseline.
    double baseline() const { return baseline_; }
    int lineCount() const { return lineCount_; }
    bool isTruncated() const { return truncated_; }

    // For carets and clicks, in the layout's own coordinates (its top-left corner at 0, 0) and
    // byte indices into displayedText(); an index inside a character counts as its start.
    // The caret before byte `index` (clamped to the text): x, the line's top, zero width, the
    // line's height.
    Rect caretRect(std::size_t index) const;
    // The byte index where a click at `point` puts the caret (the nearer edge of the character).
    std::size_t indexAt(Point point) const;

    // The backend's: where the layout it draws this text with is kept (set as it draws, under its
    // text lock).
    detail::KeptLayoutHandle& keptDrawingLayout() const { return keptDrawing_; }

private:
    std::string text_;
    std::string displayed_;
    TextAttributes attributes_;
    std::optional<double> width_;
    Size size_;
    double baseline_ = 0;
    int lineCount_ = 0;
    bool truncated_ = false;
    mutable detail::KeptLayoutHandle keptDrawing_;
};

// The size a string takes in the attributes (see TextLayout).
Size measureText(std::string_view text, const TextAttributes& attributes,
                 std::optional<double> width = std::nullopt);

// Plain (not localised) Unicode upper-casing of UTF-8 text.
std::string uppercased(std::string_view text);

} // namespace tk
