#include "escape_render.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "fractal_view.h"
#include "parameter_file.h"
#include "render_hooks.h"
#include "startup_state.h"
#include "streamed_picture.h"
#include "tile_files.h"

namespace zarvo {

namespace {

// Checked before a long scan, so that an output that can never be written is
// reported at once. The writers check again.
bool CanCreate(const std::string& path, std::string* reason) {
    if (access(path.c_str(), F_OK) == 0) {
        if (access(path.c_str(), W_OK) == 0) return true;
        *reason = std::strerror(errno);
        return false;
    }
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    if (access(folder.c_str(), W_OK) == 0) return true;
    *reason = std::strerror(errno);
    return false;
}

}  // namespace

int RunEscapeRender(const RenderOptions& o) {
    for (const std::string* out : {&o.output, &o.planesFile, &o.writeParams}) {
        std::string reason;
        if (!out->empty() && !CanCreate(*out, &reason))
            return Fail(exitUsageOrFile, "cannot write " + *out + ": " + reason);
    }

    ParameterSet ps;
    CollectingReporter messages;
    FractalView view(ps, messages);
    if (!o.plugin.empty()) view.pluginFileName = o.plugin;
    AttractorSide attractor(view);

    // The first window after start-up.
    if (!StartNewWindow(view, attractor)) {
        return Fail(exitUsageOrFile, "cannot load plug-in " + view.pluginFileName + ": " + view.plugin.loadError());
    }

    // "Load From Parameter File" on that window.
    ps.pictureWidth = defaultWidth;
    ps.pictureHeight = defaultHeight;
    view.DrawDefaultImage();
    ps.drawRandom = 0;
    const ParameterFileResult loaded = LoadParameters(ps, o.paramFile, messages);
    if (!loaded.opened) return Fail(exitUsageOrFile, loaded.error);
    if (loaded.errorLine != 0) {
        return Fail(exitParameterFile,
                    "Error reading parameter file " + ParamName(o) + ", line " + std::to_string(loaded.errorLine));
    }
    view.formulaIndexAtScan = ps.formulaIndex;
    attractor.ParametersLoaded();
    if (!view.InitializeMainDLL()) {
        return Fail(exitUsageOrFile, "cannot load plug-in " + view.pluginFileName + ": " + view.plugin.loadError());
    }

    // The picture size, then one full scan, written to the file band by
    // band as the scan goes.
    ps.pictureWidth = o.width;
    ps.pictureHeight = o.height;
    NpyPlaneFile planes;
    std::string error;
    if (!o.planesFile.empty() && !planes.open(o.planesFile, o.width, o.height, &error)) {
        return Fail(exitUsageOrFile, error);
    }
    RenderHooks hooks(ps, planes.isOpen() ? &planes : nullptr, isatty(STDERR_FILENO) != 0);
    StreamedPicture picture;
    picture.width = o.width;
    picture.height = o.height;
    picture.supersample = o.supersample;
    picture.file = OutputFileOptions(o, ParameterFileTextAfterScan(ps));
    picture.threads = o.threads > 0 ? o.threads : EveryCoreThreads();
    picture.hooks = &hooks;
    if (o.tileCount > 0) {
        const TilePlace tile = TileOf(o.tileIndex, o.tileCount, o.width, o.height, o.supersample);
        picture.firstRow = tile.firstRow;
        picture.endRow = tile.endRow;
        picture.file.texts = {{tileKeyword, TileText(tile)}};
        picture.textsAtEnd = [](const ScanResult& scan) {
            return PictureTexts{{tileEndKeyword, scan.fault.empty() ? "complete" : "fault"}};
        };
    }
    const StreamedPictureResult drawn = DrawPictureToFile(view, picture, o.output);
    const ScanResult& scan = drawn.scan;

    // A picture that cannot be written at all is found before the scan.
    if (scan.pixelsComputed == 0) return Fail(exitUsageOrFile, drawn.error);
    int status = exitWritten;
    if (!drawn.written) status = Fail(exitUsageOrFile, drawn.error);
    if (planes.isOpen() && !planes.finish(&error)) status = Fail(exitUsageOrFile, error);
    if (!o.writeParams.empty() && !WriteParameterFile(ps, o.writeParams, &error)) {
        status = Fail(exitUsageOrFile, error);
    }
    if (!scan.fault.empty()) {
        const int row = scan.rowsDone / o.supersample;  // of the picture written
        Fail(exitFault, scan.fault + " (" + ParamName(o) + ", row " + std::to_string(row) + ")");
        if (status == exitWritten) status = exitFault;
    }
    return status;
}

}  // namespace zarvo
