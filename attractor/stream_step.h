// One sample stream of an attractor run: the orbit, its random generator and
// the few values that drift along it, advanced step by step. The step reads
// the run's settings (a snapshot of the parameter set taken when the steps
// begin) and hands every plotted point to a sink, which decides what a hit
// does: the single sequence of the view paints the picture at once, a
// stream on a worker thread collects its hits for the shared counters.
//
// The arithmetic is the view's drawing loop exactly: the same expressions,
// in the same precision and order (see algorithms.md), whatever the sink.
#pragma once

#include <algorithm>
#include <cstdint>

#include "fp_fault.h"
#include "formula_math.h"
#include "map_state.h"
#include "parameter_set.h"
#include "plot_weight.h"
#include "uniform_random.h"

namespace zarvo::attractor {

// What one stream carries from step to step.
struct StreamState {
    MapState map;
    UniformRandom random;
    int32_t stepCount = 0;     // wraps after 2^32 steps; read unsigned for the 1000-step rhythm
    int64_t colourCycle = 0;   // advanced every 1000 steps
    double AA = 0.0;           // A, drifting when Modulas is on
    double zRe = 0.0;          // the last point put through PointToPixel
    double zIm = 0.0;
    int64_t lastPixel = -1;    // picture pixel of the last plotted point, -1 when none
};

// The variations as bits, in the order of the chain.
enum VariationBit : unsigned {
    kSpherical = 1u << 0,
    kSwirl = 1u << 1,
    kSinusoidal = 1u << 2,
    kPolar = 1u << 3,
    kHorseshoe = 1u << 4,
    kLinear = 1u << 5,
    kBent = 1u << 6,
    kNone = 1u << 7,
    kInversion = 1u << 8,
};
unsigned VariationBits(const ParameterSet& ps);

// What the steps read besides the stream: fixed while they run.
struct StepSettings {
    // gridWidth x gridHeight: the counters; limitWidth x limitHeight: the
    // pixels that can be plotted (the counters and the picture both have
    // them).
    StepSettings(const ParameterSet& ps, int gridWidth, int gridHeight, int limitWidth, int limitHeight,
                 int oversample, bool plotEnabled);

    FormulaStep formula;
    double B;
    const double* af;  // the parameter set's table, read only
    int32_t mapCount;
    bool modulas, expansion;
    double factor1;  // hit weight
    double factor2;  // variation weight
    unsigned variations;
    PlotWindow window;          // the plot window and the picture it is divided into
    int gridWidth, gridHeight;  // the counters, one per pixel
    int plotWidth, plotHeight;      // a point beyond these pixels is not plotted
    int oversample;                 // hit-grid cells per pixel side, 1..4
    bool plotEnabled;
};

// A new random point with |x|, |y| below 15 and W := 0: the restart of an
// escaping orbit, and the start of every stream but the first.
inline void RestartOrbit(StreamState& st) {
    using namespace fm;
    MapState& m = st.map;
    const double r = D(st.random.uniform() * 14.99L + 0.01L);
    m.x = D(r * Cos(st.random.uniform() * LD(constPI)));
    m.y = D(r * Sin(LD(m.x) * constPI));
    m.W = 0.0;
}

// One plotted point inside the picture, as a sink takes it.
struct Hit {
    uint32_t pixel;  // py * gridWidth + px
    uint32_t cell;   // cell of the oversampled hit grid
    int32_t weight;  // what the point adds to its pixel's counter
    uint32_t shade;  // colour coordinate 0..255 (the log-density mapping)
};

template <class Sink>
class Stepper {
public:
    Stepper(const StepSettings& s, StreamState& st, Sink& sink) : s_(s), st_(st), sink_(sink) {}

    // Map choice, MapStep, variations and plots, stepCount + 1.
    void IterateOnce() {
        ChooseMap();
        MapStep();
        ApplyVariations();
        st_.stepCount = static_cast<int32_t>(static_cast<uint32_t>(st_.stepCount) + 1u);
    }

    void ChooseMap() {
        const int32_t n = s_.mapCount;
        if (n >= 1 && n <= 3) {
            // r := round(u * n * 20), ties to even, with u = k / 2^53 from
            // the generator: k * n * 20 is below 2^59, so it is exact in 64
            // bits (as in extended precision), and so are the comparisons
            // r < 19 (u * n * 20 <= 18.5) and r >= 39 (above 38.5).
            const uint64_t m = (st_.random.next() >> 11) * static_cast<uint64_t>(n * 20);
            st_.map.j = m <= (uint64_t{37} << 52) ? 0 : (m > (uint64_t{77} << 52) ? 39 : 19);
        } else {
            const int32_t r = st_.map.j;
            st_.map.j = r < 19 ? 0 : (r >= 39 ? 39 : 19);
        }
    }

    void MapStep() {
        using namespace fm;
        MapState& m = st_.map;
        if (static_cast<uint32_t>(st_.stepCount) % 1000u == 0) {
            if (s_.modulas) {
                const LD a = st_.AA;
                st_.AA = D(a - 0.0002L * Sin(a));
            }
            ++st_.colourCycle;
        }
        if (s_.expansion) {
            const LD x = m.x, y = m.y;
            m.x = D(x - x / (20000 * Sqrt(Sq(x) + Sq(y))));
        }
        const MapInputs in{st_.AA, s_.B, s_.af};
        m.x0 = m.x;
        m.y0 = m.y;
        s_.formula(m, in);
        ReseedIfDiverged();
    }

    void ReseedIfDiverged() {
        using namespace fm;
        // Well inside: (x^2 + 0.0001 + y^2)^2 < 1e12 needs no extended
        // arithmetic. (A NaN fails the test, as the one below.)
        if (std::fabs(st_.map.x) < 500 && std::fabs(st_.map.y) < 500) return;
        const LD x = st_.map.x, y = st_.map.y;
        const LD sq = Sq(Sq(x) + 0.0001L + Sq(y));
        if (sq > 1e12L || sq < 1e-20L) RestartOrbit(st_);
    }

    void ApplyVariations();

    // Picture pixel of a plane point (also left in zRe, zIm); false when it
    // falls outside the picture.
    bool PointToPixel(double x, double y, int& px, int& py) {
        PlotPosition p;
        const bool inside = PointToPixel(x, y, p);
        px = p.px;
        py = p.py;
        return inside;
    }
    bool PointToPixel(double x, double y, PlotPosition& p) {
        st_.zRe = x;
        st_.zIm = y;
        return PlotPixel(s_.window, x, y, p);
    }

    void PlotPoint(double x, double y) {
        st_.map.x = x;
        st_.map.y = y;
        PlotPosition p;
        if (!s_.plotEnabled || !PointToPixel(x, y, p)) return;
        const int px = p.px, py = p.py;
        if (px >= s_.plotWidth || py >= s_.plotHeight) return;  // counters not made for this size
        const PlotWeight w = WeighPlot(x, y, st_.map.x0, st_.map.y0, s_.factor1);
        Hit hit;
        hit.pixel = static_cast<uint32_t>(py) * static_cast<uint32_t>(s_.gridWidth) + static_cast<uint32_t>(px);
        hit.cell = s_.oversample == 1 ? hit.pixel : HitCell(p, s_.gridWidth, s_.oversample);
        hit.weight = w.weight;
        hit.shade = w.shade;
        st_.lastPixel = hit.pixel;
        sink_.take(hit, px, py, st_.colourCycle);
    }

private:
    const StepSettings& s_;
    StreamState& st_;
    Sink& sink_;
};

template <class Sink>
void Stepper<Sink>::ApplyVariations() {
    using namespace fm;
    constexpr LD kEps = 1e-12L;
    // atan(x / y) of Polar and Horseshoe; 0 at the origin.
    const auto nearOrigin = [](double x, double y) { return std::fabs(x) <= 1e-20 && std::fabs(y) <= 1e-20; };

    const unsigned on = s_.variations;
    if (on == kNone) {  // the default chain, which moves nothing
        PlotPoint(st_.map.x, st_.map.y);
        return;
    }
    const double xsave = st_.map.x, ysave = st_.map.y;
    const LD w = s_.factor2;
    double x = xsave, y = ysave;
    auto moveTo = [&](LD nx, LD ny) {
        x = D(nx);
        y = D(ny);
        PlotPoint(x, y);
    };
    if (on & kSpherical) {
        const double r2 = D(Sq(x) + kEps + Sq(y));
        moveTo(x + w * (x / LD(r2)), y + w * (y / LD(r2)));
    }
    if (on & kSwirl) {
        const double r2 = D(Sq(x) + kEps + Sq(y));
        double s, c;
        SinCosAsDoubles(r2, s, c);
        moveTo(x + w * (LD(s) * x - LD(c) * y), y + w * (LD(c) * x + LD(s) * y));
    }
    if (on & kSinusoidal) moveTo(SinusoidalStep(x, w), SinusoidalStep(y, w));
    if (on & kPolar) {
        const double t = nearOrigin(x, y) ? 0.0 : D(Atan(LD(x) / y) / constPI);
        moveTo(x + w * t, y + w * (Sqrt(Sq(x) + kEps + Sq(y)) - 1));
    }
    if (on & kHorseshoe) {
        const double t = nearOrigin(x, y) ? 0.0 : D(Atan(LD(x) / y));
        double s, c;
        SinCosAsDoubles(t, s, c);
        moveTo(x + w * (LD(s) * x - LD(c) * y), y + w * (LD(c) * x + LD(s) * y));
    }
    if (on & kLinear) moveTo(x + w * x, y + w * y);
    if (on & kBent) {
        const double bx = x < 0 ? D(2 * LD(x)) : x;
        const double by = y < 0 ? D(LD(y) / 2) : y;
        moveTo(x + w * bx, y + w * by);
    }
    if (on & kNone) PlotPoint(x, y);
    if (on & kInversion) {
        const double r2 = D(Sq(x) + Sq(y));
        moveTo(x + (x / LD(r2)) / (kEps + w), y + (y / LD(r2)) / (kEps + w));
    }
    st_.map.x = xsave;
    st_.map.y = ysave;
}

// The most points one step plots: one per variation.
constexpr int kMostPlotsPerStep = 9;

// The hits of a few steps, held back until the steps are known to be free
// of floating-point faults.
struct HitBatch {
    static constexpr int kSteps = 32;
    struct Entry {
        Hit hit;
        int32_t px, py;
        int64_t colourCycle;
    };
    Entry entries[kSteps * kMostPlotsPerStep];
    int count = 0;

    void take(const Hit& h, int px, int py, int64_t colourCycle) {
        Entry& e = entries[count++];  // field by field, as BufferSink does
        e.hit.pixel = h.pixel;
        e.hit.cell = h.cell;
        e.hit.weight = h.weight;
        e.hit.shade = h.shade;
        e.px = px;
        e.py = py;
        e.colourCycle = colourCycle;
    }
    template <class Sink>
    void handTo(Sink& sink) {
        for (int i = 0; i < count; ++i) {
            const Entry& e = entries[i];
            sink.take(e.hit, e.px, e.py, e.colourCycle);
        }
        count = 0;
    }
};

// Up to `steps` steps of a stream, their hits handed to `sink` in order;
// returns the steps taken. A step that raises a floating-point fault
// (division by zero, overflow, invalid) is the last one taken: its hits and
// the ones before reach the sink, `faulted` is set and the fault flags are
// left raised. The flags are tested once per batch of steps rather than
// after every step (reading them stalls the pipeline); a batch that raised
// one is taken again from its start, step by step, so the outcome is that
// of testing after every step. The caller clears the flags before.
template <class Sink>
int64_t RunCheckedSteps(const StepSettings& settings, StreamState& st, int64_t steps, Sink& sink, bool& faulted) {
    HitBatch batch;
    Stepper<HitBatch> stepper(settings, st, batch);
    faulted = false;
    int64_t done = 0;
    while (done < steps) {
        const int64_t n = std::min<int64_t>(HitBatch::kSteps, steps - done);
        const StreamState start = st;
        for (int64_t i = 0; i < n; ++i) stepper.IterateOnce();
        if (!fm::FaultRaised()) {
            batch.handTo(sink);
            done += n;
            continue;
        }
        st = start;
        batch.count = 0;
        ClearFaults();
        for (int64_t i = 0; i < n; ++i) {
            stepper.IterateOnce();
            ++done;
            if (fm::FaultRaised()) {
                faulted = true;
                break;
            }
        }
        batch.handTo(sink);
        if (faulted) break;
    }
    return done;
}

}  // namespace zarvo::attractor
