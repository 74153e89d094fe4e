#include "worker_rows.h"

#include <algorithm>
#include <future>

#include "fp_fault.h"

namespace zarvo {

WorkerRows::WorkerRows(ParameterSet& ps, ColourScratch& colour, const ScanPlan& plan, zarvo_formula_fn formula,
                       int threads)
    : ps_(ps),
      colour_(colour),
      plan_(plan),
      formula_(formula),
      rows_(plan, formula, threads, CarriedOrbitOf(ps.orbitStoreX.data(), ps.orbitStoreY.data(), plan.limit)),
      outer_(ps.scanWorkers) {
    ps.scanWorkers = &rows_;
}

WorkerRows::~WorkerRows() { ps_.scanWorkers = outer_; }

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
// The record's per-pixel values and the orbit arrays are left as the
// one-thread scan leaves them (the carried entries reach the next scan) by
// computing pixels of the last row once more, on arrays of their own.
void WorkerRows::finish(int row, int column, bool coloured, OrbitBuffer& orbit, const std::function<bool()>& waiting) {
    rows_.stop();
    catchUpScratch();
    RowWorkspace space(plan_);
    RowResult replayed;
    // A scan that ends with a whole row (as it does when stopped while it
    // waits for the next) needs only the row's last pixel, when that pixel
    // reads none of the carried entries: they then hold what the row left.
    bool done = false;
    if (column == plan_.width - 1) {
        const FpStateGuard keep;
        ComputeRow(plan_, formula_, space, row, column, column + 1, rows_.carriedAfter(), (1u << kCarriedEntries) - 1,
                   nullptr, replayed);
        done = replayed.guessed.empty();
        if (done) PutCarriedOrbit(space.orbit.x(), space.orbit.y(), plan_.limit, rows_.carriedAfter());
    }
    if (!done) {
        // The whole row up to the pixel: that can take as long as a row, so
        // on a thread of its own while this one goes on handling events.
        std::future<void> replay = std::async(std::launch::async, [&] {
            ComputeRow(plan_, formula_, space, row, 0, column + 1, rows_.carriedBefore(), 0, nullptr, replayed);
        });
        bool ours = waiting();
        while (ours && replay.wait_for(workerWaitSlice) == std::future_status::timeout) ours = waiting();
        replay.wait();
        if (!ours) return;
    }

    const FormulaRecord& r = space.record;
    ps_.cRe = r.cRe;
    ps_.cIm = r.cIm;
    ps_.zRe = r.zRe;
    ps_.zIm = r.zIm;
    ps_.iterationCount = r.iterationCount;
    ps_.scratch[0] = r.scratch[0];
    ps_.scratch[1] = r.scratch[1];
    ps_.orbitX = ps_.orbitStoreX.data();
    ps_.orbitY = ps_.orbitStoreY.data();
    // A coloured pixel's results were scaled by intensity in the record.
    if (!coloured) {
        ps_.resultA = r.resultA;
        ps_.resultB = r.resultB;
    }
    // Nothing reads or writes the arrays past entry limit + 1 on these rows.
    const size_t written = static_cast<size_t>(plan_.limit) + 2;
    std::copy_n(space.orbit.x(), written, ps_.orbitStoreX.data());
    std::copy_n(space.orbit.y(), written, ps_.orbitStoreY.data());
    orbit.forget();
}

}  // namespace zarvo
