#include "row_scan.h"

#include <algorithm>

#include "fp_fault.h"

namespace zarvo {

namespace {

// Columns first .. end-1 of `from`, computed again, replace those of `row`.
void TakePixels(RowResult& row, const RowResult& from, int first, int end) {
    const auto take = [&](auto& to, const auto& source, size_t per) {
        std::copy(source.begin() + first * per, source.begin() + end * per, to.begin() + first * per);
    };
    take(row.a, from.a, 1);
    take(row.b, from.b, 1);
    take(row.count, from.count, 1);
    if (row.coloured) {
        take(row.rgb, from.rgb, 3);
        take(row.keepsColour, from.keepsColour, 1);
    }
}

// The row ends where `from`, which computed its last columns, ends.
void EndLike(RowResult& row, const RowResult& from) {
    row.end = from.end;
    row.faultColumn = from.faultColumn;
    row.faultFlags = from.faultFlags;
    row.faultInColour = from.faultInColour;
}

}  // namespace

RowScan::RowScan(const ScanPlan& plan, zarvo_formula_fn formula, int threads, const CarriedOrbit& carried)
    : plan_(plan),
      formula_(formula),
      guess_(carried),
      ahead_(2 * threads + 4),
      rows_(static_cast<size_t>(std::max(plan.height, 0))),
      callerSpace_(plan_),
      before_(carried),
      after_(carried) {
    nextRow_ = taken_ = plan.firstRow;
    workers_.reserve(static_cast<size_t>(threads));
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { work(); });
}

RowScan::~RowScan() {
    stop();
    for (std::thread& w : workers_) w.join();
}

void RowScan::stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_.store(true);
    }
    rowDone_.notify_all();
    rowTaken_.notify_all();
}

void RowScan::work() {
    RowWorkspace space(plan_);
    for (;;) {
        int row;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            rowTaken_.wait(lock,
                           [this] { return stop_.load() || nextRow_ >= plan_.endRow || nextRow_ < taken_ + ahead_; });
            if (stop_.load() || nextRow_ >= plan_.endRow) return;
            row = nextRow_++;
        }
        auto result = std::make_unique<RowResult>();
        ComputeRow(plan_, formula_, space, row, 0, plan_.width, guess_, (1u << kCarriedEntries) - 1, &stop_, *result);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            rows_[static_cast<size_t>(row)] = std::move(result);
        }
        rowDone_.notify_all();
    }
}

RowScan::Outcome RowScan::take(int row, const RowResult** result, std::chrono::milliseconds wait) {
    {
        std::unique_lock<std::mutex> lock(mutex_);
        const auto computed = [&] { return stop_.load() || rows_[static_cast<size_t>(row)] != nullptr; };
        if (wait == std::chrono::milliseconds::max()) rowDone_.wait(lock, computed);
        else if (!rowDone_.wait_for(lock, wait, computed)) return Outcome::NotYet;
        if (stop_.load()) return Outcome::Stopped;
        current_ = std::move(rows_[static_cast<size_t>(row)]);
        taken_ = row + 1;
    }
    rowTaken_.notify_all();
    CarriedOrbit after;
    const bool settled = settleGuesses(*current_, after);
    if (stop_.load()) return Outcome::Stopped;
    before_ = after_;
    if (!settled) return Outcome::OneThreadFromHere;
    after_ = after;
    *result = current_.get();
    return Outcome::Ready;
}

// Checks the row's guessed pixels against the exact carried entries before
// it, computes again, on this thread, those whose guess was wrong, and
// leaves the exact entries after the row in `exit`. False when the row has
// to be computed on one thread.
bool RowScan::settleGuesses(RowResult& row, CarriedOrbit& exit) {
    if (row.irregular) return false;
    const FpStateGuard keep;      // faults found here belong to the pixels, not to the caller
    CarriedOrbit known = after_;  // exact values of the entries that came from the guess
    RowResult again;
    for (const GuessedPixel& g : row.guessed) {
        CarriedOrbit exact;
        for (int k = 0; k < kCarriedEntries; ++k)
            exact.value[k] = (g.fromGuess >> k & 1u) != 0 ? known.value[k] : g.before.value[k];
        CarriedOrbit after = g.after;
        if (!SameCarried(exact, g.before, g.used)) {
            ComputeRow(plan_, formula_, callerSpace_, row.row, g.column, g.column + 1, exact, 0, &stop_, again);
            TakePixels(row, again, g.column, g.column + 1);
            after = again.carriedAtEnd;
            if (again.faultColumn >= 0 || row.faultColumn == g.column) {
                // The row ends here after all, or goes on past the fault
                // its guess had: either way what follows is computed here.
                EndLike(row, again);
                exit = again.carriedAtEnd;
                if (again.faultColumn >= 0) return true;
                ComputeRow(plan_, formula_, callerSpace_, row.row, g.column + 1, plan_.width, after, 0, &stop_, again);
                TakePixels(row, again, g.column + 1, again.end);
                EndLike(row, again);
                exit = again.carriedAtEnd;
                return !again.irregular;
            }
        }
        for (int k = 0; k < kCarriedEntries; ++k)
            if ((g.reached >> k & 1u) != 0) known.value[k] = after.value[k];
    }
    for (int k = 0; k < kCarriedEntries; ++k)
        exit.value[k] = (row.fromGuessAtEnd >> k & 1u) != 0 ? known.value[k] : row.carriedAtEnd.value[k];
    return true;
}

}  // namespace zarvo
