#include <gtest/gtest.h>

#include "parameter_set.h"

using namespace zarvo;

TEST(ParameterSet, NewWindowDefaults) {
    ParameterSet ps;
    EXPECT_EQ(ps.maxIterations, 32);
    EXPECT_EQ(ps.bailout, 10000000);
    EXPECT_DOUBLE_EQ(ps.strands, 0.15);
    EXPECT_EQ(ps.pictureWidth, 180);
    EXPECT_EQ(ps.pictureHeight, 120);
    EXPECT_EQ(ps.formulaIndex, 1);
    EXPECT_EQ(ps.renderMethod, 1);
    EXPECT_EQ(ps.blendMethod, 1);
    EXPECT_EQ(ps.rgbOrder, 1);
    EXPECT_EQ(ps.transformMode, 0);
    EXPECT_DOUBLE_EQ(ps.power, 2.0);
    EXPECT_DOUBLE_EQ(ps.intensity, 1.0);
    EXPECT_DOUBLE_EQ(ps.redSaturate, 127.0);
    EXPECT_DOUBLE_EQ(ps.greenOffset, 127.0);
    EXPECT_DOUBLE_EQ(ps.blueStep, 1.0);
    EXPECT_DOUBLE_EQ(ps.redStart, 0.0);
    EXPECT_EQ(ps.stopFlag, -1);
    EXPECT_EQ(ps.vantrelFormulaMode, -1);
    EXPECT_EQ(ps.jpegQuality, 85);
    EXPECT_EQ(ps.jpegProgressive, -1);
    EXPECT_EQ(ps.spareSetting1, 1);
    EXPECT_EQ(ps.spareSetting3, 1);
    EXPECT_EQ(ps.orbitX, ps.orbitStoreX.data());
    EXPECT_EQ(ps.orbitStoreX.size(), 7001u);
}

TEST(ParameterSet, FormCreateResetsSettingsButKeepsTheView) {
    ParameterSet ps;
    ps.renderMethod = 12;
    ps.blendMethod = 4;
    ps.redStep = 3.5;
    ps.zoom = 42.0;
    ps.xCentre = -0.75;
    ps.juliaRe = 0.3;
    FormCreate(ps);
    EXPECT_EQ(ps.renderMethod, 1);
    EXPECT_EQ(ps.blendMethod, 1);
    EXPECT_DOUBLE_EQ(ps.redStep, 1.0);
    EXPECT_DOUBLE_EQ(ps.zoom, 42.0);
    EXPECT_DOUBLE_EQ(ps.xCentre, -0.75);
    EXPECT_DOUBLE_EQ(ps.juliaRe, 0.3);
}

TEST(Coordinates, DefaultViewKeepsSquarePixels) {
    ParameterSet ps;
    ps.vantrelFormulaMode = 0;
    ResetCoordinates(ps);
    AdjustCoords(ps);
    EXPECT_DOUBLE_EQ(ps.xMin, -2.5);
    EXPECT_DOUBLE_EQ(ps.xMax, 2.5);
    EXPECT_NEAR(ps.yMin, -5.0 / 3.0, 1e-12);
    EXPECT_NEAR(ps.yMax, 5.0 / 3.0, 1e-12);
    EXPECT_NEAR((ps.xMax - ps.xMin) / (ps.yMax - ps.yMin), 180.0 / 120.0, 1e-12);
}

TEST(Coordinates, ResetInAttractorModeZoomsOut) {
    ParameterSet ps;
    ps.vantrelFormulaMode = -1;
    ResetCoordinates(ps);
    EXPECT_DOUBLE_EQ(ps.zoom, 0.2);
    EXPECT_DOUBLE_EQ(ps.pendingZoom, 0.2);
    EXPECT_DOUBLE_EQ(ps.selXMin, -4.0);
    EXPECT_DOUBLE_EQ(ps.xCentre, 0.0);
    ps.pictureWidth = ps.pictureHeight = 100;  // square: no aspect correction
    AdjustCoords(ps);
    EXPECT_DOUBLE_EQ(ps.halfHeight, 10.0);
    EXPECT_DOUBLE_EQ(ps.yMax, 10.0);
}

TEST(Coordinates, OffCentreZoomedView) {
    ParameterSet ps;
    ps.xCentre = -0.5;
    ps.yCentre = 0.25;
    ps.zoom = 4.0;
    ps.pictureWidth = 320;
    ps.pictureHeight = 240;
    AdjustCoords(ps);
    // real extent 2(1 + W/H)/zoom, imaginary 2(1 + H/W)/zoom, about the centre
    EXPECT_NEAR(ps.xMax - ps.xMin, 2 * (1 + 320.0 / 240.0) / 4.0, 1e-12);
    EXPECT_NEAR(ps.yMax - ps.yMin, 2 * (1 + 240.0 / 320.0) / 4.0, 1e-12);
    EXPECT_NEAR((ps.xMax + ps.xMin) / 2, -0.5, 1e-12);
    EXPECT_NEAR((ps.yMax + ps.yMin) / 2, 0.25, 1e-12);
}

TEST(Coordinates, NearZeroRule) {
    EXPECT_DOUBLE_EQ(AwayFromZero(0.0, 1.0), 0.001);
    EXPECT_DOUBLE_EQ(AwayFromZero(-0.0005, 1.0), 0.001);
    EXPECT_DOUBLE_EQ(AwayFromZero(0.0, 10.0), 0.001);
    EXPECT_DOUBLE_EQ(AwayFromZero(0.0, 100.0), 1e-20);
    EXPECT_DOUBLE_EQ(AwayFromZero(-1e-21, 100.0), 1e-20);
    EXPECT_DOUBLE_EQ(AwayFromZero(-0.0005, 100.0), -0.0005);
    EXPECT_DOUBLE_EQ(AwayFromZero(0.001, 1.0), 0.001);
    EXPECT_DOUBLE_EQ(AwayFromZero(-0.002, 1.0), -0.002);
}

TEST(Coordinates, IterationLimitStaysWithinTheOrbitArrays) {
    ParameterSet ps;
    ps.maxIterations = 6999;
    EXPECT_FALSE(ClampIterations(ps));
    EXPECT_EQ(ps.maxIterations, 6999);
    ps.maxIterations = 7000;
    EXPECT_TRUE(ClampIterations(ps));
    EXPECT_EQ(ps.maxIterations, 6999);
    ps.maxIterations = -3;
    EXPECT_TRUE(ClampIterations(ps));
    EXPECT_EQ(ps.maxIterations, 0);
    EXPECT_EQ(ClampIterationValue(int64_t(1) << 40), 6999);
}
