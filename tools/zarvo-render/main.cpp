// zarvo-render: draws the picture of a parameter file without a display.
#include <clocale>
#include <cstdio>
#include <string>

#include "attractor_render.h"
#include "escape_render.h"
#include "frame_series.h"
#include "render_options.h"
#include "render_output.h"
#include "safe_file.h"
#include "tile_files.h"

int main(int argc, char** argv) {
    // Parameter files written here use the user's decimal separator, as the
    // desktop program's do.
    std::setlocale(LC_ALL, "");
    zarvo::ReportFileSizeLimitAsWriteError();

    zarvo::RenderOptions options;
    std::string error;
    if (!zarvo::ParseRenderCommandLine(argc, argv, &options, &error)) {
        std::fprintf(stderr, "zarvo-render: %s\n%s", error.c_str(), zarvo::RenderUsage());
        return zarvo::exitUsageOrFile;
    }
    if (options.help) {
        std::fputs(zarvo::RenderUsage(), stdout);
        return zarvo::exitWritten;
    }
    if (!zarvo::OutputsAreDistinct(options, &error)) return zarvo::Fail(zarvo::exitUsageOrFile, error);
    if (options.stitch) return zarvo::RunStitch(options);
    if (options.frames) return zarvo::RunFrames(options);
    if (options.mergeCounts) return zarvo::RunMergeCounts(options);
    return options.attractor ? zarvo::RunAttractorRender(options) : zarvo::RunEscapeRender(options);
}
