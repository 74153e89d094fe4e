// The side of a scan that takes rows from the worker threads (RowScan): a
// pixel's results and colour go from the row into the record and the
// picture, and when the scan ends the record, the colour scratch and the
// orbit arrays are left as a one-thread scan leaves them.
#pragma once

#include <chrono>
#include <functional>

#include "colouring.h"
#include "pixel_compute.h"
#include "row_scan.h"

namespace zarvo {

// The longest the scan's thread waits for the workers at a time before it
// lets the hooks handle events.
constexpr std::chrono::milliseconds workerWaitSlice{5};

class WorkerRows {
public:
    // The workers are the parameter set's scanWorkers while this lives.
    WorkerRows(ParameterSet& ps, ColourScratch& colour, const ScanPlan& plan, zarvo_formula_fn formula, int threads);
    ~WorkerRows();
    WorkerRows(const WorkerRows&) = delete;
    WorkerRows& operator=(const WorkerRows&) = delete;

    // Takes row `row` (rows in order), waiting at most `wait`; see
    // RowScan::Outcome.
    RowScan::Outcome take(int row, std::chrono::milliseconds wait) { return rows_.take(row, &row_, wait); }
    // The workers stop after the pixel in hand; rows not taken are lost.
    void stop() { rows_.stop(); }

    // Pixel `column` of the row taken: its results in the record, and the
    // fault flags of computing it (0 when there was none).
    int computed(int column);
    // When the row came coloured, pixel `column`'s colour goes into the
    // picture and true is returned with the fault flags of colouring it in
    // `faults`; otherwise the caller colours the pixel.
    bool coloured(int column, int& faults);

    // The rest of the scan is computed on one thread, from the row taken:
    // the carried orbit entries go into the parameter set's arrays.
    void handOver(OrbitBuffer& orbit);

    // The scan ended after pixel (row, column) of the rows taken (`coloured`:
    // that pixel was coloured). Stops the workers and leaves the record, the
    // colour scratch and the orbit arrays as the one-thread scan leaves them.
    // Part of that is computed on another thread, while `waiting` is called
    // every workerWaitSlice; once it returns false (a scan started from it
    // has made the record its own) the record and the arrays are left alone.
    void finish(int row, int column, bool coloured, OrbitBuffer& orbit, const std::function<bool()>& waiting);

private:
    void catchUpScratch();

    ParameterSet& ps_;
    ColourScratch& colour_;
    const ScanPlan& plan_;
    const zarvo_formula_fn formula_;
    RowScan rows_;
    RowScan* const outer_;  // scanWorkers before these
    const RowResult* row_ = nullptr;
    // Rows that come coloured leave the record's scaled results and the
    // colour scratch alone: they are set from the last pixel coloured so,
    // before anything else colours or the scan ends.
    bool scratchBehind_ = false;
    double lastA_ = 0, lastB_ = 0;
};

}  // namespace zarvo
