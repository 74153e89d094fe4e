// An attractor picture rendered to a file in the background: zarvo-render
// draws the same file, byte for byte, from the .vtl written beside it
// (with the run given on the command line, or taken from the run the file
// records), and a cancelled job leaves the files it would have replaced as
// they were.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "attractor_job.h"
#include "job_test_support.h"

namespace zarvo {
namespace {

using test::TempFolder;

AttractorJobRequest Request(const std::string& example, const std::string& path) {
    AttractorJobRequest r;
    r.parameters = test::ReadFile(std::string(EXAMPLES_DIR) + "/" + example);
    r.width = 96;
    r.height = 64;
    r.run = VtlRun{300001, 7, 8};
    r.threads = 2;
    r.file.format = PictureFormat::Png;
    r.path = path;
    return r;
}

struct Case {
    const char* example;
    int oversample;
    int streams;
    const char* runArguments;  // empty: the run the .vtl records
};

TEST(AttractorJob, WritesWhatTheRendererDrawsFromItsVtl) {
    const Case cases[] = {
        {"amber-lattice.vtl", 3, 8, ""},  // log density, the hit grid oversampled 3 (the file says 2)
        {"silk-swirl.vtl", 0, 1, " --steps 300001 --seed 7 --streams 1 -j 1"},  // the level colouring
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        TempFolder tmp;
        AttractorJobRequest r = Request(c.example, tmp.file("job.png"));
        r.oversample = c.oversample;
        r.run.streams = c.streams;
        AttractorJob job(r);
        test::WaitFor(job);
        const JobOutcome& out = job.outcome();
        ASSERT_TRUE(out.written) << out.error;
        EXPECT_EQ(job.done(), 300001);
        ASSERT_EQ(out.parameterFilePath, tmp.file("job.vtl"));
        const std::string cmd = std::string(ZARVO_RENDER) + " --attractor " + tmp.file("job.vtl") + c.runArguments +
                                " -s 96x64 -o " + tmp.file("tool.png");
        ASSERT_EQ(std::system(cmd.c_str()), 0);
        EXPECT_TRUE(test::ReadFile(tmp.file("job.png")) == test::ReadFile(tmp.file("tool.png")));
    }
}

TEST(AttractorJob, CancelLeavesAnExistingPictureAndVtlAsTheyWere) {
    TempFolder tmp;
    AttractorJobRequest r = Request("amber-lattice.vtl", tmp.file("old.png"));
    r.run.steps = int64_t{1} << 40;
    test::ExpectCancelLeavesFiles(tmp.file("old.png"), tmp.file("old.vtl"),
                                  [&r] { return std::make_unique<AttractorJob>(r); });
}

}  // namespace
}  // namespace zarvo
