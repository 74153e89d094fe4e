// Computing the pixels of one row on a record and orbit arrays of its own:
// the pure part of a scan that worker threads run. Colouring is not part of
// it; it happens in row order on the thread that owns the picture.
//
// One thing does pass from pixel to pixel: orbit entries `limit` and
// `limit + 1` are never cleared, and a pixel may read them without writing
// them first. A row computed by itself therefore starts from a guess of
// them and reports every pixel whose result could depend on that guess, so
// the scan can check the guess once the rows before are known (see
// carried_orbit.md).
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "pixel_compute.h"
#include "scan_plan.h"

namespace zarvo {

// orbitX[limit], orbitY[limit], orbitX[limit + 1], orbitY[limit + 1].
constexpr int kCarriedEntries = 4;
struct CarriedOrbit {
    double value[kCarriedEntries] = {0, 0, 0, 0};
};
CarriedOrbit CarriedOrbitOf(const double* x, const double* y, int limit);
void PutCarriedOrbit(double* x, double* y, int limit, const CarriedOrbit& carried);
// Bitwise equality of the entries in `mask` (bit k for entry k).
bool SameCarried(const CarriedOrbit& a, const CarriedOrbit& b, unsigned mask);

// A pixel that read carried entries whose values came from the row's guess
// (bit k of a mask stands for carried entry k).
struct GuessedPixel {
    int column = 0;
    unsigned fromGuess = 0;  // entries holding values that came from the guess, before the pixel
    unsigned used = 0;       // the ones of them the pixel read
    unsigned reached = 0;    // every entry the pixel read or rewrote
    CarriedOrbit before;     // carried values the pixel started from
    CarriedOrbit after;      // carried values it left
};

struct RowResult {
    int row = 0;
    int end = 0;           // columns before this one were computed (a faulted pixel included)
    int faultColumn = -1;  // the pixel that raised a fault, or -1
    int faultFlags = 0;
    bool faultInColour = false;  // raised while colouring the pixel, not while computing it
    bool irregular = false;      // a formula reported more than limit + 1 iterations
    std::vector<double> a, b;    // resultA and resultB of every computed pixel
    std::vector<int32_t> count;  // iterationCount of every computed pixel
    // When the plan's blend and channel order colour a pixel by itself
    // (PixelColourer), the rows come coloured: three bytes a pixel, and
    // whether the pixel keeps the colour it had.
    bool coloured = false;
    std::vector<uint8_t> rgb;
    std::vector<uint8_t> keepsColour;
    std::vector<GuessedPixel> guessed;
    unsigned fromGuessAtEnd = 0;
    CarriedOrbit carriedAtEnd;
};

// A record and two orbit arrays for computing pixels, either owned or the
// parameter set's own arrays.
class RowWorkspace {
public:
    explicit RowWorkspace(const ScanPlan& plan);
    RowWorkspace(const ScanPlan& plan, double* x, double* y);
    RowWorkspace(const RowWorkspace&) = delete;
    RowWorkspace& operator=(const RowWorkspace&) = delete;

    FormulaRecord record;
    OrbitBuffer orbit;

private:
    std::vector<double> ownX_, ownY_;
};

// Computes columns first .. end-1 of `row` with `formula`, starting from
// the carried values `start`, of which the entries in `fromGuess` are only
// guessed, and colours them when it can. Stops after a pixel that raised a
// fault and, when `stop` is given, as soon as it is set.
void ComputeRow(const ScanPlan& plan, zarvo_formula_fn formula, RowWorkspace& ws, int row, int first, int end,
                const CarriedOrbit& start, unsigned fromGuess, const std::atomic<bool>* stop, RowResult& out);

}  // namespace zarvo
