// Attractor pictures: the state right after the attractor view opened, the
// .vtl file loaded as "Load from parameter file" loads it (random set-up
// off, start point from the file), the picture size, then exactly N map
// steps of the drawing loop and the view's picture written. With --streams
// K the N steps are shared among K streams (on -j threads).
//
// A file that records its run (Render to File writes one) gives the steps,
// seed and streams the command line leaves out; the picture then carries
// the file with the run as it was drawn.
#include "attractor_render.h"

#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>

#include "attractor_picture.h"
#include "render_output.h"
#include "vtl_file.h"

namespace zarvo {

int RunAttractorRender(const RenderOptions& o) {
    if (!IsPictureSize(o.width, o.height)) return Fail(exitUsageOrFile, "bad picture size");

    AttractorPicture picture;
    const ParameterFileResult loaded = picture.load(o.paramFile);
    if (!loaded.opened) return Fail(exitUsageOrFile, "cannot open " + o.paramFile);
    if (loaded.errorLine != 0) {
        return Fail(exitParameterFile,
                    "Error reading parameter file " + o.paramFile + ", line " + std::to_string(loaded.errorLine));
    }
    // The command line wins over the run the file records.
    std::optional<VtlRun> recorded = ReadVtlRun(o.paramFile);
    AttractorRunSettings run;
    run.steps = o.steps >= 0 ? o.steps : recorded ? recorded->steps : -1;
    if (run.steps < 0) return Fail(exitUsageOrFile, "--attractor needs --steps N (" + o.paramFile + " records no run)");
    if (o.hasSeed) run.seed = o.seed;
    else if (recorded) run.seed = recorded->seed;
    run.streams = o.streams > 0 ? o.streams : recorded ? recorded->streams : 1;
    run.threads = o.threads;
    if (recorded) *recorded = VtlRun{run.steps, run.seed.value_or(0), run.streams};

    if (!picture.setSize(o.width, o.height)) {
        return Fail(exitUsageOrFile,
                    "not enough memory for a " + std::to_string(o.width) + "x" + std::to_string(o.height) + " picture");
    }

    // Progress on a terminal.
    const bool showProgress = isatty(STDERR_FILENO) != 0 && run.steps > 0;
    auto progress = [&](int64_t done) {
        std::fprintf(stderr, "\r%lld of %lld steps, %d%%", static_cast<long long>(done),
                     static_cast<long long>(run.steps), static_cast<int>(100.0 * done / run.steps));
    };
    const attractor::RunResult ran = showProgress ? picture.run(run, progress) : picture.run(run);
    if (showProgress) std::fprintf(stderr, "\n");

    int status = exitWritten;
    std::string error;
    if (!WriteOutputPicture(o, picture.picture(), picture.parameterText(recorded ? &*recorded : nullptr), &error))
        status = Fail(exitUsageOrFile, error);
    if (!ran.fault.empty()) {
        Fail(exitFault, ran.fault + " (" + o.paramFile + ", step " + std::to_string(ran.steps) + ")");
        if (status == exitWritten) status = exitFault;
    }
    return status;
}

}  // namespace zarvo
