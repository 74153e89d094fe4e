#include "row_compute.h"

#include <cstring>

#include "colouring.h"
#include "fp_fault.h"
#include "render_orbit.h"

namespace zarvo {

namespace {

// Put into the carried entries before the formula runs, to see which of
// them it writes: a signalling NaN that no arithmetic produces.
constexpr uint64_t kUnwrittenBits = 0x7ff4'5a52'564f'0001ull;

uint64_t Bits(double v) {
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

double Unwritten() {
    double v;
    std::memcpy(&v, &kUnwrittenBits, sizeof v);
    return v;
}

struct CarriedSlots {
    double* at[kCarriedEntries];
    CarriedSlots(double* x, double* y, int limit) : at{x + limit, y + limit, x + limit + 1, y + limit + 1} {}
    CarriedOrbit values() const {
        CarriedOrbit c;
        for (int k = 0; k < kCarriedEntries; ++k) c.value[k] = *at[k];
        return c;
    }
};

}  // namespace

CarriedOrbit CarriedOrbitOf(const double* x, const double* y, int limit) {
    return CarriedSlots(const_cast<double*>(x), const_cast<double*>(y), limit).values();
}

void PutCarriedOrbit(double* x, double* y, int limit, const CarriedOrbit& carried) {
    CarriedSlots slots(x, y, limit);
    for (int k = 0; k < kCarriedEntries; ++k) *slots.at[k] = carried.value[k];
}

bool SameCarried(const CarriedOrbit& a, const CarriedOrbit& b, unsigned mask) {
    for (int k = 0; k < kCarriedEntries; ++k)
        if ((mask >> k & 1u) != 0 && Bits(a.value[k]) != Bits(b.value[k])) return false;
    return true;
}

RowWorkspace::RowWorkspace(const ScanPlan& plan)
    : record(plan.record),
      orbit(nullptr, nullptr),
      ownX_(static_cast<size_t>(orbitCapacity), 0.0),
      ownY_(static_cast<size_t>(orbitCapacity), 0.0) {
    orbit = OrbitBuffer(ownX_.data(), ownY_.data());
}

RowWorkspace::RowWorkspace(const ScanPlan& plan, double* x, double* y) : record(plan.record), orbit(x, y) {}

void ComputeRow(const ScanPlan& plan, zarvo_formula_fn formula, RowWorkspace& ws, int row, int first, int end,
                const CarriedOrbit& start, unsigned fromGuess, const std::atomic<bool>* stop, RowResult& out) {
    const size_t width = static_cast<size_t>(plan.width);
    out.row = row;
    out.end = first;
    out.faultColumn = -1;
    out.faultFlags = 0;
    out.irregular = false;
    out.faultInColour = false;
    out.guessed.clear();
    out.a.resize(width);
    out.b.resize(width);
    out.count.resize(width);
    const PixelColourer colourer(plan.record);
    out.coloured = colourer.usable();
    if (out.coloured) {
        out.rgb.resize(3 * width);
        out.keepsColour.resize(width);
    }

    const int limit = plan.limit;
    const CarriedSlots slots(ws.orbit.x(), ws.orbit.y(), limit);
    PutCarriedOrbit(ws.orbit.x(), ws.orbit.y(), limit, start);
    const double unwritten = Unwritten();
    FormulaRecord& rec = ws.record;

    ClearFaults();
    for (int column = first; column < end; ++column) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) break;
        plan.startPixel(rec, column, row);
        const CarriedOrbit before = slots.values();
        for (double* p : slots.at) *p = unwritten;
        RunFormula(rec, ws.orbit, [formula](FormulaRecord& r) { formula(&r); });

        unsigned written = 0;
        for (int k = 0; k < kCarriedEntries; ++k) {
            if (Bits(*slots.at[k]) != kUnwrittenBits) written |= 1u << k;
            else *slots.at[k] = before.value[k];
        }
        // The transform and the render method read and may rewrite points
        // 0 .. n; a count beyond limit + 1 reaches entries nothing tracks.
        const int n = std::clamp<int>(rec.iterationCount, 0, orbitCapacity - 1);
        if (rec.iterationCount > limit + 1) out.irregular = true;
        const unsigned reached = (n >= limit ? 0x3u : 0u) | (n >= limit + 1 ? 0xcu : 0u);
        const unsigned used = fromGuess & ~written & reached;

        RenderOrbit(rec, plan.transformMode);

        if (used != 0) {
            out.guessed.push_back(GuessedPixel{column, fromGuess, used, reached, before, slots.values()});
            // What it rewrote may now depend on the guess as well.
            fromGuess = (fromGuess & ~written) | reached;
        } else {
            fromGuess &= ~written;
        }
        const size_t c = static_cast<size_t>(column);
        out.a[c] = rec.resultA;
        out.b[c] = rec.resultB;
        out.count[c] = rec.iterationCount;
        out.end = column + 1;
        int faults = PendingFaultFlags();
        if (faults == 0 && out.coloured) {
            out.keepsColour[c] = !colourer.colour(rec.resultA, rec.resultB, &out.rgb[3 * c]);
            faults = PendingFaultFlags();
            out.faultInColour = faults != 0;
        }
        if (faults != 0) {
            out.faultColumn = column;
            out.faultFlags = faults;
            break;
        }
    }
    out.fromGuessAtEnd = fromGuess;
    out.carriedAtEnd = slots.values();
}

}  // namespace zarvo
