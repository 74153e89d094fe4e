// Attractor pictures: the state right after the attractor view opened, the
// .vtl file loaded as "Load from parameter file" loads it (random set-up
// off, start point from the file), the picture size, then exactly N map
// steps of the drawing loop and the view's picture written. With --streams
// K the N steps are shared among K streams (on -j threads).
#include "attractor_render.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "dialog_values.h"
#include "number_format.h"
#include "render_output.h"
#include "attractor_engine.h"
#include "vtl_file.h"

namespace zarvo {

namespace {

// Runs the steps in slices, showing progress on a terminal.
attractor::RunResult RunWithProgress(attractor::AttractorEngine& engine, int64_t steps, bool showProgress) {
    attractor::RunResult total;
    total.fault = engine.StartRun();
    if (!total.fault.empty()) return total;
    const int64_t slice = 1 << 20;
    while (total.steps < steps) {
        const attractor::RunResult part = engine.RunSteps(std::min(slice, steps - total.steps));
        total.steps += part.steps;
        total.fault = part.fault;
        total.running = part.running;
        if (showProgress) {
            std::fprintf(stderr, "\r%lld of %lld steps, %d%%", static_cast<long long>(total.steps),
                         static_cast<long long>(steps), static_cast<int>(100.0 * total.steps / steps));
        }
        if (!part.fault.empty() || !part.running) break;
    }
    if (showProgress) std::fprintf(stderr, "\n");
    return total;
}

}  // namespace

int RunAttractorRender(const RenderOptions& o) {
    if (o.steps < 0) return Fail(exitUsageOrFile, "--attractor needs --steps N");
    if (!IsPictureSize(o.width, o.height)) return Fail(exitUsageOrFile, "bad picture size");

    ParameterSet ps;
    CollectingReporter messages;
    attractor::AttractorEngine engine(ps, messages);
    engine.OpenView();

    // "Load from parameter file".
    engine.DrawDefaultImage();
    engine.CreateTList();
    const ParameterFileResult loaded = LoadParameterFile(ps, o.paramFile, messages);
    if (!loaded.opened) return Fail(exitUsageOrFile, "cannot open " + o.paramFile);
    if (loaded.errorLine != 0) {
        return Fail(exitParameterFile,
                    "Error reading parameter file " + o.paramFile + ", line " + std::to_string(loaded.errorLine));
    }
    attractor::Parameters1Update(ps);
    ps.drawRandom = 0;

    if (!engine.SetPictureSize(o.width, o.height)) {
        return Fail(exitUsageOrFile,
                    "not enough memory for a " + std::to_string(o.width) + "x" + std::to_string(o.height) + " picture");
    }
    if (o.hasSeed) {
        engine.fixedSeed = o.seed;
        engine.random.seed(o.seed);
    }
    engine.streams = o.streams;
    engine.threads = o.threads;

    const attractor::RunResult run = RunWithProgress(engine, o.steps, isatty(STDERR_FILENO) != 0 && o.steps > 0);
    engine.ComposePicture();

    int status = exitWritten;
    std::string error;
    if (!WriteOutputPicture(o, engine.picture(), VtlFileText(ps, LocaleDecimalSeparator()), &error))
        status = Fail(exitUsageOrFile, error);
    if (!run.fault.empty()) {
        Fail(exitFault, run.fault + " (" + o.paramFile + ", step " + std::to_string(run.steps) + ")");
        if (status == exitWritten) status = exitFault;
    }
    return status;
}

}  // namespace zarvo
