// The mouse arithmetic of a fractal window, without any widgets.
#include <gtest/gtest.h>

#include "mouse_navigation.h"
#include "picture_geometry.h"

namespace zarvo {
namespace {

TEST(PictureGeometry, RoundingGoesToEvenOnHalves) {
    EXPECT_EQ(RoundHalfEven(7.5), 8);
    EXPECT_EQ(RoundHalfEven(8.5), 8);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(3.49), 3);
    EXPECT_EQ(RoundHalfEven(-3.51), -4);
}

TEST(PictureGeometry, WindowToPictureCentresThePicture) {
    // Client area 5 pixels wider than the picture: offset 2.5.
    EXPECT_EQ(ToPicture(10, 0, 185, 120, 180, 120).x, 8);   // 7.5 -> 8
    EXPECT_EQ(ToPicture(11, 0, 185, 120, 180, 120).x, 8);   // 8.5 -> 8
    EXPECT_EQ(ToPicture(12, 0, 185, 120, 180, 120).x, 10);  // 9.5 -> 10
    // Same size: identity. Smaller client (scrolled area): negative offset.
    const PicturePoint same = ToPicture(17, 23, 180, 120, 180, 120);
    EXPECT_EQ(same.x, 17);
    EXPECT_EQ(same.y, 23);
    EXPECT_EQ(ToPicture(0, 40, 180, 140, 180, 120).y, 30);
}

TEST(PictureGeometry, RectangleHasFourSixPixelHandles) {
    const auto outlines = RectangleWithHandles({50, 40}, {20, 10});
    ASSERT_EQ(outlines.size(), 5u);
    EXPECT_EQ(outlines[0], (Outline{20, 10, 50, 40}));  // normalised
    for (size_t i = 1; i < outlines.size(); ++i) {
        EXPECT_EQ(outlines[i].right - outlines[i].left, 6);
        EXPECT_EQ(outlines[i].bottom - outlines[i].top, 6);
    }
    EXPECT_EQ(outlines[1], (Outline{47, 37, 53, 43}));
}

TEST(PictureGeometry, StatusTextUsesTheGivenSeparator) {
    EXPECT_EQ(MagnificationText(0.2, -1.25, 0.5, '.'), "Magnification = 0.20,      cx=-1.25,      cy=0.50");
    EXPECT_EQ(MagnificationText(12.345, 1, -2, ','), "Magnification = 12,35,      cx=1,00,      cy=-2,00");
}

class Navigation : public ::testing::Test {
protected:
    Navigation() {
        ps.vantrelFormulaMode = 0;
        ResetCoordinates(ps);
        AdjustCoords(ps);  // 180 x 120 at zoom 1: -2.5..2.5, -1.667..1.667
        edges = {ps.xMin, ps.xMax, ps.yMin, ps.yMax};
    }
    void Drag(PicturePoint from, PicturePoint to, int shift = shiftLeft) {
        nav.MouseMove(ps, edges, from);
        nav.MouseDown(ps, from, shift);
        nav.MouseMove(ps, edges, to);
        nav.MouseUp(ps, to, shiftLeft);
    }
    ParameterSet ps;
    ScanEdges edges;
    MouseNavigation nav;
};

TEST_F(Navigation, StatusTextFollowsThePointerUnlessThePictureHasNoWidth) {
    nav.MouseMove(ps, edges, {90, 60});
    EXPECT_TRUE(nav.statusChanged);
    EXPECT_DOUBLE_EQ(nav.mouseRe, 0.0);
    EXPECT_NEAR(nav.mouseIm, 0.0, 1e-12);
    EXPECT_EQ(nav.statusText, "Magnification = 1.00,      cx=0.00,      cy=0.00");

    ps.pictureWidth = 0;
    nav.MouseMove(ps, edges, {10, 10});
    EXPECT_FALSE(nav.statusChanged);
    EXPECT_EQ(nav.statusText, "Magnification = 1.00,      cx=0.00,      cy=0.00");
}

TEST_F(Navigation, DragSpansAnAspectCorrectedRectangleAndPendingView) {
    Drag({30, 20}, {90, 50});  // 60 x 30, mean side 45, centre (60, 35)
    EXPECT_EQ(nav.rectangleExists, 1);
    EXPECT_EQ(nav.selectionWidth, 54);   // 180 / 150 * 45
    EXPECT_EQ(nav.selectionHeight, 36);  // 120 / 150 * 45
    EXPECT_EQ(nav.selectionLeft, 33);
    EXPECT_EQ(nav.selectionTop, 17);
    EXPECT_EQ(nav.cornerA, (PicturePoint{33, 17}));
    EXPECT_EQ(nav.cornerB, (PicturePoint{87, 53}));
    EXPECT_EQ(nav.grabbedCorner, -1);

    const double dx = ps.xMax - ps.xMin;
    const double dy = ps.yMax - ps.yMin;
    EXPECT_DOUBLE_EQ(ps.selXMin, dx * (33.0 / 180) + ps.xMin);
    EXPECT_DOUBLE_EQ(ps.selXMax, dx * (87.0 / 180) + ps.xMin);
    EXPECT_DOUBLE_EQ(ps.selYMin, dy * (17.0 / 120) + ps.yMin);
    EXPECT_DOUBLE_EQ(ps.selYMax, dy * (53.0 / 120) + ps.yMin);
    const double half = (std::abs(ps.selYMax - ps.selYMin) / 2 + std::abs(ps.selXMax - ps.selXMin) / 2) / 2;
    EXPECT_DOUBLE_EQ(ps.pendingZoom, 2 / half);

    // The drawn outline reaches one pixel further than the corners.
    ASSERT_EQ(nav.outlines().size(), 5u);
    EXPECT_EQ(nav.outlines()[0], (Outline{33, 17, 88, 54}));

    // Zoom applies the pending view; the view keeps square pixels.
    ApplyPendingView(ps);
    EXPECT_DOUBLE_EQ(ps.zoom, ps.pendingZoom);
    EXPECT_DOUBLE_EQ(ps.xCentre, (ps.selXMax - ps.selXMin) / 2 + ps.selXMin);
    EXPECT_GT(ps.zoom, 3.0);
}

TEST_F(Navigation, ReleaseAtThePressPointLeavesNoRectangle) {
    const double before = ps.pendingZoom;
    Drag({40, 40}, {40, 40});
    EXPECT_EQ(nav.rectangleExists, 0);
    EXPECT_TRUE(nav.outlines().empty());
    EXPECT_EQ(nav.buttonDown, 0);
    EXPECT_DOUBLE_EQ(ps.pendingZoom, before);
    // The next press starts a fresh rectangle there.
    Drag({100, 80}, {130, 100});
    EXPECT_EQ(nav.rectangleExists, 1);
}

TEST_F(Navigation, DragInsideMovesAndHandleDragResizes) {
    Drag({30, 20}, {90, 50});
    const PicturePoint a = nav.cornerA, b = nav.cornerB;

    // Inside: the whole rectangle follows the pointer.
    nav.MouseMove(ps, edges, {60, 35});
    EXPECT_EQ(nav.pointer, PointerShape::SizeAll);
    nav.MouseDown(ps, {60, 35}, shiftLeft);
    EXPECT_EQ(nav.movingRectangle, 1);
    nav.MouseMove(ps, edges, {70, 45});
    EXPECT_EQ(nav.cornerA, (PicturePoint{a.x + 10, a.y + 10}));
    EXPECT_EQ(nav.cornerB, (PicturePoint{b.x + 10, b.y + 10}));
    nav.MouseUp(ps, {70, 45}, shiftLeft);
    EXPECT_EQ(nav.selectionWidth, b.x - a.x);  // already in proportion
    EXPECT_EQ(nav.cornerA, (PicturePoint{a.x + 10, a.y + 10}));

    // On the bottom-right handle (within 3 pixels): resize.
    const PicturePoint br = nav.cornerB;
    nav.MouseMove(ps, edges, {br.x + 2, br.y - 3});
    EXPECT_EQ(nav.pointer, PointerShape::SizeNWSE);
    nav.MouseDown(ps, {br.x + 2, br.y - 3}, shiftLeft);
    EXPECT_EQ(nav.grabbedCorner, 3);
    EXPECT_EQ(nav.movingRectangle, 0);
    nav.MouseMove(ps, edges, {br.x + 30, br.y + 20});
    EXPECT_EQ(nav.cornerB, (PicturePoint{br.x + 30, br.y + 20}));
    EXPECT_EQ(nav.cornerA, (PicturePoint{a.x + 10, a.y + 10}));
    nav.MouseUp(ps, {br.x + 30, br.y + 20}, shiftLeft);
    EXPECT_GT(nav.selectionWidth, b.x - a.x);
    EXPECT_EQ(nav.selectionWidth * 120, nav.selectionHeight * 180);

    // The top-right corner shows the other diagonal.
    nav.MouseMove(ps, edges, {nav.cornerB.x, nav.cornerA.y});
    EXPECT_EQ(nav.pointer, PointerShape::SizeNESW);
}

TEST_F(Navigation, DragOutsideAnExistingRectangleOnlyReproportionsIt) {
    Drag({30, 20}, {90, 50});
    const PicturePoint a = nav.cornerA, b = nav.cornerB;
    Drag({150, 100}, {170, 110});
    EXPECT_EQ(nav.cornerA, a);
    EXPECT_EQ(nav.cornerB, b);
    EXPECT_EQ(nav.rectangleExists, 1);
}

TEST_F(Navigation, ClickZoomHalvesOrDoublesAboutThePoint) {
    // The magnification that shows the whole picture as it is.
    const double whole = 2 / (((ps.yMax - ps.yMin) / 2 + (ps.xMax - ps.xMin) / 2) / 2);
    nav.rectangleMode = 0;
    ps.juliaConstantSet = 1;  // not in the Julia pick state
    nav.MouseDown(ps, {60, 40}, shiftLeft);
    auto r = nav.MouseUp(ps, {60, 40}, shiftLeft);
    EXPECT_TRUE(r.zoomNow);
    EXPECT_EQ(nav.rectangleMode, flagOn);
    EXPECT_EQ(nav.selectionWidth, 90);
    EXPECT_EQ(nav.selectionHeight, 60);
    EXPECT_EQ(nav.selectionLeft, 15);
    EXPECT_EQ(nav.selectionTop, 10);
    EXPECT_NEAR(ps.pendingZoom, 2 * whole, 1e-12);

    nav.rectangleMode = 0;
    nav.MouseDown(ps, {90, 60}, shiftLeft | shiftShift);
    r = nav.MouseUp(ps, {90, 60}, shiftLeft);
    EXPECT_TRUE(r.zoomNow);
    EXPECT_EQ(nav.selectionWidth, 360);
    EXPECT_EQ(nav.selectionHeight, 240);
    EXPECT_NEAR(ps.pendingZoom, 0.5 * whole, 1e-12);
}

TEST_F(Navigation, JuliaPickTakesTheConstantAndResetsTheView) {
    ps.juliaMode = 1;
    ps.juliaConstantSet = 0;
    ps.vantrelFormulaMode = 0;
    nav.rectangleMode = 0;
    ps.zoom = 7;
    nav.MouseMove(ps, edges, {45, 30});
    EXPECT_EQ(nav.pointer, PointerShape::PointingHand);
    const auto p = nav.MouseDown(ps, {45, 30}, shiftLeft);
    EXPECT_TRUE(p.juliaPicked);
    EXPECT_DOUBLE_EQ(ps.juliaRe, nav.mouseRe);
    EXPECT_DOUBLE_EQ(ps.juliaIm, nav.mouseIm);
    EXPECT_DOUBLE_EQ(ps.zoom, 1.0);
    const auto r = nav.MouseUp(ps, {45, 30}, shiftLeft);
    EXPECT_TRUE(r.zoomNow);
    ApplyPendingView(ps);
    EXPECT_DOUBLE_EQ(ps.xCentre, 0.0);
    EXPECT_DOUBLE_EQ(ps.zoom, 1.0);
}

TEST_F(Navigation, OtherButtonsAndDegenerateRectanglesAreHarmless) {
    EXPECT_FALSE(nav.MouseDown(ps, {10, 10}, shiftRight).handled);
    EXPECT_EQ(nav.buttonDown, 0);
    // Width and height cancel out: no extent, the magnification is kept.
    const double zoom = ps.zoom;
    Drag({50, 50}, {40, 60});
    EXPECT_DOUBLE_EQ(ps.pendingZoom, 0.0);
    ApplyPendingView(ps);
    EXPECT_DOUBLE_EQ(ps.zoom, zoom);
}

}  // namespace
}  // namespace zarvo
