// The orbit inspector's pixel is the scan's pixel: the same count, results
// and orbit, in the Julia form, with a rotation and an orbit transform.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "fractal_view.h"
#include "orbit_probe.h"

using namespace zarvo;

namespace {

struct Pixel {
    int32_t count = 0;
    double a = 0, b = 0;
    std::vector<double> x, y;
};

// Keeps every pixel's count, results and orbit as the scan leaves them.
struct KeepPixels : ScanHooks {
    const ParameterSet& ps;
    std::vector<Pixel> pixels;
    explicit KeepPixels(const ParameterSet& p) : ps(p) {}
    void pixelComputed(int, int) override {
        Pixel px{ps.iterationCount, ps.resultA, ps.resultB, {}, {}};
        const size_t points = static_cast<size_t>(std::clamp(ps.iterationCount, 0, orbitCapacity - 1)) + 1;
        px.x.assign(ps.orbitStoreX.begin(), ps.orbitStoreX.begin() + points);
        px.y.assign(ps.orbitStoreY.begin(), ps.orbitStoreY.begin() + points);
        pixels.push_back(std::move(px));
    }
};

bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}
bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(OrbitProbe, GivesEveryPixelExactlyAsTheScanComputesIt) {
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view(ps, quiet);
    view.pluginFileName = QORL01_PLUGIN;
    ASSERT_TRUE(view.InitializeMainDLL());
    ASSERT_TRUE(view.plugin.reentrant());
    ps.vantrelFormulaMode = 0;
    ps.pictureWidth = 30;
    ps.pictureHeight = 20;
    struct Case {
        int formula, method, transform, rotate, julia;
    };
    const Case cases[] = {{0, 1, 0, 0, 0}, {0, 21, 1, 1, 1}, {13, 2, 4, 2, 0}, {25, 29, 2, 3, 1}, {1, 18, 3, 0, 1}};
    OrbitProber prober;
    for (const Case& c : cases) {
        ResetCoordinates(ps);
        ps.formulaIndex = c.formula;
        ps.renderMethod = c.method;
        ps.transformMode = c.transform;
        ps.rotateMode = c.rotate;
        ps.juliaMode = c.julia;
        ps.juliaConstantSet = 0;
        ps.juliaRe = -0.74;
        ps.juliaIm = 0.18;
        ps.maxIterations = 64;
        ps.xCentre = 0.1;
        ps.zoom = 1.5;
        KeepPixels scan(ps);
        ASSERT_TRUE(view.UpdateFractal(scan).completed);
        // The plan as the inspector makes it after the scan (the Julia
        // constant has been taken by then).
        const ScanPlan plan = ScanPlan::Of(ps, view.scanXMin, view.scanYMin, view.scanXMax, view.scanYMax);
        size_t i = 0;
        for (int row = 0; row < ps.pictureHeight; ++row)
            for (int column = 0; column < ps.pictureWidth; ++column, ++i) {
                const OrbitProbe p = prober.probe(plan, view.plugin.formulaEntry(), column, row);
                const Pixel& s = scan.pixels[i];
                ASSERT_EQ(p.count, s.count) << c.formula << " at " << column << "," << row;
                ASSERT_TRUE(SameBits(p.resultA, s.a) && SameBits(p.resultB, s.b)) << c.formula << " at " << column;
                ASSERT_TRUE(SameBits(p.renderedX, s.x) && SameBits(p.renderedY, s.y)) << c.formula << " at " << column;
                ASSERT_EQ(p.faultFlags, 0);
            }
    }
}

}  // namespace
