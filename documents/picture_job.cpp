#include "picture_job.h"

#include <utility>

#include "file_names.h"
#include "fractal_view.h"
#include "parameter_file.h"
#include "parameter_file_layout.h"
#include "streamed_picture.h"

namespace zarvo {

PictureJob::PictureJob(PictureJobRequest request) : request_(std::move(request)), thread_([this] { run(); }) {}

PictureJob::~PictureJob() {
    cancel_ = true;
    thread_.join();
}

void PictureJob::run() {
    PictureJobOutcome out;
    ParameterSet ps;
    CollectingReporter messages;
    FractalView view(ps, messages);
    view.pluginFileName = request_.pluginPath;
    // A new window's state, then the parameter file read into it, as the
    // renderer draws a parameter file.
    FormCreate(ps);
    ps.pictureWidth = defaultWidth;
    ps.pictureHeight = defaultHeight;
    ResetCoordinates(ps);
    ps.drawRandom = 0;
    const ParameterFileResult loaded = LoadParameterText(ps, request_.parameters, messages);
    if (!view.InitializeMainDLL()) {
        out.error = "Error loading DLL: " + request_.pluginPath;
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
        ps.pictureWidth = request_.width;
        ps.pictureHeight = request_.height;
        StreamedPicture picture;
        picture.width = request_.width;
        picture.height = request_.height;
        picture.supersample = request_.supersample;
        picture.threads = request_.threads;
        picture.file = request_.file;
        const std::string parameters = ParameterFileTextAfterScan(ps);
        picture.file.parameters = parameters;
        picture.progress = [this](int rows, int) { rows_ = rows; };
        picture.cancel = &cancel_;
        const StreamedPictureResult drawn = DrawPictureToFile(view, picture, request_.path);
        out.cancelled = drawn.cancelled;
        out.fault = drawn.scan.fault;
        out.error = drawn.error;
        if (drawn.written) {
            out.parameterFilePath = ParameterFilePathFor(request_.path);
            out.written = WriteWholeFile(out.parameterFilePath, parameters, &out.error);
        }
    }
    view.ReleasePlugin();
    outcome_ = std::move(out);
    finished_ = true;
}

}  // namespace zarvo
