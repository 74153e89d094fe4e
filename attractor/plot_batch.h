// The plotted points of a batch of steps, weighed several at a time with the
// processor's vector instructions where it has them (AVX2): the pixel, the
// hit weight and the shade of each point by the same double-precision
// arithmetic and the same checks as the one-point forms of plot_weight.h.
// A point those checks cannot settle is marked for the one-point form, which
// then runs the drawing loop's own arithmetic, so the hits are exactly those
// of weighing every point alone.
#pragma once

#include <cstdint>

namespace zarvo::attractor {

struct StepSettings;

// What the vector weighing found for a point.
enum PointVerdict : uint8_t {
    kPointOutside = 0,  // not plotted: outside the picture or beyond the counters
    kPointHit = 1,      // plotted with the pixel, weight, shade and positions below
    kPointAlone = 2,    // to be weighed alone (WeighPoint)
};

template <int N>
struct PointBatch {
    // N points, and room for the lanes past the last one weighed with it.
    static constexpr int kSlots = N + 8;
    // In: the point and the orbit point before its step, one array per coordinate.
    double x[kSlots], y[kSlots], x0[kSlots], y0[kSlots];
    // Out, for kPointHit: as a Hit takes them, and the pixel's column and row.
    uint32_t pixel[kSlots], cell[kSlots];
    int32_t px[kSlots], py[kSlots], weight[kSlots], shade[kSlots];
    uint8_t verdict[kSlots];
};

// True when the vector forms can weigh the points of a run with these
// settings: the processor has AVX2, the window suits the fast pixel
// arithmetic and the intensity is at most 1e6. Otherwise every point is to
// be weighed alone.
bool CanWeighTogether(const StepSettings& s);

// The most points the processor weighs at once: 8 (AVX-512), 4 (AVX2) or
// none.
int MostLanesTogether();

// Weighs points first .. first+n-1 of the arrays into the verdicts and
// their values, `lanes` (4, or 8 where MostLanesTogether is 8) at a time;
// the lanes up to the next multiple of `lanes` past the last point are
// weighed too (they may hold anything).
// Only when CanWeighTogether. Raises no floating-point flag, whatever the
// points.
struct PointsToWeigh {
    const double *x, *y, *x0, *y0;
    uint32_t *pixel, *cell;
    int32_t *px, *py, *weight, *shade;
    uint8_t* verdict;
};
void WeighPointsTogether(const StepSettings& s, const PointsToWeigh& p, int n, int lanes);

template <int N>
void WeighPointsTogether(const StepSettings& s, PointBatch<N>& b, int first, int n, int lanes) {
    const PointsToWeigh p{b.x + first,     b.y + first,  b.x0 + first,     b.y0 + first,    b.pixel + first, b.cell + first,
                          b.px + first,    b.py + first, b.weight + first, b.shade + first, b.verdict + first};
    WeighPointsTogether(s, p, n, lanes);
}

}  // namespace zarvo::attractor
