#include "platform/tk/graphics/cairo/ShadowBlur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tk::detail {

namespace {

// One box pass of radius r over `count` samples `step` apart.
void boxPass(std::uint8_t* line, int count, int step, int r, std::vector<int>& scratch) {
    if (r <= 0 || count <= 0)
        return;
    scratch.assign(count, 0);
    for (int i = 0; i < count; ++i)
        scratch[i] = line[i * step];
    const int window = 2 * r + 1;
    int sum = 0;
    for (int i = -r; i <= r; ++i)
        sum += (i >= 0 && i < count) ? scratch[i] : 0;
    for (int i = 0; i < count; ++i) {
        line[i * step] = static_cast<std::uint8_t>((sum + window / 2) / window);
        const int out = i - r;
        const int in = i + r + 1;
        sum -= (out >= 0 && out < count) ? scratch[out] : 0;
        sum += (in >= 0 && in < count) ? scratch[in] : 0;
    }
}

} // namespace

void blurAlpha(std::uint8_t* data, int width, int height, int stride, double sigma) {
    if (!(sigma > 0))
        return;
    // Three boxes of width w give a variance of 3 (w^2 - 1) / 12.
    const int r = std::max(1, static_cast<int>(std::lround((std::sqrt(4 * sigma * sigma + 1) - 1) / 2)));
    std::vector<int> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            boxPass(data + y * stride, width, 1, r, scratch);
        for (int x = 0; x < width; ++x)
            boxPass(data + x, height, stride, r, scratch);
    }
}

} // namespace tk::detail
