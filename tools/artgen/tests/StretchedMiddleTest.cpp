// Every picture with cap insets stretches its middle when drawn wider than itself; a mark there
// (a divider, an arrow, a corner) widens into a blurred bar. So along each pixel row the middle
// columns must be one colour, at 1x and at 2x. Zero insets mean the picture is scaled whole and
// has no middle to check.
#include <gtest/gtest.h>

#include <cairo.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const fs::path kBundles = ZINDRAL_BUNDLES_DIR;

// Largest difference of one channel (0-255) that still reads as the same colour: the rounding of
// an anti-aliased edge or a gradient step, far below a drawn mark.
constexpr int kTolerance = 2;

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct CappedPicture {
    fs::path base;              // the PNG's path without ".png" / "@2x.png"
    std::array<double, 4> caps; // top, left, bottom, right, in points
};

std::vector<CappedPicture> cappedPictures() {
    std::vector<CappedPicture> out;
    for (const auto& bundle : fs::directory_iterator(kBundles)) {
        const fs::path images = bundle.path() / "Images";
        if (bundle.path().extension() != ".bundle" || !fs::is_directory(images))
            continue;
        for (const auto& e : fs::recursive_directory_iterator(images)) {
            if (e.path().extension() != ".json")
                continue;
            std::ifstream in(e.path());
            const json options = json::parse(in);
            if (!options.contains("capInsets"))
                continue;
            std::array<double, 4> caps{};
            for (std::size_t i = 0; i < caps.size(); ++i)
                caps[i] = options["capInsets"].at(i).get<double>();
            if (std::all_of(caps.begin(), caps.end(), [](double c) { return c == 0; }))
                continue;
            fs::path base = e.path();
            base.replace_extension();
            out.push_back({base, caps});
        }
    }
    std::sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return a.base < b.base; });
    return out;
}

// The first row whose middle columns differ, described; empty when every row is one colour.
std::string firstMarkInMiddle(cairo_surface_t* s, int left, int right) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const auto pixel = [&](int x, int y) {
        std::uint32_t p;
        std::copy_n(data + y * stride + x * 4, 4, reinterpret_cast<unsigned char*>(&p));
        return p;
    };
    const auto channelDifference = [](std::uint32_t a, std::uint32_t b) {
        int worst = 0;
        for (int shift = 0; shift < 32; shift += 8)
            worst = std::max(worst, std::abs(int(a >> shift & 0xff) - int(b >> shift & 0xff)));
        return worst;
    };
    for (int y = 0; y < h; ++y) {
        const std::uint32_t first = pixel(left, y);
        for (int x = left + 1; x < w - right; ++x)
            if (const int d = channelDifference(first, pixel(x, y)); d > kTolerance) {
                std::ostringstream why;
                why << "row " << y << ": column " << x << " differs from column " << left << " by " << d
                    << " (middle columns " << left << " to " << w - right - 1 << ")";
                return why.str();
            }
    }
    return {};
}

TEST(Bundles, CappedPicturesHaveNoMarksInTheirStretchedMiddle) {
    const auto pictures = cappedPictures();
    ASSERT_FALSE(pictures.empty()) << "no picture with cap insets under " << kBundles;
    for (const auto& picture : pictures) {
        for (const int scale : {1, 2}) {
            const fs::path png = picture.base.string() + (scale == 1 ? ".png" : "@2x.png");
            Surface surface(cairo_image_surface_create_from_png(png.c_str()));
            ASSERT_EQ(cairo_surface_status(surface.get()), CAIRO_STATUS_SUCCESS) << png;
            const int left = int(std::lround(picture.caps[1] * scale));
            const int right = int(std::lround(picture.caps[3] * scale));
            ASSERT_LE(left + right, cairo_image_surface_get_width(surface.get())) << png;
            if (left + right == cairo_image_surface_get_width(surface.get()))
                continue; // no middle column
            EXPECT_EQ(firstMarkInMiddle(surface.get(), left, right), "")
                << fs::relative(png, kBundles).string() << ": a mark in the stretched middle";
        }
    }
}

} // namespace
