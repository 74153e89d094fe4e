// Exploring a picture: the window's back/forward history, the wheel and
// the middle button, and the galleries.
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <cstring>
#include <QWheelEvent>

#include "app_fixture.h"
#include "galleries.h"
#include "remembered.h"
#include "thumbnail_gallery.h"

namespace zarvo::test {
namespace {

TEST_F(AppTest, BackAndForwardShowKeptPicturesWithoutTheFormula) {
    UseCountingPlugin(0);
    ParameterSet& ps = form->parameters();
    child->Reset1Click();
    const QImage start = child->pictureArea().picture();
    ps.xCentre = 0.75;
    ps.zoom = 4.0;
    child->RenderClick(5);
    const QImage zoomed = child->pictureArea().picture();
    child->BlendClick(3);  // a recolour is a step of its own
    ASSERT_NE(zoomed, start);
    EXPECT_EQ(child->history().steps(), 3u);
    EXPECT_TRUE(form->action("tool:Back")->isEnabled());
    EXPECT_FALSE(form->action("tool:Forward")->isEnabled());

    plugin.reset();
    child->BackClick();
    EXPECT_EQ(ps.blendMethod, 1);
    EXPECT_EQ(child->pictureArea().picture(), zoomed);
    child->BackClick();
    EXPECT_EQ(ps.zoom, 1.0);
    EXPECT_EQ(ps.xCentre, 0.0);
    EXPECT_EQ(ps.renderMethod, 1);
    EXPECT_EQ(child->pictureArea().picture(), start);
    EXPECT_FALSE(form->action("tool:Back")->isEnabled());
    child->ForwardClick();
    EXPECT_EQ(ps.renderMethod, 5);
    EXPECT_EQ(child->pictureArea().picture(), zoomed);
    EXPECT_EQ(plugin.calls(), 0);
    // The planes came back with the picture: a recolour needs no formula.
    child->BlendClick(3);
    EXPECT_EQ(plugin.calls(), 0);

    // Alt+Left steps back through the window's menus.
    form->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == form.get(); }));
    QTest::keyClick(form.get(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(ps.blendMethod, 1);
    EXPECT_EQ(ps.renderMethod, 5);
}

// The wheel and a middle-button drag over pixel (60, 40) of the picture.
void Wheel(PictureArea& area, QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
    QWheelEvent turn(at, area.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase,
                     false);
    QCoreApplication::sendEvent(&area, &turn);
}

TEST_F(AppTest, TheWheelZoomsAboutThePointerAndTheMiddleButtonDrags) {
    UseCountingPlugin(0);
    ParameterSet& ps = form->parameters();
    child->Reset1Click();
    PictureArea& area = child->pictureArea();
    const PicturePoint origin = PictureOrigin(area.width(), area.height(), 180, 120);
    const QPoint at(origin.x + 60, origin.y + 40);
    QTest::mouseMove(&area, at);
    const double re = child->navigation().mouseRe, im = child->navigation().mouseIm;

    Wheel(area, at, 120, Qt::ControlModifier);
    EXPECT_EQ(ps.zoom, 2.0);
    Wheel(area, at, 120, Qt::NoModifier);  // the whole picture is in sight
    EXPECT_EQ(ps.zoom, 4.0);
    QTest::mouseMove(&area, at + QPoint(1, 0));
    QTest::mouseMove(&area, at);
    EXPECT_NEAR(child->navigation().mouseRe, re, 1e-12);
    EXPECT_NEAR(child->navigation().mouseIm, im, 1e-12);
    EXPECT_EQ(child->history().steps(), 3u);
    // The scan drew over every pixel of the preview.
    const QImage zoomed = area.picture();
    ps.workBitmap.reset(180, 120);
    child->Apply1Click();
    EXPECT_EQ(area.picture(), zoomed);

    Wheel(area, at, -60, Qt::ControlModifier);  // half a notch: nothing yet
    EXPECT_EQ(ps.zoom, 4.0);
    Wheel(area, at, -60, Qt::ControlModifier);
    EXPECT_EQ(ps.zoom, 2.0);

    const double xCentre = ps.xCentre, yCentre = ps.yCentre, step = child->view().stepX;
    QTest::mousePress(&area, Qt::MiddleButton, Qt::NoModifier, at);
    QTest::mouseMove(&area, at + QPoint(5, -3));
    QTest::mouseRelease(&area, Qt::MiddleButton, Qt::NoModifier, at + QPoint(10, -6));
    EXPECT_NEAR(ps.xCentre, xCentre - 10 * step, 1e-12);
    EXPECT_NEAR(ps.yCentre, yCentre + 6 * step, 1e-12);
    EXPECT_EQ(ps.zoom, 2.0);
    EXPECT_EQ(child->history().steps(), 5u);
}

TEST_F(AppTest, AColourSliderRecoloursAtOnceWithoutTheFormula) {
    UseCountingPlugin(0);
    child->Reset1Click();
    const QImage before = child->pictureArea().picture();
    TColorForm* colours = form->dialogs().colors;
    colours->toggle();
    const QImage stripBefore = colours->paletteStrip();
    plugin.reset();
    colours->findChild<QSlider*>("RedStartBar")->setValue(90);
    // Within a few frames, long before the colour timer's recolour.
    ASSERT_TRUE(WaitFor([&] { return child->pictureArea().picture() != before; }, 400));
    EXPECT_TRUE(colours->colorTimerActive());
    EXPECT_NE(colours->paletteStrip(), stripBefore);
    EXPECT_EQ(plugin.calls(), 0);
    EXPECT_EQ(form->parameters().redStart, 90.0);
}

TEST_F(AppTest, GalleryPicturesNeverChangeTheWindowUntilOneIsClicked) {
    form->VantrelViewClick();  // pixels from the plug-in's formulas
    ParameterSet& ps = form->parameters();
    ps.maxIterations = 48;
    child->Reset1Click();
    FormulaRecord record;
    std::memcpy(&record, static_cast<FormulaRecord*>(&ps), sizeof record);
    const int transform = ps.transformMode;
    const std::vector<uint8_t> picture = ps.workBitmap.pixels;
    std::vector<double> planes;
    for (int x = 0; x < 180; ++x)
        for (int y = 0; y < 120; ++y)
            planes.insert(planes.end(), {child->view().planeA(x, y), child->view().planeB(x, y)});
    const size_t steps = child->history().steps();

    Galleries& galleries = form->galleries();
    form->MethodGalleryClick();
    form->BlendGalleryClick();
    form->FormulaButtomClick();
    ASSERT_TRUE(WaitFor(
        [&] {
            return !galleries.busy() && galleries.methods()->picturesShown() == 29 &&
                   galleries.blends()->picturesShown() == 30;
        },
        30000));
    EXPECT_EQ(std::memcmp(&record, static_cast<FormulaRecord*>(&ps), sizeof record), 0);
    EXPECT_EQ(ps.transformMode, transform);
    EXPECT_EQ(ps.workBitmap.pixels, picture);
    size_t i = 0;
    for (int x = 0; x < 180; ++x)
        for (int y = 0; y < 120; ++y, i += 2)
            ASSERT_TRUE(child->view().planeA(x, y) == planes[i] && child->view().planeB(x, y) == planes[i + 1]);
    EXPECT_EQ(child->history().steps(), steps);
    EXPECT_FALSE(form->dialogs().list->list()->item(3, 0)->icon().isNull());

    // A click applies the choice, as one step.
    galleries.methods()->button(7)->click();
    EXPECT_EQ(ps.renderMethod, 7);
    galleries.blends()->button(BlendChoice(3, 6))->click();
    EXPECT_EQ(ps.blendMethod, 3);
    EXPECT_EQ(ps.rgbOrder, 6);
    EXPECT_EQ(child->history().steps(), steps + 2);
}

TEST_F(AppTest, RecentParameterFilesOpenFromTheToolsMenu) {
    UseCountingPlugin(0);
    child->UpdateFractal();
    QTemporaryDir dir;
    answers->answer = dir.filePath("sea.bmp");
    child->SaveToFile();
    ASSERT_EQ(RecentParameterFiles(), QStringList{dir.filePath("sea.zrv")});
    // Remembered in the test run's own settings, never the user's.
    EXPECT_TRUE(QSettings().fileName().startsWith(QDir::tempPath())) << QSettings().fileName().toStdString();

    // Without a window, the frame's Tools menu opens it in a new one.
    child->subWindow()->close();
    ASSERT_TRUE(WaitFor([&] { return form->children().isEmpty(); }));
    QMenu* recent = nullptr;
    for (QAction* a : form->menuBar()->actions())
        if (a->text().remove('&') == "Tools")
            for (QAction* item : a->menu()->actions())
                if (item->menu()) recent = item->menu();
    ASSERT_NE(recent, nullptr);
    emit recent->aboutToShow();
    ASSERT_FALSE(recent->actions().isEmpty());
    recent->actions().first()->trigger();
    ASSERT_TRUE(WaitFor([&] { return form->children().size() == 1 && form->children()[0]->windowTitle() == "sea"; }));
}

}  // namespace
}  // namespace zarvo::test
