// Fuzzing the reader of the counts files that shares of an attractor run
// write (zarvo-render --counts): the bytes are read as --merge-counts reads
// a complete set of one file, and, for pictures of at most 4096 pixels,
// added into a run started from the .vtl the file carries and coloured.
#include <cstdint>
#include <string>
#include <vector>

#include "attractor_picture.h"
#include "counts_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zarvo;
    const fuzz::InputFile input(data, size);
    std::vector<CountsFile> files;
    std::string error;
    if (!CompleteShareSet({input.path()}, &files, &error)) return 0;
    const CountsShare& share = files.front().share;
    if (int64_t{share.width} * share.height > 4096) return 0;

    AttractorPicture picture;
    if (!picture.load(ParameterSource::Text(share.vtl)).ok() || !picture.setSize(share.width, share.height)) return 0;
    AttractorRunSettings run;
    run.seed = share.seed;
    run.streams = share.streams;
    run.threads = 1;
    picture.configure(run);
    attractor::AttractorEngine& engine = picture.engine();
    if (!engine.StartRun().empty()) return 0;
    AddCountsFile(files.front(), engine, &error);
    engine.PaintAddedCounts();
    engine.ComposePicture();
    return 0;
}
