// Attractor pictures: the state right after the attractor view opened, the
// .vtl file loaded as "Load from parameter file" loads it (random set-up
// off, start point from the file), the picture size, then exactly N map
// steps of the drawing loop and the view's picture written. With --streams
// K the N steps are shared among K streams (on -j threads); a share of the
// streams writes its counters instead, and shares added up give the
// picture of the whole run.
//
// A file that records its run (Render to File writes one) gives the steps,
// seed and streams the command line leaves out; the picture then carries
// the file with the run as it was drawn.
#include "attractor_render.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "attractor_picture.h"
#include "counts_file.h"
#include "render_output.h"
#include "vtl_file.h"

namespace zarvo {

namespace {

// The picture's engine as the view has it when the .vtl file (or its text)
// has been loaded and the picture size set; returns the exit status of a
// failure, or exitWritten.
int Load(AttractorPicture& picture, const ParameterSource& source, const std::string& name, int width, int height) {
    if (!IsPictureSize(width, height)) return Fail(exitUsageOrFile, "bad picture size");
    const ParameterFileResult loaded = picture.load(source);
    if (!loaded.opened) return Fail(exitUsageOrFile, "cannot open " + name);
    if (loaded.errorLine != 0) {
        return Fail(exitParameterFile,
                    "Error reading parameter file " + name + ", line " + std::to_string(loaded.errorLine));
    }
    if (!picture.setSize(width, height)) {
        return Fail(exitUsageOrFile,
                    "not enough memory for a " + std::to_string(width) + "x" + std::to_string(height) + " picture");
    }
    return exitWritten;
}

std::string FaultMessage(const std::string& fault, const std::string& name, int64_t steps) {
    return fault + " (" + name + ", step " + std::to_string(steps) + ")";
}

// Writes the picture with its parameters (and the run, when the file
// recorded one); a fault that ended the run is told after it.
int WriteAttractorPicture(const RenderOptions& o, const AttractorPicture& picture, const std::optional<VtlRun>& run,
                          const std::string& fault) {
    int status = exitWritten;
    std::string error;
    if (!WriteOutputPicture(o, picture.picture(), picture.parameterText(run ? &*run : nullptr), &error))
        status = Fail(exitUsageOrFile, error);
    if (!fault.empty()) {
        Fail(exitFault, fault);
        if (status == exitWritten) status = exitFault;
    }
    return status;
}

// --counts: the share's counters and what it is.
int WriteShare(const RenderOptions& o, AttractorPicture& picture, const attractor::RunResult& ran) {
    CountsShare share;
    share.width = o.width;
    share.height = o.height;
    share.streams = o.streams;
    share.first = o.streamFirst;
    share.end = o.streamEnd;
    share.seed = o.seed;
    share.steps = o.steps;
    share.done = ran.steps;
    share.lastSlice = picture.lastSlice();
    share.fault = !ran.fault.empty();
    share.faultStream = ran.faultStream;
    share.faultText = ran.fault;
    share.name = ParamName(o);
    std::replace(share.name.begin(), share.name.end(), '\n', ' ');
    std::ifstream in(o.paramFile, std::ios::binary);
    share.vtl.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::string error;
    if (!in.good() && !in.eof()) return Fail(exitUsageOrFile, "cannot read " + o.paramFile);
    if (!WriteCountsFile(o.countsFile, share, picture.engine(), &error)) return Fail(exitUsageOrFile, error);
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
    AttractorPicture picture;
    if (const int failed = Load(picture, o.paramFile, ParamName(o), o.width, o.height); failed != exitWritten)
        return failed;
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
    if (!o.countsFile.empty()) {
        picture.engine().streamFirst = o.streamFirst;
        picture.engine().streamEnd = o.streamEnd;
    }

    // Progress on a terminal.
    const bool showProgress = isatty(STDERR_FILENO) != 0 && run.steps > 0;
    auto progress = [&](int64_t done) {
        std::fprintf(stderr, "\r%lld of %lld steps, %d%%", static_cast<long long>(done),
                     static_cast<long long>(run.steps), static_cast<int>(100.0 * done / run.steps));
    };
    const attractor::RunResult ran = showProgress ? picture.run(run, progress) : picture.run(run);
    if (showProgress) std::fprintf(stderr, "\n");

    if (!o.countsFile.empty()) return WriteShare(o, picture, ran);
    return WriteAttractorPicture(o, picture, recorded,
                                 ran.fault.empty() ? std::string() : FaultMessage(ran.fault, ParamName(o), ran.steps));
}

int RunMergeCounts(const RenderOptions& o) {
    std::vector<CountsFile> files;
    std::string error, fault;
    if (!CompleteShareSet(o.countsFiles, &files, &error) || !FaultOfShares(files, &fault, &error))
        return Fail(exitUsageOrFile, error);
    const CountsShare& share = files.front().share;

    // The run of all streams, started from the .vtl file the shares carry,
    // takes their values instead of steps.
    AttractorPicture picture;
    if (const int failed = Load(picture, ParameterSource::Text(share.vtl), share.name, share.width, share.height);
        failed != exitWritten)
        return failed;
    AttractorRunSettings run;
    run.steps = share.steps;
    run.seed = share.seed;
    run.streams = share.streams;
    run.threads = o.threads;
    picture.configure(run);
    attractor::AttractorEngine& engine = picture.engine();

    // A run that cannot start (not enough memory for the streams here) has
    // nothing to add the shares to; the shares could start, or they say so.
    const std::string notStarted = engine.StartRun();
    if (!notStarted.empty() && fault.empty()) return Fail(exitUsageOrFile, notStarted);
    for (const CountsFile& file : files) {
        if (!AddCountsFile(file, engine, &error)) return Fail(exitUsageOrFile, error);
    }
    engine.PaintAddedCounts();
    engine.ComposePicture();
    // As one run of the file would carry it.
    std::optional<VtlRun> recorded = ReadVtlRun(ParameterSource::Text(share.vtl));
    if (recorded) *recorded = VtlRun{share.steps, share.seed, share.streams};
    return WriteAttractorPicture(o, picture, recorded, fault);
}

}  // namespace zarvo
