// The picture files are readable: the BMP header and pixel order checked by
// hand, the JPEG decoded with libjpeg.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include "picture_writer.h"
#include "test_support.h"

namespace zarvo {
namespace {

using test::TempFolder;

uint32_t Le32(const std::string& b, size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}
uint16_t Le16(const std::string& b, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}

RgbImage Gradient(int w, int h) {
    RgbImage img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.set(x, y, static_cast<uint8_t>(x * 20), static_cast<uint8_t>(y * 30), 90);
    return img;
}

TEST(BmpWriter, TwentyFourBitBottomUpWithPaddedRows) {
    TempFolder tmp;
    const RgbImage img = Gradient(5, 3);  // 15 bytes a row, padded to 16
    std::string error;
    ASSERT_TRUE(WriteBmp(img, tmp.file("g.bmp"), &error)) << error;
    const std::string b = test::ReadFile(tmp.file("g.bmp"));
    ASSERT_EQ(b.size(), 54u + 16u * 3u);
    EXPECT_EQ(b.substr(0, 2), "BM");
    EXPECT_EQ(Le32(b, 2), b.size());
    EXPECT_EQ(Le32(b, 10), 54u);
    EXPECT_EQ(Le32(b, 14), 40u);
    EXPECT_EQ(Le32(b, 18), 5u);
    EXPECT_EQ(Le32(b, 22), 3u);  // positive height: bottom-up
    EXPECT_EQ(Le16(b, 26), 1u);
    EXPECT_EQ(Le16(b, 28), 24u);
    EXPECT_EQ(Le32(b, 30), 0u);
    for (int y = 0; y < 3; ++y) {
        const size_t row = 54 + 16 * static_cast<size_t>(2 - y);
        for (int x = 0; x < 5; ++x) {
            const uint8_t* p = img.at(x, y);
            EXPECT_EQ(static_cast<uint8_t>(b[row + 3 * x]), p[2]);  // blue first
            EXPECT_EQ(static_cast<uint8_t>(b[row + 3 * x + 1]), p[1]);
            EXPECT_EQ(static_cast<uint8_t>(b[row + 3 * x + 2]), p[0]);
        }
        EXPECT_EQ(b[row + 15], '\0');
    }
}

TEST(BmpWriter, RefusesAnEmptyPictureAndAMissingFolder) {
    TempFolder tmp;
    std::string error;
    EXPECT_FALSE(WriteBmp(RgbImage(), tmp.file("e.bmp"), &error));
    EXPECT_FALSE(test::FileExists(tmp.file("e.bmp")));
    EXPECT_FALSE(WriteBmp(Gradient(2, 2), tmp.file("no/e.bmp"), &error));
    EXPECT_NE(error.find("no/e.bmp"), std::string::npos);
}

struct Decoded {
    int width = 0, height = 0, components = 0;
    bool progressive = false;
    std::vector<uint8_t> pixels;
};

Decoded DecodeJpeg(const std::string& path) {
    Decoded d;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return d;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, f);
    jpeg_read_header(&cinfo, TRUE);
    d.progressive = jpeg_has_multiple_scans(&cinfo);
    jpeg_start_decompress(&cinfo);
    d.width = static_cast<int>(cinfo.output_width);
    d.height = static_cast<int>(cinfo.output_height);
    d.components = cinfo.output_components;
    d.pixels.resize(static_cast<size_t>(d.width) * d.height * d.components);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = d.pixels.data() + static_cast<size_t>(cinfo.output_scanline) * d.width * d.components;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(f);
    return d;
}

bool HasMarker(const std::string& bytes, uint8_t marker) {
    for (size_t i = 0; i + 1 < bytes.size(); ++i)
        if (static_cast<uint8_t>(bytes[i]) == 0xFF && static_cast<uint8_t>(bytes[i + 1]) == marker) return true;
    return false;
}

TEST(JpegWriter, DecodesAtTheRightSizeAndColour) {
    TempFolder tmp;
    RgbImage img(37, 21);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 37; ++x) img.set(x, y, 200, 40, 120);
    std::string error;
    ASSERT_TRUE(WriteJpeg(img, tmp.file("c.jpg"), 95, true, &error)) << error;
    const Decoded d = DecodeJpeg(tmp.file("c.jpg"));
    ASSERT_EQ(d.width, 37);
    ASSERT_EQ(d.height, 21);
    ASSERT_EQ(d.components, 3);
    for (size_t i = 0; i < d.pixels.size(); i += 3) {
        EXPECT_NEAR(d.pixels[i], 200, 4);
        EXPECT_NEAR(d.pixels[i + 1], 40, 4);
        EXPECT_NEAR(d.pixels[i + 2], 120, 4);
    }
}

TEST(JpegWriter, ProgressiveOrBaseline) {
    TempFolder tmp;
    const RgbImage img = Gradient(16, 16);
    std::string error;
    ASSERT_TRUE(WriteJpeg(img, tmp.file("p.jpg"), 85, true, &error));
    ASSERT_TRUE(WriteJpeg(img, tmp.file("b.jpg"), 85, false, &error));
    const std::string p = test::ReadFile(tmp.file("p.jpg"));
    const std::string b = test::ReadFile(tmp.file("b.jpg"));
    EXPECT_TRUE(HasMarker(p, 0xC2));  // SOF2: progressive
    EXPECT_FALSE(HasMarker(p, 0xC0));
    EXPECT_TRUE(HasMarker(b, 0xC0));  // SOF0: baseline
    EXPECT_FALSE(HasMarker(b, 0xC2));
    EXPECT_TRUE(DecodeJpeg(tmp.file("p.jpg")).progressive);
    EXPECT_FALSE(DecodeJpeg(tmp.file("b.jpg")).progressive);
}

TEST(JpegWriter, QualityUsesTheLowByteWithin1To100) {
    TempFolder tmp;
    const RgbImage img = Gradient(16, 16);
    std::string error;
    auto bytes = [&](int q) {
        const std::string name = tmp.file("q" + std::to_string(q) + ".jpg");
        EXPECT_TRUE(WriteJpeg(img, name, q, false, &error)) << q;
        return test::ReadFile(name);
    };
    EXPECT_EQ(bytes(300), bytes(44));  // 300 & 255
    EXPECT_EQ(bytes(0), bytes(1));
    EXPECT_EQ(bytes(256), bytes(1));
    EXPECT_EQ(bytes(1000), bytes(100));  // 232, limited to 100
    EXPECT_NE(bytes(1), bytes(100));
}

TEST(JpegWriter, EncoderErrorsAreReturnedNotFatal) {
    const RgbImage img = Gradient(64, 64);
    std::string error;
    if (!test::FileExists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    EXPECT_FALSE(WriteJpeg(img, "/dev/full", 85, true, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(test::FileExists("/dev/full"));
}

}  // namespace
}  // namespace zarvo
