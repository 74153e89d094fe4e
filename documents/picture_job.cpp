#include "picture_job.h"

#include <utility>

#include "file_names.h"
#include "fractal_view.h"
#include "parameter_file.h"
#include "parameter_file_layout.h"
#include "streamed_picture.h"

namespace zarvo {

namespace {

JobOutcome DrawAndWrite(const PictureJobRequest& request, BackgroundJob& job) {
    JobOutcome out;
    ParameterSet ps;
    CollectingReporter messages;
    FractalView view(ps, messages);
    view.pluginFileName = request.pluginPath;
    // A new window's state, then the parameter file read into it, as the
    // renderer draws a parameter file.
    FormCreate(ps);
    ps.pictureWidth = defaultWidth;
    ps.pictureHeight = defaultHeight;
    ResetCoordinates(ps);
    ps.drawRandom = 0;
    const ParameterFileResult loaded = LoadParameterText(ps, request.parameters, messages);
    if (!view.InitializeMainDLL()) {
        out.error = "Error loading DLL: " + request.pluginPath;
    } else if (!loaded.complete) {
        out.error = loaded.error;
    } else if (ps.vantrelFormulaMode != 0) {
        out.error = "The pixels come from the Vantrel formula; close the Vantrel view to render to a file.";
    } else if (!view.plugin.reentrant() || !view.plugin.hasFormula()) {
        out.error = "The formula plug-in cannot compute pictures beside a drawing.";
    }
    if (out.error.empty()) {
        view.formulaIndexAtScan = ps.formulaIndex;
        // The view's edges follow the picture's aspect.
        ps.pictureWidth = request.width;
        ps.pictureHeight = request.height;
        StreamedPicture picture;
        picture.width = request.width;
        picture.height = request.height;
        picture.supersample = request.supersample;
        picture.threads = request.threads;
        picture.file = request.file;
        const std::string parameters = ParameterFileTextAfterScan(ps);
        picture.file.parameters = parameters;
        picture.progress = [&job](int rows, int) { job.setDone(rows); };
        picture.cancel = job.cancelFlag();
        const StreamedPictureResult drawn = DrawPictureToFile(view, picture, request.path);
        out.cancelled = drawn.cancelled;
        out.fault = drawn.scan.fault;
        out.error = drawn.error;
        if (drawn.written) {
            out.parameterFilePath = ParameterFilePathFor(request.path);
            out.written = WriteWholeFile(out.parameterFilePath, parameters, &out.error);
        }
    }
    view.ReleasePlugin();
    return out;
}

}  // namespace

PictureJob::PictureJob(const PictureJobRequest& request)
    : BackgroundJob(request.height, [r = request](BackgroundJob& job) { return DrawAndWrite(r, job); }) {}

}  // namespace zarvo
