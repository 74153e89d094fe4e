// A picture rendered to a file in the background while a window draws: the
// file zarvo-render draws from the parameter file written beside it, and a
// cancelled job leaves the files it would have replaced as they were.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "fractal_view.h"
#include "number_format.h"
#include "parameter_file.h"
#include "job_test_support.h"
#include "picture_job.h"

namespace zarvo {
namespace {

using test::TempFolder;

PictureJobRequest Request(const std::string& path) {
    ParameterSet ps;
    FormCreate(ps);
    test::SetUpPicture(ps);
    ps.formulaIndex = 3;
    ps.renderMethod = 9;
    PictureJobRequest r;
    r.parameters = ParameterFileText(ps, LocaleDecimalSeparator());
    r.pluginPath = QORL01_PLUGIN;
    r.width = 90;
    r.height = 50;
    r.supersample = 3;
    r.threads = 2;
    r.file.format = PictureFormat::Png;
    r.path = path;
    return r;
}

TEST(PictureJob, WritesWhatTheRendererDrawsFromItsParameterFile) {
    TempFolder tmp;
    PictureJob job(Request(tmp.file("job.png")));
    // A window goes on drawing meanwhile, as the user explores.
    ParameterSet ps;
    SilentReporter quiet;
    FractalView window(ps, quiet);
    window.pluginFileName = QORL01_PLUGIN;
    FormCreate(ps);
    test::SetUpPicture(ps);
    ASSERT_TRUE(window.InitializeMainDLL());
    ScanHooks none;
    int scans = 0;
    for (; !job.finished() || scans == 0; ++scans) EXPECT_TRUE(window.UpdateFractal(none, 2).completed);
    const JobOutcome& out = job.outcome();
    ASSERT_TRUE(out.written) << out.error;
    EXPECT_EQ(job.done(), 50);
    EXPECT_EQ(out.parameterFilePath, tmp.file("job.zrv"));
    const std::string cmd = std::string(ZARVO_RENDER) + " --plugin " + QORL01_PLUGIN + " -s 90x50 --supersample 3 -o " +
                            tmp.file("tool.png") + " " + tmp.file("job.zrv");
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_TRUE(test::ReadFile(tmp.file("job.png")) == test::ReadFile(tmp.file("tool.png")));
}

TEST(PictureJob, CancelLeavesAnExistingPictureAndParameterFileAsTheyWere) {
    TempFolder tmp;
    PictureJobRequest r = Request(tmp.file("old.png"));
    r.width = 4000;
    r.height = 3000;
    test::ExpectCancelLeavesFiles(tmp.file("old.png"), tmp.file("old.zrv"),
                                  [&r] { return std::make_unique<PictureJob>(r); });
}

}  // namespace
}  // namespace zarvo
