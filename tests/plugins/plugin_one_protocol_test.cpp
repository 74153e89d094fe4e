// Plug-in one as the host sees it: exports, texts, the prologue, counting,
// orbit storage and the promise to write nothing outside its fields.
#include "plugin_harness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

namespace zarvo::test {
namespace {

class PluginOne : public ::testing::Test {
protected:
    static void SetUpTestSuite() { library_ = std::make_unique<PluginLibrary>(ZARVO_QORL01_PATH); }
    static void TearDownTestSuite() { library_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(library_->loaded()) << library_->error();
        api_ = bindExports<FormulaRecord>(*library_);
        ASSERT_NE(api_.total, nullptr);
        ASSERT_NE(api_.info, nullptr);
        ASSERT_NE(api_.formula, nullptr);
    }

    static std::unique_ptr<PluginLibrary> library_;
    Exports<FormulaRecord> api_{};
};

std::unique_ptr<PluginLibrary> PluginOne::library_;

bool storesBeforeStep(int index) { return index <= 1 || index >= 13; }

TEST_F(PluginOne, ExportsTheFormulaCountAndNothingElseByName) {
    EXPECT_EQ(api_.total(), 49);
    // The routines and the table are internal to the module.
    EXPECT_EQ(library_->symbol("_ZN5zarvo6qorl0111kFormulaRowsE"), nullptr);
    EXPECT_EQ(library_->symbol("formula0"), nullptr);
}

TEST_F(PluginOne, InfoHandsOutTheExactTextsIncludingTrailingSpaces) {
    struct Row {
        int index;
        const char* title;
        const char* description;
    };
    const Row rows[] = {
        {0, "z*z+c ", "Mandelbrot Method "},
        {1, "z*z+c ", "Newton Method "},
        {2, "v->z = z-((z4-1)/(4*z3))+c; ", "4th Order Nova "},
        {7, "Phoenix", "i=0.568"},
        {8, "z = z*z*z-aa3*z+b; ", "Cubic CBAP (by Tervald)"},
        {10, "z = z*z*z-aa3*z+b;", "Cubic (CCAP by Tervald"},
        {19, "z = (5*z4 + 4*z2*z1*c - zcos); z = z1-(z4*z1 + z4*c + c - zsin)/z; ", "19 "},
        {42, "z = z-(zsin/(1e-15+zcos))*(z8-z6-zsin-z*c-1)/(8*z7-6*z5-zcos-c);", "42 "},
        {48, "z = z-(z3*zsin-z)/(4*z2*zcos-z*zcos*c);", "48 "},
    };
    Pixel<FormulaRecord> px;
    for (const Row& row : rows) {
        px.rec.formulaIndex = row.index;
        EXPECT_EQ(api_.info(&px.rec), row.index);
        EXPECT_STREQ(px.rec.formulaTitle, row.title) << "row " << row.index;
        EXPECT_STREQ(px.rec.formulaDescription, row.description) << "row " << row.index;
    }
}

TEST_F(PluginOne, InfoTouchesNothingButTheTwoTexts) {
    FormulaRecord before;
    std::memset(&before, 0x5A, sizeof before);
    before.formulaIndex = 23;
    FormulaRecord after = before;
    api_.info(&after);
    EXPECT_STREQ(after.formulaTitle, "z = z-(z4*z4*z + z4*z4*c + c - zsin)/(9*z4*z4 + 8*z4*z3*c - zcos);");
    after.formulaTitle = before.formulaTitle;
    after.formulaDescription = before.formulaDescription;
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

TEST_F(PluginOne, InfoOutsideTheTableLeavesTheTextsAlone) {
    Pixel<FormulaRecord> px;
    px.rec.formulaTitle = "kept";
    px.rec.formulaDescription = "kept too";
    px.rec.formulaIndex = 49;
    EXPECT_EQ(api_.info(&px.rec), 49);
    EXPECT_STREQ(px.rec.formulaTitle, "kept");
    EXPECT_STREQ(px.rec.formulaDescription, "kept too");
}

TEST_F(PluginOne, ZeroIterationsCountOneAndStoreTheStartOnly) {
    for (int index = 0; index < 49; ++index) {
        SCOPED_TRACE(index);
        Pixel<FormulaRecord> px;
        px.set(index, 0.3, -0.2, -0.4, 0.6);
        px.rec.maxIterations = 0;
        api_.formula(&px.rec);
        EXPECT_EQ(px.rec.iterationCount, 1);
        EXPECT_EQ(px.orbitX[0], 0.3);
        EXPECT_EQ(px.orbitY[0], -0.2);
        if (storesBeforeStep(index)) {
            // Point 1 is the start value after its transform; those routines
            // also leave it in the record.
            EXPECT_EQ(px.orbitX[1], px.rec.zRe);
            EXPECT_EQ(px.orbitY[1], px.rec.zIm);
            EXPECT_EQ(px.highestWritten(), 1);
        } else {
            EXPECT_EQ(px.highestWritten(), 0);
        }
    }
}

TEST_F(PluginOne, EscapeFormulaCountsAndStoresBeforeEachStep) {
    Pixel<FormulaRecord> px;
    px.set(0, 0.0, 0.0, 1.0, 0.0);
    px.rec.bailout = 100;
    api_.formula(&px.rec);
    // 0 -> 1 -> 2 -> 5 -> 26: four passes, then 26^2 >= 100 stops it.
    EXPECT_EQ(px.rec.iterationCount, 5);
    const double expected[] = {0, 0, 1, 2, 5, 26};
    for (int i = 0; i <= 5; ++i) EXPECT_EQ(px.orbitX[i], expected[i]) << i;
    EXPECT_EQ(px.highestWritten(), 5);
    EXPECT_EQ(px.rec.zRe, 26.0);
}

TEST_F(PluginOne, EscapeFormulaStartingOutsideTheBailoutStopsAtOnce) {
    Pixel<FormulaRecord> px;
    px.set(0, 4000.0, 5.0, 0.1, 0.1);
    api_.formula(&px.rec);
    EXPECT_EQ(px.rec.iterationCount, 1);
    EXPECT_EQ(px.orbitX[1], 4000.0);
    EXPECT_EQ(px.orbitY[1], 5.0);
    EXPECT_EQ(px.highestWritten(), 1);
}

TEST_F(PluginOne, FixedPointStopsAfterOnePassWithCountTwo) {
    Pixel<FormulaRecord> px;  // z^2 + c with z = c = 0
    px.set(1, 0.0, 0.0, 0.0, 0.0);
    api_.formula(&px.rec);
    EXPECT_EQ(px.rec.iterationCount, 2);
    EXPECT_EQ(px.highestWritten(), 2);

    Pixel<FormulaRecord> nova;  // 3rd order Nova in the Julia form at its root z = 1
    nova.set(3, 1.0, 0.0, 0.0, 0.0);
    nova.rec.juliaMode = 1;
    api_.formula(&nova.rec);
    EXPECT_EQ(nova.rec.iterationCount, 2);
    EXPECT_EQ(nova.orbitX[1], 1.0);
    EXPECT_EQ(nova.highestWritten(), 1);
}

TEST_F(PluginOne, LimitEndsWithOneMoreThanMaxIterations) {
    // z^2 - 1 cycles between 0 and -1 for ever, under both stop rules.
    for (int index : {0, 1}) {
        Pixel<FormulaRecord> px;
        px.set(index, 0.0, 0.0, -1.0, 0.0);
        px.rec.maxIterations = 20;
        api_.formula(&px.rec);
        EXPECT_EQ(px.rec.iterationCount, 21) << index;
        EXPECT_EQ(px.highestWritten(), 21) << index;
    }
    // Formula 12 under the divergence rule settles but never stops early;
    // it stores after each step, so the highest point is maxIterations.
    Pixel<FormulaRecord> px;
    px.set(12, 0.2, 0.1, 0.3, 0.0);
    px.rec.maxIterations = 20;
    api_.formula(&px.rec);
    EXPECT_EQ(px.rec.iterationCount, 21);
    EXPECT_EQ(px.highestWritten(), 20);
}

TEST_F(PluginOne, NoFormulaWritesPastMaxIterationsPlusOne) {
    const double points[][2] = {{0.3, 0.2}, {-1.7, 0.9}, {0.01, -1.4}, {2.2, 1.5}};
    for (int index = 0; index < 49; ++index) {
        for (const auto& p : points) {
            for (int julia : {0, 1}) {
                SCOPED_TRACE(::testing::Message()
                             << "formula " << index << " z " << p[0] << "," << p[1] << " julia " << julia);
                Pixel<FormulaRecord> px;
                px.set(index, p[0], p[1], julia ? -0.7 : p[0], julia ? 0.27 : p[1]);
                px.rec.juliaMode = julia;
                px.rec.strands = 0.15;
                px.rec.maxIterations = 12;
                api_.formula(&px.rec);
                const int count = px.rec.iterationCount;
                ASSERT_GE(count, 1);
                ASSERT_LE(count, 13);
                const int highest = px.highestWritten();
                EXPECT_LE(highest, storesBeforeStep(index) ? count : count - 1);
            }
        }
    }
}

TEST_F(PluginOne, MaxIterationsAboveTheOrbitCapacityIsCapped) {
    Pixel<FormulaRecord> px;
    px.set(1, 0.0, 0.0, -1.0, 0.0);
    px.rec.maxIterations = 100000;
    api_.formula(&px.rec);
    EXPECT_EQ(px.rec.iterationCount, ZARVO_MAX_ITERATIONS + 1);
    EXPECT_EQ(px.highestWritten(), ZARVO_ORBIT_LAST);
}

TEST_F(PluginOne, IndexOutsideTheTableRunsOnlyThePrologue) {
    for (int index : {49, -1, 1000}) {
        Pixel<FormulaRecord> px;
        px.set(index, 2.0, 0.0, 0.5, 0.5);
        px.rec.inverseFormula = -1;
        api_.formula(&px.rec);
        EXPECT_EQ(px.rec.iterationCount, 0);
        EXPECT_EQ(px.rec.zRe, 0.5);  // inverted, written back
        EXPECT_EQ(px.rec.cRe, 1.0);
        EXPECT_EQ(px.rec.cIm, 1.0);
        EXPECT_EQ(px.orbitX[0], 0.5);
        EXPECT_EQ(px.highestWritten(), 0);
    }
}

TEST_F(PluginOne, RecordWithoutOrbitArraysIsRefusedNotWrittenThrough) {
    Pixel<FormulaRecord> px;
    px.set(48, 0.3, 0.2, 0.3, 0.2);
    px.rec.orbitX = nullptr;
    px.rec.orbitY = nullptr;
    api_.formula(&px.rec);
    EXPECT_EQ(px.rec.iterationCount, 0);
}

TEST_F(PluginOne, FormulaWritesNothingOutsideItsFields) {
    for (int index = 0; index < 49; ++index) {
        SCOPED_TRACE(index);
        Pixel<FormulaRecord> px;
        std::memset(&px.rec, 0xA5, sizeof px.rec);
        px.rec.orbitX = px.orbitX.data();
        px.rec.orbitY = px.orbitY.data();
        px.rec.bailout = 10000000;
        px.rec.maxIterations = 16;
        px.rec.juliaMode = index % 2;
        px.rec.inverseFormula = index % 3 == 0 ? 1 : 0;
        px.rec.strands = 0.15;
        px.set(index, 0.4, -0.3, -0.6, 0.2);
        const FormulaRecord before = px.rec;
        api_.formula(&px.rec);
        api_.info(&px.rec);

        FormulaRecord after = px.rec;
        after.cRe = before.cRe;
        after.cIm = before.cIm;
        after.zRe = before.zRe;
        after.zIm = before.zIm;
        after.iterationCount = before.iterationCount;
        after.formulaTitle = before.formulaTitle;
        after.formulaDescription = before.formulaDescription;
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    }
}

}  // namespace
}  // namespace zarvo::test
