#include <gtest/gtest.h>

#include "attractor_fixture.h"
#include "dialog_values.h"
#include "attractor_state.h"
#include "vtl_zoom.h"

namespace zarvo::attractor::testing {
namespace {

using DialogTest = AttractorTest;

TEST_F(DialogTest, RoundTripThroughTheDialogGranularity) {
    ps.randomFactor = 2.3;
    ps.vtlFactor2 = 0.123;
    ps.vtlFactor1 = 10.5;  // ties to even: 10
    ps.vtlRed = 2.5;       // 2
    ps.vtlGreen = -3.5;    // -4
    ps.vtlBlue = 999;      // beyond the track bar: 200
    AttractorDialogValues v = Parameters1Update(ps);
    EXPECT_EQ(v.randomizer, 10);
    EXPECT_EQ(v.factor2Bar, 12);
    EXPECT_EQ(v.intensity, 10);
    EXPECT_EQ(v.redBar1, 2);
    EXPECT_EQ(v.grnBar1, -4);
    EXPECT_EQ(v.bluBar1, 200);
    EXPECT_EQ(v.randomFactor, "2.30");  // labels show the state until applied
    ApplyParameters(ps, v);
    EXPECT_EQ(ps.randomFactor, 2.0);
    EXPECT_EQ(ps.vtlFactor2, 0.12);
    EXPECT_EQ(ps.vtlFactor1, 10.0);
    EXPECT_EQ(ps.vtlBlue, 200.0);
    EXPECT_EQ(v.randomFactor, "2.00");
    EXPECT_EQ(v.factor2, "0.12");
    EXPECT_EQ(v.bluLabel1, "200.00");

    ps.randomFactor = 0.6;  // rounded before the multiplication: 1 * 5
    EXPECT_EQ(Parameters1Update(ps).randomizer, 5);
    ps.randomFactor = 11;
    EXPECT_EQ(Parameters1Update(ps).randomizer, 50);
}

TEST_F(DialogTest, AAndStartPoint) {
    ps.AA = 0.75;
    ps.AAStart = 0.1;
    ps.BB = 0.9;
    ps.juliaRe = 1.5;
    ps.juliaIm = -2.5;
    ps.varSwirl = flagOn;
    AttractorDialogValues v = Parameters1Update(ps);
    EXPECT_EQ(ps.AAStart, 0.75);  // the update also takes A as the start value
    EXPECT_EQ(v.constAA, 0.75);
    EXPECT_EQ(v.constBB, 0.9);
    EXPECT_EQ(v.parameterX, 1.5);
    EXPECT_EQ(v.parameterY, -2.5);
    EXPECT_TRUE(v.swirl);
    EXPECT_TRUE(v.none);
    EXPECT_FALSE(v.bent);

    v.constAA = 0.5;
    v.parameterX = 3;
    v.swirl = false;
    v.invert = true;
    ApplyParameters(ps, v);
    EXPECT_EQ(ps.AASet, 0.5);
    EXPECT_EQ(ps.AAStart, 0.5);
    EXPECT_EQ(ps.AA, 0.75);  // A in use changes only when a run starts
    EXPECT_EQ(ps.juliaRe, 3.0);
    EXPECT_EQ(ps.varSwirl, 0);
    EXPECT_EQ(ps.invert, flagOn);
}

TEST_F(DialogTest, InitialDialog) {
    const AttractorDialogValues v = engine.InitVantrel();
    EXPECT_EQ(v.intensity, 10);
    EXPECT_EQ(v.factor2Bar, 10);
    EXPECT_EQ(v.randomizer, 10);
    EXPECT_EQ(v.redBar1, 1);
    EXPECT_EQ(v.factor1, "10.00");
    EXPECT_EQ(v.factor2, "0.10");
    EXPECT_EQ(v.constBB, 1.0);
    EXPECT_TRUE(v.none);
    EXPECT_FALSE(v.linear);
}

TEST(ZoomTest, PendingZoomAndApply) {
    ParameterSet ps;
    attractor::ResetCoordinates(ps);
    attractor::AdjustCoords(ps);  // -50..50 by -33.33..33.33 at 180 x 120
    SetPendingZoom(ps, PixelRect{45, 30, 90, 60});
    EXPECT_DOUBLE_EQ(ps.vtlSelXMin, -25.0);
    EXPECT_DOUBLE_EQ(ps.vtlSelXMax, 25.0);
    EXPECT_NEAR(ps.vtlSelYMin, -50.0 / 3, 1e-12);
    // m = (25 + 16.67) / 2
    EXPECT_NEAR(ps.vtlSelZoom, 2 / ((25.0 + 50.0 / 3) / 2), 1e-12);
    EXPECT_EQ(ps.vtlZoom, 0.05);  // the view waits for "Zoom into rectangle"

    ASSERT_TRUE(ZoomIntoRectangle(ps));
    EXPECT_DOUBLE_EQ(ps.vtlXCentre, 0.0);
    EXPECT_EQ(ps.vtlZoom, ps.vtlSelZoom);
    attractor::AdjustCoords(ps);
    EXPECT_NEAR(ps.vtlXMax - ps.vtlXMin, 2 * (2 / ps.vtlZoom) * (1 + 1.5) / 2, 1e-9);
}

TEST(ZoomTest, RectangleWithoutExtentIsIgnored) {
    ParameterSet ps;
    attractor::ResetCoordinates(ps);
    attractor::AdjustCoords(ps);
    SetPendingZoom(ps, PixelRect{60, 40, 0, 0});
    EXPECT_EQ(ps.vtlSelZoom, 0.0);
    const double xMin = ps.vtlXMin;
    EXPECT_FALSE(ZoomIntoRectangle(ps));
    EXPECT_EQ(ps.vtlZoom, 0.05);
    EXPECT_EQ(ps.vtlXMin, xMin);
}

TEST(ZoomTest, MouseStatusText) {
    ParameterSet ps;
    attractor::ResetCoordinates(ps);
    attractor::AdjustCoords(ps);
    EXPECT_EQ(MouseStatusText(ps, 90, 60), "Magnification = 0.05,      cx=0.00,      cy=0.00");
    ps.vtlWidth = 0;
    EXPECT_EQ(MouseStatusText(ps, 90, 60), "");
}

}  // namespace
}  // namespace zarvo::attractor::testing
