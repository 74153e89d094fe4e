// Window commands: check marks, Julia mode, recolouring without the
// formula, saving, the formula list and the zoom rectangle.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app_fixture.h"
#include "picture_parameters.h"

namespace zarvo::test {
namespace {

int CheckedIn(const QMap<int, QAction*>& items) {
    int found = -1, count = 0;
    for (auto it = items.begin(); it != items.end(); ++it)
        if (it.value()->isChecked()) {
            found = it.key();
            ++count;
        }
    return count == 1 ? found : (count == 0 ? -1 : -2);
}

TEST_F(AppTest, CheckMarksFollowTheParameterSet) {
    UseCountingPlugin(0);
    ChildMenus& m = child->menus();
    child->RenderClick(8);
    EXPECT_EQ(CheckedIn(m.render), 8);
    child->TransformClick(3);
    EXPECT_EQ(CheckedIn(m.transform), 3);
    child->RotateClick(2);
    EXPECT_EQ(CheckedIn(m.rotate), 2);
    child->BlendClick(4);
    EXPECT_EQ(CheckedIn(m.blend), 4);
    child->RgbClick(6);
    EXPECT_EQ(CheckedIn(m.rgb), 6);
    child->InverseFormula1Click();
    for (QAction* a : m.inverse) EXPECT_TRUE(a->isChecked());
    child->InverseFormula1Click();
    for (QAction* a : m.inverse) EXPECT_FALSE(a->isChecked());

    // A value outside a menu checks nothing there.
    form->parameters().blendMethod = 26;
    child->UpdateMenuItems();
    EXPECT_EQ(CheckedIn(m.blend), -1);
    ASSERT_EQ(m.render.size(), 29);
    EXPECT_EQ(m.render[29]->text(), "29.) sine dimension 11");
    EXPECT_EQ(m.transform[4]->text(), "04.) Inversion + pixel");
    EXPECT_EQ(m.rgb[2]->text(), "2.) RBG");
}

TEST_F(AppTest, JuliaModeWaitsForAClickThenDrawsTheStartView) {
    UseCountingPlugin(0);
    ParameterSet& ps = form->parameters();
    child->UpdateFractal();
    plugin.reset();
    ps.zoom = 3.0;

    child->JuliaMode1Click();
    EXPECT_EQ(plugin.calls(), 0);  // nothing is drawn yet
    EXPECT_EQ(ps.juliaMode, 1);
    EXPECT_EQ(ps.juliaConstantSet, 0);
    EXPECT_EQ(child->navigation().rectangleMode, 0);
    EXPECT_TRUE(form->action("tool:Julia Mode")->isChecked());
    for (QAction* a : child->menus().julia) EXPECT_TRUE(a->isChecked());

    child->Image1MouseMove({45, 30});
    const double re = child->navigation().mouseRe;
    child->Image1MouseDown({45, 30}, shiftLeft);
    child->Image1MouseUp({45, 30}, shiftLeft);
    EXPECT_DOUBLE_EQ(ps.juliaRe, re);
    EXPECT_EQ(plugin.calls(), 180 * 120);
    EXPECT_DOUBLE_EQ(ps.zoom, 1.0);  // the start view of the formula
    EXPECT_EQ(ps.juliaConstantSet, 1);
    EXPECT_EQ(child->navigation().rectangleMode, flagOn);

    child->JuliaMode1Click();  // off again: redraws at once
    EXPECT_EQ(ps.juliaMode, 0);
    EXPECT_FALSE(form->action("tool:Julia Mode")->isChecked());
    EXPECT_EQ(plugin.calls(), 2 * 180 * 120);
}

TEST_F(AppTest, BlendsAndChannelOrdersRecolourWithoutTheFormula) {
    UseCountingPlugin(0);
    child->RenderClick(1);
    plugin.reset();
    const std::vector<uint8_t> before = form->parameters().workBitmap.pixels;
    child->BlendClick(3);
    child->RgbClick(6);
    EXPECT_EQ(plugin.calls(), 0);
    EXPECT_NE(form->parameters().workBitmap.pixels, before);

    // A picture larger than the planes may hold is drawn again instead.
    child->view().planePixelLimit = 640 * 12;
    form->parameters().pictureWidth = 641;
    form->parameters().pictureHeight = 12;
    child->TP01Click();
    plugin.reset();
    child->BlendClick(2);
    EXPECT_EQ(plugin.calls(), 641 * 12);
}

TEST_F(AppTest, SizePresetsSetTheClientArea) {
    UseCountingPlugin(0);
    child->SizePresetClick(320, 240);
    EXPECT_EQ(form->parameters().pictureWidth, 320);
    EXPECT_EQ(child->pictureArea().picture().size(), QSize(320, 240));
    EXPECT_EQ(plugin.calls(), 320 * 240);

    // Back from a picture that needed scroll bars, the client area is the
    // picture again, without a margin where the scroll bars were.
    form->resize(1300, 900);  // room for an 800 x 600 client area
    QScrollArea* scroll = child->findChild<QScrollArea*>();
    form->parameters().pictureWidth = 1024;
    form->parameters().pictureHeight = 768;
    child->TP01Click();
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(scroll->viewport()->size(), QSize(800, 600));
    child->SizePresetClick(640, 480);
    WaitFor([] { return false; }, 50);
    EXPECT_EQ(scroll->viewport()->size(), QSize(640, 480));
}

TEST_F(AppTest, LargePicturesScrollWithAVisibleHandleAndTheWheel) {
    UseCountingPlugin(0);
    QScrollArea* scroll = child->findChild<QScrollArea*>();
    QScrollBar* across = scroll->horizontalScrollBar();
    form->parameters().pictureWidth = 1024;
    form->parameters().pictureHeight = 500;
    child->TP01Click();
    WaitFor([] { return false; }, 50);
    ASSERT_GT(across->maximum(), 0);
    ASSERT_EQ(scroll->verticalScrollBar()->maximum(), 0);
    // At the left end the handle covers the left of the bar; it is drawn
    // darker than the empty groove to its right.
    const QImage bar = across->grab().toImage();
    const int y = bar.height() / 2;
    EXPECT_LT(bar.pixelColor(bar.width() / 4, y).lightness() + 40, bar.pixelColor(bar.width() - 3, y).lightness());
    // A picture that is only too wide scrolls sideways with the wheel.
    QWheelEvent down(QPointF(10, 10), scroll->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(scroll->viewport(), &down);
    EXPECT_GT(across->value(), 0);
}

TEST_F(AppTest, SaveWritesThePictureAndItsParameterFile) {
    UseCountingPlugin(0);
    child->UpdateFractal();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    answers->answer = dir.filePath("sea.bmp");
    child->SaveToFile();
    EXPECT_TRUE(QFile::exists(dir.filePath("sea.bmp")));
    EXPECT_TRUE(QFile::exists(dir.filePath("sea.zrv")));
    EXPECT_EQ(child->windowTitle(), "sea.bmp");
    QImage written(dir.filePath("sea.bmp"));
    EXPECT_EQ(written.size(), QSize(180, 120));

    answers->answer = dir.filePath("sky.jpg");
    form->FileSaveItemClick();
    EXPECT_TRUE(QFile::exists(dir.filePath("sky.jpg")));
    EXPECT_TRUE(QFile::exists(dir.filePath("sky.zrv")));

    // Cancel writes nothing.
    answers->answer.clear();
    child->SaveToFile();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);

    // ".jpeg" is JPEG too; an unknown extension writes no picture, says so
    // and leaves the caption alone.
    answers->answer = dir.filePath("dawn.jpeg");
    child->SaveToFile();
    EXPECT_EQ(QImage(dir.filePath("dawn.jpeg")).size(), QSize(180, 120));
    EXPECT_EQ(child->windowTitle(), "dawn.jpeg");
    form->reporter().messages.clear();
    answers->answer = dir.filePath("dusk.tiff");
    child->SaveToFile();
    EXPECT_EQ(form->reporter().messages, std::vector<std::string>{"Unkown File extension: = .TIF"});
    EXPECT_FALSE(QFile::exists(dir.filePath("dusk.tiff")));
    EXPECT_TRUE(QFile::exists(dir.filePath("dusk.zrv")));
    EXPECT_EQ(child->windowTitle(), "dawn.jpeg");

    // ".png" is a PNG that carries the parameter file written beside it.
    answers->answer = dir.filePath("noon.png");
    child->SaveToFile();
    EXPECT_EQ(QImage(dir.filePath("noon.png")).size(), QSize(180, 120));
    const CarriedParameters carried = ReadCarriedParameters(dir.filePath("noon.png").toStdString());
    EXPECT_TRUE(carried.found);
    QFile zrv(dir.filePath("noon.zrv"));
    ASSERT_TRUE(zrv.open(QIODevice::ReadOnly));
    EXPECT_EQ(carried.bytes, zrv.readAll().toStdString());

    // The parameter file loads back into the window and draws it again.
    form->parameters().renderMethod = 5;
    plugin.reset();
    answers->answer = dir.filePath("sea.zrv");
    form->LoadParameterFileClick();
    ASSERT_TRUE(WaitFor([&] { return child->windowTitle() == "sea"; }));
    EXPECT_EQ(form->parameters().renderMethod, 1);

    // So does a picture that carries one; opened, it tells so.
    form->parameters().renderMethod = 5;
    answers->answer = dir.filePath("noon.png");
    form->LoadParameterFileClick();
    ASSERT_TRUE(WaitFor([&] { return child->windowTitle() == "noon"; }));
    EXPECT_EQ(form->parameters().renderMethod, 1);
    TMDIChild* viewer = form->FileOpenItemClick();
    ASSERT_TRUE(WaitFor([&] { return viewer->windowTitle() == "noon.png"; }));
    EXPECT_TRUE(form->statusBar()->currentMessage().contains("Load From Parameter File"));
}

TEST_F(AppTest, AParameterFileWithoutASingleValueChangesNothing) {
    UseCountingPlugin(0);
    ParameterSet& ps = form->parameters();
    child->SizePresetClick(320, 240);
    ps.renderMethod = 5;
    ps.zoom = 2.5;
    const char* const title = ps.formulaTitle;
    const QImage before = child->pictureArea().picture();
    QTemporaryDir dir;
    const std::string junk("\x93\x0f\xd1\r\n\xfe\x11garbage\r\n\x80\x81\r\n", 20);
    for (const std::string& text : {junk, std::string("z a r v o_ v0.1\r\n")}) {
        const QString path = dir.filePath("junk.zrv");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        file.close();
        form->reporter().messages.clear();
        plugin.reset();
        answers->answer = path;
        form->LoadParameterFileClick();
        ASSERT_TRUE(WaitFor([&] { return !form->reporter().messages.empty(); }));
        WaitFor([] { return false; }, 50);
        EXPECT_EQ(form->reporter().messages, std::vector<std::string>{"Error reading parameter file"});
        EXPECT_EQ(child->windowTitle(), "zarvo_");
        EXPECT_EQ(child->pictureArea().picture(), before);
        EXPECT_EQ(ps.pictureWidth, 320);
        EXPECT_EQ(ps.renderMethod, 5);
        EXPECT_EQ(ps.zoom, 2.5);
        EXPECT_EQ(ps.formulaTitle, title);
        EXPECT_EQ(plugin.calls(), 0);
    }
}

TEST_F(AppTest, FormulaListShowsThePluginAndPicksAFormula) {
    UseCountingPlugin(0);
    ParameterSet& ps = form->parameters();
    ps.formulaIndex = 1;
    ps.juliaMode = 1;
    ps.inverseFormula = 1;
    form->FormulaButtomClick();
    TListForm* list = form->dialogs().list;
    ASSERT_TRUE(list->isVisible());
    QTableWidget* table = list->list();
    ASSERT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QString("Formula file: ") + COUNTING_PLUGIN);
    EXPECT_EQ(table->item(2, 0)->text(), "2: faulty ");
    EXPECT_EQ(table->item(1, 1)->text(), "takes its time ");
    EXPECT_EQ(table->item(1, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(table->item(0, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(ps.formulaIndex, 1);  // opening the list changes nothing

    plugin.reset();
    table->selectRow(0);
    list->ListView1Click();
    EXPECT_EQ(ps.formulaIndex, 0);
    EXPECT_EQ(ps.juliaMode, 0);
    EXPECT_EQ(ps.inverseFormula, 0);
    EXPECT_EQ(table->item(0, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(table->item(1, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(plugin.calls(), 180 * 120);  // reset and redrawn
    // The texts a saved picture carries name the formula picked.
    EXPECT_STREQ(ps.formulaTitle, "square ");
    EXPECT_STREQ(ps.formulaDescription, "counts calls ");

    form->FormulaButtomClick();
    EXPECT_FALSE(list->isVisible());
}

TEST_F(AppTest, ARectangleEnablesZoomAndZoomDrawsIt) {
    UseCountingPlugin(0);
    child->UpdateFractal();
    child->Image1MouseMove({30, 20});
    child->Image1MouseDown({30, 20}, shiftLeft);
    child->Image1MouseMove({90, 60});
    child->Image1MouseUp({90, 60}, shiftLeft);
    EXPECT_TRUE(form->action("tool:Zoom into Rectangle")->isEnabled());
    EXPECT_TRUE(child->menus().zoomIn->isEnabled());
    const double pending = form->parameters().pendingZoom;
    form->ZoomClick();
    EXPECT_DOUBLE_EQ(form->parameters().zoom, pending);
    EXPECT_FALSE(child->navigation().rectangleExists);
    EXPECT_FALSE(form->action("tool:Zoom into Rectangle")->isEnabled());
}

}  // namespace
}  // namespace zarvo::test
