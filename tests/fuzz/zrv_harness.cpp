// Fuzzing the fractal parameter file (.zrv) reader: the bytes are read as
// "Load From Parameter File" reads them in the first window after start-up,
// and an 8 x 6 picture is then drawn from them with formula plug-in one.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

#include "fractal_view.h"
#include "fuzz_input.h"
#include "parameter_file.h"
#include "startup_state.h"

namespace {

// The reader under test.
bool ReadZrv(zarvo::ParameterSet& ps, const uint8_t* data, size_t size, zarvo::Reporter& reporter) {
    const zarvo::fuzz::InputFile file(data, size);
    return zarvo::LoadParameters(ps, file.path(), reporter).ok();
}

// Without the plug-in nothing would be drawn and nothing found.
[[noreturn]] void NoPlugin(zarvo::FractalView& view) {
    std::fprintf(stderr, "cannot load %s: %s\n", view.pluginFileName.c_str(), view.plugin.loadError().c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvo;
    // libFuzzer keeps the coverage counters of every instrumented library it
    // has seen and clears them before each input, so the plug-in must stay
    // mapped when a window releases it: one reference that is never dropped.
    static void* const keepPluginLoaded = dlopen(ZARVO_PLUGIN_PATH, RTLD_NOW | RTLD_NODELETE);
    (void)keepPluginLoaded;

    ParameterSet ps;
    SilentReporter quiet;
    FractalView view(ps, quiet);
    view.pluginFileName = ZARVO_PLUGIN_PATH;
    AttractorSide attractor(view);
    if (!StartNewWindow(view, attractor)) NoPlugin(view);

    ps.drawRandom = 0;
    if (!ReadZrv(ps, data, size, quiet)) return 0;
    view.formulaIndexAtScan = ps.formulaIndex;
    attractor.ParametersLoaded();
    if (!view.InitializeMainDLL()) NoPlugin(view);

    ps.pictureWidth = 8;
    ps.pictureHeight = 6;
    view.DrawDefaultImage();
    ScanHooks noHooks;
    view.UpdateFractal(noHooks);
    return 0;
}
