// The dialog's commands that restart, stop and choose formulas and effects,
// and its menus.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>

#include "attractor_view_fixture.h"

namespace zarvo::test {
namespace {

bool AllBlack(const RgbImage& img) {
    return std::all_of(img.pixels.begin(), img.pixels.end(), [](uint8_t v) { return v == 0; });
}

bool AllCounters(const attractor::AttractorEngine& e, int32_t value) {
    return std::all_of(e.hitCounts.begin(), e.hitCounts.end(), [value](int32_t c) { return c == value; });
}

TEST_F(VantrelTest, ApplyStopsClearsAndRestartsHalfASecondLater) {
    StartRandomRun();
    Pump(100);
    ASSERT_FALSE(AllBlack(view->engine().vtlBitmap));

    dialog->ApplyClick();
    EXPECT_NE(ps.stopFlag, 0);
    EXPECT_TRUE(view->timer1Pending());
    EXPECT_TRUE(AllBlack(view->engine().vtlBitmap));
    EXPECT_TRUE(AllCounters(view->engine(), 0));
    EXPECT_TRUE(view->shownPicture().pixelColor(90, 60) == QColor(Qt::black));

    Pump(100);
    EXPECT_FALSE(view->running());
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Vantrel"));
    ASSERT_TRUE(WaitFor([this] { return view->running(); }, 2000));
    EXPECT_EQ(ps.stopFlag, 0);
    EXPECT_EQ(ps.drawRandom, 0);  // Apply alone brings no new random set-up
}

TEST_F(VantrelTest, DrawRandomMakesANewSetUpAndShowsItInTheDialog) {
    std::fill(std::begin(ps.af), std::end(ps.af), 0.0);
    StartRandomRun();
    EXPECT_EQ(ps.drawRandom, 0);
    EXPECT_TRUE(std::any_of(std::begin(ps.af) + 1, std::end(ps.af), [](double v) { return v != 0.0; }));
    EXPECT_EQ(dialog->dialogValues().constAA, ps.AASet);
    EXPECT_EQ(dialog->dialogValues().parameterX, ps.cRe);
    // The values the program put into the dialog count as an edit.
    EXPECT_TRUE(dialog->colorTimer().isActive());
}

TEST_F(VantrelTest, ResetGoesBackToTheStartViewAndRestarts) {
    ps.vtlZoom = 3.0;
    ps.vtlXCentre = 7.0;
    ps.vtlYCentre = -2.0;
    dialog->ResetClick();
    EXPECT_DOUBLE_EQ(ps.vtlZoom, 0.05);
    EXPECT_DOUBLE_EQ(ps.vtlXCentre, 0.0);
    EXPECT_DOUBLE_EQ(ps.vtlYCentre, 0.0);
    EXPECT_TRUE(view->timer1Pending());
    ASSERT_TRUE(WaitFor([this] { return view->running(); }, 2000));
    EXPECT_NEAR(ps.plotXMax, 50.0, 1e-12);
}

TEST_F(VantrelTest, StopEndsTheRunShowsThePictureAndRestoresTheCaption) {
    StartRandomRun();
    ASSERT_TRUE(WaitFor([this] { return view->windowTitle().startsWith(QStringLiteral("Busy... ")); }, 2500));
    dialog->StopClick();
    EXPECT_NE(ps.stopFlag, 0);
    EXPECT_FALSE(view->running());
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Vantrel"));
    const RgbImage& img = view->engine().vtlBitmap;
    const QImage expected(img.pixels.data(), img.width, img.height, img.width * 3, QImage::Format_RGB888);
    EXPECT_TRUE(view->shownPicture() == expected);
    // The live update of the random start does not start the run again.
    Pump(2500);
    EXPECT_FALSE(view->running());
}

TEST_F(VantrelTest, StopCancelsAStartThatIsStillWaiting) {
    dialog->ApplyClick();
    dialog->StopClick();
    Pump(800);
    EXPECT_FALSE(view->running());
    EXPECT_NE(ps.stopFlag, 0);
}

TEST_F(VantrelTest, FormulaItemSetsTheIndexMarksOnlyItAndDrawsAtRandom) {
    QAction* item = dialog->formulaItem(70);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("70.) z := x*v.af[1 + j] + y*v.af[2 + j] + v.af[3 + j];"));
    ps.drawRandom = 0;
    item->trigger();
    EXPECT_EQ(ps.formulaIndex, 70);
    EXPECT_NE(ps.drawRandom, 0);
    for (int n = 1; n <= 75; ++n)
        if (QAction* a = dialog->formulaItem(n)) {
            EXPECT_EQ(a->isChecked(), n == 70) << n;
        }
    ASSERT_TRUE(WaitFor([this] { return view->running(); }, 2000));
    EXPECT_EQ(ps.drawRandom, 0);  // the random set-up was made
}

TEST_F(VantrelTest, FormulaMenusHoldTheTableWithGapsAndDisabledItems) {
    QMenuBar* bar = dialog->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* a : bar->actions()) titles << a->text();
    // The described menus, then the program's own Tools.
    EXPECT_EQ(titles, (QStringList{"Form'", "Form'", "Plank'", "Form''", "IFS", "Effects", "T&ools"}));
    for (int n = 56; n <= 59; ++n) EXPECT_EQ(dialog->formulaItem(n), nullptr);
    for (int n = 73; n <= 75; ++n) EXPECT_FALSE(dialog->formulaItem(n)->isEnabled());
    EXPECT_EQ(dialog->formulaItem(41)->text(), QStringLiteral("01.)"));
    EXPECT_EQ(dialog->formulaItem(55)->text(), QStringLiteral("15.)"));
    EXPECT_EQ(dialog->effectItem(0)->text(), QStringLiteral("Modulas "));

    // A formula number without an item (from a parameter file) marks none.
    ps.formulaIndex = 57;
    dialog->UpdateMenuItems();
    for (int n = 1; n <= 75; ++n)
        if (QAction* a = dialog->formulaItem(n)) {
            EXPECT_FALSE(a->isChecked()) << n;
        }
}

TEST_F(VantrelTest, ToolBarButtonsCarryTheirHintsInOrder) {
    QToolBar* bar = dialog->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList hints;
    for (QAction* a : bar->actions()) hints << a->toolTip();
    EXPECT_EQ(hints, (QStringList{"Close", "Stop", "Reset", "Draw Random", "Apply (Start Over)"}));
    dialog->toggle();
    ASSERT_TRUE(dialog->isVisible());
    bar->actions().first()->trigger();
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(VantrelTest, EffectRestartsWithoutClearingThePicture) {
    StartRandomRun();
    Pump(150);
    dialog->effectItem(2)->trigger();  // "Color Mix"
    EXPECT_NE(ps.colorMix, 0);
    EXPECT_TRUE(dialog->effectItem(2)->isChecked());
    EXPECT_NE(ps.stopFlag, 0);
    EXPECT_TRUE(view->timer1Pending());
    EXPECT_FALSE(AllBlack(view->engine().vtlBitmap));
    const int64_t hits = std::count_if(view->engine().hitCounts.begin(), view->engine().hitCounts.end(),
                                       [](int32_t c) { return c > 10; });
    ASSERT_TRUE(WaitFor([this] { return view->running(); }, 2000));
    const int64_t after = std::count_if(view->engine().hitCounts.begin(), view->engine().hitCounts.end(),
                                        [](int32_t c) { return c > 10; });
    EXPECT_GE(after, hits);  // the counters were kept
    EXPECT_EQ(ps.drawRandom, 0);

    dialog->effectItem(2)->trigger();
    EXPECT_EQ(ps.colorMix, 0);
    EXPECT_FALSE(dialog->effectItem(2)->isChecked());
}

TEST_F(VantrelTest, ARestartWhileRunningReplacesTheRunAndKeepsTheCaptionToRestore) {
    StartRandomRun();
    ASSERT_TRUE(WaitFor([this] { return view->windowTitle().startsWith(QStringLiteral("Busy... ")); }, 2500));
    view->StartTimer1();  // as the live update does: no stop first
    Pump(700);
    EXPECT_TRUE(view->running());
    EXPECT_EQ(view->captionStore, QStringLiteral("Vantrel"));
    dialog->StopClick();
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Vantrel"));
}

}  // namespace
}  // namespace zarvo::test
