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
#include "plot_batch.h"
#include "plot_weight.h"
#include "uniform_random.h"

namespace zarvo::attractor {

// What one stream carries from step to step. On cache lines of its own:
// neighbouring streams run on different threads and write their states at
// every step, which on a shared line would pass it from core to core at
// every step.
struct alignas(64) StreamState {
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
    int variationCount;  // the variations on: the points a step plots
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

// The pixel and the weight of a plotted point (x, y) of the step from
// (x0, y0): false when it falls outside the picture or beyond the counters
// made for it.
inline bool WeighPoint(const StepSettings& s, double x, double y, double x0, double y0, PlotPosition& p,
                       PlotWeight& w) {
    if (!PlotPixel(s.window, x, y, p)) return false;
    if (p.px >= s.plotWidth || p.py >= s.plotHeight) return false;  // counters not made for this size
    w = WeighPlot(x, y, x0, y0, s.factor1);
    return true;
}

// The hit of a point inside the picture.
inline void HitOf(const StepSettings& s, const PlotPosition& p, const PlotWeight& w, Hit& hit) {
    hit.pixel = static_cast<uint32_t>(p.py) * static_cast<uint32_t>(s.gridWidth) + static_cast<uint32_t>(p.px);
    hit.cell = s.oversample == 1 ? hit.pixel : HitCell(p, s.gridWidth, s.oversample);
    hit.weight = w.weight;
    hit.shade = w.shade;
}

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

    // N steps (HitBatch only): the N map steps one after the other, then the
    // N chains of variations side by side. A chain depends only on its map
    // point, so the chains of consecutive steps can run at the same time;
    // written side by side, the processor overlaps them. The hits are
    // exactly those of N single steps, in the same order.
    template <int N>
    void IterateTogether();

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
        if (!s_.plotEnabled) return;
        st_.zRe = x;
        st_.zIm = y;
        if constexpr (Sink::kTakesPoints) {
            // Weighed later, a batch at a time.
            sink_.point(x, y, st_.map.x0, st_.map.y0, st_.colourCycle);
        } else {
            PlotPosition p;
            PlotWeight w;
            if (!WeighPoint(s_, x, y, st_.map.x0, st_.map.y0, p, w)) return;
            Hit hit;
            HitOf(s_, p, w, hit);
            st_.lastPixel = hit.pixel;
            sink_.take(hit, p.px, p.py, st_.colourCycle);
        }
    }

private:
    // The chain of enabled variations from the points x[k], y[k] (k < N),
    // each lane a chain of its own; plot(k, v, x, y) takes the point of
    // lane k after its v-th enabled variation.
    template <int N, class Plot>
    void Chains(double (&x)[N], double (&y)[N], Plot plot);

    const StepSettings& s_;
    StreamState& st_;
    Sink& sink_;
};

template <class Sink>
template <int N, class Plot>
void Stepper<Sink>::Chains(double (&x)[N], double (&y)[N], Plot plot) {
    using namespace fm;
    constexpr LD kEps = 1e-12L;
    // atan(x / y) of Polar and Horseshoe; 0 at the origin.
    const auto nearOrigin = [](double x, double y) { return std::fabs(x) <= 1e-20 && std::fabs(y) <= 1e-20; };

    const unsigned on = s_.variations;
    // The weight as a double, converted where it is used: an extended copy
    // would be stored and reloaded in ten bytes around every call, which is slow.
    const double wd = s_.factor2;
    int v = 0;  // the variations done
    auto moveTo = [&](int k, LD nx, LD ny) {
        x[k] = D(nx);
        y[k] = D(ny);
        plot(k, v, x[k], y[k]);
    };
    if (on & kSpherical) {
        for (int k = 0; k < N; ++k) {
            const double r2 = D(Sq(x[k]) + kEps + Sq(y[k]));
            moveTo(k, x[k] + LD(wd) * (x[k] / LD(r2)), y[k] + LD(wd) * (y[k] / LD(r2)));
        }
        ++v;
    }
    if (on & kSwirl) {
        for (int k = 0; k < N; ++k) {
            const double r2 = D(Sq(x[k]) + kEps + Sq(y[k]));
            double s, c;
            SinCosAsDoubles(r2, s, c);
            moveTo(k, x[k] + LD(wd) * (LD(s) * x[k] - LD(c) * y[k]), y[k] + LD(wd) * (LD(c) * x[k] + LD(s) * y[k]));
        }
        ++v;
    }
    if (on & kSinusoidal) {
        for (int k = 0; k < N; ++k) moveTo(k, SinusoidalStep(x[k], wd), SinusoidalStep(y[k], wd));
        ++v;
    }
    if (on & kPolar) {
        for (int k = 0; k < N; ++k) {
            const double t = nearOrigin(x[k], y[k]) ? 0.0 : PolarAngle(x[k], y[k]);
            moveTo(k, x[k] + LD(wd) * t, y[k] + LD(wd) * (Sqrt(Sq(x[k]) + kEps + Sq(y[k])) - 1));
        }
        ++v;
    }
    if (on & kHorseshoe) {
        for (int k = 0; k < N; ++k) {
            double s, c;
            if (nearOrigin(x[k], y[k]))
                SinCosAsDoubles(0.0, s, c);
            else
                HorseshoeSinCos(x[k], y[k], s, c);
            moveTo(k, x[k] + LD(wd) * (LD(s) * x[k] - LD(c) * y[k]), y[k] + LD(wd) * (LD(c) * x[k] + LD(s) * y[k]));
        }
        ++v;
    }
    if (on & kLinear) {
        for (int k = 0; k < N; ++k) moveTo(k, x[k] + LD(wd) * x[k], y[k] + LD(wd) * y[k]);
        ++v;
    }
    if (on & kBent) {
        for (int k = 0; k < N; ++k) {
            const double bx = x[k] < 0 ? D(2 * LD(x[k])) : x[k];
            const double by = y[k] < 0 ? D(LD(y[k]) / 2) : y[k];
            moveTo(k, x[k] + LD(wd) * bx, y[k] + LD(wd) * by);
        }
        ++v;
    }
    if (on & kNone) {
        for (int k = 0; k < N; ++k) plot(k, v, x[k], y[k]);
        ++v;
    }
    if (on & kInversion) {
        for (int k = 0; k < N; ++k) {
            const double r2 = D(Sq(x[k]) + Sq(y[k]));
            moveTo(k, x[k] + (x[k] / LD(r2)) / (kEps + LD(wd)), y[k] + (y[k] / LD(r2)) / (kEps + LD(wd)));
        }
        ++v;
    }
}

template <class Sink>
void Stepper<Sink>::ApplyVariations() {
    if (s_.variations == kNone) {  // the default chain, which moves nothing
        PlotPoint(st_.map.x, st_.map.y);
        return;
    }
    const double xsave = st_.map.x, ysave = st_.map.y;
    double x[1] = {xsave}, y[1] = {ysave};
    Chains(x, y, [this](int, int, double px, double py) { PlotPoint(px, py); });
    st_.map.x = xsave;
    st_.map.y = ysave;
}

template <class Sink>
template <int N>
void Stepper<Sink>::IterateTogether() {
    static_assert(Sink::kTakesPoints);
    double x[N], y[N], x0[N], y0[N];
    int64_t cycle[N];
    for (int k = 0; k < N; ++k) {
        ChooseMap();
        MapStep();
        st_.stepCount = static_cast<int32_t>(static_cast<uint32_t>(st_.stepCount) + 1u);
        x[k] = st_.map.x;
        y[k] = st_.map.y;
        x0[k] = st_.map.x0;
        y0[k] = st_.map.y0;
        cycle[k] = st_.colourCycle;
    }
    const int perStep = s_.variationCount;
    if (perStep == 0) return;
    if (!s_.plotEnabled) {  // nothing plotted, but a fault in the chain still ends the run
        Chains(x, y, [](int, int, double, double) {});
        return;
    }
    const int first = sink_.count;
    double lastX = 0, lastY = 0;
    const auto plot = [&](int k, int v, double px, double py) {
        sink_.pointAt(first + k * perStep + v, px, py, x0[k], y0[k], cycle[k]);
        lastX = px;  // the last lane's last point comes last
        lastY = py;
    };
    Chains(x, y, plot);
    sink_.count = first + N * perStep;
    st_.zRe = lastX;
    st_.zIm = lastY;
}

// The most points one step plots: one per variation.
constexpr int kMostPlotsPerStep = 9;

// The plotted points of a few steps and their hits, held back until the
// steps are known to be free of floating-point faults. The points are
// weighed four or eight at a time as soon as that many are waiting, so
// that the weighing overlaps the steps that follow (it does not depend on
// them); the points the vector forms leave alone are weighed when the
// steps are done.
struct HitBatch {
    static constexpr bool kTakesPoints = true;
    static constexpr int kSteps = 32;
    static constexpr int kCapacity = kSteps * kMostPlotsPerStep;

    explicit HitBatch(const StepSettings& s)
        : settings(s), lanes(CanWeighTogether(s) ? MostLanesTogether() : 0), together(lanes > 0) {}
    const StepSettings& settings;
    const int lanes;                 // points the vector forms weigh at once
    const bool together;             // the vector forms can run
    PointBatch<kCapacity> points;
    int64_t cycle[kCapacity];
    int count = 0;   // points taken
    int weighed = 0;  // points weighed together so far (whole groups of lanes)

    void point(double x, double y, double x0, double y0, int64_t colourCycle) {
        pointAt(count++, x, y, x0, y0, colourCycle);
    }
    void pointAt(int i, double x, double y, double x0, double y0, int64_t colourCycle) {
        points.x[i] = x;
        points.y[i] = y;
        points.x0[i] = x0;
        points.y0[i] = y0;
        cycle[i] = colourCycle;
    }
    // Weighs the whole groups of lanes waiting, and has the sink fetch the
    // memory their hits will touch: counters and cells at random places of
    // large grids, reached only when the batch is handed over, many steps
    // later.
    // Every hit has the sink fetch the memory it will touch (counters and
    // cells at random places of large grids) as soon as it is known, long
    // before the batch is handed over, and only once.
    template <class Sink>
    void weighSome(const Sink& sink) {
        if (!together || count - weighed < lanes) return;
        const int n = (count - weighed) & -lanes;
        WeighPointsTogether(settings, points, weighed, n, lanes);
        prefetchHits(sink, weighed, weighed + n);
        weighed += n;
    }
    // Weighs every point taken: after this, the verdicts say which are hits.
    template <class Sink>
    void weigh(const Sink& sink) {
        if (together && count > weighed) {
            // The lanes up to the next group are weighed too: they get
            // harmless values instead of whatever the slots held.
            const int end = weighed + ((count - weighed + lanes - 1) & -lanes);
            for (int i = count; i < end; ++i) points.x[i] = points.y[i] = points.x0[i] = points.y0[i] = 0.0;
            WeighPointsTogether(settings, points, weighed, count - weighed, lanes);
            prefetchHits(sink, weighed, count);
            weighed = count;
        }
        PointBatch<kCapacity>& b = points;
        for (int i = together ? 0 : weighed; i < count; ++i) {
            if (together && b.verdict[i] != kPointAlone) continue;
            PlotPosition p;
            PlotWeight w;
            const bool inside = WeighPoint(settings, b.x[i], b.y[i], b.x0[i], b.y0[i], p, w);
            b.verdict[i] = inside ? kPointHit : kPointOutside;
            if (!inside) continue;
            Hit hit;
            HitOf(settings, p, w, hit);
            b.pixel[i] = hit.pixel;
            b.cell[i] = hit.cell;
            b.px[i] = p.px;
            b.py[i] = p.py;
            b.weight[i] = hit.weight;
            b.shade[i] = static_cast<int32_t>(hit.shade);
            sink.prefetch(hit, p.px, p.py);
        }
        weighed = count;
    }
    void clear() { count = weighed = 0; }
    // The hits of the weighed points, in the order of the points.
    template <class Sink>
    void handTo(Sink& sink, StreamState& st) {
        const PointBatch<kCapacity>& b = points;
        int hits = 0;
        for (int i = 0; i < count; ++i) {
            if (b.verdict[i] != kPointHit) continue;
            Hit& hit = made[hits];
            hit.pixel = b.pixel[i];
            hit.cell = b.cell[i];
            hit.weight = b.weight[i];
            hit.shade = static_cast<uint32_t>(b.shade[i]);
            from[hits++] = i;
        }
        sink.takeAll(made, from, hits, b.px, b.py, cycle);
        if (hits > 0) st.lastPixel = made[hits - 1].pixel;
        clear();
    }

private:
    template <class Sink>
    void prefetchHits(const Sink& sink, int first, int end) const {
        for (int i = first; i < end; ++i) {
            if (points.verdict[i] == kPointHit)
                sink.prefetch(Hit{points.pixel[i], points.cell[i], 0, 0}, points.px[i], points.py[i]);
        }
    }

    Hit made[kCapacity];
    int from[kCapacity];
};

// Steps whose chains of variations run side by side (see IterateTogether).
constexpr int kStepsTogether = 4;

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
    HitBatch batch(settings);
    Stepper<HitBatch> stepper(settings, st, batch);
    faulted = false;
    int64_t done = 0;
    while (done < steps) {
        const int64_t n = std::min<int64_t>(HitBatch::kSteps, steps - done);
        const StreamState start = st;
        int64_t i = 0;
        for (; i + kStepsTogether <= n; i += kStepsTogether) {
            stepper.template IterateTogether<kStepsTogether>();
            batch.weighSome(sink);
        }
        for (; i < n; ++i) stepper.IterateOnce();
        batch.weigh(sink);
        if (!fm::FaultRaised()) {
            batch.handTo(sink, st);
            done += n;
            continue;
        }
        st = start;
        batch.clear();
        ClearFaults();
        for (int64_t i = 0; i < n; ++i) {
            stepper.IterateOnce();
            batch.weigh(sink);
            ++done;
            if (fm::FaultRaised()) {
                faulted = true;
                break;
            }
        }
        batch.handTo(sink, st);
        if (faulted) break;
    }
    return done;
}

}  // namespace zarvo::attractor
