// The view moves of the wheel and the middle button, and the picture that
// bridges the time until the new view is drawn: the part of the old picture
// that stays in view, scaled to where it lands. No widgets; positions are
// picture pixels.
#pragma once

#include "parameter_set.h"
#include "picture_geometry.h"
#include "rgb_image.h"

namespace zarvo {

// A view as the set keeps it: centre and magnification (the edges follow
// from them and the picture size when a scan starts).
struct ViewCentre {
    double xCentre = 0;
    double yCentre = 0;
    double zoom = 1;
};

// `factor` times the magnification (2 zooms in, 0.5 out), about the point
// of the plane under pixel `p` of the picture drawn over `edges`: that point
// stays under the pixel.
ViewCentre ZoomAboutPixel(const ParameterSet& ps, const ScanEdges& edges, PicturePoint p, double factor);

// The view with the picture drawn over `edges` dragged by (dx, dy) pixels.
ViewCentre DraggedView(const ParameterSet& ps, const ScanEdges& edges, int dx, int dy);

void SetView(ParameterSet& ps, const ViewCentre& view);

// A picture of width x height over `to`, made from `from` (drawn over
// `fromEdges`) by taking for every pixel the nearest pixel of the old
// picture at the same point of the plane; pixels beyond the old picture
// repeat its nearest edge, so no part of the preview is left empty.
RgbImage PreviewPicture(const RgbImage& from, const ScanEdges& fromEdges, const ScanEdges& to, int width, int height);

}  // namespace zarvo
