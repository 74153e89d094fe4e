#include "mouse_navigation.h"

#include <cstdlib>

namespace zarvo {

namespace {

bool Near(PicturePoint p, int cx, int cy) { return std::abs(p.x - cx) <= 3 && std::abs(p.y - cy) <= 3; }

bool StrictlyInside(PicturePoint p, PicturePoint a, PicturePoint b) {
    return a.x < p.x && p.x < b.x && a.y < p.y && p.y < b.y;
}

}  // namespace

MouseNavigation::PressResult MouseNavigation::MouseDown(ParameterSet& ps, PicturePoint p, int shift) {
    PressResult result;
    if ((shift & shiftLeft) == 0) return result;
    result.handled = true;
    pressShift = shift;
    pressPoint = p;

    if (JuliaPickState(ps)) {
        ps.juliaRe = mouseRe;
        ps.juliaIm = mouseIm;
        ClearRectangle();
        ResetCoordinates(ps);
        result.juliaPicked = true;
    } else {
        if (!rectangleExists) cornerA = p;
        if (Near(p, cornerA.x, cornerA.y)) grabbedCorner = 1;
        if (Near(p, cornerB.x, cornerA.y)) grabbedCorner = 2;
        if (Near(p, cornerB.x, cornerB.y)) grabbedCorner = 3;
        if (Near(p, cornerA.x, cornerB.y)) grabbedCorner = 4;
        dragPoint = p;
        buttonDown = 1;
    }

    if (StrictlyInside(p, cornerA, cornerB)) {
        movingRectangle = 1;
        pointer = PointerShape::SizeAll;
    } else {
        movingRectangle = 0;
        pointer = PointerShape::Cross;
    }
    return result;
}

void MouseNavigation::MouseMove(const ParameterSet& ps, const ScanEdges& edges, PicturePoint p) {
    statusChanged = false;
    if (ps.pictureWidth != 0 && ps.pictureHeight != 0) {
        const double stepX = (edges.xMax - edges.xMin) / ps.pictureWidth;
        const double stepY = (edges.yMax - edges.yMin) / ps.pictureHeight;
        mouseRe = p.x * stepX + edges.xMin;
        mouseIm = p.y * stepY + edges.yMin;
        statusText = MagnificationText(ps.zoom, mouseRe, mouseIm, decimalPoint);
        statusChanged = true;
    }

    if (buttonDown) {
        if (!movingRectangle && !rectangleExists) {
            dragPoint = p;
            outlines_ = RectangleWithHandles(cornerA, dragPoint);
        } else if (movingRectangle) {
            const int dx = p.x - dragPoint.x;
            const int dy = p.y - dragPoint.y;
            cornerA.x += dx;
            cornerA.y += dy;
            cornerB.x += dx;
            cornerB.y += dy;
            dragPoint = p;
            outlines_ = RectangleWithHandles(cornerA, cornerB);
        } else if (rectangleExists && grabbedCorner >= 0) {
            dragPoint = p;
            switch (grabbedCorner) {
                case 1:
                    cornerA = p;
                    break;
                case 2:
                    cornerB.x = p.x;
                    cornerA.y = p.y;
                    break;
                case 3:
                    cornerB = p;
                    break;
                case 4:
                    cornerA.x = p.x;
                    cornerB.y = p.y;
                    break;
                default:
                    break;
            }
            outlines_ = RectangleWithHandles(cornerA, cornerB);
        }
    }
    ChoosePointer(ps, p);
}

void MouseNavigation::ChoosePointer(const ParameterSet& ps, PicturePoint p) {
    if (JuliaPickState(ps)) {
        pointer = PointerShape::PointingHand;
        return;
    }
    if (StrictlyInside(p, cornerA, cornerB)) {
        movingRectangle = 1;
        pointer = PointerShape::SizeAll;
    } else {
        movingRectangle = 0;
        pointer = PointerShape::Cross;
    }
    if (Near(p, cornerA.x, cornerA.y)) pointer = PointerShape::SizeNWSE;
    if (Near(p, cornerB.x, cornerB.y)) pointer = PointerShape::SizeNWSE;
    if (Near(p, cornerB.x, cornerA.y)) pointer = PointerShape::SizeNESW;
    if (Near(p, cornerA.x, cornerB.y)) pointer = PointerShape::SizeNESW;
}

MouseNavigation::ReleaseResult MouseNavigation::MouseUp(ParameterSet& ps, PicturePoint p, int shift) {
    ReleaseResult result;
    if ((shift & shiftLeft) == 0) return result;
    result.handled = true;
    const bool juliaPick = JuliaPickState(ps);

    if (!juliaPick) {
        SelectionCentre centre;
        if (rectangleMode != 0) {
            if (!rectangleExists && p != cornerA) {
                cornerB = p;
                rectangleExists = 1;
            }
            if (!rectangleExists) {
                // A click without a drag leaves no rectangle: nothing to
                // re-proportion and no pending view to compute.
                ClearRectangle();
                return result;
            }
            centre = SelectDraggedRectangle();
        } else {
            centre = SelectClickZoom(ps);
        }
        FitSelectionToPicture(ps, centre);
        SetPendingView(ps);
    }

    if (rectangleMode == 0 || juliaPick) {
        result.zoomNow = true;
        rectangleMode = flagOn;
    }
    buttonDown = 0;
    return result;
}

MouseNavigation::SelectionCentre MouseNavigation::SelectDraggedRectangle() {
    selectionLeft = cornerA.x;
    selectionTop = cornerA.y;
    selectionWidth = cornerB.x - cornerA.x;
    selectionHeight = cornerB.y - cornerA.y;
    buttonDown = 0;
    grabbedCorner = -1;
    return {selectionWidth / 2.0 + selectionLeft, selectionHeight / 2.0 + selectionTop};
}

MouseNavigation::SelectionCentre MouseNavigation::SelectClickZoom(const ParameterSet& ps) {
    const double f = pressShift != shiftLeft ? 2.0 : 0.5;  // a modifier zooms out
    selectionWidth = RoundHalfEven(f * ps.pictureWidth);
    selectionHeight = RoundHalfEven(f * ps.pictureHeight);
    return {static_cast<double>(pressPoint.x), static_cast<double>(pressPoint.y)};
}

void MouseNavigation::FitSelectionToPicture(const ParameterSet& ps, SelectionCentre centre) {
    const double W = ps.pictureWidth;
    const double H = ps.pictureHeight;
    // Re-proportion to the picture's aspect ratio, keeping the centre and
    // the mean side.
    const double s = (selectionWidth + selectionHeight) / 2.0;
    const double m = (W + H) / 2.0;
    if (m != 0) {
        selectionWidth = RoundHalfEven(W / m * s);
        selectionLeft = RoundHalfEven(centre.x - W / m * s / 2);
        selectionHeight = RoundHalfEven(H / m * s);
        selectionTop = RoundHalfEven(centre.y - H / m * s / 2);
    }

    outlines_ =
        RectangleWithHandles(PicturePoint{selectionLeft, selectionTop},
                             PicturePoint{selectionLeft + selectionWidth + 1, selectionTop + selectionHeight + 1});

    cornerA = {selectionLeft, selectionTop};
    cornerB = {selectionLeft + selectionWidth, selectionTop + selectionHeight};
    dragPoint = cornerB;
}

void MouseNavigation::SetPendingView(ParameterSet& ps) const {
    const double W = ps.pictureWidth;
    const double H = ps.pictureHeight;
    if (W == 0 || H == 0) return;
    const double fx1 = selectionLeft / W;
    const double fx2 = cornerB.x / W;
    const double fy1 = selectionTop / H;
    const double fy2 = cornerB.y / H;
    const double dx = ps.xMax - ps.xMin;
    const double dy = ps.yMax - ps.yMin;
    ps.selXMin = dx * fx1 + ps.xMin;
    ps.selXMax = dx * fx2 + ps.xMin;
    ps.selYMin = dy * fy1 + ps.yMin;
    ps.selYMax = dy * fy2 + ps.yMin;
    ps.selXCentre = (ps.selXMax - ps.selXMin) / 2 + ps.selXMin;
    ps.selYCentre = (ps.selYMax - ps.selYMin) / 2 + ps.selYMin;
    double z = (std::abs(ps.selYMax - ps.selYMin) / 2 + std::abs(ps.selXMax - ps.selXMin) / 2) / 2;
    if (z != 0) z = 2 / z;
    ps.pendingZoom = z;
}

void MouseNavigation::ClearRectangle() {
    dragPoint = cornerA = cornerB = PicturePoint{};
    buttonDown = 0;
    rectangleExists = 0;
    grabbedCorner = -1;
    outlines_.clear();
}

}  // namespace zarvo
