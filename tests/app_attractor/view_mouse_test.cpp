// The zoom rectangle and the status text, through mouse events on the
// view's picture.
#include <QMouseEvent>
#include <QSignalSpy>
#include <cmath>

#include "picture_geometry.h"
#include "attractor_view_fixture.h"

namespace zarvo::test {
namespace {

class ViewMouseTest : public VantrelTest {
protected:
    void SetUp() override {
        VantrelTest::SetUp();
        area = view->findChild<QWidget*>(QStringLiteral("Image1"));
        ASSERT_NE(area, nullptr);
        // A view of 100 by 80 plane units over the 180 x 120 picture.
        ps.vtlXMin = -50;
        ps.vtlXMax = 50;
        ps.vtlYMin = -40;
        ps.vtlYMax = 40;
    }

    // Picture pixel to the area's coordinates (the picture is centred).
    QPoint at(int x, int y) const {
        const PicturePoint o = PictureOrigin(area->width(), area->height(), ps.vtlWidth, ps.vtlHeight);
        return QPoint(o.x + x, o.y + y);
    }
    void send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(p), QPointF(area->mapToGlobal(p)), button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &e);
    }
    void drag(int x1, int y1, int x2, int y2) {
        send(QEvent::MouseMove, at(x1, y1), Qt::NoButton, Qt::NoButton);
        send(QEvent::MouseButtonPress, at(x1, y1), Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, at((x1 + x2) / 2, (y1 + y2) / 2), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, at(x2, y2), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at(x2, y2), Qt::LeftButton, Qt::NoButton);
    }

    QWidget* area = nullptr;
};

TEST_F(ViewMouseTest, MovingShowsTheMagnificationAndThePointInTheStatusBar) {
    QSignalSpy spy(view.get(), &TVantrel::statusText);
    send(QEvent::MouseMove, at(45, 90), Qt::NoButton, Qt::NoButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("Magnification = 0.05,      cx=-25.00,      cy=20.00"));
}

TEST_F(ViewMouseTest, ADraggedRectangleGivesThePendingZoomAndZoomAppliesIt) {
    drag(30, 20, 120, 80);
    const MouseNavigation& nav = view->navigation();
    EXPECT_EQ(nav.rectangleExists, 1);
    EXPECT_EQ(nav.outlines().size(), 5u);  // the rectangle and four handles
    EXPECT_NEAR(ps.vtlSelXMin, -100.0 / 3, 1e-9);
    EXPECT_NEAR(ps.vtlSelXMax, 50.0 / 3, 1e-9);
    EXPECT_NEAR(ps.vtlSelYMin, -80.0 / 3, 1e-9);
    EXPECT_NEAR(ps.vtlSelYMax, 40.0 / 3, 1e-9);
    EXPECT_NEAR(ps.vtlSelZoom, 2 / 22.5, 1e-12);
    EXPECT_DOUBLE_EQ(ps.vtlZoom, 0.05);  // the view itself waits for the command

    view->ZoomClick();
    EXPECT_NEAR(ps.vtlZoom, 2 / 22.5, 1e-12);
    EXPECT_NEAR(ps.vtlXCentre, -25.0 / 3, 1e-9);
    EXPECT_NEAR(ps.vtlYCentre, -20.0 / 3, 1e-9);
    EXPECT_TRUE(view->timer1Pending());
    EXPECT_EQ(view->navigation().rectangleExists, 0);
    ASSERT_TRUE(WaitFor([this] { return view->running(); }, 2000));
    // The run fits the zoomed view to the picture's aspect about the centre.
    EXPECT_NEAR((ps.plotXMin + ps.plotXMax) / 2, -25.0 / 3, 1e-9);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ViewMouseTest, ARectangleIsReshapedToThePictureAspectAboutItsCentre) {
    drag(40, 40, 100, 60);  // 60 x 20: mean side 40
    const MouseNavigation& nav = view->navigation();
    EXPECT_EQ(nav.selectionWidth, 48);   // 180 / 150 * 40
    EXPECT_EQ(nav.selectionHeight, 32);  // 120 / 150 * 40
    EXPECT_EQ(nav.cornerA.x, 46);
    EXPECT_EQ(nav.cornerA.y, 34);
}

TEST_F(ViewMouseTest, DraggingInsideMovesAndDraggingAHandleResizes) {
    drag(30, 20, 120, 80);
    drag(60, 50, 70, 55);  // inside: moved by (10, 5)
    EXPECT_EQ(view->navigation().cornerA.x, 40);
    EXPECT_EQ(view->navigation().cornerA.y, 25);
    EXPECT_NEAR(ps.vtlSelXMin, 100.0 * 40 / 180 - 50, 1e-9);

    drag(130, 85, 160, 105);  // the handle at the second corner
    EXPECT_EQ(view->navigation().cornerB.x, 160);
    EXPECT_EQ(view->navigation().cornerB.y, 105);
    EXPECT_NEAR(ps.vtlSelXMax, 100.0 * 160 / 180 - 50, 1e-9);
}

TEST_F(ViewMouseTest, AReleaseNextToThePressSpansNothing) {
    const double before = ps.vtlSelXMin;
    drag(50, 50, 51, 49);
    EXPECT_EQ(view->navigation().rectangleExists, 0);
    EXPECT_EQ(ps.vtlSelXMin, before);
}

TEST_F(ViewMouseTest, ARectangleWithoutExtentIsIgnoredByZoom) {
    drag(50, 50, 40, 60);  // width -10, height 10: the mean side is 0
    EXPECT_EQ(ps.vtlSelZoom, 0.0);
    view->ZoomClick();
    EXPECT_DOUBLE_EQ(ps.vtlZoom, 0.05);
    EXPECT_DOUBLE_EQ(ps.vtlXMin, -50.0);
    EXPECT_FALSE(view->timer1Pending());
    EXPECT_TRUE(std::isfinite(ps.vtlXMax));
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(ViewMouseTest, ClearRectangleForgetsTheRectangle) {
    drag(30, 20, 120, 80);
    view->ClearRectangleClick();
    EXPECT_EQ(view->navigation().rectangleExists, 0);
    EXPECT_TRUE(view->navigation().outlines().empty());
    // A new drag spans a new rectangle from its own press point.
    drag(10, 10, 100, 70);
    EXPECT_EQ(view->navigation().cornerA.x, 10);
}

TEST_F(ViewMouseTest, AReleaseWhileAFractalWindowWaitsForItsJuliaConstantZoomsAtOnce) {
    drag(30, 20, 120, 80);
    const double pending = ps.vtlSelZoom;
    ps.juliaMode = 1;
    ps.juliaConstantSet = 0;
    const double re = ps.juliaRe;
    drag(0, 0, 10, 100);
    EXPECT_EQ(ps.juliaRe, re);  // no constant is picked here
    EXPECT_DOUBLE_EQ(ps.vtlZoom, pending);
    EXPECT_TRUE(view->timer1Pending());
}

}  // namespace
}  // namespace zarvo::test
