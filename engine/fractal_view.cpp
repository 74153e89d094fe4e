#include "fractal_view.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "fp_fault.h"
#include "recolour.h"
#include "render_orbit.h"
#include "scan_plan.h"
#include "worker_rows.h"

namespace zarvo {

namespace {

// Passes each distinct message on once, so a fault that repeats for every
// pixel of a picture is shown once per scan instead of thousands of times.
class OncePerText : public Reporter {
public:
    explicit OncePerText(Reporter& target) : target_(target) {}
    void message(const std::string& text) override {
        if (std::find(seen_.begin(), seen_.end(), text) != seen_.end()) return;
        seen_.push_back(text);
        target_.message(text);
    }

private:
    Reporter& target_;
    std::vector<std::string> seen_;
};

}  // namespace

FractalView::FractalView(ParameterSet& p, Reporter& r)
    : ps(p),
      reporter(r),
      orbit_(ps.orbitStoreX.data(), ps.orbitStoreY.data()) {}

bool FractalView::InitializeMainDLL() {
    static const std::string kDefaultName = "qorl01.zvo";
    ps.pluginFileName = pluginFileName == kDefaultName ? kDefaultName.c_str() : pluginFileName.c_str();
    const bool ok = plugin.load(pluginFileName);
    ps.pluginHandle = plugin.handle();
    if (!ok) {
        reporter.message("Error loading DLL: " + pluginFileName);
        return false;
    }
    ps.formulaCount = plugin.total();
    if (ps.formulaCount == 0) reporter.message("Error, Total formula = 0");
    GetDLLDescriptions();
    return true;
}

void FractalView::GetDLLDescriptions() {
    if (!plugin.hasInfo()) return;
    if (ps.formulaIndex < 0 || ps.formulaIndex >= ps.formulaCount) return;
    lastInfoResult = plugin.info(ps.record());
}

int32_t FractalView::draw_fractal() { return plugin.formula(ps.record()); }

void FractalView::ReleasePlugin() {
    if (ps.pluginHandle == plugin.handle()) ps.pluginHandle = nullptr;
    plugin.release();
}

int EveryCoreThreads() { return static_cast<int>(std::max(1u, std::thread::hardware_concurrency())); }

void FractalView::fitPlanes() {
    const bool hold = planesHoldPicture();
    const int W = hold ? ps.pictureWidth : 0;
    const int H = hold ? ps.pictureHeight : 0;
    if (W == planeWidth_ && H == planeHeight_) return;
    const size_t pixels = static_cast<size_t>(W) * static_cast<size_t>(H);
    // Fresh vectors, so that a smaller picture gives the memory back.
    std::vector<double>(pixels, 0.0).swap(resultPlaneA);
    std::vector<double>(pixels, 0.0).swap(resultPlaneB);
    planeWidth_ = W;
    planeHeight_ = H;
}

void FractalView::DrawDefaultImage() { ps.workBitmap.reset(ps.pictureWidth, ps.pictureHeight); }

void FractalView::DrawPixel() {
    if (orbit_.x() != ps.orbitStoreX.data() || orbit_.y() != ps.orbitStoreY.data())
        orbit_ = OrbitBuffer(ps.orbitStoreX.data(), ps.orbitStoreY.data());
    RunFormula(ps, orbit_, [this](FormulaRecord&) {
        if (ps.vantrelFormulaMode != 0) {
            if (vantrelPixel) vantrelPixel->compute(ps);
        } else {
            draw_fractal();
        }
    });
    RenderOrbit(ps);
}

bool FractalView::RowsDependOnRowsAbove() const {
    const bool ownPixels = ps.vantrelFormulaMode == 0 && plugin.reentrant() && plugin.hasFormula();
    const bool pixelColours = PixelColourer(ps).usable();
    const bool carriedOrbit = ps.transformMode != 0 || ps.renderMethod == 18 || ps.renderMethod == 21;
    return !ownPixels || !pixelColours || carriedOrbit;
}

ScanResult FractalView::UpdateFractal(ScanHooks& hooks, int threads, ScanRows range) {
    // A scan started from the hooks of another ends it: its workers need
    // not compute rows nobody will take.
    if (ps.scanWorkers != nullptr) ps.scanWorkers->stop();
    ScanResult result;
    hooks.prepareScan();
    ClampIterations(ps);
    AdjustCoords(ps);

    const int W = ps.pictureWidth;
    const int H = ps.pictureHeight;
    if (ps.workBitmap.width != W || ps.workBitmap.height != H) DrawDefaultImage();

    scanXMin = ps.xMin;
    scanYMin = ps.yMin;
    scanXMax = ps.xMax;
    scanYMax = ps.yMax;
    ScanPlan plan = ScanPlan::Of(ps, scanXMin, scanYMin, scanXMax, scanYMax);
    plan.firstRow = std::clamp(range.first, 0, H);
    plan.endRow = range.end > 0 ? std::clamp(range.end, plan.firstRow, H) : H;
    stepX = plan.stepX;
    stepY = plan.stepY;

    ps.stopFlag = 0;
    scanRunning = -1;
    const uint32_t scanNumber = ++ps.scansStarted;
    hooks.scanStarted();
    OncePerText once(reporter);
    const bool storePlanes = planesHoldPicture();
    fitPlanes();
    orbit_.forget();  // others may have written into the orbit arrays since

    std::unique_ptr<WorkerRows> rows;
    if (threads > 1 && ps.vantrelFormulaMode == 0 && plugin.reentrant() && plugin.hasFormula() && W > 0 && H > 0)
        rows = std::make_unique<WorkerRows>(ps, colour, plan, plugin.formulaEntry(), threads);
    // Events handled between the pixels of a one-thread scan may change the
    // Julia form or the zoom; the rest of the picture follows them.
    const bool followRecord = rows == nullptr;
    bool fromWorkers = false;  // a pixel came from the workers
    int lastRow = plan.firstRow, lastColumn = -1;
    bool lastColoured = false;

    ClearFaults();
    int row = plan.firstRow;
    while (row < plan.endRow && ps.stopFlag == 0) {
        if (rows) {
            RowScan::Outcome outcome = rows->take(row, std::chrono::milliseconds(0));
            while (outcome == RowScan::Outcome::NotYet) {
                hooks.waitingForWorkers();
                if (ps.stopFlag != 0) {
                    rows->stop();
                    break;
                }
                outcome = rows->take(row, workerWaitSlice);
            }
            if (outcome == RowScan::Outcome::NotYet || outcome == RowScan::Outcome::Stopped) {
                ps.stopFlag = flagOn;
                break;
            }
            if (outcome == RowScan::Outcome::OneThreadFromHere) {
                // Go on here with the parameter set's own record and arrays,
                // which hold what the one-thread scan has at this point.
                rows->handOver(orbit_);
                rows.reset();
            }
        }
        for (int column = 0; column < W && ps.stopFlag == 0; ++column) {
            currentRow = row;
            lastRow = row;
            lastColumn = column;
            lastColoured = false;
            int faults;
            if (rows) {
                fromWorkers = true;
                faults = rows->computed(column);
                if (faults == 0) faults = PendingFaultFlags();  // raised by the hooks since the last pixel
            } else {
                plan.startPixel(ps, column, row);
                DrawPixel();
                faults = PendingFaultFlags();
            }
            ++result.pixelsComputed;
            if (faults != 0) {
                result.fault = FaultDescription(faults);
                break;
            }

            if (storePlanes && planeWidth_ == W && planeHeight_ == H) {  // a scan from the hooks may resize them
                resultPlaneA[planeIndex(column, row)] = ps.resultA;
                resultPlaneB[planeIndex(column, row)] = ps.resultB;
            }
            hooks.pixelComputed(column, row);
            lastColoured = true;
            if (rows && rows->coloured(column, faults)) {
                faults |= PendingFaultFlags();
            } else {
                BlendMethods(ps, colour, once);
                ApplyColor(ps, colour, column, row, once);
                faults = PendingFaultFlags();
            }
            if (faults != 0) {
                result.fault = FaultDescription(faults);
                break;
            }
            hooks.afterPixel();
            if (followRecord) plan.followRecord(ps);
        }
        if (!result.fault.empty()) break;
        if (ps.stopFlag == 0) result.rowsDone = row + 1;
        if (row % 8 == 7) hooks.processEvents();
        if (row % 32 == 31) {
            hooks.showPicture();
            hooks.processEvents();
        }
        if (followRecord) plan.followRecord(ps);
        if (scanRunning == 0) break;
        ++row;
    }
    // A scan started from the hooks has left the record as its own.
    if (rows && fromWorkers && ps.scansStarted == scanNumber) {
        rows->finish(lastRow, lastColumn, lastColoured, orbit_, [&] {
            hooks.waitingForWorkers();
            return ps.scansStarted == scanNumber;
        });
    }
    rows.reset();
    ClearFaults();
    result.completed = result.fault.empty() && result.rowsDone == plan.endRow;

    ps.juliaConstantSet = ps.juliaMode;
    scanRunning = 0;
    ps.stopFlag = flagOn;
    hooks.scanFinished(result.fault);
    return result;
}

std::string FractalView::RecolourFromPlanes(ScanHooks& hooks, int threads) {
    if (!planesHoldPicture() || scanRunning != 0) return std::string();
    const int W = ps.pictureWidth;
    const int H = ps.pictureHeight;
    if (ps.workBitmap.width != W || ps.workBitmap.height != H) ps.workBitmap.reset(W, H);
    fitPlanes();
    OncePerText once(reporter);
    if (threads > 1 && H > 1) {
        const std::string fault = RecolourOnThreads(ps, colour, once, resultPlaneA.data(), resultPlaneB.data(),
                                                    planeHeight_, threads, [&] { hooks.showPicture(); });
        ClearFaults();
        return fault;
    }
    ClearFaults();
    std::string fault;
    // Same bytes as BlendMethods and ApplyColor pixel by pixel, row by row.
    PlaneRecolourer recolour(ps, colour, once);
    for (int row = 0; row < H && fault.empty(); ++row) {
        recolour.colourRow(resultPlaneA.data(), resultPlaneB.data(), planeHeight_, row, W);
        fault = PendingFault();
        hooks.showPicture();
    }
    recolour.finish();
    ClearFaults();
    return fault;
}

}  // namespace zarvo
