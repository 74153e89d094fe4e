#include "vtl_zoom.h"

#include <cmath>

#include "dialog_values.h"

namespace zarvo::attractor {

std::string MouseStatusText(const ParameterSet& ps, int px, int py) {
    if (ps.vtlWidth == 0 || ps.vtlHeight == 0) return std::string();
    const double cx = px * (ps.vtlXMax - ps.vtlXMin) / ps.vtlWidth + ps.vtlXMin;
    const double cy = py * (ps.vtlYMax - ps.vtlYMin) / ps.vtlHeight + ps.vtlYMin;
    return "Magnification = " + FormatF(ps.vtlZoom) + ",      cx=" + FormatF(cx) + ",      cy=" + FormatF(cy);
}

void SetPendingZoom(ParameterSet& ps, const PixelRect& rect) {
    if (ps.vtlWidth == 0 || ps.vtlHeight == 0) return;
    const int right = rect.left + rect.width;
    const int bottom = rect.top + rect.height;
    ps.vtlSelXMin = (ps.vtlXMax - ps.vtlXMin) * rect.left / ps.vtlWidth + ps.vtlXMin;
    ps.vtlSelXMax = (ps.vtlXMax - ps.vtlXMin) * right / ps.vtlWidth + ps.vtlXMin;
    ps.vtlSelYMin = (ps.vtlYMax - ps.vtlYMin) * rect.top / ps.vtlHeight + ps.vtlYMin;
    ps.vtlSelYMax = (ps.vtlYMax - ps.vtlYMin) * bottom / ps.vtlHeight + ps.vtlYMin;
    const double m = (std::fabs(ps.vtlSelXMax - ps.vtlSelXMin) / 2 + std::fabs(ps.vtlSelYMax - ps.vtlSelYMin) / 2) / 2;
    ps.vtlSelZoom = m == 0 ? 0.0 : 2 / m;
}

bool ZoomIntoRectangle(ParameterSet& ps) {
    if (ps.vtlWidth == 0) return false;
    if (!(ps.vtlSelZoom > 0) || !std::isfinite(ps.vtlSelZoom)) return false;
    ps.vtlXMin = ps.vtlSelXMin;
    ps.vtlXMax = ps.vtlSelXMax;
    ps.vtlYMin = ps.vtlSelYMin;
    ps.vtlYMax = ps.vtlSelYMax;
    ps.vtlXCentre = (ps.vtlXMax - ps.vtlXMin) / 2 + ps.vtlXMin;
    ps.vtlYCentre = (ps.vtlYMax - ps.vtlYMin) / 2 + ps.vtlYMin;
    ps.vtlZoom = ps.vtlSelZoom;
    return true;
}

}  // namespace zarvo::attractor
