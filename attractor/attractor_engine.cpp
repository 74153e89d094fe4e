#include "attractor_engine.h"

#include <algorithm>
#include <new>

#include "formula_math.h"
#include "fp_fault.h"
#include "attractor_state.h"

namespace zarvo::attractor {

AttractorEngine::AttractorEngine(ParameterSet& p, Reporter& r) : ps(p), reporter(r) {
    random.seed(UniformRandom::clockSeed());
    SetRotation();
    CreateTList();
}

AttractorDialogValues AttractorEngine::OpenView() {
    ps.vantrelFormulaMode = flagOn;
    ps.setFormulaTexts("vantrel formula", "vantrel description");
    return InitVantrel();
}

void AttractorEngine::CloseView() {
    ps.stopFlag = flagOn;
    ps.vantrelFormulaMode = 0;
}

AttractorDialogValues AttractorEngine::InitVantrel() {
    SetAttractorDefaults(ps);
    attractor::ResetCoordinates(ps);
    CreateTList();
    return Parameters1Update(ps);
}

void AttractorEngine::CreateTList() {
    gridWidth = std::max(ps.vtlWidth, 0);
    gridHeight = std::max(ps.vtlHeight, 0);
    hitCounts.assign(static_cast<size_t>(gridWidth) * static_cast<size_t>(gridHeight), 0);
    vtlBitmap.reset(gridWidth, gridHeight);
}

void AttractorEngine::DrawDefaultImage() { vtlBitmap.reset(ps.vtlWidth, ps.vtlHeight); }

bool AttractorEngine::SetPictureSize(int width, int height) {
    if (!IsPictureSize(width, height)) return false;
    const int oldWidth = ps.vtlWidth, oldHeight = ps.vtlHeight;
    ps.vtlWidth = width;
    ps.vtlHeight = height;
    try {
        CreateTList();
    } catch (const std::bad_alloc&) {
        ps.vtlWidth = oldWidth;
        ps.vtlHeight = oldHeight;
        hitCounts.clear();
        hitCounts.shrink_to_fit();
        vtlBitmap.pixels.clear();
        vtlBitmap.pixels.shrink_to_fit();
        CreateTList();
        return false;
    }
    ps.stopFlag = flagOn;
    return true;
}

void AttractorEngine::FillSquare(uint8_t value) { std::fill(vtlBitmap.pixels.begin(), vtlBitmap.pixels.end(), value); }

void AttractorEngine::ResetOrbit() {
    ps.tickCount = 0;
    ps.stepCount = 0;
    ps.resultA = ps.resultB = 0.0;
    colourCycle = 0;
    ps.AA = ps.AASet;
    map.x = ps.cRe;
    map.y = ps.cIm;
    map.W = 0.0;
}

void AttractorEngine::ClearAccumulation() {
    ResetOrbit();
    FillSquare(ps.invert != 0 ? 255 : 0);
    std::fill(hitCounts.begin(), hitCounts.end(), 10);
    if (parametersChanged) parametersChanged();
}

std::string AttractorEngine::StartRun() {
    ClearFaults();
    ps.tickCount = 0;
    const int w = std::max(ps.vtlWidth, 0), h = std::max(ps.vtlHeight, 0);
    if (vtlBitmap.width != w || vtlBitmap.height != h || gridWidth != w || gridHeight != h) CreateTList();

    attractor::AdjustCoords(ps);
    ps.plotXMin = ps.vtlXMin;
    ps.plotYMin = ps.vtlYMin;
    ps.plotXMax = ps.vtlXMax;
    ps.plotYMax = ps.vtlYMax;
    pixelStepX = (ps.vtlXMax - ps.vtlXMin) / ps.vtlWidth;
    pixelStepY = (ps.vtlYMax - ps.vtlYMin) / ps.vtlHeight;
    ps.stopFlag = 0;

    if (ps.drawRandom != 0) {
        RandomSetup();
        ClearAccumulation();
    } else {
        ps.AA = ps.AAStart;
        map.x = ps.juliaRe;
        map.y = ps.juliaIm;
        // The rotation of formulas 66..69 follows B, also when the run
        // starts from a loaded file or an edited B without a random set-up.
        SetRotation();
    }
    plotEnabled = true;

    std::string fault = PendingFault();
    if (!fault.empty()) {
        ps.stopFlag = flagOn;
        ClearFaults();
        reporter.message(fault);
    }
    return fault;
}

RunResult AttractorEngine::RunSteps(int64_t n) {
    RunResult result;
    ClearFaults();
    while (result.steps < n && ps.stopFlag == 0) {
        IterateOnce();
        ++result.steps;
        if (fm::FaultRaised()) {
            result.fault = PendingFault();
            break;
        }
    }
    if (!result.fault.empty()) {
        ps.stopFlag = flagOn;
        ClearFaults();
        reporter.message(result.fault);
    }
    result.running = ps.stopFlag == 0;
    return result;
}

RunResult AttractorEngine::RunFor(std::chrono::microseconds budget) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + budget;
    RunResult total;
    do {
        const RunResult part = RunSteps(4096);
        total.steps += part.steps;
        total.fault = part.fault;
        total.running = part.running;
    } while (total.running && Clock::now() < end);
    return total;
}

RunResult AttractorEngine::RunAttractor(int64_t n) {
    RunResult result;
    result.fault = StartRun();
    if (!result.fault.empty()) return result;
    return RunSteps(n);
}

std::string AttractorEngine::ProgressCaption() {
    std::string text = "Busy... " + std::to_string(ps.tickCount) + "   " + std::to_string(ps.lastLevel) + "   " +
                       FormatF(ps.AA) + "   " + FormatF(ps.zRe) + "   " + FormatF(ps.zIm);
    ++ps.tickCount;
    return text;
}

}  // namespace zarvo::attractor
