// Recolouring a picture from its planes: the same bytes as colouring pixel
// by pixel, intensity applied once, no plug-in needed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "fp_fault.h"
#include "fractal_view.h"
#include "recolour.h"

using namespace zarvo;

namespace {

struct NoHooks : ScanHooks {
    int shows = 0;
    void showPicture() override { ++shows; }
};

// Plane values of many kinds: small and large, whole and half numbers,
// negative, zero, the 1e24 of empty orbits.
void FillPlanes(FractalView& view, int width, int height, unsigned seed) {
    view.fitPlanes();
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int c = 0; c < width; ++c) {
        for (int r = 0; r < height; ++r) {
            double v[2];
            for (double& x : v) {
                const double u = unit(random);
                if (u < 0.5) x = 3 * unit(random);
                else if (u < 0.6) x = std::floor(unit(random) * 40) * 0.5;
                else if (u < 0.7) x = -5 * unit(random);
                else if (u < 0.8) x = std::pow(10.0, 8 * unit(random));
                else if (u < 0.85) x = 0.0;
                else if (u < 0.9) x = 1e24;
                else x = unit(random) * 1e-3;
            }
            view.resultPlaneA[view.planeIndex(c, r)] = v[0];
            view.resultPlaneB[view.planeIndex(c, r)] = v[1];
        }
    }
}

// The picture drawn one pixel at a time with BlendMethods and ApplyColor.
RgbImage PixelByPixel(ParameterSet& ps, FractalView& view, ColourScratch& cs) {
    SilentReporter quiet;
    for (int r = 0; r < ps.pictureHeight; ++r) {
        for (int c = 0; c < ps.pictureWidth; ++c) {
            ps.resultA = view.planeA(c, r);
            ps.resultB = view.planeB(c, r);
            BlendMethods(ps, cs, quiet);
            ApplyColor(ps, cs, c, r, quiet);
        }
    }
    return ps.workBitmap;
}

void SetColourSet(ParameterSet& ps, std::mt19937_64& random, double range) {
    std::uniform_real_distribution<double> d(0.0, range);
    for (double* p :
         {&ps.redStep, &ps.greenStep, &ps.blueStep, &ps.redStart, &ps.greenStart, &ps.blueStart, &ps.redSaturate,
          &ps.greenSaturate, &ps.blueSaturate, &ps.redOffset, &ps.greenOffset, &ps.blueOffset})
        *p = d(random);
}

}  // namespace

TEST(Recolour, SameBytesAsColouringPixelByPixel) {
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view(ps, quiet);
    ps.pictureWidth = 61;  // not a multiple of the lane count
    ps.pictureHeight = 23;
    FillPlanes(view, ps.pictureWidth, ps.pictureHeight, 11);
    std::mt19937_64 random(5);
    for (int set = 0; set < 8; ++set) {
        if (set == 1) SetColourSet(ps, random, 5.0);
        if (set >= 2) SetColourSet(ps, random, 255.0);  // up to the dialog's limits
        ps.intensity = set == 3 ? 1234.5 : (set == 4 ? 0.01 : 1.0);
        for (int blend = 1; blend <= 5; ++blend) {
            for (int order = 1; order <= 6; order += (blend == 1 ? 1 : 5)) {
                ps.blendMethod = blend;
                ps.rgbOrder = order;
                ps.workBitmap.reset(ps.pictureWidth, ps.pictureHeight);
                ColourScratch one;
                const RgbImage expected = PixelByPixel(ps, view, one);
                const double lastA = ps.resultA;
                for (bool wide : {true, false}) {
                    ps.workBitmap.reset(ps.pictureWidth, ps.pictureHeight);
                    ColourScratch fast;
                    ClearFaults();
                    PlaneRecolourer recolour(ps, fast, quiet, wide);
                    for (int r = 0; r < ps.pictureHeight; ++r)
                        recolour.colourRow(view.resultPlaneA.data(), view.resultPlaneB.data(), view.planeHeight(), r,
                                           ps.pictureWidth);
                    recolour.finish();
                    ClearFaults();
                    ASSERT_EQ(ps.workBitmap.pixels, expected.pixels)
                        << "set " << set << " blend " << blend << " order " << order << " wide " << wide;
                    // The last pixel's state is left as one by one would leave it.
                    EXPECT_EQ(ps.resultA, lastA);
                    for (int k = 0; k < 3; ++k) {
                        EXPECT_EQ(fast.channelValue[k], one.channelValue[k]);
                        EXPECT_EQ(fast.channelByte[k], one.channelByte[k]);
                    }
                }
            }
        }
    }
}

TEST(Recolour, FullSizePictureWithoutAPlugin) {
    ParameterSet ps;
    CollectingReporter reporter;
    FractalView view(ps, reporter);  // no plug-in bound
    ps.pictureWidth = 640;
    ps.pictureHeight = 480;
    FillPlanes(view, 640, 480, 3);
    NoHooks hooks;
    EXPECT_EQ(view.RecolourFromPlanes(hooks), "");
    EXPECT_EQ(hooks.shows, 480);  // after every row
    EXPECT_FALSE(view.plugin.loaded());
    EXPECT_TRUE(reporter.messages.empty());
    ColourScratch one;
    const RgbImage drawn = ps.workBitmap;
    EXPECT_EQ(drawn.pixels, PixelByPixel(ps, view, one).pixels);

    // A picture larger than the planes may hold is not recoloured from them.
    view.planePixelLimit = 640 * 480;
    ps.pictureWidth = 641;
    ps.workBitmap.reset(641, 480);
    EXPECT_EQ(view.RecolourFromPlanes(hooks), "");
    EXPECT_EQ(ps.workBitmap.pixels, std::vector<uint8_t>(641 * 480 * 3, 0));
}

TEST(Recolour, IntensityIsAppliedOnceAndPlanesKeepTheirValues) {
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view(ps, quiet);
    ps.pictureWidth = 32;
    ps.pictureHeight = 16;
    FillPlanes(view, 32, 16, 9);
    const std::vector<double> planeA = view.resultPlaneA;
    NoHooks hooks;
    ps.intensity = 2.0;
    view.RecolourFromPlanes(hooks);
    const RgbImage once = ps.workBitmap;
    view.RecolourFromPlanes(hooks);
    EXPECT_EQ(ps.workBitmap.pixels, once.pixels);
    EXPECT_EQ(view.resultPlaneA, planeA);

    // The same as doubled planes coloured with intensity 1.
    for (double& v : view.resultPlaneA) v *= 2;
    for (double& v : view.resultPlaneB) v *= 2;
    ps.intensity = 1.0;
    view.RecolourFromPlanes(hooks);
    EXPECT_EQ(ps.workBitmap.pixels, once.pixels);
}

TEST(Recolour, OtherBlendNumbersPaintThePreviousColourEverywhere) {
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view(ps, quiet);
    ps.pictureWidth = 20;
    ps.pictureHeight = 10;
    FillPlanes(view, 20, 10, 4);
    NoHooks hooks;
    view.RecolourFromPlanes(hooks);
    const ColourScratch last = view.colour;
    ps.blendMethod = 26;
    view.RecolourFromPlanes(hooks);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 20; ++c)
            for (int k = 0; k < 3; ++k) ASSERT_EQ(ps.workBitmap.at(c, r)[k], last.channelByte[k]);
}

TEST(Recolour, WrongOrderIsReportedOnceAndDrawsNothing) {
    ParameterSet ps;
    CollectingReporter reporter;
    FractalView view(ps, reporter);
    ps.pictureWidth = 20;
    ps.pictureHeight = 10;
    FillPlanes(view, 20, 10, 4);
    ps.workBitmap.reset(20, 10);
    ps.rgbOrder = 9;
    NoHooks hooks;
    view.RecolourFromPlanes(hooks);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Wrong coloringorder number");
    EXPECT_EQ(ps.workBitmap.pixels, std::vector<uint8_t>(20 * 10 * 3, 0));
}

TEST(Recolour, AnOverflowEndsItAfterTheRow) {
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view(ps, quiet);
    ps.pictureWidth = 8;
    ps.pictureHeight = 6;
    view.fitPlanes();
    std::fill(view.resultPlaneA.begin(), view.resultPlaneA.end(), 0.5);
    std::fill(view.resultPlaneB.begin(), view.resultPlaneB.end(), 0.5);
    view.resultPlaneA[view.planeIndex(3, 2)] = 1e300;
    ps.intensity = 1e10;
    ps.workBitmap.reset(8, 6);
    std::fill(ps.workBitmap.pixels.begin(), ps.workBitmap.pixels.end(), 77);
    NoHooks hooks;
    EXPECT_EQ(view.RecolourFromPlanes(hooks), "Floating point overflow");
    EXPECT_EQ(hooks.shows, 3);  // rows 0, 1 and 2
    EXPECT_EQ(PendingFault(), "");
    const uint8_t* above = ps.workBitmap.at(7, 1);
    const uint8_t* after = ps.workBitmap.at(7, 2);  // the rest of the row is still drawn
    EXPECT_TRUE(above[0] != 77 || above[1] != 77 || above[2] != 77);
    EXPECT_TRUE(after[0] == above[0] && after[1] == above[1] && after[2] == above[2]);
    EXPECT_EQ(ps.workBitmap.at(3, 2)[0], 77);  // the pixel itself keeps its colour
    for (int c = 0; c < 8; ++c) EXPECT_EQ(ps.workBitmap.at(c, 3)[0], 77);
}

// Recolouring on several threads gives what one thread gives: the picture,
// the messages, the fault that ends it after its row, the number of rows
// shown, and the record and scratch left for the next pixel. Blends 1 to 5
// with a large colour set, a blend outside 1..5, a wrong channel order and
// an overflow in the middle of the picture.
TEST(Recolour, EveryThreadCountGivesTheOneThreadResult) {
    struct Outcome {
        std::string fault;
        int shows;
        std::vector<std::string> messages;
        std::vector<uint8_t> picture;
        std::vector<double> left;
        bool operator==(const Outcome& o) const {
            return fault == o.fault && shows == o.shows && messages == o.messages && picture == o.picture &&
                   std::memcmp(left.data(), o.left.data(), left.size() * sizeof(double)) == 0;
        }
    };
    auto recolour = [](int blend, int order, bool overflow, int threads) {
        ParameterSet ps;
        CollectingReporter reporter;
        FractalView view(ps, reporter);
        ps.pictureWidth = 61;
        ps.pictureHeight = 37;
        FillPlanes(view, ps.pictureWidth, ps.pictureHeight, 21);
        std::mt19937_64 random(8);
        SetColourSet(ps, random, 255.0);
        if (overflow) {
            view.resultPlaneA[view.planeIndex(30, 19)] = 1e300;
            ps.intensity = 1e10;
        }
        ps.workBitmap.reset(ps.pictureWidth, ps.pictureHeight);
        std::fill(ps.workBitmap.pixels.begin(), ps.workBitmap.pixels.end(), 77);
        ps.rgbOrder = order;
        NoHooks hooks;
        view.RecolourFromPlanes(hooks);  // channel values for a blend outside 1..5 to reuse
        ps.blendMethod = blend;
        hooks.shows = 0;
        reporter.messages.clear();
        Outcome o;
        o.fault = view.RecolourFromPlanes(hooks, threads);
        o.shows = hooks.shows;
        o.messages = reporter.messages;
        o.picture = ps.workBitmap.pixels;
        const ColourScratch& cs = view.colour;
        o.left = {ps.resultA,
                  ps.resultB,
                  cs.blendIn[0],
                  cs.blendIn[1],
                  cs.blendIn[2],
                  cs.channelValue[0],
                  cs.channelValue[1],
                  cs.channelValue[2],
                  double(cs.channelByte[0]),
                  double(cs.channelByte[1]),
                  double(cs.channelByte[2])};
        EXPECT_EQ(PendingFault(), "");
        return o;
    };
    const struct {
        int blend, order;
        bool overflow;
    } cases[] = {{1, 1, false},  {2, 6, false}, {3, 2, false}, {4, 5, false}, {5, 3, false},
                 {26, 4, false}, {2, 9, false}, {1, 1, true},  {4, 2, true}};
    for (const auto& c : cases) {
        const Outcome one = recolour(c.blend, c.order, c.overflow, 1);
        if (c.overflow) {
            EXPECT_EQ(one.fault, "Floating point overflow");
        }
        if (c.order == 9) {
            EXPECT_EQ(one.messages, std::vector<std::string>{"Wrong coloringorder number"});
        }
        for (int threads : {2, 3, 7})
            EXPECT_TRUE(recolour(c.blend, c.order, c.overflow, threads) == one)
                << "blend " << c.blend << ", order " << c.order << ", overflow " << c.overflow << ", " << threads
                << " threads";
    }
}
