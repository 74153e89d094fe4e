#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "checked_spin_box.h"
#include "iteration_parameters_dialog.h"
#include "parameter_set.h"

namespace zarvo {
namespace {

class Params1Test : public ::testing::Test {
protected:
    ParameterSet ps;
    TParams1 dialog{ps};

    QSpinBox* maxIterations() { return dialog.findChild<QSpinBox*>("SpinMaxIteration"); }
    QDoubleSpinBox* real(const char* name) { return dialog.findChild<QDoubleSpinBox*>(name); }
};

TEST_F(Params1Test, HiddenDialogHasNoEffect) {
    ps.maxIterations = 50;
    ps.power = 3.0;
    dialog.takeValues(ps);
    EXPECT_EQ(ps.maxIterations, 50);
    EXPECT_EQ(ps.power, 3.0);

    dialog.toggle();
    maxIterations()->setValue(400);
    dialog.toggle();  // hidden again: typed values are ignored from now on
    ASSERT_FALSE(dialog.isVisible());
    dialog.takeValues(ps);
    EXPECT_EQ(ps.maxIterations, 50);
}

TEST_F(Params1Test, VisibleDialogWinsAndShowingReloads) {
    ps.maxIterations = 100;
    ps.power = 2.5;
    ps.factor4 = 0.5;
    ps.factor5 = 1.25;
    ps.strands = 0.15;
    dialog.toggle();
    ASSERT_TRUE(dialog.isVisible());
    EXPECT_EQ(maxIterations()->value(), 100);
    EXPECT_DOUBLE_EQ(real("SpinPower")->value(), 2.5);
    EXPECT_DOUBLE_EQ(real("dFactor4")->value(), 0.5);
    EXPECT_DOUBLE_EQ(real("dFactor5")->value(), 1.25);
    EXPECT_DOUBLE_EQ(real("dStrands")->value(), 0.15);

    // Typed values win over values set in any other way (a parameter file).
    QTest::keyClick(maxIterations(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(maxIterations(), "250");
    real("dStrands")->setValue(0.4);
    ps.maxIterations = 7;
    ps.strands = 9.0;
    dialog.takeValues(ps);
    EXPECT_EQ(ps.maxIterations, 250);
    EXPECT_DOUBLE_EQ(ps.strands, 0.4);
    EXPECT_DOUBLE_EQ(ps.power, 2.5);

    // Hidden, then shown again: the fields come from the set once more.
    dialog.toggle();
    ps.maxIterations = 64;
    ps.factor5 = 3.0;
    dialog.toggle();
    EXPECT_EQ(maxIterations()->value(), 64);
    EXPECT_DOUBLE_EQ(real("dFactor5")->value(), 3.0);
}

TEST_F(Params1Test, UntouchedFieldsKeepExactValues) {
    // The fields show 3 decimals; a value with more must survive a redraw
    // with the dialog open as long as the user leaves the field alone.
    ps.factor4 = 0.123456789;
    ps.power = 0.5;  // below the field's range
    dialog.toggle();
    dialog.takeValues(ps);
    EXPECT_EQ(ps.factor4, 0.123456789);
    EXPECT_EQ(ps.power, 0.5);

    real("dFactor4")->setValue(0.25);
    dialog.takeValues(ps);
    EXPECT_EQ(ps.factor4, 0.25);
}

TEST_F(Params1Test, MaxIterationsStaysWithinOrbitArrays) {
    ps.maxIterations = 100000;  // as a parameter file may carry
    dialog.toggle();
    EXPECT_EQ(maxIterations()->value(), maxIterationsLimit);
    dialog.takeValues(ps);
    EXPECT_EQ(ps.maxIterations, 6999);

    // Typing is never cut short: a number outside the field, or with more
    // decimals than it shows, is shown limited, with a note saying why.
    auto type = [](QAbstractSpinBox* box, const char* text) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        return dynamic_cast<InputCorrection*>(box)->note().toStdString();
    };
    EXPECT_EQ(type(maxIterations(), "10000"), "10000 lies outside 0 to 6999: 6999 is used");
    EXPECT_EQ(maxIterations()->text(), "6999");
    EXPECT_EQ(type(maxIterations(), "-5"), "-5 lies outside 0 to 6999: 0 is used");
    EXPECT_EQ(maxIterations()->value(), 0);
    EXPECT_EQ(type(maxIterations(), "7500"), "7500 lies outside 0 to 6999: 6999 is used");
    EXPECT_EQ(type(maxIterations(), "250"), "");
    EXPECT_EQ(maxIterations()->value(), 250);
    EXPECT_EQ(type(real("SpinPower"), "12345"), "12345 lies outside 1.00 to 10000.00: 10000.00 is used");
    EXPECT_EQ(real("SpinPower")->value(), 10000.0);
    EXPECT_EQ(type(real("dFactor4"), "0.12345"), "0.12345 has more than 3 decimals: 0.123 is used");
    EXPECT_EQ(real("dFactor4")->value(), 0.123);
    maxIterations()->setValue(-5);
    dialog.takeValues(ps);
    EXPECT_EQ(ps.maxIterations, 0);
    EXPECT_FALSE(maxIterations()->toolTip().isEmpty());
}

TEST_F(Params1Test, ApplyAsksForARedraw) {
    QSignalSpy apply(&dialog, &TParams1::applyRequested);
    dialog.toggle();
    QTest::mouseClick(dialog.findChild<QPushButton*>("SpeedButton1"), Qt::LeftButton);
    EXPECT_EQ(apply.count(), 1);
    EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace zarvo
