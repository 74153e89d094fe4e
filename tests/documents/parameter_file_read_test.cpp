// Reading parameter files the way the program always has: reading stops at
// an empty line or the end of the file, later lines keep their value or take
// their default, and a line that does not convert ends the reading.
#include <gtest/gtest.h>

#include "number_format.h"
#include "parameter_file.h"
#include "parameter_file_layout.h"
#include "test_support.h"

namespace zarvo {
namespace {

using test::CrLfLines;
using test::CrLfText;
using test::TempFolder;

// The lines of a complete file holding distinct values from `seed`.
std::vector<std::string> FileLines(int seed) {
    ParameterSet ps;
    test::FillDistinct(ps, seed);
    ps.vantrelFormulaMode = 0;
    return CrLfLines(ParameterFileText(ps, '.'));
}

struct Loaded {
    ParameterFileResult result;
    std::vector<std::string> messages;
};

Loaded Load(ParameterSet& ps, const std::string& bytes) {
    TempFolder tmp;
    test::WriteFile(tmp.file("t.zrv"), bytes);
    CollectingReporter reporter;
    Loaded l;
    l.result = LoadParameters(ps, tmp.file("t.zrv"), reporter);
    l.messages = reporter.messages;
    return l;
}

// The values of the file's lines first..last, as ps holds them.
std::vector<std::string> Lines(const ParameterSet& ps, int first, int last) {
    const std::vector<std::string> all = CrLfLines(ParameterFileText(ps, '.'));
    return {all.begin() + first - 1, all.begin() + last};
}

TEST(ParameterFileRead, FileEndingAfterLine20TakesTheDefaultsOfLines21To43) {
    const std::vector<std::string> full = FileLines(1);
    ParameterSet ps;
    test::FillDistinct(ps, 2);  // what the program held before
    const std::vector<std::string> before = Lines(ps, 44, 190);

    const Loaded l = Load(ps, CrLfText({full.begin(), full.begin() + 20}));
    EXPECT_TRUE(l.result.ok());
    EXPECT_EQ(Lines(ps, 2, 20), std::vector<std::string>(full.begin() + 1, full.begin() + 20));
    EXPECT_EQ(ps.blendMethod, 1);
    EXPECT_EQ(ps.rgbOrder, 1);
    EXPECT_EQ(ps.intensity, 2.0);
    EXPECT_EQ(ps.factor4, 2.0);
    EXPECT_EQ(ps.factor5, 8.0);
    EXPECT_EQ(ps.strands, 0.05);
    EXPECT_EQ(ps.bailout, 4);
    EXPECT_EQ(ps.juliaMode, 0);
    EXPECT_EQ(ps.juliaConstantSet, 0);
    EXPECT_EQ(ps.inverseFormula, 0);
    EXPECT_EQ(ps.juliaRe, 0.0);
    EXPECT_EQ(ps.juliaIm, 0.0);
    EXPECT_EQ(ps.cRe, 0.0);
    EXPECT_EQ(ps.cIm, 0.0);
    EXPECT_EQ(ps.rotateMode, 0);
    for (double v : {ps.redSaturate, ps.greenSaturate, ps.blueSaturate, ps.redOffset, ps.greenOffset, ps.blueOffset})
        EXPECT_EQ(v, 127.0);
    EXPECT_EQ(ps.spareSetting2, 1);
    EXPECT_EQ(ps.spareSetting3, 1);
    EXPECT_EQ(ps.transformMode, 0);
    EXPECT_EQ(ps.power, 2.0);
    EXPECT_EQ(ps.vantrelFormulaMode, flagOn);

    // Everything from line 44 on is as it was, except the attractor-view flag.
    std::vector<std::string> expected = before;
    expected[187 - 44] = "1";
    EXPECT_EQ(Lines(ps, 44, 190), expected);
}

TEST(ParameterFileRead, FileEndingAfterLine43LeavesTheAttractorFields) {
    const std::vector<std::string> full = FileLines(3);
    ParameterSet ps;
    test::FillDistinct(ps, 4);
    ps.vantrelFormulaMode = 0;
    const std::vector<std::string> before = Lines(ps, 44, 190);

    const Loaded l = Load(ps, CrLfText({full.begin(), full.begin() + 43}));
    EXPECT_TRUE(l.result.ok());
    EXPECT_EQ(Lines(ps, 2, 43), std::vector<std::string>(full.begin() + 1, full.begin() + 43));
    std::vector<std::string> expected = before;
    expected[187 - 44] = "1";
    EXPECT_EQ(Lines(ps, 44, 190), expected);
    EXPECT_EQ(ps.vantrelFormulaMode, flagOn);
}

TEST(ParameterFileRead, AnEmptyLineStopsAndAResumingLineReadsTheNextOne) {
    // Line 44 is empty: 45..48 keep their values without consuming lines,
    // line 49 keeps its value and resumes reading, so line 50 takes the text
    // that follows the empty line.
    std::vector<std::string> lines = FileLines(5);
    lines[43] = "";
    lines[44] = "42.5";
    ParameterSet ps;
    const double xCentreBefore = ps.vtlXCentre;
    const double factor1Before = ps.vtlFactor1;
    Load(ps, CrLfText(lines));
    EXPECT_EQ(ps.vtlXCentre, xCentreBefore);
    EXPECT_EQ(ps.vtlFactor1, factor1Before);
    EXPECT_EQ(ps.vtlFactor2, 42.5);
}

TEST(ParameterFileRead, BlendMethodAbove26IsReplacedBy1) {
    std::vector<std::string> lines = FileLines(6);
    lines[20] = "27";
    ParameterSet ps;
    Loaded l = Load(ps, CrLfText(lines));
    EXPECT_EQ(ps.blendMethod, 1);
    EXPECT_EQ(l.messages, std::vector<std::string>{"blending .gt. 26, setting 1"});

    lines[20] = "26";
    l = Load(ps, CrLfText(lines));
    EXPECT_EQ(ps.blendMethod, 26);
    EXPECT_TRUE(l.messages.empty());
}

TEST(ParameterFileRead, OnlyOneIsATrueFlag) {
    std::vector<std::string> lines = FileLines(8);
    lines[51] = "-1";     // squareRoot
    lines[174] = "true";  // colorMix
    lines[175] = "1";     // expansion
    lines[186] = "0";     // vantrelFormulaMode
    ParameterSet ps;
    ps.squareRoot = ps.colorMix = flagOn;
    Load(ps, CrLfText(lines));
    EXPECT_EQ(ps.squareRoot, 0);
    EXPECT_EQ(ps.colorMix, 0);
    EXPECT_EQ(ps.expansion, flagOn);
    EXPECT_EQ(ps.vantrelFormulaMode, 0);
}

TEST(ParameterFileRead, FormulaTextsAreCutTo99Characters) {
    std::vector<std::string> lines = FileLines(9);
    lines[4] = std::string(150, 't');
    lines[5] = std::string(99, 'd');
    ParameterSet ps;
    const Loaded l = Load(ps, CrLfText(lines));
    EXPECT_TRUE(l.result.ok());
    EXPECT_EQ(std::string(ps.formulaTitle), std::string(99, 't'));
    EXPECT_EQ(std::string(ps.formulaDescription), std::string(99, 'd'));
    EXPECT_EQ(FormatGeneral15(ps.zoom, '.'), lines[7]);  // later lines stay in step
}

TEST(ParameterFileRead, ALineThatDoesNotConvertEndsReading) {
    std::vector<std::string> lines = FileLines(10);
    lines[19] = "12abc";  // maxIterations
    ParameterSet ps;
    test::FillDistinct(ps, 11);
    const std::vector<std::string> later = Lines(ps, 20, 190);
    const Loaded l = Load(ps, CrLfText(lines));
    EXPECT_FALSE(l.result.ok());
    EXPECT_FALSE(l.result.complete);
    EXPECT_EQ(l.result.errorLine, 20);
    EXPECT_EQ(l.result.errorEntry, 20);
    EXPECT_EQ(l.messages, std::vector<std::string>{"Error reading parameter file"});
    EXPECT_EQ(Lines(ps, 2, 19), std::vector<std::string>(lines.begin() + 1, lines.begin() + 19));
    EXPECT_EQ(Lines(ps, 20, 190), later);
}

TEST(ParameterFileRead, StrictNumbers) {
    const struct {
        int line;
        const char* text;
    } bad[] = {{2, "1.0"}, {3, "0x10"}, {20, "99999999999"}, {9, "1.2.3"}, {9, "NAN"}, {9, "1e999"}, {9, "-"}};
    for (const auto& b : bad) {
        std::vector<std::string> lines = FileLines(12);
        lines[static_cast<size_t>(b.line - 1)] = b.text;
        ParameterSet ps;
        EXPECT_EQ(Load(ps, CrLfText(lines)).result.errorLine, b.line) << b.text;
    }
    std::vector<std::string> tooLong = FileLines(12);
    tooLong[8] = "0." + std::string(5000, '0') + "5";  // a number, but no line of ours is so long
    ParameterSet big;
    EXPECT_EQ(Load(big, CrLfText(tooLong)).result.errorLine, 9);

    std::vector<std::string> lines = FileLines(12);
    lines[8] = " 1,5E3 ";  // either separator, blanks around
    lines[1] = "+7";
    ParameterSet ps;
    ASSERT_TRUE(Load(ps, CrLfText(lines)).result.ok());
    EXPECT_EQ(ps.xCentre, 1500.0);
    EXPECT_EQ(ps.formulaIndex, 7);
}

TEST(ParameterFileRead, AFileThatCannotBeOpenedChangesNothing) {
    TempFolder tmp;
    ParameterSet ps;
    test::FillDistinct(ps, 13);
    const std::string before = ParameterFileText(ps, '.');
    for (const std::string& path : {tmp.file("missing.zrv"), tmp.path()}) {
        CollectingReporter reporter;
        const ParameterFileResult r = LoadParameters(ps, path, reporter);
        EXPECT_FALSE(r.opened) << path;
        EXPECT_FALSE(r.ok());
        EXPECT_NE(r.error.find(path), std::string::npos);
        EXPECT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(ParameterFileText(ps, '.'), before);
    }
}

TEST(ParameterFileRead, LineEnds) {
    const std::vector<std::string> full = FileLines(14);
    // CR alone ends a line as well.
    std::string crOnly;
    for (const std::string& l : full) crOnly += l + "\r";
    ParameterSet a;
    ASSERT_TRUE(Load(a, crOnly).result.ok());
    EXPECT_EQ(Lines(a, 2, 190), std::vector<std::string>(full.begin() + 1, full.end()));

    // A bare LF is text: a file with LF line ends is one long first line, so
    // nothing after it is read.
    std::string lfOnly;
    for (const std::string& l : full) lfOnly += l + "\n";
    ParameterSet b;
    test::FillDistinct(b, 15);
    const int formulaBefore = b.formulaIndex;
    ASSERT_TRUE(Load(b, lfOnly).result.ok());
    EXPECT_EQ(b.formulaIndex, formulaBefore);
    EXPECT_EQ(b.blendMethod, 1);

    // An LF inside a title stays part of it.
    std::vector<std::string> lines = full;
    lines[4] = "ab\ncd";
    ParameterSet c;
    ASSERT_TRUE(Load(c, CrLfText(lines)).result.ok());
    EXPECT_STREQ(c.formulaTitle, "ab\ncd");
    EXPECT_EQ(Lines(c, 8, 190), std::vector<std::string>(full.begin() + 7, full.end()));
}

TEST(ParameterFileRead, CtrlZEndsTheFile) {
    const std::vector<std::string> full = FileLines(16);
    std::string text = CrLfText({full.begin(), full.begin() + 20}) + "\x1a" + CrLfText({full.begin() + 20, full.end()});
    ParameterSet ps;
    ASSERT_TRUE(Load(ps, text).result.ok());
    EXPECT_EQ(Lines(ps, 2, 20), std::vector<std::string>(full.begin() + 1, full.begin() + 20));
    EXPECT_EQ(ps.bailout, 4);  // line 27's default: nothing after the Ctrl-Z was read
}

TEST(ParameterFileRead, IterationLimitIsKeptWithinTheOrbitArrays) {
    std::vector<std::string> lines = FileLines(17);
    lines[19] = "100000";
    ParameterSet ps;
    Loaded l = Load(ps, CrLfText(lines));
    EXPECT_EQ(ps.maxIterations, 6999);
    EXPECT_TRUE(l.result.iterationsClamped);
    EXPECT_EQ(l.messages.size(), 1u);

    lines[19] = "-5";
    l = Load(ps, CrLfText(lines));
    EXPECT_EQ(ps.maxIterations, 0);

    lines[19] = "6999";
    l = Load(ps, CrLfText(lines));
    EXPECT_EQ(ps.maxIterations, 6999);
    EXPECT_FALSE(l.result.iterationsClamped);
    EXPECT_TRUE(l.messages.empty());
}

}  // namespace
}  // namespace zarvo
