#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "blend.h"
#include "colouring.h"
#include "fractal_view.h"
#include "orbit_transform.h"
#include "parameter_set.h"
#include "render_methods.h"

using namespace zarvo;

namespace {

// The settings a plug-in and the scan read must point into the set's own
// orbit arrays and pick existing menu entries, or a scan reads and writes
// out of bounds.
void ExpectUsableSettings(const ParameterSet& ps) {
    EXPECT_EQ(ps.orbitX, ps.orbitStoreX.data());
    EXPECT_EQ(ps.orbitY, ps.orbitStoreY.data());
    EXPECT_EQ(ps.orbitStoreX.size(), static_cast<size_t>(orbitCapacity));
    EXPECT_EQ(ps.orbitStoreY.size(), static_cast<size_t>(orbitCapacity));
    EXPECT_GE(ps.maxIterations, 0);
    EXPECT_LE(ps.maxIterations, maxIterationsLimit);
    EXPECT_GT(ps.bailout, 0);
    EXPECT_TRUE(IsPictureSize(ps.pictureWidth, ps.pictureHeight));
    EXPECT_TRUE(IsPictureSize(ps.vtlWidth, ps.vtlHeight));
    EXPECT_NE(FindRenderMethod(ps.renderMethod), nullptr);
    EXPECT_NE(BlendChoices().captionOf(ps.blendMethod), nullptr);
    EXPECT_NE(RgbOrders().captionOf(ps.rgbOrder), nullptr);
    EXPECT_NE(OrbitTransforms().captionOf(ps.transformMode), nullptr);
    EXPECT_TRUE(ps.jpegQuality >= 1 && ps.jpegQuality <= 100);
}

// Every setting of a fractal window's menus and dialogs, changed.
void ChangeEverySetting(ParameterSet& ps) {
    double value = 3.5;
    for (double* colour : {&ps.redStep, &ps.greenStep, &ps.blueStep, &ps.redStart, &ps.greenStart, &ps.blueStart,
                           &ps.redSaturate, &ps.greenSaturate, &ps.blueSaturate, &ps.redOffset, &ps.greenOffset,
                           &ps.blueOffset, &ps.intensity, &ps.strands, &ps.power, &ps.factor4, &ps.factor5}) {
        *colour = value++;
    }
    int32_t number = 2;
    for (int32_t* setting : {&ps.renderMethod, &ps.transformMode, &ps.blendMethod, &ps.rgbOrder, &ps.formulaIndex,
                             &ps.rotateMode, &ps.spareSetting1, &ps.spareSetting2, &ps.spareSetting3}) {
        *setting = number++;
    }
    ps.maxIterations = 500;
    ps.bailout = 4;
    ps.juliaMode = 1;
    ps.juliaConstantSet = 1;
    ps.inverseFormula = 1;
    ps.pictureWidth = 50;
    ps.pictureHeight = 40;
    ps.stopFlag = 0;
    ps.vantrelFormulaMode = 0;
    ps.jpegQuality = 20;
    ps.jpegProgressive = 0;
}

// The record's values as bytes, its pointers (title texts, orbit arrays,
// plug-in handle) left out.
std::string RecordValues(const ParameterSet& ps) {
    const char* r = reinterpret_cast<const char*>(static_cast<const FormulaRecord*>(&ps));
    const size_t tail = offsetof(FormulaRecord, vtlWidth);
    return std::string(r, offsetof(FormulaRecord, formulaTitle)) + std::string(r + tail, sizeof(FormulaRecord) - tail);
}

}  // namespace

// The start values draw a picture with the real plug-in one, and they stay
// within what the scan and the plug-in can use also after a window's
// settings were reset.
TEST(ParameterSet, StartValuesAreUsableByAScan) {
    ParameterSet fresh;
    ExpectUsableSettings(fresh);
    ParameterSet used;
    ChangeEverySetting(used);
    FormCreate(used);
    ExpectUsableSettings(used);

    fresh.vantrelFormulaMode = 0;
    ResetCoordinates(fresh);
    SilentReporter quiet;
    FractalView view(fresh, quiet);
    view.pluginFileName = QORL01_PLUGIN;
    ASSERT_TRUE(view.InitializeMainDLL());
    ScanHooks none;
    const ScanResult scan = view.UpdateFractal(none);
    EXPECT_TRUE(scan.completed) << scan.fault;
    const std::vector<uint8_t>& px = fresh.workBitmap.pixels;
    ASSERT_EQ(px.size(), static_cast<size_t>(defaultWidth * defaultHeight * 3));
    EXPECT_NE(std::count(px.begin(), px.end(), px[0]), static_cast<std::ptrdiff_t>(px.size()));
}

// A new window in a program that has been used starts as the first window
// of a fresh program does: FormCreate leaves no earlier setting behind, and
// keeps the view it is given.
TEST(ParameterSet, FormCreateLeavesNoEarlierSettingBehind) {
    const ParameterSet fresh;
    ParameterSet used;
    ChangeEverySetting(used);
    used.zoom = 3;
    FormCreate(used);
    EXPECT_EQ(used.zoom, 3);
    used.zoom = fresh.zoom;
    EXPECT_EQ(RecordValues(used), RecordValues(fresh));
    for (int32_t ParameterSet::*host :
         {&ParameterSet::transformMode, &ParameterSet::spareSetting2, &ParameterSet::spareSetting3,
          &ParameterSet::stopFlag, &ParameterSet::vantrelFormulaMode, &ParameterSet::jpegQuality,
          &ParameterSet::jpegProgressive}) {
        EXPECT_EQ(used.*host, fresh.*host);
    }
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
