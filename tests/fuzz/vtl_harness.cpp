// Fuzzing the attractor parameter file (.vtl) reader: the bytes are read as
// the attractor view's "Load from parameter file" reads them (and for the
// run such a file may record), then the drawing loop runs a few thousand
// map steps on an 8 x 6 picture.
#include <cstdlib>

#include "attractor_engine.h"
#include "dialog_values.h"
#include "fuzz_input.h"
#include "vtl_file.h"

namespace {

// The reader under test.
bool ReadVtl(zarvo::ParameterSet& ps, const uint8_t* data, size_t size, zarvo::Reporter& reporter) {
    const zarvo::fuzz::InputFile file(data, size);
    zarvo::ReadVtlRun(file.path());  // the run a Render to File picture's file records
    return zarvo::LoadParameterFile(ps, file.path(), reporter).ok();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvo;
    ParameterSet ps;
    SilentReporter quiet;
    attractor::AttractorEngine engine(ps, quiet);
    engine.OpenView();
    engine.DrawDefaultImage();
    engine.CreateTList();
    if (!ReadVtl(ps, data, size, quiet)) return 0;
    attractor::Parameters1Update(ps);
    ps.drawRandom = 0;

    if (!engine.SetPictureSize(8, 6)) std::abort();
    engine.fixedSeed = 7;
    engine.random.seed(7);
    if (!engine.StartRun().empty()) return 0;
    engine.RunSteps(5000);
    return 0;
}
