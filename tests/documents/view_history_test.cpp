// The back/forward history: its steps, what it keeps of each picture, and
// the bounds on both.
#include <gtest/gtest.h>

#include "view_history.h"

namespace zarvo {
namespace {

PictureState AtZoom(double zoom) {
    PictureState s;
    s.values.zoom = zoom;
    return s;
}

std::shared_ptr<CachedPicture> PictureOf(int width, int height) {
    auto p = std::make_shared<CachedPicture>();
    p->picture.reset(width, height);
    p->planeA.assign(static_cast<size_t>(width) * height, 1.0);
    p->planeB = p->planeA;
    return p;
}

TEST(ViewHistory, StepsBackAndForwardAndDropsWhatLayAhead) {
    ViewHistory h;
    EXPECT_EQ(h.current(), nullptr);
    EXPECT_FALSE(h.canGoBack());
    for (double z : {1.0, 2.0, 4.0, 8.0}) EXPECT_TRUE(h.record(AtZoom(z)));
    // Drawing the current picture again is no new step.
    EXPECT_FALSE(h.record(AtZoom(8.0)));
    EXPECT_EQ(h.steps(), 4u);
    EXPECT_EQ(h.back()->values.zoom, 4.0);
    EXPECT_EQ(h.back()->values.zoom, 2.0);
    EXPECT_EQ(h.back()->values.zoom, 1.0);
    EXPECT_EQ(h.back(), nullptr);
    EXPECT_EQ(h.current()->values.zoom, 1.0);
    EXPECT_EQ(h.forward()->values.zoom, 2.0);
    EXPECT_TRUE(h.canGoForward());
    // A new picture from here replaces the steps that lay ahead.
    EXPECT_TRUE(h.record(AtZoom(3.0)));
    EXPECT_FALSE(h.canGoForward());
    EXPECT_EQ(h.steps(), 3u);
    EXPECT_EQ(h.back()->values.zoom, 2.0);
}

TEST(ViewHistory, StepsAndPicturesStayWithinTheirBounds) {
    ViewHistory::Limits limits;
    limits.steps = 150;
    limits.pictures = 3;
    limits.pictureBytes = 3 * PictureOf(40, 30)->bytes();
    ViewHistory h(limits);
    for (int i = 0; i < 400; ++i) {
        const PictureState s = AtZoom(i + 1);
        h.record(s);
        h.keepPicture(s, PictureOf(40, 30));
        ASSERT_LE(h.picturesKept(), 3u);
    }
    // At least a hundred steps back, and no more than the limit.
    EXPECT_EQ(h.steps(), 150u);
    int back = 0;
    while (h.back()) ++back;
    EXPECT_EQ(back, 149);
    EXPECT_EQ(h.current()->values.zoom, 251.0);

    // The last pictures drawn are the ones kept.
    for (int i = 0; i < 149; ++i) h.forward();
    EXPECT_NE(h.currentPicture(), nullptr);
    h.back();
    EXPECT_NE(h.currentPicture(), nullptr);
    h.back();
    h.back();
    EXPECT_EQ(h.currentPicture(), nullptr);

    // A picture too large for the memory allowed pushes out the others, and
    // a picture of another state than the current step's is not kept.
    for (int i = 0; i < 3; ++i) h.forward();
    h.keepPicture(*h.current(), PictureOf(60, 45));
    EXPECT_EQ(h.picturesKept(), 1u);
    EXPECT_NE(h.currentPicture(), nullptr);
    EXPECT_LE(h.pictureBytes(), limits.pictureBytes);
    h.back();
    h.keepPicture(AtZoom(-1), PictureOf(4, 4));
    EXPECT_EQ(h.currentPicture(), nullptr);
}

TEST(PictureState, RestoresThePictureAndTellsRecolouringFromRecomputing) {
    ParameterSet ps;
    ps.zoom = 4.0;
    ps.renderMethod = 7;
    ps.transformMode = 2;
    ps.redStep = 3.0;
    const PictureState before = CapturePicture(ps);

    ps.zoom = 1.0;
    ps.renderMethod = 1;
    ps.transformMode = 0;
    ps.redStep = 1.0;
    ps.stopFlag = 0;
    ps.formulaCount = 49;
    RestorePicture(ps, before);
    EXPECT_EQ(ps.zoom, 4.0);
    EXPECT_EQ(ps.renderMethod, 7);
    EXPECT_EQ(ps.transformMode, 2);
    EXPECT_EQ(ps.redStep, 3.0);
    // Not part of a picture: left as they were.
    EXPECT_EQ(ps.stopFlag, 0);
    EXPECT_EQ(ps.formulaCount, 49);

    PictureState recoloured = before;
    recoloured.values.blendMethod = 4;
    recoloured.values.intensity = 2.0;
    EXPECT_FALSE(SamePicture(before, recoloured));
    EXPECT_TRUE(SameComputation(before, recoloured));
    // The Swirly transform reads the intensity.
    PictureState swirly = before, swirlyBrighter = recoloured;
    swirly.transformMode = swirlyBrighter.transformMode = 1;
    EXPECT_FALSE(SameComputation(swirly, swirlyBrighter));
    // Whether the Julia constant was taken yet makes no other picture.
    PictureState taken = before;
    taken.values.juliaConstantSet = 1;
    taken.values.cRe = 0.25;
    EXPECT_TRUE(SamePicture(before, taken));
}

}  // namespace
}  // namespace zarvo
