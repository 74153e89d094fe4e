#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>

#include "colour_dialog.h"
#include "parameter_set.h"

namespace zarvo {
namespace {

class ColorFormTest : public ::testing::Test {
protected:
    ParameterSet ps;
    TColorForm dialog{ps};

    QDoubleSpinBox* field(const char* name) {
        auto* f = dialog.findChild<QDoubleSpinBox*>(name);
        EXPECT_NE(f, nullptr) << name;
        return f;
    }
    QSlider* bar(const char* name) { return dialog.findChild<QSlider*>(name); }
};

TEST_F(ColorFormTest, OpeningRecoloursOnceOnTheSecondTick) {
    auto* timer = dialog.findChild<QTimer*>(QStringLiteral("ColorTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 500);
    QSignalSpy ticks(timer, &QTimer::timeout);
    QSignalSpy recolour(&dialog, &TColorForm::recolourRequested);
    dialog.toggle();
    EXPECT_TRUE(dialog.colorTimerActive());
    ASSERT_TRUE(ticks.wait(10000));
    EXPECT_EQ(recolour.count(), 0);  // the first tick only arms the counter
    ASSERT_TRUE(recolour.wait(10000));
    EXPECT_EQ(ticks.count(), 2);
    // The timer switched itself off: no further tick, no second recolour.
    EXPECT_FALSE(dialog.colorTimerActive());
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks.count(), 2);
    EXPECT_EQ(recolour.count(), 1);
}

TEST_F(ColorFormTest, RecolourOnSecondTickAfterLastChange) {
    QSignalSpy recolour(&dialog, &TColorForm::recolourRequested);
    dialog.toggle();
    dialog.ColorTimerTimer();         // counter armed
    field("RedStep")->setValue(2.0);  // a change resets it
    EXPECT_EQ(dialog.changeCounter(), 0);
    dialog.ColorTimerTimer();
    EXPECT_EQ(recolour.count(), 0);
    field("GrnOffset")->setValue(40.0);  // and again: postponed
    dialog.ColorTimerTimer();
    EXPECT_EQ(recolour.count(), 0);
    dialog.ColorTimerTimer();
    EXPECT_EQ(recolour.count(), 1);
    EXPECT_FALSE(dialog.colorTimerActive());

    // A change while the timer is off switches it on again.
    field("dFactor3")->setValue(2.0);
    EXPECT_TRUE(dialog.colorTimerActive());
}

TEST_F(ColorFormTest, ThirteenFieldsGoToTheirOwnParameters) {
    dialog.toggle();
    const char* names[] = {"RedStep",     "BluStep",     "GrnStep",     "RedStart",  "BluStart",  "GrnStart",
                           "RedSaturate", "BluSaturate", "GrnSaturate", "RedOffset", "BluOffset", "GrnOffset"};
    double v = 1.0;
    for (const char* n : names) field(n)->setValue(v++);
    field("dFactor3")->setValue(2.5);
    dialog.takeValues(ps);
    const double got[] = {ps.redStep,       ps.blueStep,   ps.greenStep,   ps.redStart,
                          ps.blueStart,     ps.greenStart, ps.redSaturate, ps.blueSaturate,
                          ps.greenSaturate, ps.redOffset,  ps.blueOffset,  ps.greenOffset};
    for (int k = 0; k < 12; ++k) EXPECT_EQ(got[k], k + 1.0) << names[k];
    EXPECT_EQ(ps.intensity, 2.5);

    // Hidden, it leaves the set alone.
    dialog.toggle();
    ps.redStep = 9.0;
    dialog.takeValues(ps);
    EXPECT_EQ(ps.redStep, 9.0);
}

TEST_F(ColorFormTest, RangesStepsAndDecimals) {
    struct Expect {
        const char* name;
        double max, step;
        int decimals;
    };
    const Expect expect[] = {{"BluStep", 255, 0.02, 2},
                             {"GrnStart", 255, 1, 2},
                             {"RedSaturate", 255, 10, 3},
                             {"BluOffset", 255, 10, 3},
                             {"dFactor3", 10000, 0.01, 3}};
    for (const Expect& e : expect) {
        QDoubleSpinBox* f = field(e.name);
        EXPECT_EQ(f->minimum(), 0.0) << e.name;
        EXPECT_EQ(f->maximum(), e.max) << e.name;
        EXPECT_DOUBLE_EQ(f->singleStep(), e.step) << e.name;
        EXPECT_EQ(f->decimals(), e.decimals) << e.name;
    }
}

TEST_F(ColorFormTest, TrackBarsMirrorStartAndSaturation) {
    ps.redStart = 12.6;
    ps.greenSaturate = 200.4;
    dialog.toggle();
    EXPECT_EQ(bar("RedStartBar")->value(), 13);
    EXPECT_EQ(bar("GrnSaturateBar")->value(), 200);
    // Loading leaves the exact values alone.
    dialog.takeValues(ps);
    EXPECT_EQ(ps.redStart, 12.6);
    EXPECT_EQ(ps.greenSaturate, 200.4);

    // A field moves its bar without the bar rounding the field.
    field("BluStart")->setValue(99.4);
    EXPECT_EQ(bar("BluStartBar")->value(), 99);
    EXPECT_DOUBLE_EQ(field("BluStart")->value(), 99.4);

    // The bar sets its field, which counts as a change.
    dialog.ColorTimerTimer();
    ASSERT_EQ(dialog.changeCounter(), 1);
    bar("RedSaturateBar")->setValue(50);
    EXPECT_DOUBLE_EQ(field("RedSaturate")->value(), 50.0);
    EXPECT_EQ(dialog.changeCounter(), 0);
}

TEST_F(ColorFormTest, ClosingWithAPendingChangeKeepsIt) {
    QSignalSpy recolour(&dialog, &TColorForm::recolourRequested);
    dialog.toggle();
    field("RedOffset")->setValue(30.0);
    dialog.reject();  // Escape or the close button, before the timer fired
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(recolour.count(), 1);
    EXPECT_EQ(ps.redOffset, 30.0);
    EXPECT_FALSE(dialog.colorTimerActive());
}

}  // namespace
}  // namespace zarvo
