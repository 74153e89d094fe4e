// Pictures written band by band while the scan draws them: the same file as
// the picture drawn whole, and supersampling exactly as defined.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fractal_view.h"
#include "picture_writer.h"
#include "streamed_picture.h"
#include "test_support.h"

namespace zarvo {
namespace {

using test::TempFolder;

// A fresh window with the test plug-in on the test picture's view; every
// drawing gets its own, as a scan leaves state behind for the next one.
struct Window {
    explicit Window(int formula) : view(ps, quiet) {
        test::SetUpPicture(ps);
        ps.formulaIndex = formula;
        view.pluginFileName = TEST_FORMULA_PLUGIN;
        EXPECT_TRUE(view.InitializeMainDLL());
    }
    RgbImage drawWhole(int width, int height) {
        ps.pictureWidth = width;
        ps.pictureHeight = height;
        view.DrawDefaultImage();
        ScanHooks none;
        view.UpdateFractal(none);
        return ps.workBitmap;
    }
    StreamedPictureResult stream(int width, int height, int supersample, const PictureFileOptions& file,
                                 const std::string& path) {
        StreamedPicture picture;
        picture.width = width;
        picture.height = height;
        picture.supersample = supersample;
        picture.file = file;
        picture.threads = 2;
        return DrawPictureToFile(view, picture, path);
    }

    ParameterSet ps;
    SilentReporter quiet;
    FractalView view;
};

PictureFileOptions Format(PictureFormat format) {
    PictureFileOptions o;
    o.format = format;
    o.parameters = "carried\r\n";
    return o;
}

TEST(StreamedPicture, SameFileAsThePictureDrawnWhole) {
    TempFolder tmp;
    for (int formula : {1, 2}) {  // 2: a fault ends the scan, and the rest stays black
        for (PictureFormat format : {PictureFormat::Bmp, PictureFormat::Jpeg, PictureFormat::Png}) {
            const std::string label =
                "formula " + std::to_string(formula) + ", format " + std::to_string(static_cast<int>(format));
            std::string error;
            const RgbImage whole = Window(formula).drawWhole(37, 23);
            ASSERT_TRUE(WritePicture(whole, tmp.file("whole"), Format(format), &error)) << error;
            const StreamedPictureResult streamed =
                Window(formula).stream(37, 23, 1, Format(format), tmp.file("streamed"));
            ASSERT_TRUE(streamed.written) << streamed.error;
            EXPECT_EQ(streamed.scan.fault.empty(), formula == 1) << label;
            EXPECT_TRUE(test::ReadFile(tmp.file("whole")) == test::ReadFile(tmp.file("streamed"))) << label;
        }
    }
}

// The definition, written out here once more: the mean of the block's
// values in linear light, back to sRGB, rounded to the nearest byte.
uint8_t BlockValue(const RgbImage& large, int x, int y, int n, int channel) {
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    double sum = 0;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) sum += linear(large.at(x * n + c, y * n + r)[channel] / 255.0);
    const double mean = sum / (n * n);
    const double srgb = mean <= 0.0031308 ? 12.92 * mean : 1.055 * std::pow(mean, 1 / 2.4) - 0.055;
    return static_cast<uint8_t>(std::lround(std::clamp(srgb * 255.0, 0.0, 255.0)));
}

TEST(StreamedPicture, SupersamplingAveragesBlocksOfTheLargePictureInLinearLight) {
    TempFolder tmp;
    const int width = 21, height = 13;
    for (int n : {2, 3}) {
        const RgbImage large = Window(1).drawWhole(n * width, n * height);
        RgbImage expected(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int k = 0; k < 3; ++k) expected.at(x, y)[k] = BlockValue(large, x, y, n, k);
        std::string error;
        ASSERT_TRUE(WriteBmp(expected, tmp.file("expected.bmp"), &error)) << error;
        const StreamedPictureResult drawn =
            Window(1).stream(width, height, n, Format(PictureFormat::Bmp), tmp.file("drawn.bmp"));
        ASSERT_TRUE(drawn.written) << drawn.error;
        EXPECT_TRUE(test::ReadFile(tmp.file("expected.bmp")) == test::ReadFile(tmp.file("drawn.bmp"))) << n;
    }
}

}  // namespace
}  // namespace zarvo
