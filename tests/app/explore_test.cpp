// Exploring a picture: the window's back/forward history, the wheel and
// the middle button, and the galleries.
#include <QTest>

#include "app_fixture.h"

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

}  // namespace
}  // namespace zarvo::test
