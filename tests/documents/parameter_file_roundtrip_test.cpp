// Writing a parameter file and reading it back gives every value again, the
// same picture, and works across decimal-point and decimal-comma locales.
#include <gtest/gtest.h>

#include <clocale>
#include <set>

#include "fractal_view.h"
#include "number_format.h"
#include "parameter_file.h"
#include "parameter_file_layout.h"
#include "test_support.h"

namespace zarvo {
namespace {

using test::LocaleScope;
using test::TempFolder;

void ExpectSameFileValues(const ParameterSet& a, const ParameterSet& b) {
    for (const ParameterLine& line : ParameterFileLayout()) {
        switch (line.kind) {
            case LineKind::Integer:
            case LineKind::Flag:
                EXPECT_EQ(a.*line.integer, b.*line.integer) << "line " << line.number << " " << line.field;
                break;
            case LineKind::Real:
                EXPECT_EQ(line.realIn(a), line.realIn(b)) << "line " << line.number << " " << line.field;
                break;
            default:
                break;
        }
    }
    EXPECT_STREQ(a.formulaTitle, b.formulaTitle);
    EXPECT_STREQ(a.formulaDescription, b.formulaDescription);
}

void RoundTrip(int seed) {
    TempFolder tmp;
    ParameterSet written;
    test::FillDistinct(written, seed);
    std::string error;
    ASSERT_TRUE(WriteParameterFile(written, tmp.file("a.zrv"), &error)) << error;

    ParameterSet read;
    CollectingReporter messages;
    const ParameterFileResult r = LoadParameters(read, tmp.file("a.zrv"), messages);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.caption, "a");
    EXPECT_TRUE(messages.messages.empty());
    ExpectSameFileValues(written, read);
    for (int i = 1; i <= attractorTableSize; ++i) {
        EXPECT_EQ(written.af[i], read.af[i]) << i;
        EXPECT_EQ(written.bf[i], read.bf[i]) << i;
    }
    // Line 173 also sets the A in use; line 32 also sets c.
    EXPECT_EQ(read.AA, written.AASet);
    EXPECT_EQ(read.cRe, written.juliaRe);
    EXPECT_EQ(read.cIm, written.juliaIm);
    EXPECT_EQ(test::ReadFile(tmp.file("a.zrv")), ParameterFileText(read, LocaleDecimalSeparator()));
}

TEST(ParameterFileRoundTrip, EveryValueUnderADecimalPointLocale) {
    LocaleScope c({"C"});
    ASSERT_TRUE(c.ok());
    for (int seed = 0; seed < 4; ++seed) RoundTrip(seed);
}

TEST(ParameterFileRoundTrip, EveryValueUnderADecimalCommaLocale) {
    LocaleScope comma(test::CommaLocales());
    if (!comma.ok()) GTEST_SKIP() << "no decimal-comma locale installed (package locales-all)";
    ASSERT_EQ(LocaleDecimalSeparator(), ',');
    for (int seed = 0; seed < 4; ++seed) RoundTrip(seed);
}

TEST(ParameterFileRoundTrip, CommaFileReadsUnderPointLocaleAndBack) {
    TempFolder tmp;
    ParameterSet original;
    test::FillDistinct(original, 7);
    original.zoom = 0.05;
    std::string error;
    {
        LocaleScope comma(test::CommaLocales());
        if (!comma.ok()) GTEST_SKIP() << "no decimal-comma locale installed (package locales-all)";
        ASSERT_TRUE(WriteParameterFile(original, tmp.file("comma.zrv"), &error)) << error;
    }
    EXPECT_EQ(test::CrLfLines(test::ReadFile(tmp.file("comma.zrv")))[7], "0,05");

    ParameterSet viaPoint;
    {
        LocaleScope c({"C"});
        SilentReporter quiet;
        ASSERT_TRUE(LoadParameters(viaPoint, tmp.file("comma.zrv"), quiet).ok());
        ASSERT_TRUE(WriteParameterFile(viaPoint, tmp.file("point.zrv"), &error)) << error;
    }
    ExpectSameFileValues(original, viaPoint);
    EXPECT_EQ(test::CrLfLines(test::ReadFile(tmp.file("point.zrv")))[7], "0.05");

    ParameterSet viaComma;
    {
        LocaleScope comma(test::CommaLocales());
        SilentReporter quiet;
        ASSERT_TRUE(LoadParameters(viaComma, tmp.file("point.zrv"), quiet).ok());
    }
    ExpectSameFileValues(original, viaComma);
}

class NoHooks : public ScanHooks {};

RgbImage Draw(ParameterSet& ps) {
    SilentReporter quiet;
    FractalView view(ps, quiet);
    view.pluginFileName = TEST_FORMULA_PLUGIN;
    EXPECT_TRUE(view.InitializeMainDLL());
    view.DrawDefaultImage();
    NoHooks hooks;
    const ScanResult r = view.UpdateFractal(hooks);
    EXPECT_TRUE(r.completed) << r.fault;
    return ps.workBitmap;
}

TEST(ParameterFileRoundTrip, SamePictureAfterReadingBack) {
    TempFolder tmp;
    ParameterSet first;
    test::SetUpPicture(first);
    std::string error;
    ASSERT_TRUE(WriteParameterFile(first, tmp.file("p.zrv"), &error)) << error;
    const RgbImage before = Draw(first);

    ParameterSet second;
    SilentReporter quiet;
    ASSERT_TRUE(LoadParameters(second, tmp.file("p.zrv"), quiet).ok());
    second.pictureWidth = first.pictureWidth;  // the size is not part of the file
    second.pictureHeight = first.pictureHeight;
    const RgbImage after = Draw(second);

    ASSERT_EQ(before.width, after.width);
    ASSERT_EQ(before.height, after.height);
    EXPECT_TRUE(before.pixels == after.pixels);
    // Not a blank picture: the set and its outside differ.
    std::set<std::vector<uint8_t>> colours;
    for (size_t i = 0; i + 2 < before.pixels.size(); i += 3)
        colours.insert({before.pixels.begin() + i, before.pixels.begin() + i + 3});
    EXPECT_GT(colours.size(), 1u);
}

}  // namespace
}  // namespace zarvo
