#include "worker_rows.h"

#include "fp_fault.h"

namespace zarvo {

WorkerRows::WorkerRows(ParameterSet& ps, ColourScratch& colour, const ScanPlan& plan, zarvo_formula_fn formula,
                       int threads)
    : ps_(ps),
      colour_(colour),
      plan_(plan),
      formula_(formula),
      rows_(plan, formula, threads, CarriedOrbitOf(ps.orbitStoreX.data(), ps.orbitStoreY.data(), plan.limit)) {}

int WorkerRows::computed(int column) {
    if (column == row_->faultColumn && !row_->faultInColour) return row_->faultFlags;
    const size_t c = static_cast<size_t>(column);
    ps_.resultA = row_->a[c];
    ps_.resultB = row_->b[c];
    ps_.iterationCount = row_->count[c];
    return 0;
}

bool WorkerRows::coloured(int column, int& faults) {
    if (!row_->coloured) return false;
    const size_t c = static_cast<size_t>(column);
    const uint8_t* rgb = &row_->rgb[3 * c];
    if (!row_->keepsColour[c] && ps_.workBitmap.contains(column, row_->row))
        ps_.workBitmap.set(column, row_->row, rgb[0], rgb[1], rgb[2]);
    faults = column == row_->faultColumn ? row_->faultFlags : 0;
    scratchBehind_ = true;
    lastA_ = ps_.resultA;
    lastB_ = ps_.resultB;
    return true;
}

void WorkerRows::catchUpScratch() {
    if (!scratchBehind_) return;
    const FpStateGuard keep;
    SilentReporter quiet;
    ps_.resultA = lastA_;
    ps_.resultB = lastB_;
    BlendMethods(ps_, colour_, quiet);
    scratchBehind_ = false;
}

void WorkerRows::handOver(OrbitBuffer& orbit) {
    PutCarriedOrbit(ps_.orbitStoreX.data(), ps_.orbitStoreY.data(), plan_.limit, rows_.carriedBefore());
    orbit.forget();
    catchUpScratch();
}

// The workers computed the pixels on records and orbit arrays of their own.
// The pixels of the last row up to the last one are computed once more on
// the parameter set's orbit arrays, so that the record's per-pixel values
// and the orbit arrays are left as the one-thread scan leaves them (the
// carried entries reach the next scan).
void WorkerRows::finish(int row, int column, bool coloured, OrbitBuffer& orbit) {
    rows_.stop();
    catchUpScratch();
    const FpStateGuard keep;
    RowWorkspace space(plan_, ps_.orbitStoreX.data(), ps_.orbitStoreY.data());
    RowResult replayed;
    ComputeRow(plan_, formula_, space, row, 0, column + 1, rows_.carriedBefore(), 0, nullptr, replayed);
    const FormulaRecord& r = space.record;
    ps_.cRe = r.cRe;
    ps_.cIm = r.cIm;
    ps_.zRe = r.zRe;
    ps_.zIm = r.zIm;
    ps_.iterationCount = r.iterationCount;
    ps_.scratch[0] = r.scratch[0];
    ps_.scratch[1] = r.scratch[1];
    ps_.orbitX = r.orbitX;
    ps_.orbitY = r.orbitY;
    // A coloured pixel's results were scaled by intensity in the record.
    if (!coloured) {
        ps_.resultA = r.resultA;
        ps_.resultB = r.resultB;
    }
    orbit.forget();
}

}  // namespace zarvo
