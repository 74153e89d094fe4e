// The zoom arithmetic of the attractor view, free of any widget: the status
// text, the pending zoom of a rectangle and "Zoom into rectangle", which
// makes the pending zoom the view.
#pragma once

#include <string>

#include "parameter_set.h"

namespace zarvo::attractor {

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// "Magnification = %f,      cx=%f,      cy=%f" for the plane point under
// picture pixel (px, py); empty when the picture has no width or height.
std::string MouseStatusText(const ParameterSet& ps, int px, int py);

// The pending zoom of a rectangle in picture pixels: vtlSelXMin ..
// vtlSelYMax and vtlSelZoom (0 for a rectangle without extent). The view
// does not change.
void SetPendingZoom(ParameterSet& ps, const PixelRect& rect);

// "Zoom into rectangle": the pending rectangle becomes the view (edges,
// centres at the midpoints, vtlZoom := vtlSelZoom). A pending zoom that is
// 0 or not a finite positive number (a rectangle without extent) is
// ignored: returns false and nothing changes. The caller then clears the
// picture and the counters and restarts the run.
bool ZoomIntoRectangle(ParameterSet& ps);

}  // namespace zarvo::attractor
