#include "attractor_job.h"

#include "attractor_picture.h"
#include "file_names.h"

namespace zarvo {

namespace {

JobOutcome DrawAndWrite(const AttractorJobRequest& request, BackgroundJob& job) {
    JobOutcome out;
    AttractorPicture picture;
    const ParameterFileResult loaded = picture.load(ParameterSource::Text(request.parameters));
    if (!loaded.complete) {
        out.error = loaded.error;
        return out;
    }
    // A setting of the .vtl the picture carries, so the renderer draws the
    // same grid.
    if (request.oversample > 0) picture.parameters().ldOversample = request.oversample;
    if (!picture.setSize(request.width, request.height)) {
        out.error = "not enough memory for a " + std::to_string(request.width) + " x " +
                    std::to_string(request.height) + " picture";
        return out;
    }
    AttractorRunSettings settings;
    settings.steps = request.run.steps;
    settings.seed = request.run.seed;
    settings.streams = request.run.streams;
    settings.threads = request.threads;
    const attractor::RunResult ran =
        picture.run(settings, [&job](int64_t steps) { job.setDone(steps); }, job.cancelFlag());
    if (*job.cancelFlag()) {
        out.cancelled = true;
        return out;
    }
    out.fault = ran.fault;
    const std::string parameters = picture.parameterText(&request.run);
    PictureFileOptions file = request.file;
    file.parameters = parameters;
    if (!WritePicture(picture.picture(), request.path, file, &out.error)) return out;
    out.parameterFilePath = VtlFilePathFor(request.path);
    out.written = WriteWholeFile(out.parameterFilePath, parameters, &out.error);
    return out;
}

}  // namespace

AttractorJob::AttractorJob(const AttractorJobRequest& request)
    : BackgroundJob(request.run.steps, [r = request](BackgroundJob& job) { return DrawAndWrite(r, job); }) {}

}  // namespace zarvo
