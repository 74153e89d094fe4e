// Drawing on the user-interface thread: a full scan, Stop, a second scan
// started inside the first, closing a window that draws, and a fault.
#include <QAction>
#include <QTemporaryDir>
#include <QTimer>

#include "parameter_file.h"

#include "app_fixture.h"

namespace zarvo::test {
namespace {

TEST_F(AppTest, ScanCallsTheFormulaOncePerPixelAndShowsThePicture) {
    UseCountingPlugin(0);
    form->parameters().vantrelFormulaMode = 0;
    const ScanResult r = child->UpdateFractal();
    EXPECT_TRUE(r.completed);
    EXPECT_EQ(plugin.calls(), 180 * 120);
    EXPECT_EQ(child->windowTitle(), "zarvo_");
    EXPECT_EQ(form->parameters().stopFlag, flagOn);
    EXPECT_FALSE(form->action("tool:Stop Drawing")->isEnabled());
    // The window shows what the scan drew.
    const QImage& shown = child->pictureArea().picture();
    ASSERT_EQ(shown.size(), QSize(180, 120));
    const RgbImage& work = form->parameters().workBitmap;
    const uint8_t* p = work.at(10, 60);
    EXPECT_EQ(shown.pixelColor(10, 60), QColor(p[0], p[1], p[2]));
}

TEST_F(AppTest, StopEndsAScanEarlyAndLeavesTheWindowIdle) {
    UseCountingPlugin(1);  // about 30 microseconds a pixel
    form->parameters().pictureWidth = 640;
    form->parameters().pictureHeight = 480;
    QTimer::singleShot(60, form.get(), [this] {
        EXPECT_TRUE(form->action("tool:Stop Drawing")->isEnabled());
        EXPECT_TRUE(child->windowTitle() == "zarvo_" || child->windowTitle().startsWith("Busy... "));
        form->AbortClick();
    });
    const ScanResult r = child->UpdateFractal();
    EXPECT_FALSE(r.completed);
    EXPECT_LT(r.rowsDone, 480);
    EXPECT_LT(plugin.calls(), 640 * 480);
    EXPECT_EQ(form->parameters().stopFlag, flagOn);
    EXPECT_EQ(child->view().scanRunning, 0);
    EXPECT_EQ(child->windowTitle(), "zarvo_");
    EXPECT_FALSE(form->action("tool:Stop Drawing")->isEnabled());
}

TEST_F(AppTest, ProgressCaptionCountsTheRowsLeft) {
    UseCountingPlugin(1);
    form->parameters().pictureWidth = 640;
    form->parameters().pictureHeight = 480;
    QString seen;
    QTimer::singleShot(1300, form.get(), [&] {
        seen = child->windowTitle();
        form->AbortClick();
    });
    child->UpdateFractal();
    ASSERT_TRUE(seen.startsWith("Busy... ")) << seen.toStdString();
    const int left = seen.mid(8).toInt();
    EXPECT_GT(left, 0);
    EXPECT_LE(left, 480);
}

TEST_F(AppTest, ASecondScanStartedDuringAScanEndsTheFirst) {
    UseCountingPlugin(1);
    form->parameters().pictureWidth = 320;
    form->parameters().pictureHeight = 240;
    bool innerCompleted = false;
    QTimer::singleShot(40, form.get(), [&] {
        form->parameters().formulaIndex = 0;  // the inner scan draws fast
        innerCompleted = child->UpdateFractal().completed;
    });
    const ScanResult outer = child->UpdateFractal();
    EXPECT_TRUE(innerCompleted);
    EXPECT_FALSE(outer.completed);
    EXPECT_GT(plugin.calls(), 320 * 240);
    EXPECT_EQ(form->parameters().stopFlag, flagOn);
    EXPECT_EQ(child->view().scanRunning, 0);
}

TEST_F(AppTest, LoadingAParameterFileDuringAScanStopsItAndLoadsThatFile) {
    UseCountingPlugin(1);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ParameterSet chosen;
    chosen.formulaIndex = 0;  // draws fast
    chosen.maxIterations = 77;
    std::string error;
    ASSERT_TRUE(WriteParameterFile(chosen, dir.filePath("chosen.zrv").toStdString(), &error)) << error;
    form->parameters().pictureWidth = 640;
    form->parameters().pictureHeight = 480;
    answers->answer = dir.filePath("chosen.zrv");
    QTimer::singleShot(40, form.get(), [this] { form->LoadParameterFileClick(); });
    const ScanResult interrupted = child->UpdateFractal();
    EXPECT_FALSE(interrupted.completed);
    ASSERT_TRUE(WaitFor([this] { return child->windowTitle() == "chosen" && !child->scanning(); }))
        << child->windowTitle().toStdString();
    EXPECT_EQ(form->parameters().maxIterations, 77);
    EXPECT_EQ(form->parameters().formulaIndex, 0);
    EXPECT_EQ(form->parameters().pictureWidth, 180);
}

TEST_F(AppTest, ClosingADrawingWindowStopsAndMinimisesIt) {
    UseCountingPlugin(1);
    form->parameters().pictureWidth = 640;
    form->parameters().pictureHeight = 480;
    QTimer::singleShot(40, form.get(), [this] { child->subWindow()->close(); });
    const ScanResult r = child->UpdateFractal();
    EXPECT_FALSE(r.completed);
    ASSERT_EQ(form->children().size(), 1);
    EXPECT_TRUE(child->subWindow()->isMinimized());
    // Closing it again, now idle, destroys it.
    child->subWindow()->close();
    ASSERT_TRUE(WaitFor([&] { return form->children().isEmpty(); }));
}

TEST_F(AppTest, ClosingTheFrameDuringAScanWaitsForTheScanToStop) {
    UseCountingPlugin(1);
    form->parameters().pictureWidth = 640;
    form->parameters().pictureHeight = 480;
    QTimer::singleShot(40, form.get(), [this] { form->close(); });
    const ScanResult r = child->UpdateFractal();
    EXPECT_FALSE(r.completed);
    EXPECT_TRUE(form->isVisible());  // still there while the scan unwinds
    ASSERT_TRUE(WaitFor([&] { return !form->isVisible(); }));
    EXPECT_TRUE(form->children().isEmpty());
}

TEST_F(AppTest, AFloatingPointFaultEndsTheScanWithAMessage) {
    UseCountingPlugin(2);
    form->reporter().messages.clear();
    const ScanResult r = child->UpdateFractal();
    EXPECT_FALSE(r.completed);
    EXPECT_EQ(r.fault, "Floating point division by zero");
    ASSERT_FALSE(form->reporter().messages.empty());
    EXPECT_EQ(form->reporter().messages.back(), "Floating point division by zero");
    EXPECT_EQ(form->parameters().stopFlag, flagOn);
    EXPECT_EQ(child->view().scanRunning, 0);
    EXPECT_EQ(child->windowTitle(), "zarvo_");
    // The rows above the fault are shown; the window draws again afterwards.
    form->parameters().formulaIndex = 0;
    EXPECT_TRUE(child->UpdateFractal().completed);
}

}  // namespace
}  // namespace zarvo::test
