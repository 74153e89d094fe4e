#include "picture_geometry.h"

#include <algorithm>
#include <cmath>
#include <locale>
#include <sstream>

namespace zarvo {

int RoundHalfEven(double v) {
    // nearbyint follows the current rounding mode, which the program keeps
    // at round-to-nearest-even; std::remainder makes that independent of it.
    const double r = v - std::remainder(v, 1.0);
    return static_cast<int>(r);
}

PicturePoint ToPicture(int windowX, int windowY, int clientWidth, int clientHeight, int pictureWidth,
                       int pictureHeight) {
    PicturePoint p;
    p.x = RoundHalfEven(windowX - RoundHalfEven(clientWidth - pictureWidth) * 0.5);
    p.y = RoundHalfEven(windowY - RoundHalfEven(clientHeight - pictureHeight) * 0.5);
    return p;
}

PicturePoint PictureOrigin(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
    PicturePoint p;
    p.x = RoundHalfEven((clientWidth - pictureWidth) * 0.5);
    p.y = RoundHalfEven((clientHeight - pictureHeight) * 0.5);
    return p;
}

namespace {

Outline Normalised(int x1, int y1, int x2, int y2) {
    Outline o;
    o.left = std::min(x1, x2);
    o.right = std::max(x1, x2);
    o.top = std::min(y1, y2);
    o.bottom = std::max(y1, y2);
    return o;
}

}  // namespace

std::vector<Outline> RectangleWithHandles(PicturePoint a, PicturePoint b) {
    std::vector<Outline> out;
    out.push_back(Normalised(a.x, a.y, b.x, b.y));
    const PicturePoint corners[4] = {a, {b.x, a.y}, b, {a.x, b.y}};
    for (const PicturePoint& c : corners) out.push_back(Normalised(c.x - 3, c.y - 3, c.x + 3, c.y + 3));
    return out;
}

void ApplyPendingView(ParameterSet& ps) {
    ps.xMin = ps.selXMin;
    ps.xMax = ps.selXMax;
    ps.yMin = ps.selYMin;
    ps.yMax = ps.selYMax;
    ps.xCentre = (ps.xMax - ps.xMin) / 2 + ps.xMin;
    ps.yCentre = (ps.yMax - ps.yMin) / 2 + ps.yMin;
    // A rectangle without extent selects no magnification: keep the old one
    // rather than dividing by zero when the view edges are recomputed.
    if (ps.pendingZoom != 0) ps.zoom = ps.pendingZoom;
}

std::string MagnificationText(double zoom, double re, double im, char decimalPoint) {
    // Written through the classic locale so that the separator is exactly
    // the one asked for, whatever locale the process runs in.
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.setf(std::ios::fixed);
    out.precision(2);
    out << "Magnification = " << zoom << ",      cx=" << re << ",      cy=" << im;
    std::string text = out.str();
    if (decimalPoint != '.') std::replace(text.begin(), text.end(), '.', decimalPoint);
    return text;
}

}  // namespace zarvo
