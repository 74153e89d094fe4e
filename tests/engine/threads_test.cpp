// Scans on worker threads give exactly what the one-thread scan gives: the
// planes, the picture, and the record and orbit arrays they leave for the
// next scan, for any number of threads, also when a fault or Stop ends the
// scan midway. A plug-in that does not declare itself re-entrant is only
// ever called from one thread.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "fractal_view.h"
#include "row_scan.h"
#include "scan_plan.h"

using namespace zarvo;

namespace {

// What a scan leaves behind, as bytes.
struct Outcome {
    bool completed = false;
    int rowsDone = 0;
    long pixels = 0;
    std::string fault;
    std::vector<double> planes;  // resultA and resultB of the picture's pixels
    std::vector<uint8_t> picture;
    std::vector<double> state;  // the record's per-pixel values, the colour scratch, both orbit arrays
    std::vector<std::string> messages;

    bool operator==(const Outcome& o) const {
        auto sameBytes = [](const auto& a, const auto& b) {
            return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof a[0]) == 0;
        };
        return completed == o.completed && rowsDone == o.rowsDone && pixels == o.pixels && fault == o.fault &&
               sameBytes(planes, o.planes) && sameBytes(picture, o.picture) && sameBytes(state, o.state) &&
               messages == o.messages;
    }
};

struct StopAt : ScanHooks {
    std::function<void(int, int)> onPixel;
    std::function<void()> onWait;
    void pixelComputed(int column, int row) override {
        if (onPixel) onPixel(column, row);
    }
    void waitingForWorkers() override {
        if (onWait) onWait();
    }
};

// One fractal window with its own parameter set, bound to a plug-in file.
struct Window {
    ParameterSet ps;
    CollectingReporter messages;
    FractalView view{ps, messages};
    explicit Window(const char* plugin) {
        view.pluginFileName = plugin;
        EXPECT_TRUE(view.InitializeMainDLL());
        ps.vantrelFormulaMode = 0;
        ResetCoordinates(ps);
        ps.pictureWidth = 24;
        ps.pictureHeight = 16;
    }
    Outcome scan(int threads, ScanHooks&& hooks = StopAt()) {
        const ScanResult r = view.UpdateFractal(hooks, threads);
        Outcome o{r.completed, r.rowsDone, r.pixelsComputed, r.fault, {}, {}, {}, messages.messages};
        for (int x = 0; x < ps.pictureWidth; ++x)
            for (int y = 0; y < ps.pictureHeight; ++y) {
                o.planes.push_back(view.planeA(x, y));
                o.planes.push_back(view.planeB(x, y));
            }
        o.picture = ps.workBitmap.pixels;
        o.state = state();
        EXPECT_EQ(ps.orbitX, ps.orbitStoreX.data());
        return o;
    }
    std::vector<double> state() const {
        const ColourScratch& cs = view.colour;
        std::vector<double> s = {ps.cRe, ps.cIm, ps.zRe, ps.zIm, ps.resultA, ps.resultB, double(ps.iterationCount)};
        for (int k = 0; k < 3; ++k) s.insert(s.end(), {cs.blendIn[k], cs.channelValue[k], double(cs.channelByte[k])});
        s.push_back(cs.pixelFaulted);
        s.insert(s.end(), ps.orbitStoreX.begin(), ps.orbitStoreX.end());
        s.insert(s.end(), ps.orbitStoreY.begin(), ps.orbitStoreY.end());
        return s;
    }
};

struct Probe {
    void* handle;
    explicit Probe(const char* path) : handle(dlopen(path, RTLD_NOW)) {}
    ~Probe() { dlclose(handle); }
    int calls() { return reinterpret_cast<int (*)()>(dlsym(handle, "probe_calls"))(); }
    int mostAtOnce() { return reinterpret_cast<int (*)()>(dlsym(handle, "probe_most_at_once"))(); }
    void reset() { reinterpret_cast<void (*)()>(dlsym(handle, "probe_reset"))(); }
};

const int kThreadCounts[] = {2, 3, 7};

}  // namespace

#ifdef QORL01_PLUGIN
// Every formula of plug-in one, each with another render method, orbit
// transform, blend (blends outside 1..5 reuse the previous pixel's colour),
// channel order (a wrong one is reported), rotation, Julia form and
// inversion, twice in a row so that the second scan starts from the orbit
// entries the first one left.
TEST(ThreadedScan, EveryFormulaGivesTheOneThreadPictureOnEveryThreadCount) {
    auto scanTwice = [](int f, int threads) {
        Window w(QORL01_PLUGIN);
        ParameterSet& ps = w.ps;
        ps.formulaIndex = (f * 5 + 13) % 49;
        ps.maxIterations = 24;
        std::vector<Outcome> both{w.scan(threads)};
        ps.formulaIndex = f;
        ps.renderMethod = 1 + f * 11 % 29;
        ps.transformMode = f % 5;
        ps.blendMethod = f % 8 == 7 ? 26 : 1 + f % 5;
        ps.rgbOrder = f % 11 == 10 ? 9 : 1 + f % 6;
        ps.rotateMode = f / 5 % 4;
        ps.juliaMode = f % 3 == 1 ? 1 : 0;
        ps.juliaConstantSet = 0;
        ps.juliaRe = -0.745;
        ps.juliaIm = 0.113;
        ps.inverseFormula = f % 7 == 3 ? 1 : 0;
        ps.maxIterations = 20 + f % 9;
        both.push_back(w.scan(threads));
        return both;
    };
    for (int f = 0; f < 49; ++f) {
        const std::vector<Outcome> one = scanTwice(f, 1);
        for (int threads : kThreadCounts)
            ASSERT_TRUE(scanTwice(f, threads) == one) << "formula " << f << ", " << threads << " threads";
    }
}

// A picture larger than 640 x 480 takes other colours, blend and channel
// order from its planes: exactly the bytes a new scan draws.
TEST(ThreadedScan, LargePictureRecolouredFromItsPlanesAsANewScanDrawsIt) {
    Window w(QORL01_PLUGIN);
    ParameterSet& ps = w.ps;
    ps.pictureWidth = 700;
    ps.pictureHeight = 500;
    ps.maxIterations = 40;
    ps.renderMethod = 7;
    const Outcome first = w.scan(2);
    ASSERT_TRUE(first.completed);
    ASSERT_TRUE(w.view.planesHoldPicture());
    ps.blendMethod = 3;
    ps.rgbOrder = 5;
    ps.redStep = 7.5;
    ps.blueStart = 40;
    ps.intensity = 1.7;
    ScanHooks none;
    ASSERT_EQ(w.view.RecolourFromPlanes(none, 3), "");
    const std::vector<uint8_t> recoloured = ps.workBitmap.pixels;
    EXPECT_NE(recoloured, first.picture);
    EXPECT_EQ(w.scan(2).picture, recoloured);
}

// A picture whose colour overflows from the middle on: the scan ends at
// the same pixel, with the same message, on every thread count.
TEST(ThreadedScan, ColourFaultEndsEveryThreadCountAtTheSamePixel) {
    auto scan = [](int threads) {
        Window w(QORL01_PLUGIN);
        w.ps.formulaIndex = 0;
        w.ps.maxIterations = 300;  // the set's pixels end at 301: 301/128 * 1e308 overflows
        w.ps.intensity = 1e308;
        return w.scan(threads);
    };
    const Outcome one = scan(1);
    ASSERT_EQ(one.fault, "Floating point overflow");
    EXPECT_GT(one.rowsDone, 2);
    for (int threads : kThreadCounts) EXPECT_TRUE(scan(threads) == one) << threads << " threads";
}
#endif

// The probe's formula 1 faults at every pixel right of and below the
// centre: the scan ends at the first of them in row order, keeps the
// pixels before it and reports the same fault at every thread count.
TEST(ThreadedScan, FormulaFaultEndsEveryThreadCountAtTheSamePixel) {
    auto scan = [](int threads) {
        Window w(THREADS_PROBE_PLUGIN);
        w.ps.formulaIndex = 1;
        return w.scan(threads);
    };
    const Outcome one = scan(1);
    EXPECT_EQ(one.fault, "Floating point division by zero");
    EXPECT_EQ(one.rowsDone, 8);
    EXPECT_EQ(one.pixels, 8 * 24 + 13);
    for (int threads : kThreadCounts) EXPECT_TRUE(scan(threads) == one) << threads << " threads";
}

// The orbit entries maxIterations and maxIterations + 1 are not cleared
// between pixels, so a pixel can read what earlier pixels, in other rows and
// on other threads, left there. The probe's formula 3 writes them in every
// combination; every transform and the render methods that rewrite the
// orbit (18, 21) or only read it (8) see what the one-thread scan sees, also
// when the lower rows count past them (the scan then goes on on one thread).
TEST(ThreadedScan, OrbitEntriesLeftByEarlierPixelsAreThoseOfTheOneThreadScan) {
    for (int transform = 0; transform <= 4; ++transform)
        for (int method : {8, 18, 21})
            for (double countFurtherBelow : {1e300, 0.5}) {
                auto scan = [&](int threads) {
                    Window w(THREADS_PROBE_PLUGIN);
                    w.ps.formulaIndex = 3;
                    w.ps.transformMode = transform;
                    w.ps.renderMethod = method;
                    w.ps.maxIterations = 6;
                    w.ps.power = countFurtherBelow;
                    return w.scan(threads);
                };
                const Outcome one = scan(1);
                for (int threads : kThreadCounts)
                    EXPECT_TRUE(scan(threads) == one) << "transform " << transform << ", method " << method << ", "
                                                      << countFurtherBelow << ", " << threads << " threads";
            }
}

// With the orbit inversion, a huge value in entry maxIterations + 1
// overflows. The probe's formula 4 has the last pixel of every row write
// that entry and, from row 1 on, every other pixel read it.
// - A first scan writes huge values: the workers guess the entry from the
//   start of the scan (0) and find no fault in row 1, but the one-thread
//   scan faults at its first pixel.
// - A second one, with no pixel reading, leaves a huge value for the next.
// - A third writes small values: the workers' guess (huge) faults at once,
//   the one-thread scan does not.
TEST(ThreadedScan, FaultsThatComeFromEarlierRowsAreThoseOfTheOneThreadScan) {
    auto scanThrice = [](int threads) {
        Window w(THREADS_PROBE_PLUGIN);
        ParameterSet& ps = w.ps;
        AdjustCoords(ps);
        ps.formulaIndex = 4;
        ps.transformMode = 3;
        ps.renderMethod = 8;
        ps.maxIterations = 6;
        ps.factor4 = ps.xMin + 22.5 * (ps.xMax - ps.xMin) / 24;  // the last column writes
        const double fromRow1 = ps.yMin + 0.5 * (ps.yMax - ps.yMin) / 16;
        std::vector<Outcome> all;
        for (double writes : {1e200, 1e200, 2.0}) {
            ps.strands = writes;
            ps.power = all.size() == 1 ? 1e300 : fromRow1;  // pixels below `power` read
            all.push_back(w.scan(threads));
        }
        return all;
    };
    const std::vector<Outcome> one = scanThrice(1);
    EXPECT_EQ(one[0].fault, "Floating point overflow");
    EXPECT_EQ(one[0].pixels, 24 + 1);
    EXPECT_TRUE(one[1].completed);
    EXPECT_TRUE(one[2].completed);
    for (int threads : kThreadCounts) EXPECT_TRUE(scanThrice(threads) == one) << threads << " threads";
}

// Stop in the middle of a parallel scan keeps what the one-thread scan
// keeps. A stop from any thread wakes a caller waiting for a row, and no
// worker starts another pixel once it has seen it: each finishes at most the
// pixel in hand.
TEST(ThreadedScan, StopKeepsWhatOneThreadKeepsAndReachesEveryWorker) {
    auto scan = [&](int threads) {
        Window w(THREADS_PROBE_PLUGIN);
        w.ps.formulaIndex = 2;
        w.ps.pictureWidth = 64;
        w.ps.pictureHeight = 48;
        StopAt hooks;
        hooks.onPixel = [&](int column, int row) {
            if (row == 20 && column == 7) w.ps.stopFlag = flagOn;
        };
        return w.scan(threads, std::move(hooks));
    };
    const Outcome one = scan(1);
    EXPECT_FALSE(one.completed);
    EXPECT_EQ(one.rowsDone, 20);
    for (int threads : kThreadCounts) EXPECT_TRUE(scan(threads) == one) << threads << " threads";

    Probe probe(THREADS_PROBE_PLUGIN);
    Window w(THREADS_PROBE_PLUGIN);
    w.ps.formulaIndex = 2;     // 50 microseconds a pixel:
    w.ps.pictureWidth = 2000;  // a row takes 100 ms
    AdjustCoords(w.ps);
    const ScanPlan plan = ScanPlan::Of(w.ps, w.ps.xMin, w.ps.yMin, w.ps.xMax, w.ps.yMax);
    for (int threads : kThreadCounts) {
        probe.reset();
        int callsAtStop = 0;
        {
            RowScan rows(plan, w.view.plugin.formulaEntry(), threads, CarriedOrbit());
            std::thread stopper([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                rows.stop();
                callsAtStop = probe.calls();
            });
            const RowResult* row = nullptr;
            int taken = 0;
            while (rows.take(taken, &row) == RowScan::Outcome::Ready) ++taken;
            stopper.join();
        }  // the workers have left
        EXPECT_LE(probe.calls() - callsAtStop, threads) << threads << " threads";
    }
}

// The caller waits for the workers in slices, handling events in between.
// Stop set there reaches the workers at once (each finishes at most the
// pixel in hand), and the scan keeps exactly the rows taken, as a one-thread
// scan stopped after the last pixel of the same row does (which, stopped
// inside the row, does not count it as done). A scan started there ends the
// outer one and stops its workers as it starts: only it calls the plug-in
// while it draws. Started while a scan stopped inside a row computes that
// row once more, it keeps the record and orbit arrays it leaves.
TEST(ThreadedScan, StopOrAnotherScanWhileWaitingForWorkersStopsThemAtOnce) {
    Probe probe(THREADS_PROBE_PLUGIN);
    auto window = [] {
        auto w = std::make_unique<Window>(THREADS_PROBE_PLUGIN);
        w->ps.formulaIndex = 2;    // 50 microseconds a pixel:
        w->ps.pictureWidth = 640;  // a row takes 32 ms
        return w;
    };
    for (int threads : {2, 3}) {
        auto w = window();
        int rowsTaken = 0, waits = 0, callsAtStop = 0;
        StopAt hooks;
        hooks.onPixel = [&](int column, int) { rowsTaken += column == 639; };
        hooks.onWait = [&] {
            ++waits;
            if (rowsTaken < 2 || w->ps.stopFlag != 0) return;
            w->ps.stopFlag = flagOn;
            callsAtStop = probe.calls();
        };
        const Outcome stopped = w->scan(threads, std::move(hooks));
        EXPECT_GE(waits, 2) << "row 0 is waited for in slices";
        // The last row taken is computed once more here, for the record.
        EXPECT_LE(probe.calls() - callsAtStop, threads + 640) << threads << " threads";

        auto one = window();
        StopAt at;
        at.onPixel = [&](int column, int row) {
            if (row == rowsTaken - 1 && column == 639) one->ps.stopFlag = flagOn;
        };
        Outcome expected = one->scan(1, std::move(at));
        expected.rowsDone = rowsTaken;
        EXPECT_TRUE(stopped == expected) << threads << " threads";

        int innerPixels = 0, callsAtFirst = 0;
        StopAt inner;
        inner.onPixel = [&](int, int) {
            if (innerPixels++ == 0) callsAtFirst = probe.calls();
        };
        StopAt outer;
        outer.onWait = [&] {
            if (innerPixels > 0) return;
            w->ps.pictureHeight = 2;
            w->view.UpdateFractal(inner, 1);
        };
        const ScanResult r = w->view.UpdateFractal(outer, threads);
        EXPECT_FALSE(r.completed);
        EXPECT_EQ(innerPixels, 2 * 640);
        EXPECT_LE(probe.calls() - callsAtFirst, innerPixels - 1 + threads) << threads << " threads";

        std::vector<double> leftByInner;
        StopAt stopThenScan;
        stopThenScan.onPixel = [&](int column, int row) {
            if (row == 0 && column == 300) w->ps.stopFlag = flagOn;
        };
        stopThenScan.onWait = [&] {
            if (w->ps.stopFlag == 0 || !leftByInner.empty()) return;
            w->view.UpdateFractal(inner, 1);
            leftByInner = w->state();
        };
        w->view.UpdateFractal(stopThenScan, threads);
        EXPECT_FALSE(leftByInner.empty());
        EXPECT_TRUE(w->state() == leftByInner) << threads << " threads";
    }
}

// Without _reentrant the plug-in is called from one thread at a time, in
// row order, whatever the thread count asked for.
TEST(ThreadedScan, PluginWithoutReentrantIsNeverCalledTwiceAtOnce) {
    Probe serial(SERIAL_PROBE_PLUGIN);
    Probe reentrant(THREADS_PROBE_PLUGIN);
    for (int threads : {1, 7}) {
        Window w(SERIAL_PROBE_PLUGIN);
        w.ps.formulaIndex = 0;
        serial.reset();
        w.scan(threads);
        EXPECT_EQ(serial.calls(), 24 * 16);
        EXPECT_EQ(serial.mostAtOnce(), 1) << threads << " threads";
    }
    // The same plug-in declaring itself re-entrant does get concurrent calls,
    // so the check above can see them.
    Window w(THREADS_PROBE_PLUGIN);
    w.ps.formulaIndex = 2;
    reentrant.reset();
    w.scan(7);
    EXPECT_GT(reentrant.mostAtOnce(), 1);
}

// A caller that must stay responsive asks for the next row without
// waiting; it gets it once a worker has computed it.
TEST(ThreadedScan, RowsCanBeAskedForWithoutWaiting) {
    Window w(THREADS_PROBE_PLUGIN);
    w.ps.formulaIndex = 2;     // 50 microseconds a pixel:
    w.ps.pictureWidth = 2000;  // a row takes 100 ms
    AdjustCoords(w.ps);
    const ScanPlan plan = ScanPlan::Of(w.ps, w.ps.xMin, w.ps.yMin, w.ps.xMax, w.ps.yMax);
    RowScan rows(plan, w.view.plugin.formulaEntry(), 2, CarriedOrbit());
    const RowResult* row = nullptr;
    EXPECT_EQ(rows.take(0, &row, std::chrono::milliseconds(0)), RowScan::Outcome::NotYet);
    while (rows.take(0, &row, std::chrono::milliseconds(5)) == RowScan::Outcome::NotYet) {
    }
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->end, 2000);
}
