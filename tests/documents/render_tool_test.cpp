// zarvo-render run as a program: its exit statuses, its messages and the
// files it writes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>

#include "fractal_view.h"
#include "npy_plane_file.h"
#include "parameter_file.h"
#include "picture_parameters.h"
#include "picture_writer.h"
#include "render_options.h"
#include "startup_state.h"
#include "test_support.h"
#include "vtl_file.h"

namespace zarvo {
namespace {

using test::FileExists;
using test::TempFolder;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class RenderTool : public ::testing::Test {
protected:
    ToolRun run(const std::string& args) {
        const std::string cmd = std::string(ZARVO_RENDER) + " " + args + " >" + tmp.file("out.txt") + " 2>" +
                                tmp.file("err.txt") + " </dev/null";
        const int raw = std::system(cmd.c_str());
        ToolRun r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = test::ReadFile(tmp.file("out.txt"));
        r.err = test::ReadFile(tmp.file("err.txt"));
        return r;
    }
    // A picture of the test plug-in's formula `formula`.
    std::string paramFile(int formula, const std::string& name = "p.zrv") {
        ParameterSet ps;
        test::SetUpPicture(ps);
        ps.formulaIndex = formula;
        std::string error;
        EXPECT_TRUE(WriteParameterFile(ps, tmp.file(name), &error)) << error;
        return tmp.file(name);
    }
    std::string plugin() const { return std::string("--plugin ") + TEST_FORMULA_PLUGIN; }

    TempFolder tmp;
};

TEST_F(RenderTool, WritesThePictureAndSaysNothing) {
    const std::string p = paramFile(1);
    const ToolRun r = run(plugin() + " -s 33x17 " + p);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string bmp = test::ReadFile(tmp.file("p.bmp"));  // default: beside, with .bmp
    ASSERT_GT(bmp.size(), 26u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<uint8_t>(bmp[18]), 33);
    EXPECT_EQ(static_cast<uint8_t>(bmp[22]), 17);
}

TEST_F(RenderTool, JpegOutputProgressiveUnlessBaseline) {
    const std::string p = paramFile(1);
    ASSERT_EQ(run(plugin() + " -o " + tmp.file("a.JPEG") + " -q 50 " + p).status, 0);
    ASSERT_EQ(run(plugin() + " --output=" + tmp.file("b.jpg") + " --baseline " + p).status, 0);
    const std::string a = test::ReadFile(tmp.file("a.JPEG"));
    const std::string b = test::ReadFile(tmp.file("b.jpg"));
    EXPECT_NE(a.find("\xFF\xC2"), std::string::npos);
    EXPECT_NE(b.find("\xFF\xC0"), std::string::npos);
    EXPECT_EQ(b.find("\xFF\xC2"), std::string::npos);
}

TEST_F(RenderTool, BadUsageAndFilesGiveStatus1NamingTheCause) {
    const std::string p = paramFile(1);
    for (const std::string& args :
         {std::string("-s 0x10 ") + p, std::string("-s 65501x2 ") + p, std::string("-q 101 ") + p,
          std::string("--frobnicate ") + p, std::string("-o x.gif ") + p, std::string("--supersample 9 ") + p,
          std::string("--supersample 2 --planes x.npy ") + p, std::string(""), p + " " + p}) {
        const ToolRun r = run(plugin() + " " + args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.err.find("zarvo-render:"), std::string::npos) << args;
    }
    ToolRun r = run(plugin() + " " + tmp.file("missing.zrv"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.zrv"), std::string::npos);

    r = run(plugin() + " -o " + tmp.file("no/such/folder.bmp") + " " + p);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no/such/folder.bmp"), std::string::npos);

    r = run("--plugin " + tmp.file("absent.zvo") + " " + p);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("absent.zvo"), std::string::npos);
    EXPECT_FALSE(FileExists(tmp.file("p.bmp")));
}

TEST_F(RenderTool, AnOutputNamingTheInputOrAnotherOutputIsRefusedBeforeWriting) {
    const std::string p = paramFile(1);
    const std::string before = test::ReadFile(p);
    const std::string pic = tmp.file("pic.bmp");
    // The same file under other names: through "..", a link, and relative.
    ASSERT_EQ(symlink(p.c_str(), tmp.file("link.zrv").c_str()), 0);
    const std::string viaDots = tmp.path() + "/sub/../p.zrv";
    ASSERT_EQ(mkdir(tmp.file("sub").c_str(), 0755), 0);
    for (const std::string& args :
         {"-o " + p + " " + p, "--write-params " + viaDots + " " + p, "--planes " + tmp.file("link.zrv") + " " + p,
          "-o " + pic + " --planes " + pic + " " + p,
          "-o " + pic + " --write-params " + tmp.path() + "/./pic.bmp " + p}) {
        const ToolRun r = run(plugin() + " -s 8x4 " + args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_NE(r.err.find("zarvo-render:"), std::string::npos) << args;
        EXPECT_EQ(test::ReadFile(p), before) << args;
        EXPECT_FALSE(FileExists(pic)) << args;
    }
    // A device is written in place, not replaced.
    EXPECT_EQ(run(plugin() + " -s 8x4 -o " + pic + " --write-params /dev/null " + p).status, 0);
}

TEST_F(RenderTool, HelpIsStatus0) {
    const ToolRun r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Usage: zarvo-render"), std::string::npos);
}

TEST_F(RenderTool, UnconvertibleParameterFileIsStatus2WithTheLine) {
    const std::string p = paramFile(1);
    std::vector<std::string> lines = test::CrLfLines(test::ReadFile(p));
    lines[19] = "lots";
    test::WriteFile(p, test::CrLfText(lines));
    const ToolRun r = run(plugin() + " " + p);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Error reading parameter file"), std::string::npos);
    EXPECT_NE(r.err.find("line 20"), std::string::npos);
    EXPECT_FALSE(FileExists(tmp.file("p.bmp")));
}

TEST_F(RenderTool, FloatingPointFaultIsStatus3AndThePictureIsStillWritten) {
    const std::string p = paramFile(2);
    const ToolRun r = run(plugin() + " -s 20x10 " + p);
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("Floating point division by zero"), std::string::npos) << r.err;
    EXPECT_TRUE(FileExists(tmp.file("p.bmp")));
    // A frame of a series is named by its number.
    const ToolRun f = run(plugin() + " -s 20x10 --frames " + p + " " + p + " --count 2 --frame 1 -o " + tmp.file("f%d.bmp"));
    EXPECT_EQ(f.status, 3);
    EXPECT_NE(f.err.find("(frame 1 of 2, row "), std::string::npos) << f.err;
}

TEST_F(RenderTool, AttractorModeIsParsedAndDispatched) {
    const ToolRun r = run("--attractor " + tmp.file("a.vtl") + " --steps 1000 --seed 7 -s 30x20");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.status, 2);
    EXPECT_EQ(run("--attractor " + tmp.file("a.vtl")).status, 1);  // no --steps
}

TEST_F(RenderTool, StreamsShareTheStepsAndGiveOnePictureOnAnyThreads) {
    ParameterSet ps;
    ps.formulaIndex = 24;
    ps.logDensity = flagOn;
    std::string error;
    ASSERT_TRUE(WriteVtlFile(ps, tmp.file("s.vtl"), &error)) << error;
    const auto draw = [&](const std::string& options, const std::string& out) {
        EXPECT_EQ(run("--attractor " + tmp.file("s.vtl") + " --steps 40003 --seed 5 -s 60x40 " + options + " -o " +
                      tmp.file(out))
                      .status,
                  0)
            << options;
        return test::ReadFile(tmp.file(out));
    };
    const std::string one = draw("--streams 8 -j 1", "a.bmp");
    EXPECT_EQ(draw("--streams 8 -j 3", "b.bmp"), one);
    EXPECT_NE(draw("-j 3", "c.bmp"), one);  // one stream: the single sequence
    // A picture carries the log-density lines after the described ones too.
    draw("--streams 8", "s.png");
    ASSERT_EQ(run("--attractor " + tmp.file("s.png") + " --steps 40003 --seed 5 -s 60x40 --streams 8 -o " +
                  tmp.file("d.bmp"))
                  .status,
              0);
    EXPECT_EQ(test::ReadFile(tmp.file("d.bmp")), one);
    EXPECT_EQ(run("--attractor " + tmp.file("s.vtl") + " --steps 10 --streams 0").status, 1);
    EXPECT_EQ(run("--streams 2 " + tmp.file("s.vtl")).status, 1);  // needs --attractor
}

TEST_F(RenderTool, WriteParamsWritesWhatSaveWrites) {
    const std::string p = paramFile(1);
    ASSERT_EQ(run(plugin() + " --write-params " + tmp.file("again.zrv") + " " + p).status, 0);
    const std::vector<std::string> lines = test::CrLfLines(test::ReadFile(tmp.file("again.zrv")));
    ASSERT_EQ(lines.size(), 190u);
    EXPECT_EQ(lines[4], "z*z+c");  // the plug-in's title after binding
    EXPECT_EQ(lines[186], "0");
}

TEST_F(RenderTool, PicturesCarryTheParameterFileOfTheirPictureAndDrawLikeIt) {
    // Julia form: the scan takes the constant as chosen, and the file says so.
    ParameterSet ps;
    test::SetUpPicture(ps);
    ps.juliaMode = 1;
    ps.juliaRe = -0.8;
    ps.juliaIm = 0.156;
    std::string error;
    ASSERT_TRUE(WriteParameterFile(ps, tmp.file("p.zrv"), &error)) << error;
    for (const std::string picture : {"p.png", "p.jpg"}) {
        ASSERT_EQ(run(plugin() + " -s 33x17 -o " + tmp.file(picture) + " --write-params " + tmp.file("w.zrv") + " " +
                      tmp.file("p.zrv"))
                      .status,
                  0);
        const CarriedParameters carried = ReadCarriedParameters(tmp.file(picture));
        ASSERT_TRUE(carried.found) << picture;
        EXPECT_EQ(carried.bytes, test::ReadFile(tmp.file("w.zrv"))) << picture;
        ASSERT_EQ(run(plugin() + " -s 20x10 -o " + tmp.file("a.bmp") + " " + tmp.file(picture)).status, 0);
        ASSERT_EQ(run(plugin() + " -s 20x10 -o " + tmp.file("b.bmp") + " " + tmp.file("w.zrv")).status, 0);
        EXPECT_TRUE(test::ReadFile(tmp.file("a.bmp")) == test::ReadFile(tmp.file("b.bmp"))) << picture;
    }
}

TEST_F(RenderTool, PicturesWithoutOrWithDamagedParameters) {
    PictureFileOptions png;
    png.format = PictureFormat::Png;
    std::string error;
    ASSERT_TRUE(WritePicture(RgbImage(4, 4), tmp.file("bare.png"), png, &error)) << error;
    ToolRun r = run(plugin() + " " + tmp.file("bare.png"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bare.png carries no parameters"), std::string::npos) << r.err;

    // Damaged parameters read exactly as the same bytes in a parameter file.
    std::vector<std::string> lines = test::CrLfLines(test::ReadFile(paramFile(1)));
    lines[19] = "lots";
    PictureFileOptions jpeg;
    jpeg.format = PictureFormat::Jpeg;
    jpeg.parameters = test::CrLfText(lines);
    test::WriteFile(tmp.file("d.zrv"), jpeg.parameters);
    ASSERT_TRUE(WritePicture(RgbImage(4, 4), tmp.file("d.jpg"), jpeg, &error)) << error;
    const ToolRun fromFile = run(plugin() + " -o " + tmp.file("x.bmp") + " " + tmp.file("d.zrv"));
    r = run(plugin() + " -o " + tmp.file("x.bmp") + " " + tmp.file("d.jpg"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.status, fromFile.status);
    EXPECT_NE(r.err.find("line 20"), std::string::npos) << r.err;

    // A picture cut short before them.
    test::WriteFile(tmp.file("cut.jpg"), test::ReadFile(tmp.file("d.jpg")).substr(0, 30));
    r = run(plugin() + " " + tmp.file("cut.jpg"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cut.jpg"), std::string::npos) << r.err;
}

// Reads an .npy file written by --planes: checks the header, returns values.
std::vector<double> ReadPlanes(const std::string& path, int width, int height) {
    const std::string b = test::ReadFile(path);
    const std::string header = NpyPlaneFile::Header(width, height);
    EXPECT_EQ(b.compare(0, header.size(), header), 0);
    EXPECT_EQ(header.size() % 64, 0u);
    EXPECT_NE(header.find("'descr': '<f8'"), std::string::npos);
    EXPECT_NE(header.find("'shape': (2, " + std::to_string(height) + ", " + std::to_string(width) + ")"),
              std::string::npos);
    const size_t count = 2u * static_cast<size_t>(width) * height;
    EXPECT_EQ(b.size(), header.size() + count * 8);
    std::vector<double> v(count);
    if (b.size() == header.size() + count * 8) std::memcpy(v.data(), b.data() + header.size(), count * 8);
    return v;
}

TEST_F(RenderTool, PlanesHoldTheResultsRowByRow) {
    const std::string p = paramFile(1);
    ASSERT_EQ(run(plugin() + " -s 40x30 --planes " + tmp.file("p.npy") + " " + p).status, 0);
    const std::vector<double> planes = ReadPlanes(tmp.file("p.npy"), 40, 30);

    // The same picture drawn here, with the window's own planes.
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view(ps, quiet);
    view.pluginFileName = TEST_FORMULA_PLUGIN;
    AttractorSide attractor(view);
    ASSERT_TRUE(StartNewWindow(view, attractor));
    ps.drawRandom = 0;
    ASSERT_TRUE(LoadParameters(ps, p, quiet).ok());
    attractor.ParametersLoaded();
    ASSERT_TRUE(view.InitializeMainDLL());
    ps.pictureWidth = 40;
    ps.pictureHeight = 30;
    ScanHooks none;
    ASSERT_TRUE(view.UpdateFractal(none).completed);
    int differing = 0;
    for (int row = 0; row < 30; ++row)
        for (int col = 0; col < 40; ++col) {
            differing += planes[static_cast<size_t>(row) * 40 + col] != view.planeA(col, row);
            differing += planes[1200 + static_cast<size_t>(row) * 40 + col] != view.planeB(col, row);
        }
    EXPECT_EQ(differing, 0);
}

TEST_F(RenderTool, PlanesOfPicturesWiderThanTheWindowPlanes) {
    const std::string p = paramFile(1);
    ASSERT_EQ(run(plugin() + " -s 700x3 --planes " + tmp.file("w.npy") + " " + p).status, 0);
    const std::vector<double> planes = ReadPlanes(tmp.file("w.npy"), 700, 3);
    int nonZero = 0;
    for (size_t i = 2 * 700; i < 3 * 700; ++i) nonZero += planes[i] != 0.0;  // last row of plane A
    EXPECT_GT(nonZero, 0);
}

TEST_F(RenderTool, PlanesOfAFaultEndedScanAreZeroWhereNothingWasComputed) {
    const std::string p = paramFile(2);
    ASSERT_EQ(run(plugin() + " -s 8x4 --planes " + tmp.file("f.npy") + " " + p).status, 3);
    for (double v : ReadPlanes(tmp.file("f.npy"), 8, 4)) EXPECT_EQ(v, 0.0);
}

TEST(RenderOptions, SizesAndOutputNames) {
    int w = 0, h = 0;
    EXPECT_TRUE(ParsePictureSize("65500x1", &w, &h));
    EXPECT_EQ(w, 65500);
    EXPECT_FALSE(ParsePictureSize("65501x1", &w, &h));
    EXPECT_FALSE(ParsePictureSize("10x0", &w, &h));
    EXPECT_FALSE(ParsePictureSize("10x", &w, &h));
    EXPECT_FALSE(ParsePictureSize("-1x5", &w, &h));
    EXPECT_FALSE(ParsePictureSize("10x5x", &w, &h));

    RenderOptions o;
    std::string error;
    const char* argv[] = {"zarvo-render", "dir.v2/sea.zrv"};
    ASSERT_TRUE(ParseRenderCommandLine(2, argv, &o, &error)) << error;
    EXPECT_EQ(o.output, "dir.v2/sea.bmp");
    EXPECT_EQ(o.width, 180);
    EXPECT_EQ(o.height, 120);
    EXPECT_EQ(o.quality, 85);
    EXPECT_FALSE(o.baseline);
}

}  // namespace
}  // namespace zarvo
