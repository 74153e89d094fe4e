// The attractor view's computing side: one object per program that owns the
// hit counters, the view's picture (vtlBitmap), the working variables of the
// maps and the random generator, and reads and writes the attractor fields
// of the shared parameter set it is given.
//
// A run: StartRun() fixes the plot window and either makes a random set-up
// (drawRandom on) or continues from the start point X, Y; RunSteps(n) or
// RunFor(budget) then advance the orbit in batches until stopFlag is set.
// The desktop program calls RunFor from its event loop every few
// milliseconds, so the interface stays responsive; a batch tool calls
// RunAttractor(n) for exactly n steps.
//
// A run is one sequence of steps (streams = 1), or K independent sample
// streams whose hits add up in the same counters (streams = K > 1), worked
// on by several threads. The picture of a K-stream run depends on the seed,
// K and the steps taken, never on the number of threads or on timing
// (multi_stream.h).
//
// Besides the level colouring of every hit, a run counts the hits of an
// oversampled hit grid, from which the log-density mapping makes the
// picture (ComposePicture, tone_map.h).
//
// Floating-point faults are detected through the sticky flags after every
// step: a fault ends the run (stopFlag on), its description is reported
// once through the Reporter and returned, and the picture drawn so far
// stays.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialog_values.h"
#include "map_state.h"
#include "multi_stream.h"
#include "stream_step.h"
#include "tone_map.h"
#include "parameter_set.h"
#include "reporter.h"
#include "rgb_image.h"
#include "uniform_random.h"

namespace zarvo::attractor {

struct RunResult {
    int64_t steps = 0;     // map steps done by this call
    bool running = false;  // the run goes on (stopFlag still off)
    std::string fault;     // the fault that ended the run, or empty
    int faultStream = 0;   // the (lowest) stream it ended
};

struct Rgb {
    uint8_t r, g, b;
};

// The level colouring of levels 0..768 (higher levels colour as 768) under
// each of the three Color Mix rotations, for the tints, Color Mix and
// "White" of the moment: what LevelToColour gives, looked up.
struct LevelColourTable {
    static constexpr int kLevels = 769;
    bool mix = false;
    std::vector<Rgb> rgb;  // [rotation * kLevels + level]
    Rgb at(int32_t level, int64_t cycle) const { return rgb[Index(mix, level, cycle)]; }
    static size_t Index(bool mix, int32_t level, int64_t cycle) {
        const int64_t k = mix ? cycle % 3 : 0;
        const int32_t v = level < kLevels ? level : kLevels - 1;
        return static_cast<size_t>(k > 0 ? k : 0) * kLevels + static_cast<size_t>(v);
    }
};

class AttractorEngine : private HitMerger {
public:
    AttractorEngine(ParameterSet& ps, Reporter& reporter);
    ~AttractorEngine() override;

    ParameterSet& ps;
    Reporter& reporter;

    // ---- picture and counters ----
    // The picture of the level colouring, painted hit by hit.
    RgbImage vtlBitmap;
    // The picture of the log-density mapping, made by ComposePicture.
    RgbImage densityBitmap;
    // The picture the view shows and saves: the one of the mapping the
    // parameter set asks for.
    const RgbImage& picture() const { return ps.logDensity != 0 ? densityBitmap : vtlBitmap; }
    // One hit counter per picture pixel, [py * gridWidth + px]. (A grid of
    // exactly the picture's size: a square of the longer side would only
    // add counters that are never read.)
    std::vector<int32_t> hitCounts;
    int gridWidth = 0, gridHeight = 0;
    int32_t& hitCount(int px, int py) { return hitCounts[static_cast<size_t>(py) * gridWidth + px]; }
    int32_t hitCount(int px, int py) const { return hitCounts[static_cast<size_t>(py) * gridWidth + px]; }
    // Plane size of one pixel of the running view (for the mouse status text).
    double pixelStepX = 0.0, pixelStepY = 0.0;
    // The oversampled hit grid of the log-density mapping: hits and colour
    // coordinates of (gridWidth * n) x (gridHeight * n) cells, n =
    // densityOversample. Cleared with the counters.
    std::vector<DensityCell> density;
    int densityOversample = 1;

    // ---- working variables (of the single sequence, or of stream 0) ----
private:
    StreamState main_;

public:
    MapState& map = main_.map;
    int64_t& colourCycle = main_.colourCycle;  // advanced every 1000 steps; Color Mix rotates by it
    bool plotEnabled = true;                   // off while vtl_draw computes escape-time pixels

    // ---- random generator ----
    UniformRandom& random = main_.random;
    // When set, every random set-up seeds the generator with this value
    // instead of the clock, so runs repeat (tests, batch rendering).
    std::optional<uint64_t> fixedSeed;

    // Called when a random start has changed what the dialog shows (the
    // desktop program runs Parameters1Update there and shows the values).
    std::function<void()> parametersChanged;

    // ---- streams ----
    // Sample streams of the next run (1: the single sequence) and the
    // threads that work on them (0: one per core). Read by StartRun.
    int streams = 1;
    int threads = 0;
    // Streams of the run in hand.
    int runStreams() const { return multi_ ? multi_->count() : 1; }
    // A share of a K-stream run: only streams streamFirst .. streamEnd - 1
    // take steps (streamEnd 0: all of them), each exactly the steps it takes
    // in the run of all K. Read by RunSteps.
    int streamFirst = 0, streamEnd = 0;

    // ---- what the hits of a K-stream run made, as values that add up ----
    // Each pixel's hits as the exact sum of their weights (what they added
    // to the counter the run started with), and the largest stamp of a hit
    // there (multi_stream.h; 0: no hit): with the hit grid `density`, all
    // that both mappings colour. The values of runs of disjoint shares of
    // the streams, added (sums saturating, stamps the larger, cells summed)
    // to a run that started the same way, are the values of one run of
    // them all.
    // (0 for every pixel of a run that did not start.)
    int64_t CounterSum(size_t pixel) const {
        return pixel < levelSums_.size() ? levelSums_[pixel] - levelStarts_[pixel] : 0;
    }
    uint64_t HitStamp(size_t pixel) const { return pixel < stamps_.size() ? stamps_[pixel] : 0; }
    // Add a share's values at pixels (or cells) first .. first + n - 1 of a
    // K-stream run that has started and taken no steps.
    void AddCounterSums(size_t first, const int64_t* sums, size_t n);
    void AddHitStamps(size_t first, const uint64_t* stamps, size_t n);
    void AddDensity(size_t first, const DensityCell* cells, size_t n);
    // Then the counters follow the sums, and every pixel a hit reached gets
    // the colour the hits would have painted it.
    void PaintAddedCounts();

    // ---- opening and state ----
    // The "Vantrel View" command's computing part when the view opens:
    // pixels come from the attractor formula, the shared formula texts
    // become "vantrel formula" / "vantrel description", then InitVantrel.
    AttractorDialogValues OpenView();
    // ... and when it closes: stop, pixels come from the plug-in again.
    void CloseView();
    // Defaults, view reset, 180 x 120 picture, black picture and zero
    // counters; returns what the dialog shows (Parameters1Update).
    AttractorDialogValues InitVantrel();
    // New counter grid, all 0, and a black picture of the current size.
    void CreateTList();
    // Black picture, counters kept.
    void DrawDefaultImage();
    // New picture size (the image-size dialog's command for the view):
    // stops the run, new black picture, new counters. Sizes outside
    // 1..largestPictureSide, or too large for the memory, are refused (false, nothing
    // changed).
    bool SetPictureSize(int width, int height);

    // ---- runs ----
    // Starts a run (stopFlag off). Returns the description of a fault raised
    // while preparing (for example a magnification of 0); the run is then
    // not started.
    std::string StartRun();
    // Up to n steps while stopFlag is off. With K streams, step i of the
    // run (counting from its start) belongs to stream i mod K, so the
    // streams' shares do not depend on how the steps are split into calls.
    RunResult RunSteps(int64_t n);
    // Steps while stopFlag is off, returning after roughly `budget` (with K
    // streams: the same number of steps for every stream).
    RunResult RunFor(std::chrono::microseconds budget);
    // StartRun, then exactly n steps unless stopped or ended by a fault.
    RunResult RunAttractor(int64_t n);
    // Stop: the run ends after the step in hand.
    void Stop() { ps.stopFlag = flagOn; }
    bool running() const { return ps.stopFlag == 0; }

    // With the log-density mapping, makes densityBitmap from the hit grid.
    // (The level colouring paints every hit as it comes, whichever mapping
    // is shown, and needs nothing here.)
    void ComposePicture();

    // The progress caption shown once a second while a run is active
    // ("Busy... " with ticks, last level, A and the current point); counts
    // the tick.
    std::string ProgressCaption();

    // ---- the pieces of a step ----
    void RandomSetup();
    void ClearAccumulation();
    void ChooseMap();
    void MapStep();
    void ReseedIfDiverged();
    // Map choice, MapStep, variations and plots, stepCount + 1.
    void IterateOnce();
    void ApplyVariations();
    // Picture pixel of a plane point (also leaves it in zRe, zIm); false
    // when it falls outside the picture.
    bool PointToPixel(double x, double y, int& px, int& py);
    void PlotPoint(double x, double y);
    int32_t CountToLevel(int32_t count);
    // The level of a count (CountToLevel without noting it in lastLevel).
    static int32_t LevelOfCount(int32_t count, bool squareRoot) {
        if (!squareRoot) return count < 0 ? 0 : count;
        return count > 0 ? static_cast<int32_t>(fm::RoundEven(fm::Sqrt(10 * fm::LD(count)))) : 0;
    }
    Rgb LevelToColour(int32_t level) const;
    Rgb LevelToColour(int32_t level, int64_t cycle) const;

    // ---- escape-time pixels ----
    // The per-pixel orbit while vantrelFormulaMode is on: starts at c (or
    // the Julia constant), leaves the orbit in orbitX/orbitY and
    // iterationCount, plots nothing.
    void vtl_draw();

    LevelColourTable LevelColours() const;
    // LevelColours of the parameter set as it is now, made again only when
    // the tints, Color Mix or Invert changed since it was last made (a
    // table takes tens of microseconds; runs ask for it every slice).
    const LevelColourTable& CurrentLevelColours();

private:
    struct PaintSink;
    void SeedForSetup();
    void SetRotation();
    void FillSquare(uint8_t value);
    // Counters and results to 0, A from its set value, the orbit back at
    // the start point (cRe, cIm).
    void ResetOrbit();
    void AttractorPixelStep();

    // The hit grid at the oversampling the parameter set asks for (made
    // anew, empty, when that changed); every cell 0.
    void PrepareDensity();
    void ClearDensity();
    // The counters were set to `value`: the sums of a K-stream run follow.
    void ResetLevelSums(int32_t value);
    StepSettings Settings() const;
    // Runs f(settings, sink) on the single sequence (main_), with A, the step
    // count and the current point taken from the parameter set and put back
    // after; Single gives f a stepper of it instead.
    template <class F>
    void WithSingleSequence(F f);
    template <class F>
    void Single(F f);
    RunResult RunSingle(int64_t n);
    RunResult RunStreams(const std::vector<int64_t>& steps);
    void merge(const HitRecord* records, size_t count) override;
    // The pixel's counter and level colouring from its sum and stamp.
    void PaintMerged(uint32_t pixel, int64_t sum, uint64_t stamp, bool squareRoot);

    std::unique_ptr<MultiStream> multi_;  // the streams of a K-stream run, or none
    uint64_t streamStepsDone_ = 0;        // steps of the K-stream run so far
    int64_t sliceStepsPerStream_ = 256;   // RunFor's estimate for its budget
    std::vector<int64_t> levelSums_;      // a K-stream run's counters, exact
    std::vector<int32_t> levelStarts_;    // ... and what they started from
    std::vector<uint64_t> stamps_;        // a K-stream run's last hit of each pixel
    // Pixels whose sum or stamp changed since they were last painted (in
    // toPaint_ once, flagged in unpainted_): painted when the streams stop.
    std::vector<uint32_t> toPaint_;
    std::vector<uint8_t> unpainted_;
    void PaintChanged();
    // CurrentLevelColours' table and the settings it was made from.
    LevelColourTable levelColours_;
    std::array<double, 5> levelColoursMadeFrom_{};
    bool levelColoursMade_ = false;
};

}  // namespace zarvo::attractor
