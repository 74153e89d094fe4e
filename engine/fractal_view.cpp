#include "fractal_view.h"

#include <algorithm>

#include "fp_fault.h"
#include "recolour.h"
#include "render_orbit.h"

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
      resultPlaneA(static_cast<size_t>(maxPlaneWidth) * maxPlaneHeight, 0.0),
      resultPlaneB(static_cast<size_t>(maxPlaneWidth) * maxPlaneHeight, 0.0) {}

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

void FractalView::DrawDefaultImage() { ps.workBitmap.reset(ps.pictureWidth, ps.pictureHeight); }

void FractalView::DrawPixel() {
    ps.orbitX = ps.orbitStoreX.data();
    ps.orbitY = ps.orbitStoreY.data();
    ps.iterationCount = 0;
    ps.resultA = ps.resultB = 0;
    const int n = std::min(ps.maxIterations, maxIterationsLimit);
    for (int i = 0; i < n; ++i) {
        ps.orbitX[i] = 0.0;
        ps.orbitY[i] = 0.0;
    }
    const double savedCRe = ps.cRe;
    const double savedCIm = ps.cIm;

    switch (ps.rotateMode) {
        case 1:
            std::swap(ps.cRe, ps.cIm);
            std::swap(ps.zRe, ps.zIm);
            break;
        case 2: {
            const double cr = ps.cRe, zr = ps.zRe;
            ps.cRe = -ps.cIm;
            ps.cIm = -cr;
            ps.zRe = -ps.zIm;
            ps.zIm = -zr;
            break;
        }
        case 3:
            ps.cRe = -ps.cRe;
            ps.cIm = -ps.cIm;
            ps.zRe = -ps.zRe;
            ps.zIm = -ps.zIm;
            break;
        default:
            break;
    }

    if (ps.vantrelFormulaMode != 0) {
        if (vantrelPixel) vantrelPixel->compute(ps);
    } else {
        draw_fractal();
    }
    ps.cRe = savedCRe;
    ps.cIm = savedCIm;

    RenderOrbit(ps);
}

ScanResult FractalView::UpdateFractal(ScanHooks& hooks) {
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
    stepX = (scanXMax - scanXMin) / W;
    stepY = (scanYMax - scanYMin) / H;

    ps.stopFlag = 0;
    scanRunning = -1;
    hooks.scanStarted();
    OncePerText once(reporter);
    const bool storePlanes = planesHoldPicture();

    ClearFaults();
    int row = 0;
    while (row < H && ps.stopFlag == 0) {
        for (int column = 0; column < W && ps.stopFlag == 0; ++column) {
            currentRow = row;
            ps.resultA = ps.resultB = 0;
            ps.scratch[0] = ps.scratch[1] = 0;
            ps.iterationCount = 0;
            ps.zRe = AwayFromZero(column * stepX + scanXMin, ps.zoom);
            ps.zIm = AwayFromZero(row * stepY + scanYMin, ps.zoom);
            if (ps.juliaMode == 0) {
                ps.cRe = ps.zRe;
                ps.cIm = ps.zIm;
            } else if (ps.juliaConstantSet == 0) {
                ps.cRe = ps.juliaRe;
                ps.cIm = ps.juliaIm;
            }
            DrawPixel();
            ++result.pixelsComputed;
            result.fault = PendingFault();
            if (!result.fault.empty()) break;

            if (storePlanes) {
                resultPlaneA[planeIndex(column, row)] = ps.resultA;
                resultPlaneB[planeIndex(column, row)] = ps.resultB;
            }
            hooks.pixelComputed(column, row);
            BlendMethods(ps, colour, once);
            ApplyColor(ps, colour, column, row, once);
            result.fault = PendingFault();
            if (!result.fault.empty()) break;
            hooks.afterPixel();
        }
        if (!result.fault.empty()) break;
        if (ps.stopFlag == 0) result.rowsDone = row + 1;
        if (row % 8 == 7) hooks.processEvents();
        if (row % 32 == 31) {
            hooks.showPicture();
            hooks.processEvents();
        }
        if (scanRunning == 0) break;
        ++row;
    }
    ClearFaults();
    result.completed = result.fault.empty() && result.rowsDone == H;

    ps.juliaConstantSet = ps.juliaMode;
    scanRunning = 0;
    ps.stopFlag = flagOn;
    hooks.scanFinished(result.fault);
    return result;
}

std::string FractalView::RecolourFromPlanes(ScanHooks& hooks) {
    if (!planesHoldPicture() || scanRunning != 0) return std::string();
    const int W = ps.pictureWidth;
    const int H = ps.pictureHeight;
    if (ps.workBitmap.width != W || ps.workBitmap.height != H) ps.workBitmap.reset(W, H);
    OncePerText once(reporter);
    ClearFaults();
    std::string fault;
    // Same bytes as BlendMethods and ApplyColor pixel by pixel, row by row.
    PlaneRecolourer recolour(ps, colour, once);
    for (int row = 0; row < H && fault.empty(); ++row) {
        recolour.colourRow(resultPlaneA.data(), resultPlaneB.data(), maxPlaneHeight, row, W);
        fault = PendingFault();
        hooks.showPicture();
    }
    recolour.finish();
    ClearFaults();
    return fault;
}

}  // namespace zarvo
