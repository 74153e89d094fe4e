// The fast forms of the plot arithmetic give exactly what the exact forms
// give, over many points of every kind that runs meet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <utility>

#include "plot_batch.h"
#include "plot_weight.h"
#include "stream_step.h"
#include "uniform_random.h"

namespace zarvo::attractor::testing {
namespace {

using fm::D;
using fm::LD;

// Numbers spread over the magnitudes plotted points take, both signs.
double Spread(UniformRandom& g) {
    const double magnitude = std::pow(10.0, g.uniform() * 12 - 6);
    return (g.uniform() < 0.5 ? -1 : 1) * magnitude;
}

TEST(CheckedTrig, FastFormsGiveTheExactResults) {
    UniformRandom g(20240601);
    for (int i = 0; i < 400000; ++i) {
        const double x = Spread(g), y = Spread(g), x0 = Spread(g), y0 = Spread(g);
        const double factor1 = i % 3 == 0 ? 10 : std::floor(g.uniform() * 65);
        const PlotWeight fast = WeighPlot(x, y, x0, y0, factor1);
        const PlotWeight exact = ExactWeighPlot(D((1 + LD(x) - x0) / (1 + LD(y) - y0)), factor1);
        ASSERT_EQ(fast.weight, exact.weight) << x << " " << y << " " << x0 << " " << y0;
        ASSERT_EQ(fast.shade, exact.shade);

        const double arg = i % 2 == 0 ? x * x + y * y : std::atan(x / y);
        double s, c, es, ec;
        SinCosAsDoubles(arg, s, c);
        ExactSinCosAsDoubles(arg, es, ec);
        ASSERT_EQ(s, es) << arg;
        ASSERT_EQ(c, ec) << arg;

        const LD w = g.uniform() * (i % 5 == 0 ? 0.5 : 0.02);
        ASSERT_EQ(D(SinusoidalStep(x, w)), D(ExactSinusoidalStep(x, w))) << x;
    }
    // Window edges and positions near half-way points between pixels.
    for (int i = 0; i < 400000; ++i) {
        const double lo = Spread(g), extent = std::fabs(Spread(g));
        const int size = 1 + static_cast<int>(g.uniform() * 4000);
        const PlotWindow window(lo, lo + extent, lo, lo + extent, size, size);
        const double k = std::floor(g.uniform() * size) + (i % 2 == 0 ? 0.5 : g.uniform());
        const double x = lo + k / size * extent * (1 + (g.uniform() - 0.5) * 1e-14);
        if (!(lo < x && x < lo + extent)) continue;
        PlotPosition p;
        PlotPixel(window, x, x, p);
        ASSERT_EQ(p.px, ExactPixel(x, lo, lo + extent, size)) << x;
    }
    // Edges near the largest doubles: the exact arithmetic, and no fault
    // flag from the fast one.
    std::feclearexcept(FE_ALL_EXCEPT);
    const PlotWindow huge(-1.7e308, 1.7e308, -1.7e308, 1.7e308, 640, 480);
    PlotPosition p;
    EXPECT_TRUE(PlotPixel(huge, 1.6e308, -1.6e308, p));
    EXPECT_EQ(p.px, ExactPixel(1.6e308, -1.7e308, 1.7e308, 640));
    EXPECT_EQ(WeighPlot(1.6e308, -1.6e308, 1e308, 1e308, 10).weight,
              ExactWeighPlot(D((1 + LD(1.6e308) - 1e308) / (1 + LD(-1.6e308) - 1e308)), 10).weight);
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID));
}

// Polar's and Horseshoe's angles of x / y, and Horseshoe's sine and cosine
// of its angle: the exact forms' bits and fault flags (y = 0 divides by zero), for quotients of every size and sign,
// near 0, +-1 and +-infinity, and for zero, tiny and huge x and y.
TEST(CheckedTrig, AnglesGiveTheExactResultsAndFlags) {
    UniformRandom g(20240917);
    const double special[] = {0.0, -0.0, 1e-320, 4e-308, 1e-160, 1.0, 3.0, 1e160, 1.7e308};
    const auto other = [&](double v) {
        switch (static_cast<int>(g.uniform() * 6)) {
            case 0: return Spread(g);
            case 1: return v * (1 + (g.uniform() - 0.5) * 1e-15);  // q near 1
            case 2: return v * std::ldexp(1 + g.uniform(), static_cast<int>(g.uniform() * 80) - 40);
            case 3: return v * std::ldexp(1.0, static_cast<int>(g.uniform() * 4000) - 2000);  // far apart
            case 4: return special[static_cast<int>(g.uniform() * 9)];
            default: return v * (1 + g.uniform() * 0x1p-30);
        }
    };
    const auto flags = [](auto f) {
        std::feclearexcept(FE_ALL_EXCEPT);
        const double r = f();
        return std::make_pair(r, std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID));
    };
    for (int i = 0; i < 1000000; ++i) {
        double x = i % 7 == 0 ? special[i / 7 % 9] : Spread(g);
        double y = other(x);
        if (i % 2 == 0) std::swap(x, y);
        if (g.uniform() < 0.5) x = -x;
        if (g.uniform() < 0.5) y = -y;
        const auto polar = flags([&] { return PolarAngle(x, y); });
        const auto exactPolar = flags([&] { return ExactPolarAngle(x, y); });
        const auto horseshoe = flags([&] { return HorseshoeAngle(x, y); });
        const auto exactHorseshoe = flags([&] { return ExactHorseshoeAngle(x, y); });
        ASSERT_EQ(std::memcmp(&polar.first, &exactPolar.first, sizeof(double)), 0) << x << " " << y;
        ASSERT_EQ(polar.second, exactPolar.second) << x << " " << y;
        ASSERT_EQ(std::memcmp(&horseshoe.first, &exactHorseshoe.first, sizeof(double)), 0) << x << " " << y;
        ASSERT_EQ(horseshoe.second, exactHorseshoe.second) << x << " " << y;
        double sc[2], exactSc[2];
        const auto turn = flags([&] { return HorseshoeSinCos(x, y, sc[0], sc[1]), 0.0; });
        const auto exactTurn = flags([&] { return ExactSinCosAsDoubles(ExactHorseshoeAngle(x, y), exactSc[0], exactSc[1]), 0.0; });
        ASSERT_EQ(std::memcmp(sc, exactSc, sizeof sc), 0) << x << " " << y;
        ASSERT_EQ(turn.second, exactTurn.second) << x << " " << y;
    }
}

// Points weighed four at a time: every point the vector forms settle has
// exactly the one-point hit (or none), the others are few, and nothing
// raises a fault flag: points in and around windows of every size, on
// pixel edges and half-way points, NaN, infinite and huge values, steps
// whose angle numerator or denominator is zero, counters smaller than the
// picture, one and three cells a side.
TEST(CheckedTrig, PointsWeighedTogetherGiveTheOnePointHits) {
    UniformRandom g(20241207);
    int settled = 0, total = 0;
    for (int round = 0; round < 3000; ++round) {
        // Every other window is one a run draws, the others anywhere.
        const bool ordinary = round % 4 < 2;
        ParameterSet ps;
        const double lo = ordinary ? g.uniform() * 4 - 4 : Spread(g);
        const double extent = ordinary ? 1 + g.uniform() * 8 : std::fabs(Spread(g));
        ps.plotXMin = lo;
        ps.plotXMax = lo + extent;
        ps.plotYMin = lo - extent / 3;
        ps.plotYMax = lo + extent / 2;
        ps.vtlWidth = 1 + static_cast<int>(g.uniform() * 900);
        ps.vtlHeight = 1 + static_cast<int>(g.uniform() * 700);
        ps.vtlFactor1 = round % 5 == 0 ? -3 : std::floor(g.uniform() * 65);
        const int side = std::max(ps.vtlWidth, ps.vtlHeight);
        const StepSettings s(ps, side, side, ps.vtlWidth - round % 2, ps.vtlHeight, 1 + 2 * (round % 2), true);
        if (!CanWeighTogether(s)) GTEST_SKIP() << "no vector weighing on this processor";
        PointBatch<64> b{};
        const auto inside = [&](double a, double span, int size) {
            switch (static_cast<int>(g.uniform() * 5)) {
                case 0: return a + (std::floor(g.uniform() * size) + 0.5) / size * span;  // half-way
                case 1: return a + std::floor(g.uniform() * (size + 1)) / size * span;     // pixel edges
                case 2: return a + (g.uniform() * 1.2 - 0.1) * span;                        // around the window
                default: return a + g.uniform() * span;
            }
        };
        const double odd[] = {NAN, INFINITY, -INFINITY, 1e305, -1e301, 0.0};
        for (int i = 0; i < 64; ++i) {
            b.x[i] = inside(ps.plotXMin, extent, ps.vtlWidth);
            b.y[i] = inside(ps.plotYMin, ps.plotYMax - ps.plotYMin, ps.vtlHeight);
            b.x0[i] = i % 9 == 0 ? 1 + b.x[i] - 1 : inside(ps.plotXMin, extent, ps.vtlWidth);  // numerator 0
            b.y0[i] = i % 11 == 0 ? b.y[i] : inside(ps.plotYMin, extent, ps.vtlHeight);
            if (i % 13 == 0) {
                double* const coordinate[] = {&b.x[i], &b.y[i], &b.x0[i], &b.y0[i]};
                *coordinate[static_cast<int>(g.uniform() * 4)] = odd[i % 6];
            }
        }
        // Every width of the processor: four lanes, and eight where it has them.
        for (int lanes = 4; lanes <= MostLanesTogether(); lanes *= 2) {
            std::fill(std::begin(b.verdict), std::end(b.verdict), uint8_t{3});  // no verdict
            std::feclearexcept(FE_ALL_EXCEPT);
            WeighPointsTogether(s, b, 0, 64, lanes);
            ASSERT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID));
            for (int i = 0; i < 64; ++i) {
                ASSERT_LE(b.verdict[i], kPointAlone);
                total += ordinary && lanes == 4;
                if (b.verdict[i] == kPointAlone) continue;
                settled += ordinary && lanes == 4;
                PlotPosition p;
                PlotWeight w;
                const bool hit = WeighPoint(s, b.x[i], b.y[i], b.x0[i], b.y0[i], p, w);
                ASSERT_EQ(b.verdict[i] == kPointHit, hit) << b.x[i] << " " << b.y[i];
                if (!hit) continue;
                Hit h;
                HitOf(s, p, w, h);
                ASSERT_EQ(b.pixel[i], h.pixel);
                ASSERT_EQ(b.cell[i], h.cell);
                ASSERT_EQ(b.px[i], p.px);
                ASSERT_EQ(b.py[i], p.py);
                ASSERT_EQ(b.weight[i], h.weight);
                ASSERT_EQ(static_cast<uint32_t>(b.shade[i]), h.shade);
            }
        }
    }
    // (On purpose, a fifth of the points lie half-way between pixels, a
    // ninth have no numerator and a thirteenth an odd coordinate: these are
    // weighed alone.)
    EXPECT_GT(settled, total * 55 / 100) << settled << " of " << total;
}

}  // namespace
}  // namespace zarvo::attractor::testing
