// The log-density mapping: hand-worked values, the reference density, the
// smooth reduction, and pictures that neither burn out nor brighten as a
// run goes on.
#include <gtest/gtest.h>

#include <cmath>

#include "attractor_engine.h"
#include "tone_map.h"

namespace zarvo::attractor::testing {
namespace {

void ExpectRgb(const ToneRgb& c, int r, int g, int b) {
    EXPECT_EQ(c.r, r);
    EXPECT_EQ(c.g, g);
    EXPECT_EQ(c.b, b);
}

TEST(ToneMap, HandWorkedValues) {
    // ln(1 + 1000 n / D) / ln(1001).
    EXPECT_DOUBLE_EQ(LogDensity(1000, 1000), 1.0);
    EXPECT_NEAR(LogDensity(1, 1000), 0.1003288, 1e-7);  // ln 2 / ln 1001
    EXPECT_NEAR(LogDensity(30, 1000), 0.4970486, 1e-7);  // ln 31 / ln 1001
    EXPECT_EQ(LogDensity(0, 1000), 0.0);

    // Phase 0: the palette colour is (1, 1/4, 1/4).
    ToneSettings s;
    s.brightness = 1;
    s.gamma = 1;
    s.vibrancy = 1;
    s.hue = 0;
    s.hueRange = 0;
    ExpectRgb(ToneColour(s, 1.0, 0.3), 255, 64, 64);  // 63.75 rounds up
    s.gamma = 2;                                       // alpha = sqrt(1/4) = 1/2
    ExpectRgb(ToneColour(s, 0.25, 0.0), 128, 32, 32);  // 127.5, 31.875
    s.vibrancy = 0;                                    // each channel's own gamma: sqrt(c / 4)
    ExpectRgb(ToneColour(s, 0.25, 0.0), 128, 64, 64);
    s.vibrancy = 0.5;  // half of each: 0.5 * (0.5, 0.125, 0.125) + 0.5 * (0.5, 0.25, 0.25)
    ExpectRgb(ToneColour(s, 0.25, 0.0), 128, 48, 48);
    s.brightness = 2;  // twice the density: alpha = sqrt(1/2)
    s.vibrancy = 1;
    ExpectRgb(ToneColour(s, 0.25, 0.0), 180, 45, 45);  // 180.31, 45.08
    s.hueRange = 1;                                    // t = 1/3 turns the palette a third: green
    ExpectRgb(ToneColour(s, 0.25, 1.0 / 3), 45, 180, 45);
    s.invert = true;
    ExpectRgb(ToneColour(s, 0.0, 0.0), 255, 255, 255);  // no hits: the white background
    // However bright, a palette colour is never white.
    s.invert = false;
    s.brightness = 1000;
    const ToneRgb hot = ToneColour(s, 1.0, 0.5);
    EXPECT_LT(std::min({hot.r, hot.g, hot.b}), 128);
}

TEST(ToneMap, ReferenceDensityIgnoresAFewHotPixels) {
    EXPECT_EQ(ReferenceDensity({0, 5, 1, 9, 0}), 9);  // rank ceil(0.999 * 3) = 3 of 1, 5, 9
    std::vector<double> many(2000, 1.0);
    many.push_back(1e6);
    EXPECT_EQ(ReferenceDensity(many), 1);  // rank 1999 of 2001
    EXPECT_EQ(ReferenceDensity({0, 0}), 0);
}

TEST(ToneMap, OneCellSpreadsSmoothlyOverItsNeighbours) {
    // A 3 x 1 picture on a twice oversampled grid (6 x 2 cells): 8 hits in
    // the first cell of the middle pixel and 8 in the last cell of the
    // right one, both in the top row of cells. The tent weights along each
    // axis are 1/8, 3/8, 3/8, 1/8 over the four cells around a pixel: the
    // middle and the right pixel get 3/8 * 3/8 * 8 = 9/8 each (the
    // reference density), the left one 1/8 * 3/8 * 8 = 3/8.
    std::vector<DensityCell> cells(12);
    cells[2].hits = 8;
    cells[5].hits = 8;
    ToneSettings s;
    s.gamma = 1;
    s.hue = 0;
    s.hueRange = 0;
    RgbImage picture(3, 1);
    ToneMapPicture(s, cells, 3, 1, 2, picture);
    // 255 ln(1 + 1000 d / (9/8)) / ln(1001): d = 3/8 gives 214.5.
    EXPECT_EQ(picture.at(0, 0)[0], 215);
    EXPECT_EQ(picture.at(1, 0)[0], 255);
    EXPECT_EQ(picture.at(2, 0)[0], 255);
}

// The picture of a seeded random run with the log-density mapping.
RgbImage LookAt(int formula, uint64_t seed, int64_t steps) {
    ParameterSet ps;
    SilentReporter quiet;
    AttractorEngine e(ps, quiet);
    e.OpenView();
    e.fixedSeed = seed;
    ps.formulaIndex = formula;
    ps.logDensity = flagOn;
    e.RunAttractor(steps);
    e.ComposePicture();
    return e.picture();
}

TEST(ToneMap, NeverBurnsOutAndOnlyGetsSmoother) {
    // Doubling every count changes nothing: the picture depends on the
    // densities relative to the densest part.
    std::vector<DensityCell> cells(36);
    for (size_t i = 0; i < cells.size(); ++i) cells[i] = DensityCell{i * i % 7, i};
    std::vector<DensityCell> twice = cells;
    for (DensityCell& c : twice) c.hits *= 2, c.shade *= 2;
    RgbImage a(3, 3), b(3, 3);
    ToneMapPicture(ToneSettings(), cells, 3, 3, 2, a);
    ToneMapPicture(ToneSettings(), twice, 3, 3, 2, b);
    EXPECT_EQ(a.pixels, b.pixels);

    // The default formula and random ones, short and four times longer:
    // the pixels lit in the short run are not brighter in the long one.
    for (const auto& [formula, seed] : {std::pair{1, 12ull}, {26, 13ull}, {63, 14ull}, {30, 15ull}}) {
        const RgbImage shorter = LookAt(formula, seed, 200000);
        const RgbImage longer = LookAt(formula, seed, 800000);
        double before = 0, after = 0, white = 0;
        for (size_t i = 0; i < shorter.pixels.size(); i += 3) {
            const uint8_t* a = &shorter.pixels[i];
            const uint8_t* b = &longer.pixels[i];
            white += std::min({b[0], b[1], b[2]}) >= 240;
            if (std::max({a[0], a[1], a[2]}) < 16) continue;
            before += a[0] + a[1] + a[2];
            after += b[0] + b[1] + b[2];
        }
        EXPECT_LT(white, 0.002 * shorter.pixels.size() / 3) << formula;
        EXPECT_GT(before, 0) << formula;
        EXPECT_LT(after, before * 1.1) << formula;
    }
}

}  // namespace
}  // namespace zarvo::attractor::testing
