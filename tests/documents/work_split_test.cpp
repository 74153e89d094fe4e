// zarvo-render's work split: a picture drawn as tiles and joined equals the
// picture drawn at once, byte for byte; tile sets that do not make one
// picture are refused with the tile named; a frame of a series is the
// picture of its own parameter file.
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

}  // namespace
}  // namespace zarvo
