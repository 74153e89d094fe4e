// Start-up, the enabled states that follow the open windows, and the
// attractor view toggled by every new window.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>

#include "app_fixture.h"

namespace zarvo::test {
namespace {

TEST_F(AppTest, StartUpOpensOneNewWindowAndTheAttractorView) {
    ASSERT_EQ(form->children().size(), 1);
    EXPECT_EQ(child->windowTitle(), "zarvo_");
    EXPECT_EQ(form->windowTitle(), "z a r v o_ v0.1");
    EXPECT_EQ(form->applicationTitle, "z a r v o_ v0.1");
    // The frame leaves room for its caption bar on any screen, also one
    // whose pixels are scaled up.
    const QSize room = form->screen()->availableGeometry().size();
    EXPECT_LT(form->height(), room.height());
    EXPECT_LT(form->width(), room.width());
    const ParameterSet& ps = form->parameters();
    EXPECT_EQ(ps.pictureWidth, 180);
    EXPECT_EQ(ps.pictureHeight, 120);
    // The new window switched the attractor view on, so the view starts at
    // the attractor formula's magnification.
    EXPECT_TRUE(form->dialogs().vantrel->isVisible());
    EXPECT_NE(ps.vantrelFormulaMode, 0);
    EXPECT_DOUBLE_EQ(ps.zoom, 0.2);
    EXPECT_EQ(child->pictureArea().picture().size(), QSize(180, 120));
    // No picture is computed until a command asks for one.
    EXPECT_EQ(child->view().scanRunning, 0);
    // The window's own menu bar replaces the frame's.
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 12);
    EXPECT_EQ(menus[0]->text().remove('&'), "File");
    EXPECT_EQ(menus[1]->text().remove('&'), "Render01");
    EXPECT_EQ(menus[10]->text().remove('&'), "Tools");
    EXPECT_EQ(menus[11]->text().remove('&'), "Help");
}

TEST_F(AppTest, SecondNewWindowSwitchesTheAttractorViewOff) {
    TMDIChild* second = form->FileNewItemClick();
    EXPECT_EQ(second->windowTitle(), "Untitled2");
    ASSERT_TRUE(WaitFor([&] { return second->windowTitle() == "zarvo_"; }));
    EXPECT_FALSE(form->dialogs().vantrel->isVisible());
    EXPECT_EQ(form->parameters().vantrelFormulaMode, 0);
    EXPECT_DOUBLE_EQ(form->parameters().zoom, 0.2);
}

TEST_F(AppTest, WindowCommandsFollowTheOpenWindows) {
    const char* needWindow[] = {
        "menu:&Close",         "menu:&Save",         "menu:&Cascade",      "menu:&Tile",
        "menu:&Arrange Icons", "menu:&Minimize All", "tool:Save",          "tool:Reset Coordinates",
        "tool:Parameters",     "tool:XY Size",       "tool:Show Formulas", "tool:Color parameters",
        "tool:Julia Mode"};
    for (const char* name : needWindow) EXPECT_TRUE(form->action(name)->isEnabled()) << name;
    // Without a rectangle the zoom button waits for one; nothing draws.
    EXPECT_FALSE(form->action("tool:Zoom into Rectangle")->isEnabled());
    EXPECT_FALSE(form->action("tool:Stop Drawing")->isEnabled());

    child->subWindow()->close();
    ASSERT_TRUE(WaitFor([&] { return form->children().isEmpty(); }));
    for (const char* name : needWindow) EXPECT_FALSE(form->action(name)->isEnabled()) << name;
    EXPECT_FALSE(form->action("tool:Zoom into Rectangle")->isEnabled());
    EXPECT_FALSE(form->action("tool:Stop Drawing")->isEnabled());
    // These work without a window.
    for (const char* name : {"tool:New", "tool:Parameter file", "tool:Open", "tool:Apply", "tool:Vantrel View",
                             "tool:Vantrel Parameters", "tool:About"})
        EXPECT_TRUE(form->action(name)->isEnabled()) << name;
    // The frame's own menus are back.
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[2]->text().remove('&'), "Tools");
    // Commands that need a window do nothing.
    form->ApplyClick();
    form->ResetClick();
    form->FormulaButtomClick();
    EXPECT_FALSE(form->dialogs().list->isVisible());
}

TEST_F(AppTest, OpenShowsAPictureAtItsOwnSize) {
    const QString path = QDir::temp().filePath("zarvo_app_test_open.bmp");
    QImage picture(64, 48, QImage::Format_RGB888);
    picture.fill(QColor(10, 200, 30));
    ASSERT_TRUE(picture.save(path));
    answers->answer = path;
    TMDIChild* viewer = form->FileOpenItemClick();
    ASSERT_NE(viewer, nullptr);
    ASSERT_TRUE(WaitFor([&] { return viewer->windowTitle() == "zarvo_app_test_open.bmp"; }));
    EXPECT_EQ(viewer->pictureArea().picture().size(), QSize(64, 48));
    EXPECT_EQ(viewer->pictureArea().picture().pixelColor(5, 5), QColor(10, 200, 30));
    EXPECT_EQ(form->parameters().pictureWidth, 64);

    // Apply there draws a fractal over the picture, but asks first.
    MessageBoxReporter& reporter = form->reporter();
    reporter.answer = false;
    form->ApplyClick();
    viewer->BlendClick(2);
    ASSERT_EQ(reporter.questions.size(), 2u);
    EXPECT_EQ(reporter.questions[0], "Replace the opened picture with a new drawing?");
    EXPECT_EQ(viewer->pictureArea().picture().pixelColor(5, 5), QColor(10, 200, 30));
    EXPECT_EQ(viewer->view().scanRunning, 0);
    reporter.answer = true;
    form->ApplyClick();
    EXPECT_EQ(reporter.questions.size(), 3u);
    EXPECT_NE(viewer->pictureArea().picture().pixelColor(5, 5), QColor(10, 200, 30));
    form->ApplyClick();  // a drawing of its own now: no more questions
    EXPECT_EQ(reporter.questions.size(), 3u);

    // A file that is no picture, and a picture wider than the program
    // draws: a message each, and the window made for it goes again.
    QImage tooWide(largestPictureSide + 1, 1, QImage::Format_RGB888);
    tooWide.fill(Qt::white);
    const QString widePath = QDir::temp().filePath("zarvo_app_test_wide.bmp");
    ASSERT_TRUE(tooWide.save(widePath));
    for (const QString& bad : {QDir::temp().filePath("zarvo_app_test_missing.bmp"), widePath}) {
        form->reporter().messages.clear();
        answers->answer = bad;
        QPointer<TMDIChild> broken = form->FileOpenItemClick();
        ASSERT_TRUE(WaitFor([&] { return !form->reporter().messages.empty() && broken.isNull(); }))
            << bad.toStdString();
        EXPECT_NE(form->reporter().messages.back().find(bad.toStdString()), std::string::npos);
        EXPECT_LE(form->parameters().pictureWidth, largestPictureSide);
    }
    EXPECT_NE(form->reporter().messages.back().find(std::to_string(largestPictureSide + 1)), std::string::npos);
    QFile::remove(widePath);
    QFile::remove(path);

    // A JPEG file cut short: what could be read is shown, and said to be
    // only part of the picture.
    QImage busy(200, 150, QImage::Format_RGB888);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) busy.setPixelColor(x, y, QColor((x * 37) % 256, (y * 91) % 256, (x * y) % 256));
    const QString cut = QDir::temp().filePath("zarvo_app_test_cut.jpg");
    ASSERT_TRUE(busy.save(cut, "JPG", 95));
    QFile file(cut);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() / 2);
    file.close();
    form->reporter().messages.clear();
    answers->answer = cut;
    TMDIChild* damaged = form->FileOpenItemClick();
    ASSERT_TRUE(WaitFor([&] { return !form->reporter().messages.empty(); }));
    EXPECT_EQ(form->reporter().messages[0],
              "The picture file " + cut.toStdString() + " is damaged: only part of it could be read");
    EXPECT_EQ(damaged->pictureArea().picture().size(), QSize(200, 150));
    QFile::remove(cut);
}

}  // namespace
}  // namespace zarvo::test
