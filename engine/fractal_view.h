// The computing side of one escape-time window: its plug-in binding, its two
// result planes, its colour scratch and the state of a running scan. The
// window itself (menus, timers, painting) lives in the desktop program and
// reaches in through ScanHooks.
#pragma once

#include <string>
#include <vector>

#include "colouring.h"
#include "parameter_set.h"
#include "pixel_compute.h"
#include "plugin_library.h"
#include "reporter.h"

namespace zarvo {

// Computes one pixel in place of the plug-in (the attractor view's
// per-pixel formula while it is open).
class PixelFormula {
public:
    virtual ~PixelFormula() = default;
    virtual void compute(ParameterSet& ps) = 0;
};

// Called by a scan so the window can stay alive while it draws.
class ScanHooks {
public:
    virtual ~ScanHooks() = default;
    // Before anything is computed: take dialog values, clear the zoom
    // rectangle, update menus, start the progress timer.
    virtual void prepareScan() {}
    // After the view edges are known and stopFlag is 0 (Abort enabled).
    virtual void scanStarted() {}
    // After every computed pixel: handle pending events.
    virtual void afterPixel() {}
    // The render method's resultA and resultB of the pixel at (column, row)
    // are in the record, before intensity scaling. Lets a caller keep the
    // results of pictures too large for the window's planes.
    virtual void pixelComputed(int column, int row) { (void)column, (void)row; }
    // After every 8th row: handle pending events.
    virtual void processEvents() {}
    // While a scan on worker threads waits for them (for its next row, or
    // as it ends for the last row's replay): as it starts waiting and every
    // few milliseconds. Handle pending events; setting stopFlag stops the
    // workers.
    virtual void waitingForWorkers() {}
    // After every 32nd row and during recolouring: show workBitmap.
    virtual void showPicture() {}
    // The scan is over (finished, stopped or ended by a fault). `fault` is
    // the fault's description or empty.
    virtual void scanFinished(const std::string& fault) { (void)fault; }
};

// Worker threads for a scan on every core: the machine's hardware threads,
// at least 1.
int EveryCoreThreads();

// A range of rows of the picture; end 0 is the picture's bottom.
struct ScanRows {
    int first = 0;
    int end = 0;
};

struct ScanResult {
    bool completed = false;  // every pixel (of the rows asked for) was computed
    int rowsDone = 0;        // the row after the last row finished before the scan ended
    long pixelsComputed = 0;
    std::string fault;  // floating-point fault that ended it, if any
};

class FractalView {
public:
    explicit FractalView(ParameterSet& ps, Reporter& reporter);

    ParameterSet& ps;
    Reporter& reporter;

    // Plug-in binding.
    std::string pluginFileName = "qorl01.zvo";
    PluginLibrary plugin;
    int32_t lastInfoResult = 0;
    PixelFormula* vantrelPixel = nullptr;  // set by the attractor side

    // Scan state.
    double scanXMin = 0, scanYMin = 0, scanXMax = 0, scanYMax = 0;
    double stepX = 0, stepY = 0;
    int32_t scanRunning = 0;
    int currentRow = 0;
    int32_t formulaIndexAtScan = 1;

    // The render method's two results of every pixel, [column][row], kept
    // for pictures of at most planePixelLimit pixels so that they can be
    // coloured again without computing them. They hold as many pixels as the
    // current picture (nothing before a picture that fits is drawn).
    std::vector<double> resultPlaneA;
    std::vector<double> resultPlaneB;
    size_t planePixelLimit = planePixelCap;  // 0: no planes (pictures drawn to files)
    double planeA(int column, int row) const { return resultPlaneA[planeIndex(column, row)]; }
    double planeB(int column, int row) const { return resultPlaneB[planeIndex(column, row)]; }
    size_t planeIndex(int column, int row) const {
        return static_cast<size_t>(column) * static_cast<size_t>(planeHeight_) + static_cast<size_t>(row);
    }
    int planeHeight() const { return planeHeight_; }  // the planes' stride: one column
    bool planesHoldPicture() const {
        return ps.pictureWidth > 0 && ps.pictureHeight > 0 &&
               static_cast<size_t>(ps.pictureWidth) * static_cast<size_t>(ps.pictureHeight) <= planePixelLimit;
    }
    // Sizes the planes for the current picture when they hold it (zeros
    // when its size changed), else lets them go.
    void fitPlanes();

    ColourScratch colour;

    // Loads the plug-in, asks it for its formula count and the current
    // texts. Returns false when the library could not be loaded (the
    // message "Error loading DLL: <name>" has been reported).
    bool InitializeMainDLL();
    // Current formula's texts from the plug-in, when the index is valid.
    void GetDLLDescriptions();
    // One call of the plug-in's formula on the shared record.
    int32_t draw_fractal();
    void ReleasePlugin();

    // A black work picture of the current picture size.
    void DrawDefaultImage();

    // One pixel whose z and c are already in the record.
    void DrawPixel();

    // The whole picture, row by row. Re-entrant through the hooks: a scan
    // started from inside hooks ends the outer one (its worker threads, if
    // any, are stopped as the inner one starts).
    //
    // With `threads` above 1, a plug-in that declares itself re-entrant and
    // the attractor formula off, the rows are computed by that many worker
    // threads from the parameters as the scan starts, while this thread
    // takes them in row order (colouring them when the workers could not)
    // and calls the hooks as a one-thread scan does; planes, picture, record,
    // colour scratch and orbit arrays end up exactly as the one-thread scan
    // leaves them (see carried_orbit.md). While it waits for the workers it
    // calls waitingForWorkers every few milliseconds, and stopFlag set there
    // stops them at once. Otherwise every pixel is computed here,
    // one after the other, following changes the hooks make to the record.
    //
    // `rows` limits the scan to rows rows.first .. rows.end - 1 of the
    // picture (end 0: to the bottom), computed as the whole scan computes
    // them when no state carries into them from the rows above
    // (RowsDependOnRowsAbove).
    ScanResult UpdateFractal(ScanHooks& hooks, int threads = 1, ScanRows rows = {});

    // Redraws workBitmap from the planes without computing anything.
    // Returns a fault description if one occurred (the rest is then left).
    // Only valid when planesHoldPicture(); does nothing while a scan runs.
    // With `threads` above 1 the rows are coloured by that many threads,
    // with the same result.
    std::string RecolourFromPlanes(ScanHooks& hooks, int threads = 1);

    // True when a pixel's result or colour may depend on the pixels before
    // it beyond what the scan's start gives (a blend that keeps the previous
    // pixel's channels, orbit entries an orbit transform or render methods
    // 18 and 21 rewrite, a plug-in that may keep state, the attractor
    // formula). Errs towards true: then a band of rows is only exact when
    // the rows above it are computed first.
    bool RowsDependOnRowsAbove() const;

private:
    int planeWidth_ = 0, planeHeight_ = 0;
    OrbitBuffer orbit_;  // the parameter set's orbit arrays
};

}  // namespace zarvo
