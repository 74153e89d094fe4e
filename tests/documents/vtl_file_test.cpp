// The attractor parameter file: its layout, both decimal separators, lines
// that are missing or do not convert, and line ends.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "number_format.h"
#include "test_support.h"
#include "vtl_file.h"

namespace zarvo {
namespace {

using test::LocaleScope;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t end = text.find("\r\n", pos);
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines, size_t count) {
    std::string t;
    for (size_t i = 0; i < count && i < lines.size(); ++i) t += lines[i] + "\r\n";
    return t;
}

// A state where every saved value differs from the defaults.
void FillState(ParameterSet& ps) {
    ps.formulaIndex = 63;
    ps.vtlZoom = 0.125;
    ps.vtlXCentre = -1.5;
    ps.vtlXMax = 14.5;
    ps.vtlYCentre = 2.25;
    ps.vtlYMax = 12.75;
    ps.vtlRed = -40;
    ps.vtlGreen = 60;
    ps.vtlBlue = 180;
    ps.vtlFactor1 = 33;
    ps.vtlFactor2 = 0.37;
    ps.randomFactor = 4.2;
    ps.squareRoot = flagOn;
    for (int k = 1; k <= 60; ++k) {
        ps.af[k] = std::sin(k * 1.3) * 1.7;
        ps.bf[k] = -1e-7 * k;
    }
    ps.AASet = 0.123456789012345678;
    ps.AA = 99;
    ps.BB = 0.9876;
    ps.colorMix = flagOn;
    ps.expansion = 0;
    ps.modulas = flagOn;
    ps.cRe = 3.25;
    ps.cIm = -7.5e-3;
    ps.varNone = 0;
    ps.varLinear = flagOn;
    ps.varSwirl = flagOn;
    ps.varInversion = flagOn;
}

// What a value reads back as after the 15-digit text.
double Rounded15(double v) {
    double r = 0;
    ParseGeneralReal(FormatGeneral15(v, '.'), '.', r);
    return r;
}

void ExpectSameState(const ParameterSet& a, const ParameterSet& b) {
    EXPECT_EQ(a.formulaIndex, b.formulaIndex);
    const std::vector<double ParameterSet::*> reals = {
        &ParameterSet::vtlZoom,    &ParameterSet::vtlXCentre, &ParameterSet::vtlXMax,      &ParameterSet::vtlYCentre,
        &ParameterSet::vtlYMax,    &ParameterSet::vtlRed,     &ParameterSet::vtlGreen,     &ParameterSet::vtlBlue,
        &ParameterSet::vtlFactor1, &ParameterSet::vtlFactor2, &ParameterSet::randomFactor, &ParameterSet::AASet,
        &ParameterSet::BB,         &ParameterSet::cRe,        &ParameterSet::cIm};
    for (auto f : reals) {
        EXPECT_EQ(Rounded15(a.*f), b.*f);
    }
    for (int k = 1; k <= 60; ++k) {
        EXPECT_EQ(Rounded15(a.af[k]), b.af[k]) << k;
        EXPECT_EQ(Rounded15(a.bf[k]), b.bf[k]) << k;
    }
    EXPECT_EQ(b.AA, b.AASet);
    EXPECT_EQ(b.juliaRe, b.cRe);
    EXPECT_EQ(b.juliaIm, b.cIm);
    const std::vector<int32_t ParameterSet::*> flags = {
        &ParameterSet::squareRoot,    &ParameterSet::colorMix,     &ParameterSet::expansion,
        &ParameterSet::modulas,       &ParameterSet::varNone,      &ParameterSet::varLinear,
        &ParameterSet::varSinusoidal, &ParameterSet::varSpherical, &ParameterSet::varSwirl,
        &ParameterSet::varHorseshoe,  &ParameterSet::varPolar,     &ParameterSet::varBent,
        &ParameterSet::varInversion};
    for (auto f : flags) {
        EXPECT_EQ(a.*f != 0 ? flagOn : 0, b.*f);
    }
}

class VtlFileTest : public ::testing::Test {
protected:
    std::string TempPath(const std::string& name) { return tmp.file(name); }
    std::string ReadAll(const std::string& path) { return test::ReadFile(path); }
    // Reads text as the file `name`.
    ParameterFileResult Read(ParameterSet& into, const std::string& text, const std::string& name,
                             CollectingReporter& rep) {
        test::WriteFile(tmp.file(name), text);
        return LoadParameterFile(into, tmp.file(name), rep, name);
    }

    test::TempFolder tmp;
    ParameterSet ps;
    CollectingReporter reporter;
};

TEST_F(VtlFileTest, LayoutOfTheWrittenFile) {
    FillState(ps);
    const std::vector<std::string> lines = Lines(VtlFileText(ps, '.'));
    ASSERT_EQ(lines.size(), 150u);
    EXPECT_EQ(lines[0], "z a r v o_ v0.1");
    EXPECT_EQ(lines[1], "63");
    EXPECT_EQ(lines[2], "0.125");
    EXPECT_EQ(lines[7], "-40");
    EXPECT_EQ(lines[11], "0.37");
    EXPECT_EQ(lines[13], "1");                   // square root
    EXPECT_EQ(lines[15], "-1E-7");               // bf[1]
    EXPECT_EQ(lines[134], "0.123456789012346");  // AASet, 15 digits
    EXPECT_EQ(lines[136], "1");                  // Color Mix
    EXPECT_EQ(lines[137], "0");                  // Expansion
    EXPECT_EQ(lines[139], "3.25");               // start x
    EXPECT_EQ(lines[140], "-0.0075");
    EXPECT_EQ(lines[141], "0");  // None
    EXPECT_EQ(lines[142], "1");  // Linear
    EXPECT_EQ(lines[145], "1");  // Swirl
    EXPECT_EQ(lines[149], "1");  // Inversion
}

TEST_F(VtlFileTest, RoundTripUnderBothSeparators) {
    LocaleScope comma(test::CommaLocales());
    ASSERT_TRUE(comma.ok()) << "a decimal-comma locale (package locales-all) is needed";
    ASSERT_EQ(LocaleDecimalSeparator(), ',');
    FillState(ps);
    const std::string path = TempPath("comma.vtl");
    std::string error;
    ASSERT_TRUE(WriteVtlFile(ps, path, &error)) << error;
    const std::string text = ReadAll(path);
    EXPECT_NE(text.find("0,125\r\n"), std::string::npos);
    EXPECT_EQ(text.find("0.125"), std::string::npos);

    {
        LocaleScope point({"C"});
        ParameterSet loaded;
        CollectingReporter rep;
        const ParameterFileResult r = LoadParameterFile(loaded, path, rep);
        EXPECT_TRUE(r.ok());
        EXPECT_TRUE(rep.messages.empty());
        ExpectSameState(ps, loaded);

        // And back: written with a point, read under the comma locale.
        ASSERT_TRUE(WriteVtlFile(loaded, path, &error));
        EXPECT_NE(ReadAll(path).find("0.125\r\n"), std::string::npos);
    }
    ParameterSet again;
    const ParameterFileResult r2 = LoadParameterFile(again, path, reporter);
    EXPECT_TRUE(r2.ok());
    ExpectSameState(ps, again);
}

TEST_F(VtlFileTest, TenLineFile) {
    FillState(ps);
    const std::string ten = Join(Lines(VtlFileText(ps, '.')), 10);
    ParameterSet loaded;
    loaded.vtlFactor1 = 7;
    loaded.af[1] = 11;
    loaded.bf[60] = 12;
    loaded.AASet = 13;
    loaded.BB = 14;
    loaded.varBent = flagOn;
    CollectingReporter rep;
    const ParameterFileResult r = Read(loaded, ten, "ten.vtl", rep);
    EXPECT_TRUE(r.ok());
    ASSERT_EQ(rep.messages.size(), 124u);
    EXPECT_EQ(rep.messages[0], "Missing variable in parameter file: ten.vtl using defaults");
    // Formula, view and tints restored.
    EXPECT_EQ(loaded.formulaIndex, 63);
    EXPECT_EQ(loaded.vtlZoom, 0.125);
    EXPECT_EQ(loaded.vtlYMax, 12.75);
    EXPECT_EQ(loaded.vtlBlue, 180);
    // Everything else kept, the start point defaulted.
    EXPECT_EQ(loaded.vtlFactor1, 7);
    EXPECT_EQ(loaded.af[1], 11);
    EXPECT_EQ(loaded.bf[60], 12);
    EXPECT_EQ(loaded.AASet, 13);
    EXPECT_EQ(loaded.BB, 14);
    EXPECT_EQ(loaded.varBent, flagOn);
    EXPECT_EQ(loaded.cRe, 5.0);
    EXPECT_EQ(loaded.cIm, 5.0);
    EXPECT_EQ(loaded.juliaRe, 5.0);
    EXPECT_EQ(loaded.juliaIm, 5.0);
}

TEST_F(VtlFileTest, EmptyLineResumesOnTheNextLine) {
    FillState(ps);
    std::vector<std::string> lines = Lines(VtlFileText(ps, '.'));
    lines[11] = "";  // vtlFactor2 missing: kept, the next value reads the next line
    ParameterSet loaded;
    loaded.vtlFactor2 = 0.5;
    CollectingReporter rep;
    const ParameterFileResult r = Read(loaded, Join(lines, 150), "x.vtl", rep);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(rep.messages.size(), 1u);
    EXPECT_EQ(loaded.vtlFactor2, 0.5);
    EXPECT_EQ(loaded.randomFactor, 4.2);
    EXPECT_EQ(loaded.varInversion, flagOn);
}

TEST_F(VtlFileTest, FlagsAndBadNumbers) {
    FillState(ps);
    std::vector<std::string> lines = Lines(VtlFileText(ps, '.'));
    lines[13] = "-1";     // square root: only "1" is on
    lines[136] = "true";  // Color Mix
    lines[16] = "1.5x";   // af[2] does not convert
    ParameterSet loaded;
    loaded.af[2] = 77;
    loaded.bf[2] = 78;
    loaded.colorMix = flagOn;
    loaded.squareRoot = flagOn;
    CollectingReporter rep;
    const ParameterFileResult r = Read(loaded, Join(lines, 150), "bad.vtl", rep);
    EXPECT_TRUE(r.opened);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.errorLine, 17);
    ASSERT_EQ(rep.messages.size(), 1u);
    EXPECT_EQ(rep.messages[0], "Error reading parameter file");
    EXPECT_EQ(loaded.squareRoot, 0);  // read before the error
    EXPECT_EQ(loaded.af[1], Rounded15(ps.af[1]));
    EXPECT_EQ(loaded.af[2], 77);  // the bad line and everything after keep their values
    EXPECT_EQ(loaded.bf[2], 78);
    EXPECT_EQ(loaded.colorMix, flagOn);

    lines[16] = Lines(VtlFileText(ps, '.'))[16];
    ParameterSet second;
    Read(second, Join(lines, 150), "flags.vtl", rep);
    EXPECT_EQ(second.colorMix, 0);
}

TEST_F(VtlFileTest, LineEndsAndUnopenableFile) {
    FillState(ps);
    std::string text = VtlFileText(ps, '.');
    std::string lf;
    for (char c : text) {
        if (c != '\r') lf += c;
    }
    ParameterSet loaded;
    CollectingReporter rep;
    EXPECT_TRUE(Read(loaded, lf, "lf.vtl", rep).ok());
    EXPECT_TRUE(rep.messages.empty());
    ExpectSameState(ps, loaded);

    ParameterSet untouched;
    untouched.formulaIndex = 9;
    const ParameterFileResult r = LoadParameterFile(untouched, TempPath("does-not-exist.vtl"), rep);
    EXPECT_FALSE(r.opened);
    EXPECT_EQ(rep.messages.back(), "Cannot open parameter file: " + TempPath("does-not-exist.vtl"));
    EXPECT_EQ(untouched.formulaIndex, 9);
    EXPECT_EQ(untouched.cRe, 5.0);
}

TEST_F(VtlFileTest, LogDensityLinesFollowTheDescribedLines) {
    LocaleScope comma(test::CommaLocales());
    ASSERT_TRUE(comma.ok()) << "a decimal-comma locale (package locales-all) is needed";
    FillState(ps);
    const std::string described = VtlFileText(ps, ',');  // default settings: the 150 lines alone
    ps.logDensity = flagOn;
    ps.ldBrightness = 1.75;
    ps.ldGamma = 3.3;
    ps.ldVibrancy = 0.4;
    ps.ldHue = -0.15;
    ps.ldHueRange = 2.5;
    ps.ldOversample = 3;
    const std::string path = TempPath("density.vtl");
    std::string error;
    ASSERT_TRUE(WriteVtlFile(ps, path, &error)) << error;
    const std::string text = ReadAll(path);
    // A reader of the 150 lines finds what it finds in a file without them.
    ASSERT_EQ(text.substr(0, described.size()), described);
    EXPECT_EQ(Lines(text.substr(described.size())),
              (std::vector<std::string>{"log density", "1", "1,75", "3,3", "0,4", "-0,15", "2,5", "3"}));

    const auto expectSettings = [this](const ParameterSet& loaded) {
        ExpectSameState(ps, loaded);
        EXPECT_EQ(loaded.logDensity, flagOn);
        EXPECT_EQ(loaded.ldBrightness, 1.75);
        EXPECT_EQ(loaded.ldGamma, 3.3);
        EXPECT_EQ(loaded.ldVibrancy, 0.4);
        EXPECT_EQ(loaded.ldHue, -0.15);
        EXPECT_EQ(loaded.ldHueRange, 2.5);
        EXPECT_EQ(loaded.ldOversample, 3);
    };
    {
        LocaleScope point({"C"});
        ParameterSet loaded;
        CollectingReporter rep;
        EXPECT_TRUE(LoadParameterFile(loaded, path, rep).ok());
        EXPECT_TRUE(rep.messages.empty());
        expectSettings(loaded);
        ASSERT_TRUE(WriteVtlFile(loaded, path, &error));  // and back with a point
        EXPECT_NE(ReadAll(path).find("\r\n1.75\r\n"), std::string::npos);
    }
    ParameterSet again;
    EXPECT_TRUE(LoadParameterFile(again, path, reporter).ok());
    EXPECT_TRUE(reporter.messages.empty());
    expectSettings(again);

    // Without the lines, or with some of them, the rest take their defaults
    // and nothing is said.
    const std::vector<std::string> all = Lines(text);
    for (size_t count : {size_t{150}, size_t{151}, size_t{152}}) {
        ParameterSet loaded;
        loaded.ldGamma = 9;
        loaded.ldOversample = 4;
        CollectingReporter rep;
        EXPECT_TRUE(Read(loaded, Join(all, count), "short.vtl", rep).ok());
        EXPECT_TRUE(rep.messages.empty());
        EXPECT_EQ(loaded.logDensity, count == 152 ? flagOn : 0);
        EXPECT_EQ(loaded.ldGamma, LogDensitySettings().ldGamma);
        EXPECT_EQ(loaded.ldOversample, LogDensitySettings().ldOversample);
    }
    std::vector<std::string> bad = all;
    bad[153] = "three";  // gamma
    ParameterSet loaded;
    CollectingReporter rep;
    const ParameterFileResult r = Read(loaded, Join(bad, bad.size()), "bad.vtl", rep);
    EXPECT_EQ(r.errorLine, 154);
    EXPECT_EQ(rep.messages, std::vector<std::string>{"Error reading parameter file"});
    EXPECT_EQ(loaded.ldBrightness, 1.75);  // read before the error
}

TEST_F(VtlFileTest, ARecordedRunFollowsTheLogDensityLinesAndChangesNothingLoaded) {
    FillState(ps);
    const std::string plain = VtlFileText(ps, '.');
    const VtlRun run{int64_t{1} << 40, UINT64_MAX, 64};
    const std::string text = VtlFileText(ps, '.', &run);
    // The log-density lines (of the level colouring here) come before it.
    ASSERT_EQ(text.substr(0, plain.size()), plain);
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 162u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 150, lines.begin() + 153),
              (std::vector<std::string>{"log density", "0", "1"}));
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 158, lines.end()),
              (std::vector<std::string>{"attractor run", "1099511627776", "18446744073709551615", "64"}));

    ParameterSet withRun, without;
    CollectingReporter rep;
    EXPECT_TRUE(Read(withRun, text, "run.vtl", rep).ok());
    EXPECT_EQ(ReadVtlRun(TempPath("run.vtl")), run);
    EXPECT_EQ(ReadVtlRun(ParameterSource::Text(text)), run);
    EXPECT_TRUE(Read(without, plain, "plain.vtl", rep).ok());
    EXPECT_TRUE(rep.messages.empty());
    ExpectSameState(withRun, without);
    EXPECT_EQ(withRun.logDensity, without.logDensity);
    EXPECT_FALSE(ReadVtlRun(TempPath("plain.vtl")));
    // A damaged run is no run.
    std::vector<std::string> bad = lines;
    bad[161] = "0";  // streams
    EXPECT_FALSE(ReadVtlRun(ParameterSource::Text(Join(bad, bad.size()))));
}

}  // namespace
}  // namespace zarvo
