#include <gtest/gtest.h>

#include <cmath>

#include "number_format.h"

namespace zarvo {
namespace {

TEST(NumberFormat, GeneralForm15) {
    EXPECT_EQ(FormatGeneral15(0.05, '.'), "0.05");
    EXPECT_EQ(FormatGeneral15(127, '.'), "127");
    EXPECT_EQ(FormatGeneral15(-1.25, ','), "-1,25");
    EXPECT_EQ(FormatGeneral15(1e-7, '.'), "1E-7");
    EXPECT_EQ(FormatGeneral15(2.5e20, '.'), "2.5E20");
    EXPECT_EQ(FormatGeneral15(2.0 / 3, '.'), "0.666666666666667");
    EXPECT_EQ(FormatGeneral15(0.00001, '.'), "0.00001");  // not below 0.00001: fixed
    EXPECT_EQ(FormatGeneral15(0.0000099, '.'), "9.9E-6");
    EXPECT_EQ(FormatGeneral15(999999999999999.0, '.'), "999999999999999");
    EXPECT_EQ(FormatGeneral15(1e15, '.'), "1E15");  // sixteen digits before the point
    EXPECT_EQ(FormatGeneral15(0.0, '.'), "0");
    EXPECT_EQ(FormatGeneral15(-0.0, '.'), "0");
    EXPECT_EQ(FormatGeneral15(100.5, ','), "100,5");
}

TEST(NumberFormat, StrictReading) {
    double v = 0;
    EXPECT_TRUE(ParseGeneralReal("1,5", ',', v));
    EXPECT_EQ(v, 1.5);
    EXPECT_TRUE(ParseGeneralReal(" -2.5E-3 ", '.', v));
    EXPECT_EQ(v, -0.0025);
    EXPECT_TRUE(ParseGeneralReal("7", '.', v));
    EXPECT_TRUE(ParseGeneralReal(".5", '.', v));
    EXPECT_EQ(v, 0.5);
    EXPECT_TRUE(ParseGeneralReal("1E-400", '.', v));
    EXPECT_EQ(v, 0.0);
    for (const char* bad : {"", " ", "1,5", "1.5.2", "nan", "inf", "0x10", "1e", "--1", "1e999", "1 5"}) {
        EXPECT_FALSE(ParseGeneralReal(bad, '.', v)) << bad;
    }
    int32_t i = 0;
    EXPECT_TRUE(ParseDecimalInteger("-42", i));
    EXPECT_EQ(i, -42);
    EXPECT_FALSE(ParseDecimalInteger("4.0", i));
    EXPECT_FALSE(ParseDecimalInteger("2147483648", i));
    EXPECT_TRUE(ParseDecimalInteger("-2147483648", i));
}

TEST(NumberFormat, RoundTripTo15Digits) {
    for (double v : {M_PI, -1e-300, 6.02214076e23, 123456.789, 1.0 / 3}) {
        double back = 0;
        ASSERT_TRUE(ParseGeneralReal(FormatGeneral15(v, ','), ',', back));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14);
    }
}

}  // namespace
}  // namespace zarvo
