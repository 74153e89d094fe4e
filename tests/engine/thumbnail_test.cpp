// Gallery pictures and the orbit inspector computed on other threads while
// a window scans: the scan's picture and planes are those it draws alone,
// and each gallery picture is the one computed alone.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "fractal_view.h"
#include "orbit_probe.h"
#include "thumbnail.h"

using namespace zarvo;

namespace {

struct Drawn {
    std::vector<uint8_t> picture;
    std::vector<double> planes;
};

Drawn Scan(FractalView& view, ParameterSet& ps, int threads) {
    ScanHooks hooks;
    EXPECT_TRUE(view.UpdateFractal(hooks, threads).completed);
    Drawn d{ps.workBitmap.pixels, {}};
    for (int x = 0; x < ps.pictureWidth; ++x)
        for (int y = 0; y < ps.pictureHeight; ++y)
            d.planes.insert(d.planes.end(), {view.planeA(x, y), view.planeB(x, y)});
    return d;
}

std::vector<double> Results(const Thumbnail& t) {
    std::vector<double> r = t.a;
    r.insert(r.end(), t.b.begin(), t.b.end());
    return r;
}

TEST(ThreadedScanBesideGalleries, NeitherDisturbsTheOther) {
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view(ps, quiet);
    view.pluginFileName = QORL01_PLUGIN;
    ASSERT_TRUE(view.InitializeMainDLL());
    ps.vantrelFormulaMode = 0;
    ResetCoordinates(ps);
    ps.formulaIndex = 0;
    ps.maxIterations = 80;
    ps.pictureWidth = 96;
    ps.pictureHeight = 64;
    const Drawn alone = Scan(view, ps, 1);

    const zarvo_formula_fn formula = view.plugin.formulaEntry();
    const ScanPlan gallery = ThumbnailPlan(ps, 60, 40);
    std::vector<std::vector<double>> expected;
    for (int m = 1; m <= 6; ++m) {
        ScanPlan plan = gallery;
        plan.record.renderMethod = m;
        const Thumbnail t = ComputeThumbnail(plan, formula, nullptr);
        ASSERT_TRUE(t.complete());
        expected.push_back(Results(t));
    }
    const ScanPlan picture = ScanPlan::Of(ps, view.scanXMin, view.scanYMin, view.scanXMax, view.scanYMax);

    std::atomic<bool> done{false};
    std::vector<std::thread> others;
    std::vector<int> mismatches(3, 0);
    for (int k = 0; k < 3; ++k)
        others.emplace_back([&, k] {
            OrbitProber prober;
            do {
                for (int m = 1; m <= 6; ++m) {
                    ScanPlan plan = gallery;
                    plan.record.renderMethod = m;
                    if (Results(ComputeThumbnail(plan, formula, nullptr)) != expected[m - 1]) ++mismatches[k];
                    prober.probe(picture, formula, (m * 17 + k) % 96, (m * 5) % 64);
                }
            } while (!done.load());
        });
    for (int threads : {1, 2, 3}) {
        const Drawn beside = Scan(view, ps, threads);
        EXPECT_EQ(beside.picture, alone.picture) << threads << " threads";
        EXPECT_EQ(beside.planes, alone.planes) << threads << " threads";
    }
    done = true;
    for (std::thread& t : others) t.join();
    EXPECT_EQ(mismatches, std::vector<int>(3, 0));
}

}  // namespace
