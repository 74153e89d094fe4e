#include "attractor_engine.h"

#include <algorithm>
#include <new>
#include <thread>

#include "attractor_state.h"
#include "engine_steps.h"
#include "formula_math.h"
#include "fp_fault.h"

namespace zarvo::attractor {

AttractorEngine::AttractorEngine(ParameterSet& p, Reporter& r) : ps(p), reporter(r) {
    random.seed(UniformRandom::clockSeed());
    SetRotation();
    CreateTList();
}

AttractorEngine::~AttractorEngine() = default;

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
    densityBitmap.reset(gridWidth, gridHeight);
    PrepareDensity();
    ClearDensity();
    ResetLevelSums(0);
}

void AttractorEngine::PrepareDensity() {
    int n = OversampleOf(ps.ldOversample);
    // Cells are numbered in 32 bits.
    const uint64_t pixels = static_cast<uint64_t>(gridWidth) * static_cast<uint64_t>(gridHeight);
    while (n > 1 && pixels * static_cast<uint64_t>(n * n) > UINT32_MAX) --n;
    const size_t cells = static_cast<size_t>(pixels) * static_cast<size_t>(n * n);
    if (n == densityOversample && density.size() == cells) return;
    density.clear();
    density.shrink_to_fit();
    densityOversample = n;
    try {
        density.assign(cells, DensityCell{});
    } catch (const std::bad_alloc&) {
        // No log-density picture at this size: the level colouring goes on.
        density.clear();
    }
}

void AttractorEngine::ClearDensity() { std::fill(density.begin(), density.end(), DensityCell{}); }

void AttractorEngine::ResetLevelSums(int32_t value) {
    if (!multi_) return;
    levelSums_.assign(hitCounts.size(), value);
    levelStarts_.assign(hitCounts.size(), value);
    stamps_.assign(hitCounts.size(), 0);
    unpainted_.assign(hitCounts.size(), 0);
    toPaint_.clear();
}

void AttractorEngine::DrawDefaultImage() {
    vtlBitmap.reset(ps.vtlWidth, ps.vtlHeight);
    densityBitmap.reset(ps.vtlWidth, ps.vtlHeight);
}

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
        densityBitmap.pixels.clear();
        densityBitmap.pixels.shrink_to_fit();
        density.clear();
        density.shrink_to_fit();
        multi_.reset();
        CreateTList();
        return false;
    }
    ps.stopFlag = flagOn;
    return true;
}

void AttractorEngine::FillSquare(uint8_t value) {
    std::fill(vtlBitmap.pixels.begin(), vtlBitmap.pixels.end(), value);
    std::fill(densityBitmap.pixels.begin(), densityBitmap.pixels.end(), value);
}

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
    ClearDensity();
    ResetLevelSums(10);
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
    PrepareDensity();

    std::string fault = PendingFault();
    multi_.reset();
    streamStepsDone_ = 0;
    if (fault.empty() && streams > 1) {
        main_.AA = ps.AA;
        main_.stepCount = ps.stepCount;
        main_.zRe = ps.zRe;
        main_.zIm = ps.zIm;
        try {
            multi_ = std::make_unique<MultiStream>(main_, streams);
            levelSums_.assign(hitCounts.begin(), hitCounts.end());
            levelStarts_ = hitCounts;
            stamps_.assign(hitCounts.size(), 0);
            unpainted_.assign(hitCounts.size(), 0);
            toPaint_.clear();
        } catch (const std::bad_alloc&) {
            multi_.reset();
            fault = "Not enough memory for " + std::to_string(streams) + " streams";
        }
    }
    if (!fault.empty()) {
        ps.stopFlag = flagOn;
        ClearFaults();
        reporter.message(fault);
    }
    return fault;
}

StepSettings AttractorEngine::Settings() const {
    return StepSettings(ps, gridWidth, gridHeight, std::min(gridWidth, vtlBitmap.width),
                        std::min(gridHeight, vtlBitmap.height), density.empty() ? 1 : densityOversample,
                        plotEnabled);
}

RunResult AttractorEngine::RunSteps(int64_t n) {
    if (!multi_) return RunSingle(n);
    if (ps.stopFlag != 0 || n <= 0) return RunResult{0, ps.stopFlag == 0, std::string()};
    // Step i of the run belongs to stream i mod K.
    const uint64_t k = static_cast<uint64_t>(multi_->count());
    const uint64_t first = streamStepsDone_ % k;
    const uint64_t whole = static_cast<uint64_t>(n) / k, rest = static_cast<uint64_t>(n) % k;
    const uint64_t shareEnd = streamEnd > 0 ? std::min<uint64_t>(static_cast<uint64_t>(streamEnd), k) : k;
    std::vector<int64_t> steps(k);
    for (uint64_t s = static_cast<uint64_t>(std::max(streamFirst, 0)); s < shareEnd; ++s)
        steps[s] = static_cast<int64_t>(whole + ((s + k - first) % k < rest ? 1 : 0));
    streamStepsDone_ += static_cast<uint64_t>(n);
    return RunStreams(steps);
}

RunResult AttractorEngine::RunStreams(const std::vector<int64_t>& steps) {
    RunResult result;
    CurrentLevelColours();
    const int t = threads > 0 ? threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const MultiStream::Outcome out = multi_->Advance(Settings(), steps, t, *this);
    result.steps = out.steps;
    PaintChanged();

    // The single sequence's fields follow stream 0.
    main_ = multi_->stream(0);
    ps.AA = main_.AA;
    ps.stepCount = main_.stepCount;
    ps.zRe = main_.zRe;
    ps.zIm = main_.zIm;
    if (main_.lastPixel >= 0 && static_cast<size_t>(main_.lastPixel) < hitCounts.size()) {
        CountToLevel(hitCounts[static_cast<size_t>(main_.lastPixel)]);
    }
    if (out.faultStream >= 0) {
        result.fault = FaultDescription(out.faultFlags);
        result.faultStream = out.faultStream;
        ps.stopFlag = flagOn;
        reporter.message(result.fault);
    }
    result.running = ps.stopFlag == 0;
    return result;
}

RunResult AttractorEngine::RunSingle(int64_t n) {
    RunResult result;
    if (ps.stopFlag == 0 && n > 0) {
        ClearFaults();
        bool faulted = false;
        WithSingleSequence([&](const StepSettings& settings, PaintSink& sink) {
            result.steps = RunCheckedSteps(settings, main_, n, sink, faulted);
        });
        if (faulted) result.fault = PendingFault();
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
    if (multi_) {
        // One round of the same number of steps for every stream, sized
        // from the rounds before to take about the budget.
        const auto start = Clock::now();
        const int64_t perStream = sliceStepsPerStream_;
        const RunResult r = RunSteps(perStream * multi_->count());
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        const double want = std::chrono::duration<double>(budget).count();
        if (r.running && took > 0) {
            const double next = std::clamp(perStream * want / took, perStream / 2.0, perStream * 2.0);
            sliceStepsPerStream_ = std::clamp<int64_t>(static_cast<int64_t>(next), 16, int64_t{1} << 22);
        }
        return r;
    }
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
