// Behaviour of individual formulas of plug-in one that a host or a picture
// depends on: start values, ignored inputs, the record's z on return and the
// floating-point faults that must raise a flag instead of crashing.
#include "plugin_harness.h"

#include <gtest/gtest.h>

#include <array>
#include <cfenv>
#include <cmath>
#include <memory>

namespace zarvo::test {
namespace {

class PluginOneFormulas : public ::testing::Test {
protected:
    static void SetUpTestSuite() { library_ = std::make_unique<PluginLibrary>(ZARVO_QORL01_PATH); }
    static void TearDownTestSuite() { library_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(library_->loaded()) << library_->error();
        api_ = bindExports<FormulaRecord>(*library_);
        ASSERT_NE(api_.formula, nullptr);
    }

    void run(Pixel<FormulaRecord>& px) { api_.formula(&px.rec); }

    static std::unique_ptr<PluginLibrary> library_;
    Exports<FormulaRecord> api_{};
};

std::unique_ptr<PluginLibrary> PluginOneFormulas::library_;

TEST_F(PluginOneFormulas, StartsThatDependOnlyOnCMakeTheJuliaFormUniform) {
    for (int index : {8, 9, 10}) {
        Pixel<FormulaRecord> first;
        first.set(index, 0.7, -0.4, -0.2, 0.3);
        first.rec.juliaMode = 1;
        run(first);
        for (const auto& z : {std::array<double, 2>{-1.3, 0.9}, {0.05, 0.02}, {2.0, -1.5}}) {
            Pixel<FormulaRecord> other;
            other.set(index, z[0], z[1], -0.2, 0.3);
            other.rec.juliaMode = 1;
            run(other);
            SCOPED_TRACE(index);
            EXPECT_EQ(other.rec.iterationCount, first.rec.iterationCount);
            // Point 0 is the pixel itself; everything after it is the same.
            EXPECT_TRUE(sameOrbit(first, other, 1, first.rec.iterationCount + 1));
        }
    }
}

TEST_F(PluginOneFormulas, PhoenixIgnoresTheRecordsC) {
    Pixel<FormulaRecord> a;
    a.set(7, 0.3, -0.5, 0.0, 0.0);
    run(a);
    Pixel<FormulaRecord> b;
    b.set(7, 0.3, -0.5, 1.7, -2.4);
    run(b);
    EXPECT_EQ(a.rec.iterationCount, b.rec.iterationCount);
    EXPECT_TRUE(sameOrbit(a, b, 0, ZARVO_ORBIT_LAST));
    EXPECT_EQ(b.rec.cRe, 1.7);  // left as the host wrote it
}

TEST_F(PluginOneFormulas, PhoenixStartsAtIZAndStoresHalfSteps) {
    Pixel<FormulaRecord> px;
    px.set(7, 0.25, 0.5, 0.0, 0.0);
    px.rec.maxIterations = 1;
    run(px);
    // z0 = i*(0.25 + 0.5i) = -0.5 + 0.25i; w = z0^2 - 0.5*z0 + 0.568.
    const double wr = (0.25 - 0.0625) + 0.25 + 0.568;
    const double wi = -0.25 - 0.125;
    EXPECT_DOUBLE_EQ(px.orbitX[1], wr);
    EXPECT_DOUBLE_EQ(px.orbitY[1], wi);
}

TEST_F(PluginOneFormulas, RecordKeepsThePrologueZOrTheFinalZAsEachRoutineDoes) {
    for (int index = 0; index < 49; ++index) {
        SCOPED_TRACE(index);
        Pixel<FormulaRecord> px;
        px.set(index, 0.45, 0.35, 0.45, 0.35);
        px.rec.strands = 0.15;
        px.rec.maxIterations = 8;
        run(px);
        const int count = px.rec.iterationCount;
        const bool workingCopyOnly = index == 3 || (index >= 5 && index <= 12);
        if (workingCopyOnly) {
            EXPECT_EQ(px.rec.zRe, 0.45);
            EXPECT_EQ(px.rec.zIm, 0.35);
        } else {
            const int last = (index == 2 || index == 4) ? count - 1 : count;
            EXPECT_TRUE(sameBits(px.rec.zRe, px.orbitX[last]));
            EXPECT_TRUE(sameBits(px.rec.zIm, px.orbitY[last]));
        }
    }
}

TEST_F(PluginOneFormulas, InversionMirrorsInTheUnitCircle) {
    Pixel<FormulaRecord> px;
    px.set(49, 0.0, 2.0, 2.0, 0.0);  // index 49: prologue only
    px.rec.inverseFormula = 1;
    run(px);
    EXPECT_EQ(px.rec.zRe, 0.0);
    EXPECT_EQ(px.rec.zIm, 0.5);  // +0.5i: a mirror image, not the reciprocal
    EXPECT_EQ(px.rec.cRe, 0.5);
    EXPECT_EQ(px.orbitY[0], 0.5);
}

TEST_F(PluginOneFormulas, InvertingAZeroConstantRaisesAFaultFlagNotACrash) {
    Pixel<FormulaRecord> px;
    px.set(48, 0.3, 0.4, 0.0, 0.0);
    px.rec.juliaMode = 1;
    px.rec.inverseFormula = 1;
    std::feclearexcept(FE_ALL_EXCEPT);
    run(px);
    EXPECT_TRUE(std::fetestexcept(FE_INVALID));
    EXPECT_TRUE(std::isnan(px.rec.cRe));
    EXPECT_GE(px.rec.iterationCount, 1);
}

TEST_F(PluginOneFormulas, ZeroStrandsRaisesAFaultFlagOnTheFirstPass) {
    Pixel<FormulaRecord> px;
    px.set(23, 0.3, 0.2, 0.3, 0.2);
    px.rec.strands = 0.0;
    std::feclearexcept(FE_ALL_EXCEPT);
    run(px);
    // (zsin + 1e-15) / (0 + 0i) is 0/0 in the unscaled quotient.
    EXPECT_TRUE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO));
    EXPECT_EQ(px.rec.iterationCount, 2);  // a NaN d stops after one pass
    EXPECT_TRUE(std::isnan(px.orbitX[2]));

    Pixel<FormulaRecord> fine;
    fine.set(23, 0.3, 0.2, 0.3, 0.2);
    fine.rec.strands = 0.15;
    std::feclearexcept(FE_ALL_EXCEPT);
    run(fine);
    EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO));
}

TEST_F(PluginOneFormulas, TransformedStartsKeepTheUntransformedPointZero) {
    // Formula 13 starts at 2z/4; formula 4 at 1 in the parameter plane.
    Pixel<FormulaRecord> px;
    px.set(13, 0.6, -0.8, 0.6, -0.8);
    px.rec.maxIterations = 0;
    run(px);
    EXPECT_EQ(px.orbitX[0], 0.6);
    EXPECT_EQ(px.orbitX[1], 0.3);
    EXPECT_EQ(px.orbitY[1], -0.4);

    Pixel<FormulaRecord> four;
    four.set(4, 0.6, -0.8, 0.6, -0.8);
    four.rec.maxIterations = 0;
    run(four);
    EXPECT_EQ(four.rec.zRe, 1.0);
    EXPECT_EQ(four.rec.zIm, 0.0);
}

}  // namespace
}  // namespace zarvo::test
