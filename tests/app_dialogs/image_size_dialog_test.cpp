#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>

#include "image_size_dialog.h"
#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {
namespace {

class XYSizeTest : public ::testing::Test {
protected:
    ParameterSet ps;
    CollectingReporter reporter;
    TXYSize1 dialog{ps, reporter};
    bool vantrelOpen = false;

    void SetUp() override {
        dialog.vantrelVisible = [this] { return vantrelOpen; };
    }
    QAction* action(const QString& text) {
        for (QAction* a : dialog.findChildren<QAction*>())
            if (a->text() == text) return a;
        return nullptr;
    }
    void setFields(int w, int h) {
        dialog.findChild<QSpinBox*>("SpinWidth")->setValue(w);
        dialog.findChild<QSpinBox*>("SpinHeight")->setValue(h);
    }
};

TEST_F(XYSizeTest, ShowingTakesThePictureSize) {
    ps.pictureWidth = 320;
    ps.pictureHeight = 240;
    ps.xySizeWidth = 99;
    ps.xySizeHeight = 77;
    dialog.toggle();
    EXPECT_EQ(dialog.fieldWidth(), 320);
    EXPECT_EQ(dialog.fieldHeight(), 240);
    EXPECT_EQ(ps.xySizeWidth, 320);
    EXPECT_EQ(ps.xySizeHeight, 240);
}

TEST_F(XYSizeTest, PresetsOnlyFillTheFields) {
    QSignalSpy fractal(&dialog, &TXYSize1::applyToFractal);
    QSignalSpy vantrel(&dialog, &TXYSize1::applyToVantrel);
    dialog.toggle();
    const char* presets[] = {"80 * 60", "180 * 120", "320 * 240", "640 * 480", "800 * 600", "1024 * 768"};
    for (const char* p : presets) ASSERT_NE(action(p), nullptr) << p;

    action("1024 * 768")->trigger();
    EXPECT_EQ(dialog.fieldWidth(), 1024);
    EXPECT_EQ(dialog.fieldHeight(), 768);
    EXPECT_EQ(ps.pictureWidth, defaultWidth);
    EXPECT_EQ(ps.xySizeWidth, defaultWidth);
    EXPECT_EQ(fractal.count(), 0);
    EXPECT_EQ(vantrel.count(), 0);

    action("Apply to \"z a r v o _\" View")->trigger();
    ASSERT_EQ(fractal.count(), 1);
    EXPECT_EQ(fractal.at(0).at(0).toInt(), 1024);
    EXPECT_EQ(fractal.at(0).at(1).toInt(), 768);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(XYSizeTest, VantrelViewClosedGivesMessageAndKeepsSize) {
    QSignalSpy vantrel(&dialog, &TXYSize1::applyToVantrel);
    dialog.toggle();
    action("640 * 480")->trigger();
    action("Apply to \"v a n t r e l\" View")->trigger();
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "error, Vantrel view is not open");
    EXPECT_EQ(ps.xySizeWidth, 640);
    EXPECT_EQ(ps.xySizeHeight, 480);
    EXPECT_EQ(vantrel.count(), 0);
    EXPECT_EQ(ps.pictureWidth, defaultWidth);

    vantrelOpen = true;
    action("800 * 600")->trigger();
    action("Apply to \"v a n t r e l\" View")->trigger();
    EXPECT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(vantrel.count(), 1);
    EXPECT_EQ(ps.xySizeWidth, 800);
    EXPECT_EQ(ps.xySizeHeight, 600);
}

TEST_F(XYSizeTest, UnusableSizesAreRefused) {
    QSignalSpy fractal(&dialog, &TXYSize1::applyToFractal);
    QSignalSpy vantrel(&dialog, &TXYSize1::applyToVantrel);
    vantrelOpen = true;
    dialog.toggle();
    const std::pair<int, int> bad[] = {{0, 100}, {100, 0}, {-3, 50}, {16385, 10}, {10, 20000}};
    for (auto [w, h] : bad) {
        setFields(w, h);
        reporter.messages.clear();
        action("Apply to \"z a r v o _\" View")->trigger();
        action("Apply to \"v a n t r e l\" View")->trigger();
        ASSERT_EQ(reporter.messages.size(), 2u) << w << " x " << h;
        EXPECT_NE(reporter.messages[0].find("16384"), std::string::npos);
    }
    EXPECT_EQ(fractal.count(), 0);
    EXPECT_EQ(vantrel.count(), 0);
    EXPECT_EQ(ps.xySizeWidth, defaultWidth);

    setFields(16384, 1);  // the edges themselves are fine
    action("Apply to \"z a r v o _\" View")->trigger();
    EXPECT_EQ(fractal.count(), 1);
}

}  // namespace
}  // namespace zarvo
