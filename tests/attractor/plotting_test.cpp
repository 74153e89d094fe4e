#include <gtest/gtest.h>

#include <climits>

#include "attractor_fixture.h"

namespace zarvo::attractor::testing {
namespace {

using PlottingTest = AttractorTest;

void ExpectColour(const Rgb& c, int r, int g, int b) {
    EXPECT_EQ(c.r, r);
    EXPECT_EQ(c.g, g);
    EXPECT_EQ(c.b, b);
}

TEST_F(PlottingTest, LevelToColourRamp) {
    ExpectColour(engine.LevelToColour(20), 8, 8, 8);          // grey round(6.6) = 7, tint 1
    ExpectColour(engine.LevelToColour(700), 231, 231, 231);   // 255+255+188 = 698, grey 230
    ExpectColour(engine.LevelToColour(5000), 253, 253, 253);  // capped at 768: grey 252
    ExpectColour(engine.LevelToColour(0), 1, 1, 1);
    ps.vtlRed = -200;
    ps.vtlGreen = 40.4;
    ps.vtlBlue = 200;
    ExpectColour(engine.LevelToColour(700), 30, 255, 255);  // 230-200, 230+40, clamped
    ps.vtlRed = 1e300;                                      // a tint from a file far outside the track bar
    EXPECT_EQ(engine.LevelToColour(0).r, 255);
}

TEST_F(PlottingTest, ColorMixAndInvert) {
    ps.vtlRed = 10;
    ps.vtlGreen = 20;
    ps.vtlBlue = 30;  // level 0: (10, 20, 30)
    ps.colorMix = flagOn;
    engine.colourCycle = 3;
    ExpectColour(engine.LevelToColour(0), 10, 20, 30);
    engine.colourCycle = 4;
    ExpectColour(engine.LevelToColour(0), 20, 30, 10);
    engine.colourCycle = 5;
    ExpectColour(engine.LevelToColour(0), 20, 10, 30);
    ps.invert = flagOn;
    ExpectColour(engine.LevelToColour(0), 235, 245, 225);
}

TEST_F(PlottingTest, CountToLevel) {
    EXPECT_EQ(engine.CountToLevel(20), 20);
    EXPECT_EQ(ps.lastLevel, 20);
    EXPECT_EQ(engine.CountToLevel(-50), 0);
    ps.squareRoot = flagOn;
    EXPECT_EQ(engine.CountToLevel(40), 20);  // sqrt(400)
    EXPECT_EQ(engine.CountToLevel(1000), 100);
    EXPECT_EQ(engine.CountToLevel(-50), 0);  // no square root of a negative count
}

TEST_F(PlottingTest, FirstHitAfterClearAccumulation) {
    ps.vtlFactor1 = 0;
    engine.ClearAccumulation();
    EXPECT_EQ(engine.hitCount(5, 5), 10);
    UnitPlotWindow();
    engine.map.x0 = 0;
    engine.map.y0 = 0;
    engine.PlotPoint(5.2, 4.9);
    EXPECT_EQ(engine.hitCount(5, 5), 20);
    const uint8_t* p = engine.vtlBitmap.at(5, 5);
    EXPECT_EQ(p[0], 8);
    EXPECT_EQ(p[1], 8);
    EXPECT_EQ(p[2], 8);
    EXPECT_EQ(ps.zRe, 5.2);
    EXPECT_EQ(ps.zIm, 4.9);
}

TEST_F(PlottingTest, InvertedBackgroundIsWhite) {
    ps.invert = flagOn;
    int shown = 0;
    engine.parametersChanged = [&] { ++shown; };
    engine.ClearAccumulation();
    EXPECT_EQ(shown, 1);
    for (uint8_t v : engine.vtlBitmap.pixels) ASSERT_EQ(v, 255);
    UnitPlotWindow();
    engine.PlotPoint(3, 3);
    EXPECT_LT(engine.vtlBitmap.at(3, 3)[0], 255);  // hits darken
}

TEST_F(PlottingTest, AngleWeightBetween10And20) {
    ps.vtlFactor1 = 1;
    UnitPlotWindow();
    engine.CreateTList();
    for (int i = 0; i < 50; ++i) {
        engine.map.x0 = i * 0.37 - 3;
        engine.map.y0 = i * 0.11 + 1;
        engine.PlotPoint(10, 10);
    }
    // 50 hits of round(a + 10) with a in [10, 20].
    EXPECT_GE(engine.hitCount(10, 10), 50 * 20);
    EXPECT_LE(engine.hitCount(10, 10), 50 * 30);
}

TEST_F(PlottingTest, PointsOnThePlotEdges) {
    UnitPlotWindow();  // 180 x 120 picture over 0..180, 0..120
    int px, py;
    EXPECT_FALSE(engine.PointToPixel(0.0, 50.0, px, py));  // exactly the left edge
    EXPECT_FALSE(engine.PointToPixel(50.0, 0.0, px, py));  // exactly the top edge
    EXPECT_TRUE(engine.PointToPixel(0.4, 0.4, px, py));
    EXPECT_EQ(px, 0);
    EXPECT_EQ(py, 0);
    EXPECT_TRUE(engine.PointToPixel(179.49, 119.49, px, py));
    EXPECT_EQ(px, 179);
    EXPECT_EQ(py, 119);
    EXPECT_FALSE(engine.PointToPixel(179.5, 50.0, px, py));  // ties go to the even 180
    EXPECT_FALSE(engine.PointToPixel(179.7, 50.0, px, py));
    EXPECT_FALSE(engine.PointToPixel(50.0, 119.6, px, py));
    EXPECT_FALSE(engine.PointToPixel(180.0, 50.0, px, py));
    EXPECT_FALSE(engine.PointToPixel(-1.0, 50.0, px, py));
    EXPECT_TRUE(engine.PointToPixel(2.5, 3.5, px, py));
    EXPECT_EQ(px, 2);  // ties to even
    EXPECT_EQ(py, 4);
}

TEST_F(PlottingTest, NoneAndLinearPlotTwice) {
    UnitPlotWindow();
    engine.CreateTList();
    ps.vtlFactor1 = 0;  // every hit weighs 10
    ps.vtlFactor2 = 0.5;
    ps.varNone = flagOn;
    ps.varLinear = flagOn;
    engine.map.x = 20.0;
    engine.map.y = 30.0;
    engine.ApplyVariations();
    EXPECT_EQ(engine.hitCount(30, 45), 20);  // (1 + 0.5) * p, twice
    EXPECT_EQ(engine.hitCount(20, 30), 0);
    EXPECT_EQ(engine.map.x, 20.0);  // the orbit continues from the map point
    EXPECT_EQ(engine.map.y, 30.0);

    ps.varLinear = 0;
    engine.ApplyVariations();
    EXPECT_EQ(engine.hitCount(20, 30), 10);  // None alone: the map point once

    ps.varNone = 0;
    engine.CreateTList();
    engine.ApplyVariations();
    for (int32_t c : engine.hitCounts) ASSERT_EQ(c, 0);  // nothing enabled, nothing plotted
}

TEST_F(PlottingTest, VariationsComposeInFixedOrder) {
    UnitPlotWindow();
    engine.CreateTList();
    ps.vtlFactor1 = 0;
    ps.vtlFactor2 = 1.0;
    ps.varNone = flagOn;
    ps.varBent = flagOn;  // after Linear in the chain
    ps.varLinear = flagOn;
    engine.map.x = 10.0;
    engine.map.y = 20.0;
    engine.ApplyVariations();
    EXPECT_EQ(engine.hitCount(20, 40), 10);  // Linear: 2p
    EXPECT_EQ(engine.hitCount(40, 80), 20);  // Bent of 2p (both positive: doubled), then None
}

TEST_F(PlottingTest, CountersSaturate) {
    UnitPlotWindow();
    engine.CreateTList();
    ps.vtlFactor1 = 64;  // the highest weight: up to 64 * 20 + 10
    engine.hitCount(7, 7) = INT32_MAX - 100;
    for (int i = 0; i < 5; ++i) engine.PlotPoint(7, 7);
    EXPECT_EQ(engine.hitCount(7, 7), INT32_MAX);
    EXPECT_EQ(ps.lastLevel, INT32_MAX);
    EXPECT_EQ(engine.vtlBitmap.at(7, 7)[0], 253);  // level capped at 768

    ps.vtlFactor1 = 1e300;  // a weight far beyond 32 bits
    engine.PlotPoint(8, 8);
    EXPECT_EQ(engine.hitCount(8, 8), INT32_MAX);
    ps.vtlFactor1 = -1e300;
    engine.PlotPoint(8, 8);
    engine.PlotPoint(8, 8);
    EXPECT_EQ(engine.hitCount(8, 8), INT32_MIN);
    EXPECT_EQ(ps.lastLevel, 0);
}

TEST_F(PlottingTest, PictureResize) {
    EXPECT_TRUE(engine.SetPictureSize(50, 200));
    EXPECT_EQ(engine.vtlBitmap.width, 50);
    EXPECT_EQ(engine.vtlBitmap.height, 200);
    EXPECT_EQ(engine.gridWidth, 50);
    EXPECT_EQ(engine.gridHeight, 200);
    EXPECT_EQ(engine.hitCounts.size(), 50u * 200u);
    EXPECT_EQ(ps.stopFlag, flagOn);
    EXPECT_FALSE(engine.SetPictureSize(0, 10));
    EXPECT_EQ(ps.vtlWidth, 50);
}

}  // namespace
}  // namespace zarvo::attractor::testing
