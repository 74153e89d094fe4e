#include "thumbnail.h"

#include "colouring.h"
#include "palette_strip.h"
#include "row_compute.h"

namespace zarvo {

ScanPlan ThumbnailPlan(const ParameterSet& ps, int width, int height) {
    const ViewGeometry g = ViewGeometryOf(ps.zoom, ps.xCentre, ps.yCentre, width, height);
    ScanPlan plan = ScanPlan::Of(ps, g.xMin, g.yMin, g.xMax, g.yMax);
    plan.width = width;
    plan.height = height;
    plan.stepX = (g.xMax - g.xMin) / width;
    plan.stepY = (g.yMax - g.yMin) / height;
    plan.record.pictureWidth = width;
    plan.record.pictureHeight = height;
    return plan;
}

Thumbnail ComputeThumbnail(const ScanPlan& plan, zarvo_formula_fn formula, const std::atomic<bool>* stop) {
    Thumbnail t;
    t.width = plan.width;
    t.height = plan.height;
    const size_t pixels = static_cast<size_t>(t.width) * static_cast<size_t>(t.height);
    t.a.assign(pixels, 0.0);
    t.b.assign(pixels, 0.0);
    RowWorkspace ws(plan);
    CarriedOrbit carried = CarriedOrbitOf(ws.orbit.x(), ws.orbit.y(), plan.limit);
    RowResult out;
    for (int row = 0; row < t.height; ++row) {
        ComputeRow(plan, formula, ws, row, 0, t.width, carried, 0, stop, out);
        const size_t at = static_cast<size_t>(row) * static_cast<size_t>(t.width);
        std::copy(out.a.begin(), out.a.begin() + out.end, t.a.begin() + at);
        std::copy(out.b.begin(), out.b.begin() + out.end, t.b.begin() + at);
        if (out.faultColumn >= 0) {
            t.faulted = true;
            break;
        }
        if (out.end < t.width) break;  // stopped
        carried = out.carriedAtEnd;
        t.rowsDone = row + 1;
    }
    return t;
}

RgbImage ColourThumbnail(const Thumbnail& t, const FormulaRecord& colours) {
    RgbImage picture(t.width, t.height);
    const PixelColourer colourer(ColourableRecord(colours));
    const size_t computed = static_cast<size_t>(t.rowsDone) * static_cast<size_t>(t.width);
    for (size_t i = 0; i < computed; ++i) colourer.colour(t.a[i], t.b[i], &picture.pixels[3 * i]);
    return picture;
}

}  // namespace zarvo
