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
// Floating-point faults are detected through the sticky flags after every
// step: a fault ends the run (stopFlag on), its description is reported
// once through the Reporter and returned, and the picture drawn so far
// stays.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialog_values.h"
#include "map_state.h"
#include "parameter_set.h"
#include "reporter.h"
#include "rgb_image.h"
#include "uniform_random.h"

namespace zarvo::attractor {

struct RunResult {
    int64_t steps = 0;     // map steps done by this call
    bool running = false;  // the run goes on (stopFlag still off)
    std::string fault;     // the fault that ended the run, or empty
};

struct Rgb {
    uint8_t r, g, b;
};

class AttractorEngine {
public:
    AttractorEngine(ParameterSet& ps, Reporter& reporter);

    ParameterSet& ps;
    Reporter& reporter;

    // ---- picture and counters ----
    RgbImage vtlBitmap;
    // One hit counter per picture pixel, [py * gridWidth + px]. (A grid of
    // exactly the picture's size: a square of the longer side would only
    // add counters that are never read.)
    std::vector<int32_t> hitCounts;
    int gridWidth = 0, gridHeight = 0;
    int32_t& hitCount(int px, int py) { return hitCounts[static_cast<size_t>(py) * gridWidth + px]; }
    int32_t hitCount(int px, int py) const { return hitCounts[static_cast<size_t>(py) * gridWidth + px]; }
    // Plane size of one pixel of the running view (for the mouse status text).
    double pixelStepX = 0.0, pixelStepY = 0.0;

    // ---- working variables ----
    MapState map;
    int64_t colourCycle = 0;  // advanced every 1000 steps; Color Mix rotates by it
    bool plotEnabled = true;  // off while vtl_draw computes escape-time pixels

    // ---- random generator ----
    UniformRandom random;
    // When set, every random set-up seeds the generator with this value
    // instead of the clock, so runs repeat (tests, batch rendering).
    std::optional<uint64_t> fixedSeed;

    // Called when a random start has changed what the dialog shows (the
    // desktop program runs Parameters1Update there and shows the values).
    std::function<void()> parametersChanged;

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
    // Up to n steps while stopFlag is off.
    RunResult RunSteps(int64_t n);
    // Steps while stopFlag is off, returning after roughly `budget`.
    RunResult RunFor(std::chrono::microseconds budget);
    // StartRun, then exactly n steps unless stopped or ended by a fault.
    RunResult RunAttractor(int64_t n);
    // Stop: the run ends after the step in hand.
    void Stop() { ps.stopFlag = flagOn; }
    bool running() const { return ps.stopFlag == 0; }

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
    Rgb LevelToColour(int32_t level) const;

    // ---- escape-time pixels ----
    // The per-pixel orbit while vantrelFormulaMode is on: starts at c (or
    // the Julia constant), leaves the orbit in orbitX/orbitY and
    // iterationCount, plots nothing.
    void vtl_draw();

private:
    void SeedForSetup();
    void SetRotation();
    void FillSquare(uint8_t value);
    // Counters and results to 0, A from its set value, the orbit back at
    // the start point (cRe, cIm).
    void ResetOrbit();
    void AttractorPixelStep();
};

}  // namespace zarvo::attractor
