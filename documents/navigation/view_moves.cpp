#include "view_moves.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zarvo {

namespace {

double StepX(const ScanEdges& e, int width) { return (e.xMax - e.xMin) / width; }
double StepY(const ScanEdges& e, int height) { return (e.yMax - e.yMin) / height; }

// For each of `count` new pixels along one axis, the old pixel at the same
// point of the plane, kept within the old picture.
std::vector<int> SourceIndex(int count, double newMin, double newStep, int oldCount, double oldMin, double oldStep) {
    std::vector<int> index(static_cast<size_t>(std::max(count, 0)), 0);
    for (int i = 0; i < count; ++i) {
        const double at = ((i + 0.5) * newStep + newMin - oldMin) / oldStep;  // the new pixel's centre
        const double clamped = std::isfinite(at) ? std::clamp(std::floor(at), 0.0, oldCount - 1.0) : 0.0;
        index[static_cast<size_t>(i)] = static_cast<int>(clamped);
    }
    return index;
}

}  // namespace

ViewCentre ZoomAboutPixel(const ParameterSet& ps, const ScanEdges& edges, PicturePoint p, double factor) {
    // The point under the pixel is where the scan sampled it (its left and
    // top edge); scaling the distance from it to the centre by 1 / factor
    // keeps it there, since the edges scale about the centre.
    const double re = p.x * StepX(edges, ps.pictureWidth) + edges.xMin;
    const double im = p.y * StepY(edges, ps.pictureHeight) + edges.yMin;
    ViewCentre v;
    v.xCentre = re + (ps.xCentre - re) / factor;
    v.yCentre = im + (ps.yCentre - im) / factor;
    v.zoom = ps.zoom * factor;
    return v;
}

ViewCentre DraggedView(const ParameterSet& ps, const ScanEdges& edges, int dx, int dy) {
    ViewCentre v;
    v.xCentre = ps.xCentre - dx * StepX(edges, ps.pictureWidth);
    v.yCentre = ps.yCentre - dy * StepY(edges, ps.pictureHeight);
    v.zoom = ps.zoom;
    return v;
}

void SetView(ParameterSet& ps, const ViewCentre& view) {
    ps.xCentre = view.xCentre;
    ps.yCentre = view.yCentre;
    ps.zoom = view.zoom;
}

RgbImage PreviewPicture(const RgbImage& from, const ScanEdges& fromEdges, const ScanEdges& to, int width, int height) {
    RgbImage out;
    out.reset(width, height);
    if (from.width <= 0 || from.height <= 0 || width <= 0 || height <= 0) return out;
    const std::vector<int> columns =
        SourceIndex(width, to.xMin, StepX(to, width), from.width, fromEdges.xMin, StepX(fromEdges, from.width));
    const std::vector<int> rows =
        SourceIndex(height, to.yMin, StepY(to, height), from.height, fromEdges.yMin, StepY(fromEdges, from.height));
    for (int y = 0; y < height; ++y) {
        const uint8_t* source = &from.pixels[static_cast<size_t>(rows[static_cast<size_t>(y)]) * from.width * 3];
        uint8_t* target = &out.pixels[static_cast<size_t>(y) * width * 3];
        for (int x = 0; x < width; ++x) std::copy_n(source + 3 * columns[static_cast<size_t>(x)], 3, target + 3 * x);
    }
    return out;
}

}  // namespace zarvo
