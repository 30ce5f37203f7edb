#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/graphics/tests/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace tk {
namespace {

using testing::colorNear;

// What save() keeps and the context can tell.
struct Snapshot {
    AffineTransform transform;
    Rect clip;
    double alpha;
    BlendMode blendMode;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot snapshotOf(const GraphicsContext& g) {
    return {g.transform(), g.clipBounds(), g.alpha(), g.blendMode()};
}

// Runs a drawing on a context. Each restore() must give back, to the bit, what its save() saw
// (an unmatched one changes nothing). With `full`, each save() is followed by a clip that takes
// nothing away, so every save also saves all of the backend's own state: the same drawing must
// come out the same either way.
class SaveLog {
public:
    SaveLog(BitmapContext& g, bool full) : g_(g), full_(full) {}

    void save() {
        open_.push_back(snapshotOf(g_));
        g_.save();
        if (full_)
            g_.clipToRect(Rect{-1e6, -1e6, 2e6, 2e6});
    }
    void restore() {
        const Snapshot before = snapshotOf(g_);
        g_.restore();
        const Snapshot after = snapshotOf(g_);
        if (open_.empty()) {
            EXPECT_EQ(after, before) << "an unmatched restore changes nothing";
        } else {
            EXPECT_EQ(after, open_.back()) << "restore " << restored_.size();
            open_.pop_back();
        }
        restored_.push_back(after);
    }
    // Saves made since the layer began close with it.
    void endLayer(std::size_t savesInside) {
        g_.endTransparencyLayer();
        open_.resize(open_.size() - savesInside);
    }

    const std::vector<Snapshot>& restored() const { return restored_; }

private:
    BitmapContext& g_;
    bool full_;
    std::vector<Snapshot> open_;
    std::vector<Snapshot> restored_;
};

TextLayout sampleText() {
    TextAttributes attrs;
    attrs.font = Font::system(7);
    attrs.color = Color::white();
    return TextLayout("Ag", attrs);
}

bool samePixels(const BitmapContext& a, const BitmapContext& b) {
    for (int y = 0; y < a.pixelHeight(); ++y)
        if (std::memcmp(a.pixelData() + y * a.stride(), b.pixelData() + y * b.stride(),
                        static_cast<std::size_t>(a.pixelWidth()) * 4) != 0)
            return false;
    return true;
}

struct SaveCase {
    const char* name;
    std::function<void(BitmapContext&, SaveLog&)> draw;
};

TEST(SaveRestore, EachRestoreGivesBackWhatItsSaveSawAndDrawsAsAFullSaveWould) {
    const Color red = Color::red().withAlpha(0.8), blue = Color::blue().withAlpha(0.6);
    const Image picture = Image::draw(Size{4, 4}, 2, [](GraphicsContext& p) {
        p.fillRect(Rect{0, 0, 4, 4}, Color::green());
        p.fillRect(Rect{1, 1, 1.5, 2}, Color::black());
    });
    const SaveCase cases[] = {
        {"the transform only",
         [&](BitmapContext& g, SaveLog& r) {
             r.save();
             g.translate(3.5, 2);
             g.scale(2, 2);
             g.fillRect(Rect{0, 0, 2, 2}, red);
             g.drawText(sampleText(), Point{0, 0});
             r.restore();
             g.fillRect(Rect{1, 1, 10, 3}, blue);
             g.drawText(sampleText(), Point{2, 6});
         }},
        {"a clip under a save",
         [&](BitmapContext& g, SaveLog& r) {
             r.save();
             g.translate(1, 1);
             g.clipToRect(Rect{0, 0, 5, 4});
             g.fillRect(Rect{0, 0, 20, 20}, red);
             r.restore();
             g.fillRect(Rect{2, 2, 12, 8}, blue);
             g.drawText(sampleText(), Point{4.5, 3});
         }},
        {"a light save inside a full one",
         [&](BitmapContext& g, SaveLog& r) {
             r.save();
             g.clipToRect(Rect{2, 0, 10, 10});
             r.save();
             g.translate(4, 3);
             g.fillRect(Rect{-4, -3, 20, 2}, red);
             r.restore();
             g.fillRect(Rect{0, 4, 20, 2}, blue);
             r.restore();
             g.fillRect(Rect{0, 8, 20, 2}, red);
         }},
        {"a full save inside a light one",
         [&](BitmapContext& g, SaveLog& r) {
             r.save();
             g.translate(2, 1);
             r.save();
             g.clipToRect(Rect{0, 0, 6, 5});
             g.translate(1, 1);
             g.fillRect(Rect{-3, -2, 20, 20}, red);
             r.restore();
             g.fillRect(Rect{0, 5, 12, 2}, blue);
             r.restore();
             g.fillRect(Rect{0, 9, 20, 2}, red);
         }},
        {"a transparency layer inside a light save",
         [&](BitmapContext& g, SaveLog& r) {
             r.save();
             g.translate(2, 2);
             g.beginTransparencyLayer(0.5);
             g.fillRect(Rect{0, 0, 6, 6}, red);
             r.save();
             g.translate(2, 2);
             g.clipToRect(Rect{0, 0, 3, 3});
             g.fillRect(Rect{0, 0, 9, 9}, blue);
             r.endLayer(1); // closes the save left open in it
             g.fillRect(Rect{5, 5, 4, 4}, blue);
             r.restore();
             g.fillRect(Rect{10, 0, 4, 4}, red);
         }},
        {"alpha, blending and a shadow under a save",
         [&](BitmapContext& g, SaveLog& r) {
             g.fillRect(Rect{0, 0, 16, 12}, Color::gray(0.5));
             r.save();
             g.translate(1, 1);
             g.setAlpha(0.5);
             g.setBlendMode(BlendMode::multiply);
             g.setShadow(Shadow{Size{1, 1}, 2, Color::black()});
             g.fillRect(Rect{1, 1, 4, 4}, red);
             r.restore();
             g.fillRect(Rect{8, 2, 4, 4}, blue);
             g.drawText(sampleText(), Point{8, 7});
         }},
        {"more restores than saves",
         [&](BitmapContext& g, SaveLog& r) {
             r.save();
             g.translate(3, 3);
             g.setAlpha(0.5);
             r.restore();
             r.restore();
             r.restore();
             g.fillRect(Rect{0, 0, 4, 4}, red);
         }},
        {"a move too far to draw at",
         [&](BitmapContext& g, SaveLog& r) {
             r.save();
             g.translate(1e308, 0);
             g.translate(1e308, 0);
             g.fillRect(Rect{0, 0, 4, 4}, red);
             EXPECT_TRUE(colorNear(g.pixelColor(1, 1), Color::clear())) << "nothing drawn";
             r.restore();
             g.fillRect(Rect{0, 0, 4, 4}, blue);
             EXPECT_TRUE(colorNear(g.pixelColor(1, 1), blue)) << "drawn again after the restore";
         }},
        {"a light save under a rotated and scaled transform",
         [&](BitmapContext& g, SaveLog& r) {
             // Cairo's inverse transform built up over these steps need not be the one it makes
             // from the transform afresh: the clip bounds and the picture's sampling show it.
             g.translate(8, 1);
             g.rotate(0.3);
             g.translate(0.3, 1.1);
             g.scale(1.3, 0.7);
             g.clipToRect(Rect{0.2, 0.1, 7.7, 9.3});
             r.save();
             g.translate(0.1, 0.7);
             g.scale(1.7, 1.3);
             g.fillRect(Rect{0, 0, 2, 2}, red);
             r.restore();
             r.save();
             g.scale(0.5, 0.5);
             r.save();
             g.translate(1.5, 0.25);
             r.restore();
             g.drawImage(picture, Rect{1, 1, 5.3, 6.1});
             r.restore();
             g.drawImage(picture, Rect{0.5, 2.5, 3.7, 4.1});
         }},
        {"a reset with saves open",
         [&](BitmapContext& g, SaveLog& r) {
             r.save();
             g.clipToRect(Rect{0, 0, 2, 2});
             r.save();
             g.translate(5, 5);
             g.setAlpha(0.25);
             g.resetState();
             g.fillRect(Rect{0, 0, 16, 12}, blue);
         }},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        BitmapContext light(Size{16, 12}, 2), full(Size{16, 12}, 2);
        SaveLog lightLog(light, false), fullLog(full, true);
        c.draw(light, lightLog);
        c.draw(full, fullLog);
        EXPECT_EQ(lightLog.restored(), fullLog.restored());
        EXPECT_TRUE(samePixels(light, full));
        // Whatever was left open, the context still draws.
        light.resetState();
        light.fillRect(Rect{0, 0, 1, 1}, Color::white());
        EXPECT_TRUE(colorNear(light.pixelColor(0, 0), Color::white()));
    }
}

} // namespace
} // namespace tk
