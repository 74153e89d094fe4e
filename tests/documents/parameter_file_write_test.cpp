// What a parameter file looks like: 190 CR LF lines, fixed texts in lines 1,
// 4 and 7, flags as 1/0, and reals in the 15-digit general format.
#include <gtest/gtest.h>

#include "parameter_file.h"
#include "test_support.h"

namespace zarvo {
namespace {

using test::CrLfLines;

std::string LineOf(const ParameterSet& ps, int number, char sep = '.') {
    return CrLfLines(ParameterFileText(ps, sep)).at(static_cast<size_t>(number - 1));
}

TEST(ParameterFileWrite, HasTheFixedShape) {
    ParameterSet ps;
    const std::string text = ParameterFileText(ps, '.');
    const std::vector<std::string> lines = CrLfLines(text);
    ASSERT_EQ(lines.size(), 190u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(lines[0], "z a r v o_ v0.1");
    EXPECT_EQ(lines[3], "0");
    EXPECT_EQ(lines[6], "reservedtitle");
    for (const std::string& l : lines) EXPECT_EQ(l.find('\n'), std::string::npos);
}

TEST(ParameterFileWrite, RealsUseTheFifteenDigitGeneralFormat) {
    ParameterSet ps;
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.05, "0.05"},
        {127.0, "127"},
        {-1.25, "-1.25"},
        {1e-7, "1E-7"},
        {2.5e20, "2.5E20"},
        {2.0 / 3.0, "0.666666666666667"},
        {1e14, "100000000000000"},
        {1e15, "1E15"},
        {1e16, "1E16"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {-4.5e-300, "-4.5E-300"},
        {0.0, "0"},
        {123456.789, "123456.789"},
    };
    for (const auto& c : cases) {
        ps.zoom = c.value;  // line 8
        EXPECT_EQ(LineOf(ps, 8), c.text) << c.value;
    }
    ps.zoom = 0.05;
    EXPECT_EQ(LineOf(ps, 8, ','), "0,05");
    ps.zoom = 2.5e20;
    EXPECT_EQ(LineOf(ps, 8, ','), "2,5E20");
}

TEST(ParameterFileWrite, FlagsAreOneOrZeroAndIntegersPlainDecimal) {
    ParameterSet ps;
    ps.squareRoot = flagOn;     // line 52
    ps.colorMix = 5;            // line 175: any non-zero value is on
    ps.vantrelFormulaMode = 0;  // line 187
    ps.maxIterations = 250;     // line 20
    ps.formulaIndex = -3;       // line 2
    EXPECT_EQ(LineOf(ps, 52), "1");
    EXPECT_EQ(LineOf(ps, 175), "1");
    EXPECT_EQ(LineOf(ps, 187), "0");
    EXPECT_EQ(LineOf(ps, 20), "250");
    EXPECT_EQ(LineOf(ps, 2), "-3");
}

TEST(ParameterFileWrite, TextLinesStayOneLine) {
    ParameterSet ps;
    ps.setFormulaTexts("two\r\nlines", std::string("end\x1a") + "more");
    const std::vector<std::string> lines = CrLfLines(ParameterFileText(ps, '.'));
    ASSERT_EQ(lines.size(), 190u);
    EXPECT_EQ(lines[4], "two  lines");
    EXPECT_EQ(lines[5], "end more");
}

TEST(ParameterFileWrite, AttractorTablesFillLines53To172InPairs) {
    ParameterSet ps;
    ps.af[1] = 1.5;
    ps.bf[1] = -2.5;
    ps.af[60] = 60;
    ps.bf[60] = 0.25;
    EXPECT_EQ(LineOf(ps, 53), "1.5");
    EXPECT_EQ(LineOf(ps, 54), "-2.5");
    EXPECT_EQ(LineOf(ps, 171), "60");
    EXPECT_EQ(LineOf(ps, 172), "0.25");
}

TEST(ParameterFileWrite, ReportsAFileThatCannotBeCreated) {
    ParameterSet ps;
    std::string error;
    EXPECT_FALSE(WriteParameterFile(ps, "/nonexistent-folder/x.zrv", &error));
    EXPECT_NE(error.find("/nonexistent-folder/x.zrv"), std::string::npos);
}

}  // namespace
}  // namespace zarvo
