// The wheel's zoom about the pointer, the middle button's drag, and the
// preview that shows the old picture where it lands.
#include <gtest/gtest.h>

#include "view_moves.h"

namespace zarvo {
namespace {

ScanEdges EdgesOf(ParameterSet& ps) {
    AdjustCoords(ps);
    return ScanEdges{ps.xMin, ps.xMax, ps.yMin, ps.yMax};
}

TEST(ViewMoves, TheWheelKeepsThePointUnderThePointer) {
    ParameterSet ps;
    const int sizes[][2] = {{180, 120}, {640, 480}, {120, 180}, {801, 3}};
    for (const auto& size : sizes) {
        ps.pictureWidth = size[0];
        ps.pictureHeight = size[1];
        const PicturePoint pixels[] = {{0, 0}, {size[0] - 1, size[1] - 1}, {size[0] / 3, size[1] / 2}, {7, 1}};
        for (const PicturePoint p : pixels) {
            ps.xCentre = -0.7435669;
            ps.yCentre = 0.1314023;
            ps.zoom = 3.0;
            // In three steps, out two, in again.
            for (double factor : {2.0, 2.0, 2.0, 0.5, 0.5, 2.0}) {
                const ScanEdges before = EdgesOf(ps);
                const double re = p.x * (before.xMax - before.xMin) / ps.pictureWidth + before.xMin;
                const double im = p.y * (before.yMax - before.yMin) / ps.pictureHeight + before.yMin;
                const double zoom = ps.zoom;
                SetView(ps, ZoomAboutPixel(ps, before, p, factor));
                EXPECT_EQ(ps.zoom, zoom * factor);
                const ScanEdges after = EdgesOf(ps);
                const double stepX = (after.xMax - after.xMin) / ps.pictureWidth;
                const double stepY = (after.yMax - after.yMin) / ps.pictureHeight;
                // Within a millionth of a pixel.
                EXPECT_NEAR(p.x * stepX + after.xMin, re, 1e-6 * stepX) << size[0] << " x " << size[1];
                EXPECT_NEAR(p.y * stepY + after.yMin, im, 1e-6 * stepY) << size[0] << " x " << size[1];
            }
        }
    }
}

TEST(ViewMoves, ThePreviewShowsTheOldPictureWhereItLands) {
    ParameterSet ps;
    ps.pictureWidth = 64;
    ps.pictureHeight = 48;
    ps.zoom = 2.0;
    const ScanEdges old = EdgesOf(ps);
    RgbImage picture(64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            uint8_t* px = picture.at(x, y);
            px[0] = static_cast<uint8_t>(x);
            px[1] = static_cast<uint8_t>(y);
            px[2] = 7;
        }

    // Dragged by (5, -3): every pixel moves by exactly that; the strip the
    // drag uncovers repeats the old picture's edge.
    SetView(ps, DraggedView(ps, old, 5, -3));
    const RgbImage dragged = PreviewPicture(picture, old, EdgesOf(ps), 64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const int fromX = std::clamp(x - 5, 0, 63), fromY = std::clamp(y + 3, 0, 47);
            ASSERT_EQ(dragged.at(x, y)[0], fromX) << x << "," << y;
            ASSERT_EQ(dragged.at(x, y)[1], fromY) << x << "," << y;
        }

    // Zoomed in twice about pixel (16, 12): that pixel's neighbourhood is
    // shown four times as large, and stays under the pointer.
    SetView(ps, ViewCentre{0, 0, 2.0});
    SetView(ps, ZoomAboutPixel(ps, old, {16, 12}, 4.0));
    const RgbImage zoomed = PreviewPicture(picture, old, EdgesOf(ps), 64, 48);
    EXPECT_EQ(zoomed.at(16, 12)[0], 16);
    EXPECT_EQ(zoomed.at(16, 12)[1], 12);
    EXPECT_EQ(zoomed.at(20, 16)[0], 17);
    EXPECT_EQ(zoomed.at(24, 20)[1], 14);
}

}  // namespace
}  // namespace zarvo
