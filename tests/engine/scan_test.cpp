#include <gtest/gtest.h>

#include <dlfcn.h>

#include <functional>

#include "fractal_view.h"

using namespace zarvo;

namespace {

// Access to the probe plug-in's recording functions.
struct Probe {
    void* handle = dlopen(PROBE_PLUGIN, RTLD_NOW);
    int calls() { return reinterpret_cast<int (*)()>(dlsym(handle, "probe_calls"))(); }
    void reset(int behaviour = 0) { reinterpret_cast<void (*)(int)>(dlsym(handle, "probe_reset"))(behaviour); }
    const FormulaRecord& last() { return *reinterpret_cast<const FormulaRecord* (*)()>(dlsym(handle, "probe_last"))(); }
    ~Probe() { dlclose(handle); }
};

struct RecordingHooks : ScanHooks {
    int shows = 0, events = 0, pixels = 0, finished = 0;
    std::string fault;
    std::function<void()> onPixel;
    void afterPixel() override {
        ++pixels;
        if (onPixel) onPixel();
    }
    void processEvents() override { ++events; }
    void showPicture() override { ++shows; }
    void scanFinished(const std::string& f) override {
        ++finished;
        fault = f;
    }
};

class ScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.pluginFileName = PROBE_PLUGIN;
        ASSERT_TRUE(view.InitializeMainDLL());
        ps.vantrelFormulaMode = 0;
        ResetCoordinates(ps);
        probe.reset();
    }
    ParameterSet ps;
    CollectingReporter rep;
    FractalView view{ps, rep};
    Probe probe;
};

}  // namespace

TEST_F(ScanTest, WholePictureRowByRow) {
    RecordingHooks hooks;
    const ScanResult r = view.UpdateFractal(hooks);
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(r.rowsDone, 120);
    EXPECT_EQ(probe.calls(), 21600);
    EXPECT_EQ(hooks.pixels, 21600);
    EXPECT_EQ(hooks.shows, 3);  // after rows 31, 63 and 95
    EXPECT_EQ(hooks.finished, 1);
    EXPECT_EQ(ps.stopFlag, -1);
    EXPECT_EQ(view.scanRunning, 0);
    EXPECT_EQ(ps.workBitmap.width, 180);
    // The last pixel is the bottom-right one; right and bottom edges are never sampled.
    EXPECT_DOUBLE_EQ(probe.last().zRe, 179 * view.stepX + view.scanXMin);
    EXPECT_DOUBLE_EQ(probe.last().zIm, 119 * view.stepY + view.scanYMin);
    EXPECT_LT(probe.last().zRe, ps.xMax);
    // Parameter plane: c is the pixel.
    EXPECT_EQ(probe.last().cRe, probe.last().zRe);
    // Protocol: orbit pointers set, count cleared before the call.
    EXPECT_EQ(probe.last().orbitX, ps.orbitStoreX.data());
    EXPECT_EQ(probe.last().iterationCount, 0);
}

TEST_F(ScanTest, AbortKeepsWhatWasDrawn) {
    RecordingHooks hooks;
    hooks.onPixel = [&] {
        if (view.currentRow == 50 && probe.last().zRe > 0) ps.stopFlag = -1;
    };
    const ScanResult r = view.UpdateFractal(hooks);
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(r.rowsDone, 50);
    EXPECT_GT(probe.calls(), 50 * 180);
    EXPECT_LT(probe.calls(), 51 * 180);
    EXPECT_EQ(ps.stopFlag, -1);
    EXPECT_EQ(view.scanRunning, 0);
    EXPECT_EQ(hooks.finished, 1);
}

TEST_F(ScanTest, JuliaConstantIsCopiedOnlyUntilAScanEnds) {
    ps.juliaMode = 1;
    ps.juliaConstantSet = 0;
    ps.juliaRe = 0.25;
    ps.juliaIm = -0.5;
    RecordingHooks hooks;
    view.UpdateFractal(hooks);
    EXPECT_EQ(probe.last().cRe, 0.25);
    EXPECT_EQ(probe.last().cIm, -0.5);
    EXPECT_EQ(ps.juliaConstantSet, 1);
    // c is no longer written per pixel: it keeps what the last pixel restored.
    ps.juliaRe = 9.0;
    view.UpdateFractal(hooks);
    EXPECT_EQ(probe.last().cRe, 0.25);
}

TEST_F(ScanTest, RotationSwapsForTheFormulaAndPutsCBack) {
    ps.pictureWidth = 2;
    ps.pictureHeight = 1;
    ps.juliaMode = 1;
    ps.juliaConstantSet = 0;
    ps.juliaRe = 0.25;
    ps.juliaIm = -0.5;
    ps.rotateMode = 1;
    RecordingHooks hooks;
    view.UpdateFractal(hooks);
    EXPECT_EQ(probe.last().cRe, -0.5);
    EXPECT_EQ(probe.last().cIm, 0.25);
    EXPECT_EQ(ps.cRe, 0.25);
    EXPECT_EQ(ps.cIm, -0.5);

    ps.juliaConstantSet = 0;
    ps.rotateMode = 2;
    view.UpdateFractal(hooks);
    EXPECT_EQ(probe.last().cRe, 0.5);
    EXPECT_EQ(probe.last().cIm, -0.25);

    ps.juliaConstantSet = 0;
    ps.rotateMode = 3;
    view.UpdateFractal(hooks);
    EXPECT_EQ(probe.last().cRe, -0.25);
    EXPECT_EQ(probe.last().cIm, 0.5);
    EXPECT_EQ(ps.cRe, 0.25);
}

TEST_F(ScanTest, FloatingPointFaultsEndTheScanWithTheirDescription) {
    const struct {
        int behaviour;
        const char* text;
    } cases[] = {{1, "Floating point division by zero"},
                 {2, "Floating point overflow"},
                 {3, "Invalid floating point operation"}};
    for (const auto& c : cases) {
        probe.reset(c.behaviour);
        RecordingHooks hooks;
        const ScanResult r = view.UpdateFractal(hooks);
        EXPECT_EQ(r.fault, c.text);
        EXPECT_EQ(hooks.fault, c.text);
        EXPECT_EQ(probe.calls(), 1);
        EXPECT_FALSE(r.completed);
        EXPECT_EQ(ps.stopFlag, -1);
        EXPECT_EQ(view.scanRunning, 0);
    }
    // A clean scan afterwards is not blamed for the earlier fault.
    probe.reset(0);
    RecordingHooks hooks;
    EXPECT_TRUE(view.UpdateFractal(hooks).fault.empty());
}

TEST_F(ScanTest, SecondScanStartedInsideTheFirstEndsIt) {
    RecordingHooks inner;
    RecordingHooks outer;
    bool started = false;
    outer.onPixel = [&] {
        if (!started && view.currentRow == 5) {
            started = true;
            EXPECT_TRUE(view.UpdateFractal(inner).completed);
        }
    };
    const ScanResult r = view.UpdateFractal(outer);
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(inner.pixels, 21600);
    EXPECT_LT(outer.pixels, 7 * 180);
    EXPECT_EQ(ps.stopFlag, -1);
    EXPECT_EQ(view.scanRunning, 0);

    // The same through another window sharing the one parameter set.
    FractalView other(ps, rep);
    other.pluginFileName = PROBE_PLUGIN;
    ASSERT_TRUE(other.InitializeMainDLL());
    started = false;
    outer.pixels = 0;
    outer.onPixel = [&] {
        if (!started && view.currentRow == 5) {
            started = true;
            other.UpdateFractal(inner);
        }
    };
    EXPECT_FALSE(view.UpdateFractal(outer).completed);
    EXPECT_LT(outer.pixels, 7 * 180);
}

TEST_F(ScanTest, PlanesOnlyForPicturesThatFit) {
    view.planePixelLimit = 640 * 2;
    ps.pictureWidth = 641;
    ps.pictureHeight = 2;
    RecordingHooks hooks;
    EXPECT_TRUE(view.UpdateFractal(hooks).completed);
    EXPECT_TRUE(view.resultPlaneA.empty());
    EXPECT_EQ(ps.workBitmap.width, 641);

    ps.pictureWidth = 640;
    view.UpdateFractal(hooks);
    EXPECT_EQ(view.planeA(0, 0), 33.0 / 128.0);  // placeholder method 1: n/128 with n = 33
}

TEST_F(ScanTest, IterationLimitIsClampedBeforeTheScan) {
    ps.maxIterations = 100000;
    ps.pictureWidth = ps.pictureHeight = 1;
    RecordingHooks hooks;
    view.UpdateFractal(hooks);
    EXPECT_EQ(ps.maxIterations, 6999);
    EXPECT_EQ(probe.last().maxIterations, 6999);
}

TEST_F(ScanTest, AttractorFormulaReplacesThePlugin) {
    struct Counting : PixelFormula {
        int calls = 0;
        void compute(ParameterSet& p) override {
            ++calls;
            p.iterationCount = 3;
        }
    } counting;
    view.vantrelPixel = &counting;
    ps.vantrelFormulaMode = -1;
    ps.pictureWidth = 10;
    ps.pictureHeight = 10;
    RecordingHooks hooks;
    view.UpdateFractal(hooks);
    EXPECT_EQ(counting.calls, 100);
    EXPECT_EQ(probe.calls(), 0);
}
