// Recolouring on several threads: bands of rows coloured into a copy of the
// picture, then taken over in row order up to the first row with a fault.
#include <algorithm>
#include <atomic>
#include <thread>

#include "fp_fault.h"
#include "recolour.h"

namespace zarvo {

namespace {

struct RowOutcome {
    std::vector<std::string> messages;
    int faults = 0;
};

// Keeps a worker's messages with the row they came from (those of setting
// up its recolourer were passed on by the caller's own).
class RowMessages : public Reporter {
public:
    void message(const std::string& text) override {
        // Messages are shown once anyway; a row keeps each text once.
        if (row && std::find(row->messages.begin(), row->messages.end(), text) == row->messages.end())
            row->messages.push_back(text);
    }
    RowOutcome* row = nullptr;
};

}  // namespace

std::string RecolourOnThreads(ParameterSet& ps, ColourScratch& cs, Reporter& reporter, const double* planeA,
                              const double* planeB, size_t columnStride, int threads,
                              const std::function<void()>& rowShown) {
    const int width = ps.workBitmap.width;
    const int height = ps.workBitmap.height;
    if (width <= 0 || height <= 0) return std::string();
    // Set up here first, as one thread would: its messages and faults come
    // before those of the first row.
    ClearFaults();
    { const PlaneRecolourer first(ps, cs, reporter); }
    const int setUpFaults = PendingFaultFlags();

    RgbImage coloured = ps.workBitmap;
    std::vector<RowOutcome> rows(static_cast<size_t>(height));
    std::atomic<int> nextBand{0};
    constexpr int kBand = 8;  // rows a PlaneRecolourer reads from the planes at once

    auto work = [&] {
        ParameterSet own;  // the record and a picture of its own
        static_cast<FormulaRecord&>(own) = ps;
        own.workBitmap = ps.workBitmap;  // pixels it does not draw keep their colour
        ColourScratch scratch = cs;
        RowMessages messages;
        PlaneRecolourer recolour(own, scratch, messages);
        for (;;) {
            const int first = nextBand.fetch_add(kBand);
            if (first >= height) break;
            for (int row = first; row < std::min(first + kBand, height); ++row) {
                messages.row = &rows[static_cast<size_t>(row)];
                ClearFaults();
                recolour.colourRow(planeA, planeB, columnStride, row, width);
                messages.row->faults = PendingFaultFlags();
                std::copy_n(own.workBitmap.at(0, row), 3 * static_cast<size_t>(width), coloured.at(0, row));
            }
        }
    };
    {
        const FpStateGuard keep;
        std::vector<std::thread> workers;
        for (int i = 0; i < threads; ++i) workers.emplace_back(work);
        for (std::thread& t : workers) t.join();
    }

    std::string fault;
    int last = 0;
    for (int row = 0; row < height && fault.empty(); ++row) {
        const RowOutcome& r = rows[static_cast<size_t>(row)];
        for (const std::string& text : r.messages) reporter.message(text);
        std::copy_n(coloured.at(0, row), 3 * static_cast<size_t>(width), ps.workBitmap.at(0, row));
        fault = FaultDescription(row == 0 ? r.faults | setUpFaults : r.faults);
        last = row;
        rowShown();
    }
    // The record and the scratch as colouring row after row leaves them:
    // the last row once more, here (same bytes, messages already passed on).
    const FpStateGuard keep;
    SilentReporter quiet;
    PlaneRecolourer recolour(ps, cs, quiet);
    recolour.colourRow(planeA, planeB, columnStride, last, width);
    recolour.finish();
    return fault;
}

}  // namespace zarvo
