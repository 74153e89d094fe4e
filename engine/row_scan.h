// The rows of one scan computed by a fixed set of worker threads and handed
// to the caller in row order, each exactly as a one-thread scan computes
// it. Workers take the next row from a shared counter, each with its own
// record and orbit arrays, and run at most a few rows ahead of the caller.
// The caller checks every row's guess of the carried orbit entries against
// the rows before it and computes again the few pixels whose guess was
// wrong (carried_orbit.md). Workers never touch the parameter set or the
// picture; they check the stop flag after every pixel.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "row_compute.h"

namespace zarvo {

class RowScan {
public:
    // Starts `threads` workers on the rows of `plan`. `carried` holds the
    // carried orbit entries as the scan starts.
    RowScan(const ScanPlan& plan, zarvo_formula_fn formula, int threads, const CarriedOrbit& carried);
    // Stops the workers and waits for them.
    ~RowScan();
    RowScan(const RowScan&) = delete;
    RowScan& operator=(const RowScan&) = delete;

    enum class Outcome {
        Ready,             // *row holds the row
        NotYet,            // not computed within the time given
        Stopped,           // stop() was called
        OneThreadFromHere  // a formula went past the orbit entries tracked here: compute this row
                           // and the rest on one thread, from carriedBefore()
    };
    // Row `row`, taken in order 0, 1, 2, ...; waits until it is computed, or
    // at most `wait` (a caller that must stay responsive asks again later).
    // The row stays valid until the next call.
    Outcome take(int row, const RowResult** result, std::chrono::milliseconds wait = std::chrono::milliseconds::max());

    // The carried orbit entries as the one-thread scan has them before the
    // row last taken.
    const CarriedOrbit& carriedBefore() const { return before_; }
    // And after it.
    const CarriedOrbit& carriedAfter() const { return after_; }

    // Any thread may call it; workers stop after the pixel in hand.
    void stop();

private:
    void work();
    bool settleGuesses(RowResult& row, CarriedOrbit& exit);

    const ScanPlan plan_;
    const zarvo_formula_fn formula_;
    const CarriedOrbit guess_;  // every row starts from the entries the scan started with
    const int ahead_;           // rows the workers may run ahead of the caller

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable rowDone_;
    std::condition_variable rowTaken_;
    int nextRow_ = 0;  // the next row a worker takes
    int taken_ = 0;    // rows the caller has taken
    std::vector<std::unique_ptr<RowResult>> rows_;
    std::vector<std::thread> workers_;

    // The caller's side.
    RowWorkspace callerSpace_;
    std::unique_ptr<RowResult> current_;
    CarriedOrbit before_;  // exact carried entries before the row last taken
    CarriedOrbit after_;   // and after it
};

}  // namespace zarvo
