// The zoom arithmetic of the attractor view, free of any widget: mouse
// position to picture pixel, the status text, the zoom rectangle reshaped
// to the picture's aspect, the pending zoom it gives and "Zoom into
// rectangle", which makes the pending zoom the view.
#pragma once

#include <string>

#include "parameter_set.h"

namespace zarvo::vantrel {

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// The picture is centred in the client area: a mouse coordinate in the
// client area gives round(mouse - round(client - picture) * 0.5), ties to
// even. Use once with the widths and once with the heights.
int MouseToPicturePixel(int mouse, int clientSize, int pictureSize);

// "Magnification = %f,      cx=%f,      cy=%f" for the plane point under
// picture pixel (px, py); empty when the picture has no width or height.
std::string MouseStatusText(const ParameterSet& ps, int px, int py);

// The rectangle with pixel corners (x1, y1) and (x2, y2) reshaped to the
// picture's aspect about its centre, keeping the mean of its sides.
PixelRect ReshapeToAspect(int x1, int y1, int x2, int y2, int pictureWidth, int pictureHeight);

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

}  // namespace zarvo::vantrel
