#include "extension/UpdateCheck/VersionWeight.h"

#include <charconv>
#include <system_error>

namespace extension {

namespace {

enum class PieceKind { number, notANumber, tooLarge };

struct Piece {
    PieceKind kind;
    int64_t value;
};

Piece readPiece(std::string_view piece) {
    std::string_view digits = piece;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty())
        return {PieceKind::notANumber, 0};
    for (char c : digits)
        if (c < '0' || c > '9')
            return {PieceKind::notANumber, 0};
    // Read with the sign so that the most negative value fits.
    std::string_view number = negative ? piece.substr(piece.size() - digits.size() - 1) : digits;
    int64_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        return {PieceKind::tooLarge, 0};
    if (error != std::errc() || end != number.data() + number.size())
        return {PieceKind::notANumber, 0};
    return {PieceKind::number, value};
}

} // namespace

std::optional<int64_t> convertVersionToWeight(std::string_view version) {
    int64_t sum = 0;
    int index = 0;
    while (!version.empty()) {
        const std::size_t dot = version.find('.');
        const std::string_view piece = version.substr(0, dot);
        version = dot == std::string_view::npos ? std::string_view() : version.substr(dot + 1);
        if (piece.empty())
            continue;
        const Piece read = readPiece(piece);
        if (read.kind == PieceKind::tooLarge)
            return std::nullopt;
        const int64_t multiplier = index == 0 ? 10000 : index == 1 ? 100 : 1;
        ++index;
        int64_t product = 0;
        if (__builtin_mul_overflow(read.value, multiplier, &product) ||
            __builtin_add_overflow(sum, product, &sum))
            return std::nullopt;
    }
    return sum;
}

} // namespace extension
