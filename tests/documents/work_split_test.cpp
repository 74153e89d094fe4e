// zarvo-render's work split: a picture drawn as tiles and joined equals the
// picture drawn at once, byte for byte; tile sets that do not make one
// picture are refused with the tile named; a frame of a series is the
// picture of its own parameter file; the counters of shares of an attractor
// run's streams add up to the picture of the run.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "test_support.h"

namespace zarvo {
namespace {

using test::TempFolder;

class WorkSplit : public ::testing::Test {
protected:
    // zarvo-render with `args`; its status, standard error in err_.
    int render(const std::string& args) {
        const std::string cmd = std::string(ZARVO_RENDER) + " " + args + " 2>" + tmp.file("err.txt") + " </dev/null";
        const int raw = std::system(cmd.c_str());
        err_ = test::ReadFile(tmp.file("err.txt"));
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    // An example picture, with line `line` (1-based) of its parameter file
    // replaced by `value` when line > 0.
    std::string example(const std::string& name, int line = 0, const std::string& value = "") {
        std::vector<std::string> lines = test::CrLfLines(test::ReadFile(std::string(EXAMPLES_DIR) + "/" + name));
        if (line > 0) lines[static_cast<size_t>(line - 1)] = value;
        const std::string path = tmp.file(std::to_string(files_++) + "-" + name);
        test::WriteFile(path, test::CrLfText(lines));
        return path;
    }
    // Draws tile I/N of `param` for each I, last first, on one thread or
    // on two; returns their names.
    std::string tiles(const std::string& param, const std::string& options, int n, const std::string& stem = "t") {
        std::string names;
        for (int i = n - 1; i >= 0; --i) {
            const std::string tile = tmp.file(stem + std::to_string(i) + ".png");
            EXPECT_EQ(render(options + " -j " + std::to_string(1 + i % 2) + " --tile " + std::to_string(i) + "/" +
                             std::to_string(n) + " -o " + tile + " " + param),
                      0)
                << err_;
            names += " " + tile;
        }
        return names;
    }

    TempFolder tmp;
    std::string err_;
    int files_ = 0;
};

TEST_F(WorkSplit, StitchedTilesEqualTheSingleRun) {
    struct Case {
        std::string param;
        std::string options;
        int tiles;
        std::string extension;
    };
    const std::vector<Case> cases = {
        {example("blue-spiral.zrv"), "-s 97x61", 3, ".bmp"},             // 3 does not divide 61
        {example("blue-spiral.zrv"), "-s 50x37 --supersample 3", 4, ".png"},
        {example("julia-ember.zrv"), "-s 40x7", 7, ".jpg"},                // a row each
        // Its orbit transform and render method 21 rewrite orbit entries
        // that later pixels read: each tile computes the rows above it.
        {example("amber-thorns.zrv", 3, "21"), "-s 60x45 --supersample 2", 4, ".png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.param + " " + c.options);
        const std::string single = tmp.file("single" + c.extension);
        const std::string joined = tmp.file("joined" + c.extension);
        ASSERT_EQ(render(c.options + " -j 1 -o " + single + " " + c.param), 0) << err_;
        const std::string set = tiles(c.param, c.options, c.tiles);
        ASSERT_EQ(render("--stitch " + joined + set), 0) << err_;
        EXPECT_TRUE(test::ReadFile(single) == test::ReadFile(joined));
    }
}

TEST_F(WorkSplit, TileSetsThatDoNotMakeOnePictureAreRefusedNamingTheTile) {
    const std::string param = example("blue-spiral.zrv");
    const std::string other = example("blue-spiral.zrv", 20, "77");
    tiles(param, "-s 30x20", 3);
    const std::string t0 = tmp.file("t0.png"), t1 = tmp.file("t1.png"), t2 = tmp.file("t2.png");
    const std::string otherTile = tmp.file("x1.png");
    struct Case {
        std::string options;  // besides the tiles t0 and t2
        std::string named;
        std::string why;
    };
    const std::vector<Case> cases = {
        {"", "tile 1/3", "is missing"},
        {t1 + " " + t0, t0, "repeats tile 0"},
        {"--tile 1/3 -s 30x20 -o " + otherTile + " " + other, otherTile, "other parameters"},
        {"--tile 1/3 -s 30x21 -o " + otherTile + " " + param, otherTile, "another picture size"},
        {"--tile 1/4 -s 30x20 -o " + otherTile + " " + param, otherTile, "another tile count"},
        {"--tile 1/3 -s 30x20 --supersample 2 -o " + otherTile + " " + param, otherTile, "other supersampling"},
        {param, param, "Cannot read"},
        {"-o " + otherTile, "--stitch OUT", "no -o"},  // a second name for the picture
    };
    const std::string out = tmp.file("joined.png");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options);
        std::string extra = c.options;
        if (c.options.compare(0, 6, "--tile") == 0) {
            ASSERT_EQ(render(c.options), 0) << err_;
            extra = otherTile;
        }
        EXPECT_EQ(render("--stitch " + out + " " + t0 + " " + t2 + " " + extra), 1);
        EXPECT_NE(err_.find(c.named), std::string::npos) << err_;
        EXPECT_NE(err_.find(c.why), std::string::npos) << err_;
        EXPECT_FALSE(test::FileExists(out));
    }
}

TEST_F(WorkSplit, FrameIOfKIsThePictureOfItsInterpolatedParameterFile) {
    const std::string start = example("blue-spiral.zrv");
    const std::string end = example("blue-spiral.zrv", 8, "40");  // zoom 900 down to 40
    const std::string moved = example("blue-spiral.zrv", 9, "-0.7");
    const std::string frames = "-s 48x32 --frames " + start + " ";
    ASSERT_EQ(render(frames + end + " --count 4 -o " + tmp.file("f%02d.png")), 0) << err_;
    ASSERT_EQ(render(frames + end + " --count 4 --frame 2 --write-params " + tmp.file("f2.zrv") + " -o " +
                     tmp.file("g%d.png")),
              0)
        << err_;
    ASSERT_EQ(render("-s 48x32 -o " + tmp.file("p2.png") + " " + tmp.file("f2.zrv")), 0) << err_;
    EXPECT_TRUE(test::ReadFile(tmp.file("f02.png")) == test::ReadFile(tmp.file("g2.png")));
    EXPECT_TRUE(test::ReadFile(tmp.file("f02.png")) == test::ReadFile(tmp.file("p2.png")));
    // Geometric zoom: 900 · (40 / 900)^(2/3) = 112.9...
    EXPECT_NE(test::ReadFile(tmp.file("f2.zrv")).find("\r\n112.9"), std::string::npos);
    // The first and last frames are the two files' pictures.
    ASSERT_EQ(render("-s 48x32 -o " + tmp.file("start.png") + " " + start), 0) << err_;
    ASSERT_EQ(render("-s 48x32 -o " + tmp.file("end.png") + " " + end), 0) << err_;
    EXPECT_TRUE(test::ReadFile(tmp.file("f00.png")) == test::ReadFile(tmp.file("start.png")));
    EXPECT_TRUE(test::ReadFile(tmp.file("f03.png")) == test::ReadFile(tmp.file("end.png")));
    // A centre moved linearly is another picture; another formula is refused.
    ASSERT_EQ(render(frames + moved + " --count 3 --frame 1 -o " + tmp.file("m%d.png")), 0) << err_;
    EXPECT_FALSE(test::ReadFile(tmp.file("m1.png")) == test::ReadFile(tmp.file("start.png")));
    EXPECT_EQ(render(frames + example("amber-thorns.zrv") + " --count 3 -o " + tmp.file("x%d.png")), 1);
    EXPECT_NE(err_.find("another formula"), std::string::npos) << err_;
}

TEST_F(WorkSplit, CountsOfSharesOfTheStreamsMergeIntoTheSingleRun) {
    const std::string run = "--steps 30001 --seed 5 --streams 9 -s 41x29 --attractor ";
    // Described colouring; log density on a three-times oversampled grid;
    // a run that cannot start (zoom 0); a run a fault ends (formula 30 at
    // the origin, a division by 0).
    const std::vector<std::string> vtls = {example("star-flower.vtl"), example("peacock-wheel.vtl", 158, "3"),
                                           example("star-flower.vtl", 3, "0"), example("star-flower.vtl", 2, "30")};
    std::vector<std::string> lines = test::CrLfLines(test::ReadFile(vtls[3]));
    lines[139] = lines[140] = "0";
    test::WriteFile(vtls[3], test::CrLfText(lines));
    for (const std::string& vtl : vtls) {
        SCOPED_TRACE(vtl);
        const int status = render(run + vtl + " -o " + tmp.file("single.png"));
        const std::string singleErr = err_;
        std::string set;
        for (const char* range : {"5:9", "0:1", "1:5"}) {
            set += " " + tmp.file(std::string("c") + range[0] + ".npy");
            ASSERT_EQ(render(run + vtl + " --stream-range " + range + " --counts " + set.substr(set.rfind(' ') + 1)),
                      0)
                << err_;
        }
        EXPECT_EQ(render("--merge-counts " + tmp.file("merged.png") + set), status);
        EXPECT_EQ(err_, singleErr);
        EXPECT_TRUE(test::ReadFile(tmp.file("single.png")) == test::ReadFile(tmp.file("merged.png")));
    }
    EXPECT_NE(err_.find("Invalid floating point operation"), std::string::npos) << err_;

    // Sets that are not one run's.
    const std::string c0 = tmp.file("c0.npy"), c5 = tmp.file("c5.npy");
    const std::string x = tmp.file("x.npy");
    const std::string vtl = vtls.back();  // c0 and c5 are its shares
    struct Case {
        std::string share;  // options of a share drawn into x.npy, or none
        std::string file;   // merged with c0 and c5, and named in the message
        std::string why;
    };
    const std::string other = "--seed 5 --streams 9 -s 41x29 --stream-range 1:5 --attractor ";
    const std::vector<Case> cases = {
        {"", "", "streams 1..4 of 9 are missing"},
        {run + vtl + " --stream-range 0:3", x, "repeats stream 0 of " + c0},
        {"--steps 30000 " + other + vtl, x, "another step count than " + c0},
        {"--steps 30001 --seed 6 --streams 9 -s 41x29 --stream-range 1:5 --attractor " + vtl, x, "another seed"},
        {"--steps 30001 " + other + example("star-flower.vtl", 8, "7"), x, "other parameters"},
        {"", vtl, "is not a counts file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.share + c.file);
        if (!c.share.empty()) {
            ASSERT_EQ(render(c.share + " --counts " + x), 0) << err_;
        }
        EXPECT_EQ(render("--merge-counts " + tmp.file("m.png") + " " + c0 + " " + c5 + " " + c.file), 1);
        EXPECT_NE(err_.find(c.file), std::string::npos) << err_;
        EXPECT_NE(err_.find(c.why), std::string::npos) << err_;
        EXPECT_FALSE(test::FileExists(tmp.file("m.png")));
    }
}

}  // namespace
}  // namespace zarvo
