// Blends, the cosine palette and the channel orders of one pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "blend.h"
#include "colouring.h"
#include "fp_fault.h"

using namespace zarvo;

namespace {

class PixelColour : public ::testing::Test {
protected:
    void SetUp() override { ps.workBitmap.reset(4, 4); }

    // Blend and colour one pixel from A and B, as a scan does.
    void Colour(double a, double b, int x = 0, int y = 0) {
        ps.resultA = a;
        ps.resultB = b;
        BlendMethods(ps, cs, reporter);
        ApplyColor(ps, cs, x, y, reporter);
    }
    void ExpectPixel(int x, int y, int r, int g, int b) {
        const uint8_t* p = ps.workBitmap.at(x, y);
        EXPECT_EQ(p[0], r);
        EXPECT_EQ(p[1], g);
        EXPECT_EQ(p[2], b);
    }

    ParameterSet ps;
    ColourScratch cs;
    CollectingReporter reporter;
};

}  // namespace

TEST(ColourTables, BlendAndOrderCaptions) {
    const char* blends[] = {"01", "02", "03", "04", "05"};
    int i = 0;
    for (const MenuChoice& c : BlendChoices()) {
        EXPECT_EQ(c.number, i + 1);
        EXPECT_STREQ(c.caption, blends[i++]);
    }
    EXPECT_EQ(i, 5);
    const char* orders[] = {"1.) RGB", "2.) RBG", "3.) GBR", "4.) GRB", "5.) BRG", "6.) BGR"};
    i = 0;
    for (const MenuChoice& c : RgbOrders()) {
        EXPECT_EQ(c.number, i + 1);
        EXPECT_STREQ(c.caption, orders[i++]);
    }
    EXPECT_EQ(i, 6);
}

TEST_F(PixelColour, ChannelValueZeroIsByteZeroWithTheDefaultColourSet) {
    // v = 127/255, 127 cos(2 pi 0.498...) = -126.9..., rounded -127, plus 127.
    cs.channelValue[0] = cs.channelValue[1] = cs.channelValue[2] = 0.0;
    coloring(ps, cs, reporter);
    EXPECT_EQ(cs.channelByte[0], 0);
    EXPECT_EQ(cs.channelByte[1], 0);
    EXPECT_EQ(cs.channelByte[2], 0);
    EXPECT_NEAR(cs.blendIn[0], std::cos(6.283185307179586 * 127 / 255), 1e-15);
}

TEST_F(PixelColour, BlendOneOfZeroResultsIsBlack) {
    Colour(0.0, 0.0);
    EXPECT_EQ(cs.channelValue[0], 0.0);
    EXPECT_EQ(cs.channelValue[1], 0.0);
    EXPECT_EQ(cs.channelValue[2], 0.0);
    ExpectPixel(0, 0, 0, 0, 0);
}

TEST_F(PixelColour, PaletteRepeatsEvery255Units) {
    // Each channel with its own parameters; a change of 255 / (saturation *
    // step) in the channel value goes once round the colour circle.
    ps.redSaturate = 50;
    ps.redStep = 2.5;
    ps.greenSaturate = 127;
    ps.greenStep = 1;
    ps.blueSaturate = 200;
    ps.blueStep = 0.75;
    ps.blueStart = 30;
    const double period[3] = {255 / (50 * 2.5), 255 / 127.0, 255 / (200 * 0.75)};
    for (double v : {-0.9, -0.31, 0.0, 0.123, 0.5, 0.77}) {
        ColourScratch first, shifted;
        for (int k = 0; k < 3; ++k) {
            first.channelValue[k] = v;
            shifted.channelValue[k] = v + period[k];
        }
        coloring(ps, first, reporter);
        coloring(ps, shifted, reporter);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(first.channelByte[k], shifted.channelByte[k]) << v << " " << k;
    }
}

TEST_F(PixelColour, EveryByteStaysWithinTheCircle) {
    for (double v = -3; v <= 3; v += 0.0137) {
        cs.channelValue[0] = cs.channelValue[1] = cs.channelValue[2] = v;
        coloring(ps, cs, reporter);
        for (int k = 0; k < 3; ++k) {
            EXPECT_GE(cs.channelByte[k], 0);
            EXPECT_LE(cs.channelByte[k], 254);
        }
    }
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(cs.colourFault, 0);
}

TEST_F(PixelColour, ChannelOrders) {
    ps.redStart = 20;    // channel 0
    ps.greenStart = 90;  // channel 1
    ps.blueStart = 160;  // channel 2
    ps.workBitmap.reset(6, 2);
    Colour(0.1, 0.3);
    const int c0 = cs.channelByte[0], c1 = cs.channelByte[1], c2 = cs.channelByte[2];
    ASSERT_TRUE(c0 != c1 && c1 != c2 && c0 != c2);
    const int expected[6][3] = {{c0, c1, c2}, {c0, c2, c1}, {c1, c2, c0}, {c1, c0, c2}, {c2, c0, c1}, {c2, c1, c0}};
    for (int order = 1; order <= 6; ++order) {
        ps.rgbOrder = order;
        ApplyColor(ps, cs, order - 1, 1, reporter);
        ExpectPixel(order - 1, 1, expected[order - 1][0], expected[order - 1][1], expected[order - 1][2]);
    }
    // Order 6 is order 1 with red and blue exchanged.
    const uint8_t* rgb = ps.workBitmap.at(0, 1);
    const uint8_t* bgr = ps.workBitmap.at(5, 1);
    EXPECT_EQ(rgb[0], bgr[2]);
    EXPECT_EQ(rgb[1], bgr[1]);
    EXPECT_EQ(rgb[2], bgr[0]);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(PixelColour, WrongOrderKeepsThePixelAndSaysSo) {
    ps.workBitmap.set(2, 2, 11, 22, 33);
    for (int order : {0, 7, -3}) {
        ps.rgbOrder = order;
        Colour(0.4, 0.6, 2, 2);
        ExpectPixel(2, 2, 11, 22, 33);
    }
    ASSERT_EQ(reporter.messages.size(), 3u);
    EXPECT_EQ(reporter.messages[0], "Wrong coloringorder number");
}

TEST_F(PixelColour, HandWorkedBlendsOfZeroResults) {
    // Blend 2: h = -cos 0 = -1, through the palette (-127 + 127)/255 = 0,
    // mixed 0, cos 0 = 1; colouring then gives v = 254/255 and byte 254.
    ps.blendMethod = 2;
    Colour(0.0, 0.0);
    ExpectPixel(0, 0, 254, 254, 254);
    // Blend 3: h = 0 -> 127/255 each; h2 = 3 (127/255) 0.33; sines of
    // 2 pi 0.498 and 2 pi 0.493 give bytes 0, 0 and 1.
    ps.blendMethod = 3;
    Colour(0.0, 0.0);
    ExpectPixel(0, 0, 0, 0, 1);
}

TEST_F(PixelColour, BlendInputs) {
    double in[3], h[3];
    const Palette palette = PaletteOf(ps);
    ASSERT_TRUE(BlendChannels(1, 0.25, 0.0, palette, in, h));
    EXPECT_EQ(in[2], 0.125);
    EXPECT_NEAR(h[0], 1.0, 1e-15);
    EXPECT_NEAR(h[2], std::sqrt(0.5), 1e-15);
    // Blend 4 weights the inputs one after the other: b2 = (1 + 0.5 + 0) 0.33,
    // then b0 = (0.495 + 0.5 + 0) 0.33.
    ASSERT_TRUE(BlendChannels(4, 1.0, 0.0, palette, in, h));
    EXPECT_NEAR(in[2], 0.495, 1e-15);
    EXPECT_NEAR(in[0], 0.32835, 1e-15);
    EXPECT_EQ(in[1], 0.5);
    EXPECT_FALSE(BlendChannels(6, 1.0, 0.0, palette, in, h));
}

TEST(MixingWeight, IsTheExtendedConstantNotOneThird) {
    // The weight is 0.33 held in extended precision; the product is rounded
    // once. For these sums that differs from the double product.
    int differs = 0;
    for (double s = 0.001; s < 3; s += 0.001) {
        const double w = MixByWeight(s);
        EXPECT_EQ(w, static_cast<double>(s * 0.33L));
        EXPECT_NE(w, s / 3);
        if (w != s * 0.33) ++differs;
    }
    EXPECT_GT(differs, 0);
}

TEST_F(PixelColour, OtherBlendNumbersRecolourThePreviousChannelValues) {
    Colour(0.17, 0.42, 0, 0);
    const ColourScratch previous = cs;
    ps.blendMethod = 9;
    Colour(0.9, 0.05, 1, 0);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(cs.channelValue[k], previous.channelValue[k]);
    ExpectPixel(1, 0, ps.workBitmap.at(0, 0)[0], ps.workBitmap.at(0, 0)[1], ps.workBitmap.at(0, 0)[2]);
    EXPECT_EQ(ps.resultA, 0.9);  // the scaling by intensity still happens
}

TEST_F(PixelColour, AChannelThatIsNotANumberIsAFaultNotACrash) {
    ps.workBitmap.set(3, 3, 7, 8, 9);
    ClearFaults();
    ps.redSaturate = std::numeric_limits<double>::quiet_NaN();
    Colour(0.2, 0.2, 3, 3);
    EXPECT_EQ(PendingFault(), "Invalid floating point operation");
    EXPECT_TRUE(cs.pixelFaulted);
    ExpectPixel(3, 3, 7, 8, 9);
    EXPECT_TRUE(reporter.messages.empty());
    ClearFaults();

    // An infinite result: the sine of infinity is the fault, the pixel stays.
    ps.redSaturate = 127;
    Colour(std::numeric_limits<double>::infinity(), 0.2, 3, 3);
    EXPECT_EQ(PendingFault(), "Invalid floating point operation");
    ExpectPixel(3, 3, 7, 8, 9);
    ClearFaults();
}
