// The run loop inside the event loop: user input is served while a run is
// active, Stop takes effect at once, faults end the run, and a fractal
// window's scan that takes the attractor formula ends the view's run.
#include <QCheckBox>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <iostream>
#include <thread>
#include <vector>

#include "attractor_view_fixture.h"

namespace zarvo::test {
namespace {

// A start without a random set-up (and so without the live update that
// follows one), from the coefficients of one random set-up.
void PrepareSteadyRun(ParameterSet& ps, TVantrel& view) {
    ps.drawRandom = flagOn;
    view.engine().RandomSetup();
    ps.drawRandom = 0;
}

// Counts the slices the run loop begins (and, when asked, whether events
// were handled since the previous one), keeping the view's own hook.
class SliceCounter {
public:
    explicit SliceCounter(AttractorRunLoop& loop) : loop_(loop), previous_(loop.beforeSlice) {
        loop_.beforeSlice = [this] {
            ++slices;
            if (!served) ++unservedGaps;
            served = false;
            if (previous_) previous_();
        };
    }
    ~SliceCounter() { loop_.beforeSlice = previous_; }

    std::atomic<int> slices{0};
    // Set by the test's own event; a slice that begins with it unset
    // followed the previous slice without an event handled in between.
    bool served = true;
    int unservedGaps = 0;

private:
    AttractorRunLoop& loop_;
    std::function<void()> previous_;
};

TEST_F(VantrelTest, StopActsAtTheEndOfTheSliceInHand) {
    PrepareSteadyRun(ps, *view);
    dialog->ApplyClick();
    ASSERT_TRUE(WaitFor([this] { return view->running(); }));
    SliceCounter counter(view->runLoop());

    // The click arrives from outside at a moment the loop does not choose,
    // as a user's click does: at most the slice in hand (and, when it comes
    // between two slices, the one that was already due) runs before it.
    std::vector<int> slicesBetween;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (!view->running()) {
            dialog->ApplyClick();
            ASSERT_TRUE(WaitFor([this] { return view->running(); }));
        }
        std::atomic<int> atPost{-1};
        std::atomic<int> atStop{-1};
        std::thread user([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(137 + 11 * attempt));
            atPost = counter.slices.load();
            QMetaObject::invokeMethod(
                dialog.get(),
                [&] {
                    dialog->StopClick();
                    atStop = counter.slices.load();
                },
                Qt::QueuedConnection);
        });
        const bool stopped = WaitFor([&] { return atStop >= 0; }, 10000);
        user.join();
        ASSERT_TRUE(stopped);
        EXPECT_FALSE(view->running());
        slicesBetween.push_back(atStop - atPost);
    }
    std::cout << "slices begun between a Stop and its effect:";
    for (int n : slicesBetween) std::cout << ' ' << n;
    std::cout << '\n';
    for (int n : slicesBetween) EXPECT_LE(n, 1);
}

TEST_F(VantrelTest, EventsAreServedBetweenSlicesAndStepsKeepComing) {
    PrepareSteadyRun(ps, *view);
    dialog->ApplyClick();
    ASSERT_TRUE(WaitFor([this] { return view->running(); }));

    // A timer that is always due when a slice ends.
    int probes = 0;
    SliceCounter* counter = nullptr;
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        ++probes;
        if (counter) counter->served = true;
    });
    probe.start();
    ASSERT_TRUE(WaitFor([&] { return probes >= 3; }));

    SliceCounter counting(view->runLoop());
    counter = &counting;
    const int64_t stepsBefore = view->runLoop().stepsDone;
    WaitFor([&] { return counting.slices >= 40; }, 20000);
    probe.stop();
    const int64_t steps = view->runLoop().stepsDone - stepsBefore;
    ASSERT_TRUE(view->running());
    ASSERT_GE(counting.slices.load(), 40);
    std::cout << counting.unservedGaps << " of " << counting.slices << " slices began without events handled before\n";
    EXPECT_EQ(counting.unservedGaps, 0);
    EXPECT_GT(steps, 0);
}

TEST_F(VantrelTest, AFaultEndsTheRunWithAMessageAndKeepsThePicture) {
    // No map (formula 56) at the origin, with the Inversion variation:
    // 0 / 0 at the first step.
    ps.formulaIndex = 56;
    ps.drawRandom = 0;
    ps.juliaRe = ps.juliaIm = 0.0;
    ps.varNone = 0;
    ps.varInversion = flagOn;
    view->engine().vtlBitmap.set(3, 4, 200, 100, 50);  // something drawn before
    dialog->StopClick();
    view->StartTimer1();
    ASSERT_TRUE(WaitFor([this] { return !reporter.messages.empty(); }, 2000));
    Pump(50);
    EXPECT_EQ(reporter.messages.size(), 1u);
    EXPECT_FALSE(view->running());
    EXPECT_NE(ps.stopFlag, 0);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Vantrel"));
    EXPECT_EQ(view->shownPicture().pixelColor(3, 4), QColor(200, 100, 50));
}

TEST_F(VantrelTest, AFractalScanUsingTheFormulaEndsTheRunButNotTheScan) {
    PrepareSteadyRun(ps, *view);
    dialog->ApplyClick();
    ASSERT_TRUE(WaitFor([this] { return view->running(); }));
    // A fractal window computes a pixel with the attractor formula (its scan
    // has the stop flag off and handles events between pixels).
    ps.maxIterations = 10;
    view->engine().vtl_draw();
    Pump(50);
    EXPECT_FALSE(view->running());
    EXPECT_EQ(ps.stopFlag, 0);  // still the scan's
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Vantrel"));
    // A delayed start waits until the scan has ended.
    view->StartTimer1();
    Pump(700);
    EXPECT_FALSE(view->running());
    ps.stopFlag = flagOn;  // the scan ends
    ASSERT_TRUE(WaitFor([this] { return view->running(); }, 2000));
}

TEST_F(VantrelTest, ClosingTheViewEndsTheRun) {
    PrepareSteadyRun(ps, *view);
    dialog->ApplyClick();
    ASSERT_TRUE(WaitFor([this] { return view->running(); }));
    view->close();
    EXPECT_FALSE(view->running());
    EXPECT_NE(ps.stopFlag, 0);
    Pump(700);
    EXPECT_FALSE(view->running());
}

TEST_F(VantrelTest, TheLogDensityBoxMapsTheCountersAnewOnAllCoresOrOne) {
    EXPECT_TRUE(view->allCores());
    for (bool allCores : {true, false}) {
        if (view->allCores() != allCores) view->AllCoresClick();
        EXPECT_EQ(view->engine().streams > 1, allCores);
        PrepareSteadyRun(ps, *view);
        dialog->ApplyClick();
        ASSERT_TRUE(WaitFor([this] { return view->running(); }));
        Pump(400);
        view->StopClick();
        EXPECT_EQ(view->engine().runStreams() > 1, allCores);
        const std::vector<uint8_t> levels = view->engine().vtlBitmap.pixels;

        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("logDensity"));
        ASSERT_NE(box, nullptr);
        box->setChecked(true);
        EXPECT_EQ(ps.logDensity, flagOn);
        const std::vector<uint8_t> mapped = view->engine().picture().pixels;
        EXPECT_NE(mapped, levels);
        int lit = 0;
        for (size_t i = 0; i < mapped.size(); i += 3) lit += mapped[i] + mapped[i + 1] + mapped[i + 2] > 48;
        EXPECT_GT(lit, 100);
        // And back to the level colouring, as it was.
        box->setChecked(false);
        EXPECT_EQ(view->engine().picture().pixels, levels);
    }
}

}  // namespace
}  // namespace zarvo::test
