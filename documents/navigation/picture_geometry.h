// Pixel arithmetic of the mouse navigation: window coordinates to picture
// coordinates, the outlines of a zoom rectangle, and the view that a
// rectangle selects. No widgets: the desktop program converts its events
// into these plain numbers.
#pragma once

#include <string>
#include <vector>

#include "parameter_set.h"

namespace zarvo {

struct PicturePoint {
    int x = 0;
    int y = 0;
    bool operator==(const PicturePoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const PicturePoint& o) const { return !(*this == o); }
};

// Rounding to the nearest integer, halves to the even neighbour (7.5 -> 8,
// 8.5 -> 8, -0.5 -> 0).
int RoundHalfEven(double v);

// The picture is centred in the client area: a window position maps to
// round(X - round(clientWidth - pictureWidth) * 0.5), and the same for Y.
PicturePoint ToPicture(int windowX, int windowY, int clientWidth, int clientHeight, int pictureWidth,
                       int pictureHeight);

// Where the picture's top-left pixel lies in the client area.
PicturePoint PictureOrigin(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);

// One closed outline in picture pixels: the pixels from left to right - 1
// and from top to bottom - 1 (the right and bottom values lie just outside),
// always normalised so that left <= right and top <= bottom.
struct Outline {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Outline& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// The rectangle through two opposite corners plus a 6 x 6 handle square
// (corner - 3 .. corner + 3) at each of its four corners: five outlines,
// the rectangle first.
std::vector<Outline> RectangleWithHandles(PicturePoint a, PicturePoint b);

// The edges of the view that the last scan of a window used.
struct ScanEdges {
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
    double yMax = 0;
};

// Zoom command: the pending view (selXMin .. selYMax, pendingZoom) becomes
// the view; the centres follow from the new edges. A pending magnification
// of 0 (a rectangle without extent) keeps the current one.
void ApplyPendingView(ParameterSet& ps);

// The status-bar text for the pointer at (re, im):
// "Magnification = 0.20,      cx=-1.25,      cy=0.50", two decimals each,
// written with the given decimal separator.
std::string MagnificationText(double zoom, double re, double im, char decimalPoint);

}  // namespace zarvo
