#include <gtest/gtest.h>

#include <cmath>

#include "attractor_fixture.h"
#include "formula_table.h"

namespace zarvo::attractor::testing {
namespace {

MapState At(double x, double y, double W = 0.0) {
    MapState s;
    s.x = x;
    s.y = y;
    s.W = W;
    return s;
}

TEST(FormulaSteps, Formula1FromUnitPoint) {
    MapState s = At(1.0, 0.0);
    double af[61] = {};
    FormulaStepFor(1)(s, MapInputs{0.0, 1.0, af});
    EXPECT_DOUBLE_EQ(s.x, 0.0);
    EXPECT_DOUBLE_EQ(s.W, 0.0);
    EXPECT_DOUBLE_EQ(s.y, -1.0);
}

TEST(FormulaSteps, Formula1CarriesW) {
    // x' = B*y + W = 0.5*2 + 1 = 2; W' = A*2 - (1-A)*2*4/5 with A = 0.5.
    MapState s = At(3.0, 2.0, 1.0);
    double af[61] = {};
    FormulaStepFor(1)(s, MapInputs{0.5, 0.5, af});
    EXPECT_DOUBLE_EQ(s.x, 2.0);
    EXPECT_DOUBLE_EQ(s.W, 1.0 - 0.8);
    EXPECT_DOUBLE_EQ(s.y, 0.2 - 3.0);
}

TEST(FormulaSteps, Formula24Shift) {
    MapState s = At(0.0, 1.0);
    double af[61] = {};
    FormulaStepFor(24)(s, MapInputs{0.0, 1.0, af});
    EXPECT_DOUBLE_EQ(s.x, 1.0);
    EXPECT_DOUBLE_EQ(s.y, 0.0);
    // And one more: x' = -1/2 + 0 + 100/2, y' = -1.
    FormulaStepFor(24)(s, MapInputs{0.0, 1.0, af});
    EXPECT_DOUBLE_EQ(s.x, 49.5);
    EXPECT_DOUBLE_EQ(s.y, -1.0);
}

TEST(FormulaSteps, Formula70ReadsTheSecondAffineMap) {
    double af[61];
    for (int k = 0; k <= 60; ++k) af[k] = 1000.0 + k;  // anything read by mistake shows
    const double m[6] = {0.5, -0.25, 0.125, 2.0, 3.0, -7.0};
    for (int k = 0; k < 6; ++k) af[20 + k] = m[k];
    MapState s = At(2.0, 4.0);
    s.j = 19;
    FormulaStepFor(70)(s, MapInputs{0.0, 1.0, af});
    EXPECT_DOUBLE_EQ(s.x, m[0] * 2 + m[2] * 4 + m[4]);  // af[20]*x + af[22]*y + af[24]
    EXPECT_DOUBLE_EQ(s.y, m[1] * 2 + m[3] * 4 + m[5]);  // af[21]*x + af[23]*y + af[25]
}

TEST(FormulaSteps, NumbersWithoutAMapLeaveThePoint) {
    double af[61] = {};
    for (int n : {0, 56, 57, 58, 59, 73, 74, 75, 76, -3}) {
        MapState s = At(1.25, -2.5, 0.75);
        FormulaStepFor(n)(s, MapInputs{0.3, 1.0, af});
        EXPECT_EQ(s.x, 1.25) << n;
        EXPECT_EQ(s.y, -2.5) << n;
        EXPECT_EQ(s.W, 0.75) << n;
    }
}

TEST(FormulaSteps, TwinFormulasDrawTheSame) {
    double af[61];
    for (int k = 0; k <= 60; ++k) af[k] = std::sin(k * 0.7);
    const int twins[][2] = {{14, 42}, {15, 45}, {16, 46}, {18, 48}, {64, 65}, {67, 69}};
    for (const auto& t : twins) {
        MapState a = At(0.3, -0.7, 0.2), b = a;
        a.rotCos = b.rotCos = 0.9;
        a.rotSin = b.rotSin = 0.1;
        for (int i = 0; i < 50; ++i) {
            FormulaStepFor(t[0])(a, MapInputs{0.4, 0.95, af});
            FormulaStepFor(t[1])(b, MapInputs{0.4, 0.95, af});
        }
        EXPECT_EQ(a.x, b.x) << t[0];
        EXPECT_EQ(a.y, b.y) << t[0];
    }
}

TEST(FormulaSteps, XnFamilyKeepsTheNewXForFormula51) {
    double af[61] = {};
    MapState s = At(0.5, 0.25);
    FormulaStepFor(14)(s, MapInputs{0.3, 1.0, af});
    EXPECT_EQ(s.xn, s.x);
    const double p = s.xn;
    const double x = s.x, y = s.y;
    FormulaStepFor(51)(s, MapInputs{0.3, 1.0, af});
    // P = 2*x^2/(p^2 + 1 + y^2) with p the previous xn.
    const long double P = 2 * (long double)x * x / ((long double)p * p + 1 + (long double)y * y);
    EXPECT_DOUBLE_EQ(s.x, (double)(1.0L * y + 0.3L * x + P));
}

TEST(FormulaTable, MenusAndCaptions) {
    const auto& t = AttractorFormulas();
    ASSERT_EQ(t.size(), 75u);
    for (int n = 1; n <= 75; ++n) EXPECT_EQ(t[n - 1].number, n);
    EXPECT_STREQ(t[0].caption, "01.) W := AA*x - (1 - AA)*2*x*x / (1 + x*x);");
    EXPECT_STREQ(t[12].caption, "13.) -x + AA * xn + y * xn * (1 - AA) / (1 +  xn * xn);");
    EXPECT_STREQ(t[40].caption, "01.)");
    EXPECT_STREQ(t[54].caption, "15.)");
    EXPECT_STREQ(t[71].caption, "72.) x := v.af[1 + j]*sign*(x+y); ; flare");
    EXPECT_EQ(t[0].menu, 0);
    EXPECT_EQ(t[22].menu, 1);
    EXPECT_EQ(t[40].menu, 2);
    EXPECT_EQ(t[59].menu, 3);
    EXPECT_EQ(t[69].menu, 4);
    for (int n = 56; n <= 59; ++n) EXPECT_EQ(t[n - 1].menu, -1);
    for (int n = 1; n <= 75; ++n) EXPECT_EQ(t[n - 1].enabled, n <= 55 || (n >= 60 && n <= 72)) << n;
    const auto& titles = FormulaMenuTitles();
    EXPECT_STREQ(titles[0], "Form'");
    EXPECT_STREQ(titles[2], "Plank'");
    EXPECT_STREQ(titles[3], "Form''");
    EXPECT_STREQ(titles[4], "IFS");

    EXPECT_STREQ(EffectsMenuTitle(), "Effects");
    EXPECT_STREQ(EffectItems()[0].caption, "Modulas ");
    EXPECT_STREQ(EffectItems()[1].caption, "Expansion");
    EXPECT_STREQ(EffectItems()[2].caption, "Color Mix");
    EXPECT_EQ(EffectItems()[2].flag, &ParameterSet::colorMix);
}

TEST(FormulaTable, CheckMark) {
    EXPECT_EQ(CheckedFormulaItem(70), 70);
    EXPECT_EQ(CheckedFormulaItem(55), 55);
    for (int n : {0, 56, 59, 73, 75, 76, -1}) EXPECT_EQ(CheckedFormulaItem(n), 0) << n;
}

}  // namespace
}  // namespace zarvo::attractor::testing
