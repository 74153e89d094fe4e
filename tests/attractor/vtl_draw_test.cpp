#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "attractor_fixture.h"
#include "formula_table.h"
#include "fractal_view.h"
#include "vtl_draw.h"

namespace zarvo::attractor::testing {
namespace {

// Wraps the attractor's pixel formula and records what each call saw and
// left.
struct PixelRecord {
    double cRe, cIm, zRe, zIm;
    int32_t count;
    std::vector<double> orbitX, orbitY;
};

class RecordingPixel : public PixelFormula {
public:
    explicit RecordingPixel(AttractorEngine& e) : inner(e) {}
    void compute(ParameterSet& ps) override {
        PixelRecord r{ps.cRe, ps.cIm, ps.zRe, ps.zIm, 0, {}, {}};
        inner.compute(ps);
        r.count = ps.iterationCount;
        r.orbitX.assign(ps.orbitX, ps.orbitX + ps.iterationCount + 1);
        r.orbitY.assign(ps.orbitY, ps.orbitY + ps.iterationCount + 1);
        records.push_back(r);
    }
    VtlDrawFormula inner;
    std::vector<PixelRecord> records;
};

class VtlDrawTest : public AttractorTest {
protected:
    void SetUp() override {
        AttractorTest::SetUp();
        view.vantrelPixel = &pixel;
        ps.pictureWidth = 6;
        ps.pictureHeight = 4;
        zarvo::ResetCoordinates(ps);  // escape-time view, zoom 0.2 in this mode
        view.DrawDefaultImage();
        ps.drawRandom = 0;
        ps.AASet = ps.AAStart = 0.3;
    }
    ScanResult Scan() {
        ScanHooks hooks;
        return view.UpdateFractal(hooks);
    }
    FractalView view{ps, reporter};
    RecordingPixel pixel{engine};
};

TEST_F(VtlDrawTest, OneIterationLimit) {
    ps.formulaIndex = 24;
    ps.maxIterations = 1;
    ASSERT_TRUE(Scan().completed);
    ASSERT_EQ(pixel.records.size(), 24u);
    for (const PixelRecord& r : pixel.records) {
        EXPECT_EQ(r.count, 1);
        // One step of formula 24 from c.
        const double x1 =
            (double)(-(long double)r.cRe / 2 + r.cIm + 100 * (long double)r.cRe / ((long double)r.cRe * r.cRe + 1));
        EXPECT_EQ(r.orbitX[0], x1);
        EXPECT_EQ(r.orbitY[0], -r.cRe);
    }
}

TEST_F(VtlDrawTest, OrbitFollowsTheFormulaAndDropsTheLastPoint) {
    ps.formulaIndex = 24;
    ps.maxIterations = 10;
    ASSERT_TRUE(Scan().completed);
    for (const PixelRecord& r : pixel.records) {
        EXPECT_EQ(r.count, 9);  // ten steps, then the final decrement
        MapState s;
        s.x = r.cRe;
        s.y = r.cIm;
        double af[61] = {};
        for (int i = 0; i < 10; ++i) {
            FormulaStepFor(24)(s, MapInputs{0.3, ps.BB, af});
            if (i < 9) {
                ASSERT_EQ(r.orbitX[i], s.x) << i;
                ASSERT_EQ(r.orbitY[i], s.y) << i;
            }
        }
    }
    // Nothing is plotted in the attractor view.
    for (uint8_t v : engine.vtlBitmap.pixels) ASSERT_EQ(v, 0);
    EXPECT_EQ(ps.stepCount, 0);
}

TEST_F(VtlDrawTest, FixedOrbitStopsAtOnce) {
    ps.formulaIndex = 56;  // the point never moves
    ps.maxIterations = 50;
    ASSERT_TRUE(Scan().completed);
    for (const PixelRecord& r : pixel.records) {
        EXPECT_EQ(r.zRe, r.cRe);  // parameter plane: z equals c at entry
        EXPECT_EQ(r.count, 1);
        EXPECT_EQ(r.orbitX[0], r.cRe);
    }
    EXPECT_EQ(ps.iterationCount, 1);
}

TEST_F(VtlDrawTest, FixedOrbitInJuliaModeStopsAfterTheSecondStep) {
    ps.formulaIndex = 56;
    ps.maxIterations = 50;
    ps.juliaMode = 1;
    ps.juliaRe = 0.7;
    ps.juliaIm = -0.2;
    ASSERT_TRUE(Scan().completed);
    for (const PixelRecord& r : pixel.records) {
        EXPECT_NE(r.zRe, r.cRe);
        EXPECT_EQ(r.count, 1);  // two steps, the second settled, then the decrement
        EXPECT_EQ(r.orbitX[0], 0.7);
        EXPECT_EQ(r.orbitX[1], 0.7);
    }
}

TEST_F(VtlDrawTest, RandomStartOnceOnTheFirstPixel) {
    ps.formulaIndex = 24;
    ps.maxIterations = 5;
    ps.drawRandom = flagOn;
    int shown = 0;
    engine.parametersChanged = [&] { ++shown; };
    ASSERT_TRUE(Scan().completed);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(ps.drawRandom, 0);
    EXPECT_EQ(ps.AA, ps.AASet);
}

TEST_F(VtlDrawTest, FaultEndsTheScan) {
    ps.formulaIndex = 35;  // divides by |z| ...
    ps.maxIterations = 5;
    ps.juliaMode = 1;
    ps.juliaRe = 0.0;  // ... starting at the origin
    ps.juliaIm = 0.0;
    const ScanResult r = Scan();
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(r.fault, "Floating point division by zero");
    EXPECT_EQ(r.pixelsComputed, 1);
}

}  // namespace
}  // namespace zarvo::attractor::testing
