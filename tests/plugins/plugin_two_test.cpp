// Plug-in two on the earlier record layout, checked against plug-in one where
// the two share a routine.
#include "plugin_harness.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace zarvo::test {
namespace {

class PluginTwo : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        one_ = std::make_unique<PluginLibrary>(ZARVO_QORL01_PATH);
        two_ = std::make_unique<PluginLibrary>(ZARVO_QORL02_PATH);
    }
    static void TearDownTestSuite() {
        one_.reset();
        two_.reset();
    }

    void SetUp() override {
        ASSERT_TRUE(two_->loaded()) << two_->error();
        ASSERT_TRUE(one_->loaded()) << one_->error();
        api_ = bindExports<FormulaRecordV1>(*two_);
        first_ = bindExports<FormulaRecord>(*one_);
        ASSERT_NE(api_.formula, nullptr);
        ASSERT_NE(first_.formula, nullptr);
    }

    static std::unique_ptr<PluginLibrary> one_;
    static std::unique_ptr<PluginLibrary> two_;
    Exports<FormulaRecordV1> api_{};
    Exports<FormulaRecord> first_{};
};

std::unique_ptr<PluginLibrary> PluginTwo::one_;
std::unique_ptr<PluginLibrary> PluginTwo::two_;

TEST_F(PluginTwo, HasSixFormulasWithItsOwnTexts) {
    EXPECT_EQ(api_.total(), 6);
    const char* titles[] = {"z*c ", "test_01 ", "test_02 ", "test_03 ", "test_04 ", "test_05 "};
    const char* descriptions[] = {"default ", "01 ", "02 ", "03 ", "04 ", "05 "};
    Pixel<FormulaRecordV1> px;
    for (int i = 0; i < 6; ++i) {
        px.rec.formulaIndex = i;
        EXPECT_EQ(api_.info(&px.rec), i);
        EXPECT_STREQ(px.rec.formulaTitle, titles[i]);
        EXPECT_STREQ(px.rec.formulaDescription, descriptions[i]);
    }
}

TEST_F(PluginTwo, InversionTakesTheTrueReciprocal) {
    Pixel<FormulaRecordV1> px;
    px.set(6, 2.0, 0.0, 0.0, 2.0);  // index 6: prologue only
    px.rec.inverseFormula = 1;
    EXPECT_EQ(api_.formula(&px.rec), 0);
    EXPECT_EQ(px.rec.iterationCount, 0);
    EXPECT_EQ(px.rec.zRe, 0.5);
    EXPECT_EQ(px.rec.cRe, 0.0);
    EXPECT_EQ(px.rec.cIm, -0.5);  // 1/(2i) = -0.5i
    EXPECT_EQ(px.orbitX[0], 0.5);
    EXPECT_EQ(px.highestWritten(), 0);
}

TEST_F(PluginTwo, ReturnsTheCountOfCompletedPasses) {
    Pixel<FormulaRecordV1> px;
    px.set(0, 0.0, 0.0, 1.0, 0.0);
    px.rec.bailout = 100;
    EXPECT_EQ(api_.formula(&px.rec), 4);  // 0 -> 1 -> 2 -> 5 -> 26
    EXPECT_EQ(px.rec.iterationCount, 4);
    EXPECT_EQ(px.orbitX[5], 26.0);  // the final store still lands at point 5

    Pixel<FormulaRecordV1> limit;
    limit.set(1, 0.0, 0.0, -1.0, 0.0);
    limit.rec.maxIterations = 20;
    EXPECT_EQ(api_.formula(&limit.rec), 20);

    Pixel<FormulaRecordV1> none;
    none.set(3, 0.2, 0.2, 0.2, 0.2);
    none.rec.maxIterations = 0;
    EXPECT_EQ(api_.formula(&none.rec), 0);
    EXPECT_EQ(none.rec.iterationCount, 0);
}

TEST_F(PluginTwo, SharedRoutinesMatchPluginOneExceptForTheirStores) {
    for (int index = 0; index < 6; ++index) {
        for (int julia : {0, 1}) {
            SCOPED_TRACE(::testing::Message() << "routine " << index << " julia " << julia);
            Pixel<FormulaRecord> a;
            a.set(index, 0.35, -0.6, julia ? 0.1 : 0.35, julia ? 0.7 : -0.6);
            a.rec.juliaMode = julia;
            a.rec.maxIterations = 24;
            first_.formula(&a.rec);
            Pixel<FormulaRecordV1> b;
            b.set(index, 0.35, -0.6, julia ? 0.1 : 0.35, julia ? 0.7 : -0.6);
            b.rec.juliaMode = julia;
            b.rec.maxIterations = 24;
            api_.formula(&b.rec);

            const int count = a.rec.iterationCount;
            EXPECT_EQ(b.rec.iterationCount, count - 1);
            EXPECT_TRUE(sameBits(a.rec.zRe, b.rec.zRe));
            EXPECT_TRUE(sameBits(a.rec.zIm, b.rec.zIm));
            EXPECT_TRUE(sameOrbit(a, b, 0, count - 1));
            if (index == 1) {
                EXPECT_TRUE(b.untouched(count));  // no final store
            } else if (index == 4) {
                EXPECT_TRUE(a.untouched(count));
                EXPECT_EQ(b.orbitX[count], b.rec.zRe);  // extra final store
                EXPECT_EQ(b.orbitY[count], b.rec.zIm);
            } else {
                EXPECT_TRUE(sameOrbit(a, b, count, count + 1));
            }
        }
    }
}

TEST_F(PluginTwo, WritesNothingOutsideTheEarlierLayoutsFields) {
    for (int index = 0; index < 7; ++index) {
        SCOPED_TRACE(index);
        Pixel<FormulaRecordV1> px;
        std::memset(&px.rec, 0xC3, sizeof px.rec);
        px.rec.orbitX = px.orbitX.data();
        px.rec.orbitY = px.orbitY.data();
        px.rec.bailout = 10000000;
        px.rec.maxIterations = 16;
        px.rec.juliaMode = index % 2;
        px.rec.inverseFormula = index % 3 == 0 ? 1 : 0;
        px.set(index, 0.4, -0.3, -0.6, 0.2);
        const FormulaRecordV1 before = px.rec;
        api_.formula(&px.rec);
        api_.info(&px.rec);

        FormulaRecordV1 after = px.rec;
        after.cRe = before.cRe;
        after.cIm = before.cIm;
        after.zRe = before.zRe;
        after.zIm = before.zIm;
        after.iterationCount = before.iterationCount;
        after.formulaTitle = before.formulaTitle;
        after.formulaDescription = before.formulaDescription;
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
        EXPECT_LE(px.highestWritten(), 17);
    }
}

}  // namespace
}  // namespace zarvo::test
