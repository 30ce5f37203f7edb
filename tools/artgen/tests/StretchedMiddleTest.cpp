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

// One pixel of an ARGB32 surface, as stored.
std::uint32_t pixelAt(cairo_surface_t* s, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(s);
    std::uint32_t p;
    std::copy_n(data + y * cairo_image_surface_get_stride(s) + x * 4, 4,
                reinterpret_cast<unsigned char*>(&p));
    return p;
}

// The largest difference of one channel between two pixels.
int channelDifference(std::uint32_t a, std::uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(worst, std::abs(int(a >> shift & 0xff) - int(b >> shift & 0xff)));
    return worst;
}

// The first row whose middle columns differ, described; empty when every row is one colour.
std::string firstMarkInMiddle(cairo_surface_t* s, int left, int right) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const auto pixel = [s](int x, int y) { return pixelAt(s, x, y); };
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

// Where a control is drawn no taller (or wider) than its two caps, nothing of the middle is left
// and the caps meet: the last row of one cap lands beside the first row of the other. They must
// then join as smoothly as neighbouring rows inside a cap do, or a step runs across the face.
// Returns the first such step, described; empty when the caps join smoothly.
// Only the face between the other two caps counts: the corners and edges beside it are shaped
// by the caps themselves (a shadow below, a lit rim above).
std::string firstStepWhereCapsMeet(cairo_surface_t* s, int before, int after, int besideBefore,
                                   int besideAfter, bool rows) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int extent = rows ? h : w, across = rows ? w : h;
    int from = besideBefore, to = across - besideAfter;
    if (from >= to) // no middle beside: the centre line stands for the face
        from = across / 2, to = from + 1;
    if (before < 2 || after < 2 || before + after > extent)
        return {};
    const auto pixel = [s, rows](int along, int at) {
        return rows ? pixelAt(s, along, at) : pixelAt(s, at, along);
    };
    const auto difference = channelDifference;
    const int lastOfFirst = before - 1, firstOfSecond = extent - after;
    for (int along = from; along < to; ++along) {
        const int within = std::max(difference(pixel(along, lastOfFirst - 1), pixel(along, lastOfFirst)),
                                    difference(pixel(along, firstOfSecond), pixel(along, firstOfSecond + 1)));
        const int step = difference(pixel(along, lastOfFirst), pixel(along, firstOfSecond));
        if (step > within + kTolerance) {
            std::ostringstream why;
            why << (rows ? "column " : "row ") << along << ": the caps' " << (rows ? "rows " : "columns ")
                << lastOfFirst << " and " << firstOfSecond << " differ by " << step
                << ", neighbours inside a cap by " << within;
            return why.str();
        }
    }
    return {};
}

// Push buttons are drawn from 18 points high, shorter than their pictures' two caps together.
bool drawnShorterThanItsCaps(const CappedPicture& picture) {
    return picture.base.filename().string().rfind("tui-button", 0) == 0;
}

TEST(Bundles, PicturesDrawnShorterThanTheirCapsJoinSmoothlyWhereTheCapsMeet) {
    for (const auto& picture : cappedPictures()) {
        if (!drawnShorterThanItsCaps(picture))
            continue;
        for (const int scale : {1, 2}) {
            const fs::path png = picture.base.string() + (scale == 1 ? ".png" : "@2x.png");
            Surface surface(cairo_image_surface_create_from_png(png.c_str()));
            ASSERT_EQ(cairo_surface_status(surface.get()), CAIRO_STATUS_SUCCESS) << png;
            const auto inPixels = [scale](double points) { return int(std::lround(points * scale)); };
            const std::string name = fs::relative(png, kBundles).string();
            EXPECT_EQ(firstStepWhereCapsMeet(surface.get(), inPixels(picture.caps[0]),
                                             inPixels(picture.caps[2]), inPixels(picture.caps[1]),
                                             inPixels(picture.caps[3]), true),
                      "")
                << name << ": top and bottom caps meet with a step";
            EXPECT_EQ(firstStepWhereCapsMeet(surface.get(), inPixels(picture.caps[1]),
                                             inPixels(picture.caps[3]), inPixels(picture.caps[0]),
                                             inPixels(picture.caps[2]), false),
                      "")
                << name << ": left and right caps meet with a step";
        }
    }
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
