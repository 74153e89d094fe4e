// The dialog's conversions through its real widgets, and the live update.
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSlider>

#include "attractor_view_fixture.h"

namespace zarvo::test {
namespace {

class DialogValuesTest : public VantrelTest {
protected:
    template <typename T>
    T* control(const char* name) {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
};

TEST_F(DialogValuesTest, TrackBarsRoundTheStateAndGiveBackTheirGranularity) {
    ps.randomFactor = 2.3;
    ps.vtlFactor2 = 0.123;
    ps.vtlRed = -12.5;  // ties go to the even neighbour
    ps.vtlFactor1 = 64.7;
    dialog->Parameters1Update();
    EXPECT_EQ(control<QSlider>("Randomizer")->value(), 10);
    EXPECT_EQ(control<QSlider>("Factor2_bar")->value(), 12);
    EXPECT_EQ(control<QSlider>("RedBar1")->value(), -12);
    EXPECT_EQ(control<QSlider>("Intensity")->value(), 64);  // kept within 0..64
    EXPECT_EQ(control<QLabel>("RandomFactor")->text(), QStringLiteral("2.30"));

    dialog->ApplyParameters();
    EXPECT_DOUBLE_EQ(ps.randomFactor, 2.0);
    EXPECT_DOUBLE_EQ(ps.vtlFactor2, 0.12);
    EXPECT_DOUBLE_EQ(ps.vtlRed, -12.0);
    EXPECT_DOUBLE_EQ(ps.vtlFactor1, 64.0);
    EXPECT_EQ(control<QLabel>("RandomFactor")->text(), QStringLiteral("2.00"));
    EXPECT_EQ(control<QLabel>("Factor2")->text(), QStringLiteral("0.12"));
    EXPECT_EQ(control<QLabel>("RedLabel1")->text(), QStringLiteral("-12.00"));
}

TEST_F(DialogValuesTest, RandomFactorIsRoundedBeforeItIsMultiplied) {
    ps.randomFactor = 0.6;
    dialog->Parameters1Update();
    EXPECT_EQ(control<QSlider>("Randomizer")->value(), 5);
}

TEST_F(DialogValuesTest, SpinEditsGiveBackExactValuesUntilEdited) {
    ps.AA = 0.12345678912345;
    ps.BB = -3.000000000123;
    ps.juliaRe = 1e-12;
    dialog->Parameters1Update();
    EXPECT_DOUBLE_EQ(ps.AAStart, ps.AA);
    EXPECT_EQ(control<QDoubleSpinBox>("constAA")->decimals(), 9);
    EXPECT_DOUBLE_EQ(control<QDoubleSpinBox>("constBB")->singleStep(), 0.0001);
    dialog->ApplyParameters();
    EXPECT_EQ(ps.AASet, 0.12345678912345);
    EXPECT_EQ(ps.AAStart, 0.12345678912345);
    EXPECT_EQ(ps.BB, -3.000000000123);
    EXPECT_EQ(ps.juliaRe, 1e-12);

    control<QDoubleSpinBox>("constAA")->setValue(0.5);
    dialog->ApplyParameters();
    EXPECT_DOUBLE_EQ(ps.AASet, 0.5);
}

TEST_F(DialogValuesTest, CheckBoxesCarryTheFlags) {
    control<QCheckBox>("Swirl")->setChecked(true);
    control<QCheckBox>("None")->setChecked(false);
    control<QCheckBox>("square_root")->setChecked(true);
    control<QCheckBox>("Invert")->setChecked(true);
    dialog->ApplyParameters();
    EXPECT_NE(ps.varSwirl, 0);
    EXPECT_EQ(ps.varNone, 0);
    EXPECT_NE(ps.squareRoot, 0);
    EXPECT_NE(ps.invert, 0);
    EXPECT_EQ(ps.varBent, 0);
    EXPECT_EQ(control<QCheckBox>("square_root")->text(), QStringLiteral("Square Root Filtering"));
    EXPECT_EQ(control<QCheckBox>("Invert")->text(), QStringLiteral("White"));
}

TEST_F(DialogValuesTest, ATrackBarChangeWhileStoppedStaysInTheDialog) {
    ASSERT_NE(ps.stopFlag, 0);
    control<QSlider>("Intensity")->setValue(33);
    EXPECT_FALSE(dialog->colorTimer().isActive());
    Pump(2300);
    EXPECT_DOUBLE_EQ(ps.vtlFactor1, 10.0);
    EXPECT_FALSE(view->timer1Pending());
    EXPECT_FALSE(view->running());
}

TEST_F(DialogValuesTest, ApplyRestartsWithTheLastAppliedA) {
    ps.drawRandom = 0;
    ps.AA = 0.25;
    dialog->Parameters1Update();
    dialog->ApplyParameters();
    control<QDoubleSpinBox>("constAA")->setValue(0.9);  // edited while stopped
    dialog->ApplyClick();
    ASSERT_TRUE(WaitFor([this] { return view->running(); }, 2000));
    EXPECT_DOUBLE_EQ(ps.AAStart, 0.25);
    EXPECT_DOUBLE_EQ(ps.AASet, 0.25);
    EXPECT_DOUBLE_EQ(ps.AA, 0.25);
}

TEST_F(DialogValuesTest, AnEditWhileRunningTakesEffectOneToTwoSecondsAfterTheLastChange) {
    StartRandomRun();
    // Let the live update that follows the random start go through first.
    ASSERT_TRUE(WaitFor([this] { return !dialog->colorTimer().isActive() && !view->timer1Pending(); }, 4000));
    ASSERT_TRUE(view->running());

    control<QSlider>("Intensity")->setValue(20);
    EXPECT_TRUE(dialog->colorTimer().isActive());
    Pump(700);
    control<QSlider>("Intensity")->setValue(21);  // a further edit postpones the update
    Pump(700);
    EXPECT_DOUBLE_EQ(ps.vtlFactor1, 10.0);
    ASSERT_TRUE(WaitFor([this] { return ps.vtlFactor1 == 21.0; }, 3000));
    EXPECT_EQ(control<QLabel>("Factor1")->text(), QStringLiteral("21.00"));
    EXPECT_TRUE(view->timer1Pending());
    EXPECT_EQ(ps.stopFlag, 0);  // the run goes on until Timer1 replaces it
    ASSERT_TRUE(WaitFor([this] { return !view->timer1Pending(); }, 2000));
    EXPECT_TRUE(view->running());
}

}  // namespace
}  // namespace zarvo::test
