// Pictures opened for viewing: a whole file reads whole, a file cut short
// still gives what could be decoded and says that it is damaged.
#include <gtest/gtest.h>

#include <algorithm>

#include "picture_reader.h"
#include "picture_writer.h"
#include "test_support.h"

namespace zarvo {
namespace {

using test::TempFolder;

// Busy enough that the picture data, not the header, makes up most of a
// JPEG file.
RgbImage Busy(int w, int h) {
    RgbImage img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.set(x, y, static_cast<uint8_t>(x * 5 + y), static_cast<uint8_t>((x * 37 + y * 91) % 256),
                    static_cast<uint8_t>((x * x + y * 7) % 256));
    return img;
}

bool SameRows(const RgbImage& a, const RgbImage& b, int rows) {
    const size_t bytes = static_cast<size_t>(a.width) * 3 * static_cast<size_t>(rows);
    return a.width == b.width && std::equal(a.pixels.begin(), a.pixels.begin() + bytes, b.pixels.begin());
}

TEST(PictureReader, JpegWholeOrCutShort) {
    TempFolder tmp;
    std::string error;
    ASSERT_TRUE(WriteJpeg(Busy(256, 128), tmp.file("whole.jpg"), 90, false, &error)) << error;
    RgbImage read;
    const PictureRead whole = ReadJpeg(tmp.file("whole.jpg"), read);
    EXPECT_TRUE(whole.isJpeg && whole.read && !whole.damaged);
    ASSERT_EQ(read.width, 256);
    ASSERT_EQ(read.height, 128);

    // Half the file: the top rows as the whole file gives them, the rest
    // made up, and the picture marked.
    const std::string bytes = test::ReadFile(tmp.file("whole.jpg"));
    test::WriteFile(tmp.file("cut.jpg"), bytes.substr(0, bytes.size() / 2));
    RgbImage part;
    const PictureRead cut = ReadJpeg(tmp.file("cut.jpg"), part);
    EXPECT_TRUE(cut.isJpeg && cut.read && cut.damaged);
    ASSERT_EQ(part.width, 256);
    ASSERT_EQ(part.height, 128);
    EXPECT_TRUE(SameRows(part, read, 16));
    EXPECT_FALSE(SameRows(part, read, 128));

    // Not a JPEG file at all: left to other readers, the picture untouched.
    test::WriteFile(tmp.file("note.jpg"), "hello");
    const PictureRead other = ReadJpeg(tmp.file("note.jpg"), part);
    EXPECT_FALSE(other.isJpeg || other.read);
    EXPECT_EQ(part.width, 256);
    // Only the header: nothing to show.
    test::WriteFile(tmp.file("head.jpg"), bytes.substr(0, 20));
    const PictureRead header = ReadJpeg(tmp.file("head.jpg"), part);
    EXPECT_TRUE(header.isJpeg);
    EXPECT_FALSE(header.read);
    EXPECT_FALSE(header.error.empty());
}

TEST(PictureReader, BitmapCutShort) {
    TempFolder tmp;
    std::string error;
    ASSERT_TRUE(WriteBmp(Busy(33, 20), tmp.file("whole.bmp"), &error)) << error;
    EXPECT_FALSE(BitmapCutShort(tmp.file("whole.bmp")));
    const std::string bytes = test::ReadFile(tmp.file("whole.bmp"));
    test::WriteFile(tmp.file("cut.bmp"), bytes.substr(0, bytes.size() - 1));
    EXPECT_TRUE(BitmapCutShort(tmp.file("cut.bmp")));
    EXPECT_FALSE(BitmapCutShort(tmp.file("missing.bmp")));
}

}  // namespace
}  // namespace zarvo
