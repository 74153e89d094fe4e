// Attractor pictures: the state right after the attractor view opened, the
// .vtl file loaded as "Load from parameter file" loads it (random set-up
// off, start point from the file), the picture size, then exactly N map
// steps of the drawing loop and the view's picture written. With --streams
// K the N steps are shared among K streams (on -j threads); a share of the
// streams writes its counters instead, and shares added up give the
// picture of the whole run.
#include "attractor_render.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "attractor_engine.h"
#include "counts_file.h"
#include "dialog_values.h"
#include "number_format.h"
#include "render_output.h"
#include "vtl_file.h"

namespace zarvo {

namespace {

struct SlicedRun {
    attractor::RunResult result;  // steps: those of the streams that ran
    int64_t lastSlice = -1;       // the last slice of steps taken
};

// Runs the steps in slices, showing progress on a terminal. A fault ends
// the run at the end of the slice it happened in.
SlicedRun RunInSlices(attractor::AttractorEngine& engine, int64_t steps, bool showProgress) {
    SlicedRun run;
    attractor::RunResult& total = run.result;
    total.fault = engine.StartRun();
    if (!total.fault.empty()) {
        total.faultStream = engine.streamFirst;
        run.lastSlice = 0;
        return run;
    }
    for (int64_t first = 0; first < steps; first += stepSlice) {
        const int64_t slice = std::min(stepSlice, steps - first);
        const attractor::RunResult part = engine.RunSteps(slice);
        run.lastSlice = first / stepSlice;
        total.steps += part.steps;
        total.fault = part.fault;
        total.faultStream = part.faultStream;
        total.running = part.running;
        if (showProgress) {
            std::fprintf(stderr, "\r%lld of %lld steps, %d%%", static_cast<long long>(first + slice),
                         static_cast<long long>(steps), static_cast<int>(100.0 * (first + slice) / steps));
        }
        if (!part.fault.empty() || !part.running) break;
    }
    if (showProgress) std::fprintf(stderr, "\n");
    return run;
}

// The engine as the view has it when the .vtl file has been loaded and the
// picture size set; returns the exit status of a failure, or exitWritten.
int Prepare(const RenderOptions& o, ParameterSet& ps, CollectingReporter& messages,
            attractor::AttractorEngine& engine) {
    if (!IsPictureSize(o.width, o.height)) return Fail(exitUsageOrFile, "bad picture size");
    engine.OpenView();

    // "Load from parameter file".
    engine.DrawDefaultImage();
    engine.CreateTList();
    const ParameterFileResult loaded = LoadParameterFile(ps, o.paramFile, messages, ParamName(o));
    if (!loaded.opened) return Fail(exitUsageOrFile, "cannot open " + ParamName(o));
    if (loaded.errorLine != 0) {
        return Fail(exitParameterFile,
                    "Error reading parameter file " + ParamName(o) + ", line " + std::to_string(loaded.errorLine));
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
    return exitWritten;
}

std::string FaultMessage(const std::string& fault, const std::string& name, int64_t steps) {
    return fault + " (" + name + ", step " + std::to_string(steps) + ")";
}

// Writes the picture with its parameters; a fault that ended the run is
// told after it.
int WriteAttractorPicture(const RenderOptions& o, const attractor::AttractorEngine& engine, const ParameterSet& ps,
                 const std::string& fault) {
    int status = exitWritten;
    std::string error;
    if (!WriteOutputPicture(o, engine.picture(), VtlFileText(ps, LocaleDecimalSeparator()), &error))
        status = Fail(exitUsageOrFile, error);
    if (!fault.empty()) {
        Fail(exitFault, fault);
        if (status == exitWritten) status = exitFault;
    }
    return status;
}

// --counts: the share's counters and what it is.
int WriteShare(const RenderOptions& o, const attractor::AttractorEngine& engine, const SlicedRun& run) {
    CountsShare share;
    share.width = o.width;
    share.height = o.height;
    share.streams = o.streams;
    share.first = o.streamFirst;
    share.end = o.streamEnd;
    share.seed = o.seed;
    share.steps = o.steps;
    share.done = run.result.steps;
    share.lastSlice = run.lastSlice;
    share.fault = !run.result.fault.empty();
    share.faultStream = run.result.faultStream;
    share.faultText = run.result.fault;
    share.name = ParamName(o);
    std::replace(share.name.begin(), share.name.end(), '\n', ' ');
    std::ifstream in(o.paramFile, std::ios::binary);
    share.vtl.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::string error;
    if (!in.good() && !in.eof()) return Fail(exitUsageOrFile, "cannot read " + o.paramFile);
    if (!WriteCountsFile(o.countsFile, share, engine, &error)) return Fail(exitUsageOrFile, error);
    if (share.fault) {
        // The run of all streams tells what it makes of the fault: the
        // share is written as far as it got.
        std::fprintf(stderr, "zarvo-render: stream %d ended: %s (%s); %s holds the share's counters up to there\n",
                     share.faultStream, share.faultText.c_str(), share.name.c_str(), o.countsFile.c_str());
    }
    return exitWritten;
}

// What one run of all the streams says of the shares' faults: its fault
// message (empty without a fault), or false with *error when a share went
// on beyond the slice in which that run ends.
bool FaultOfShares(const std::vector<CountsFile>& files, std::string* message, std::string* error) {
    const CountsFile* ended = nullptr;  // the share whose stream ended the run
    int64_t done = 0;
    for (const CountsFile& f : files) {
        done += f.share.done;
        if (!f.share.fault) continue;
        if (!ended || f.share.lastSlice < ended->share.lastSlice ||
            (f.share.lastSlice == ended->share.lastSlice && f.share.faultStream < ended->share.faultStream))
            ended = &f;
    }
    if (!ended) return true;
    const int64_t slice = ended->share.lastSlice;
    for (const CountsFile& f : files) {
        if (f.share.lastSlice != slice) {
            const std::string end = std::to_string((slice + 1) * stepSlice);
            *error = f.path + " goes on beyond step " + end + ", where one run of all streams ends after the " +
                     "floating-point fault of stream " + std::to_string(ended->share.faultStream) + " in " +
                     ended->path + ": draw every share again with --steps " + end;
            return false;
        }
    }
    *message = FaultMessage(ended->share.faultText, ended->share.name, done);
    return true;
}

}  // namespace

int RunAttractorRender(const RenderOptions& o) {
    if (o.steps < 0) return Fail(exitUsageOrFile, "--attractor needs --steps N");
    ParameterSet ps;
    CollectingReporter messages;
    attractor::AttractorEngine engine(ps, messages);
    if (const int failed = Prepare(o, ps, messages, engine); failed != exitWritten) return failed;
    if (!o.countsFile.empty()) {
        engine.streamFirst = o.streamFirst;
        engine.streamEnd = o.streamEnd;
    }

    const SlicedRun run = RunInSlices(engine, o.steps, isatty(STDERR_FILENO) != 0 && o.steps > 0);
    if (!o.countsFile.empty()) return WriteShare(o, engine, run);
    engine.ComposePicture();
    return WriteAttractorPicture(o, engine, ps,
                        run.result.fault.empty() ? std::string()
                                                 : FaultMessage(run.result.fault, ParamName(o), run.result.steps));
}

int RunMergeCounts(const RenderOptions& o) {
    std::vector<CountsFile> files;
    std::string error, fault;
    if (!CompleteShareSet(o.countsFiles, &files, &error) || !FaultOfShares(files, &fault, &error))
        return Fail(exitUsageOrFile, error);
    const CountsShare& share = files.front().share;

    // The run of all streams, started from the .vtl file the shares carry,
    // takes their values instead of steps.
    std::string temporary;
    if (!NewTemporaryFile("zarvo-counts-XXXXXX.vtl", &temporary))
        return Fail(exitUsageOrFile, "cannot create a file in " + temporary);
    RenderOptions run = o;
    run.paramFile = temporary;
    run.paramName = share.name;
    run.width = share.width;
    run.height = share.height;
    run.hasSeed = true;
    run.seed = share.seed;
    run.streams = share.streams;
    ParameterSet ps;
    CollectingReporter messages;
    attractor::AttractorEngine engine(ps, messages);
    int prepared = exitUsageOrFile;
    if (std::ofstream(temporary, std::ios::binary) << share.vtl) prepared = Prepare(run, ps, messages, engine);
    std::remove(temporary.c_str());
    if (prepared != exitWritten) return prepared;

    // A run that cannot start (not enough memory for the streams here) has
    // nothing to add the shares to; the shares could start, or they say so.
    const std::string notStarted = engine.StartRun();
    if (!notStarted.empty() && fault.empty()) return Fail(exitUsageOrFile, notStarted);
    for (const CountsFile& file : files) {
        if (!AddCountsFile(file, engine, &error)) return Fail(exitUsageOrFile, error);
    }
    engine.PaintAddedCounts();
    engine.ComposePicture();
    return WriteAttractorPicture(o, engine, ps, fault);
}

}  // namespace zarvo
