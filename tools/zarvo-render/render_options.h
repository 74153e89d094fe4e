// The command line of zarvo-render.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "file_names.h"

namespace zarvo {

struct RenderOptions {
    bool help = false;
    std::string paramFile;  // the .zrv file, or with --attractor the .vtl file
    std::string paramName;  // paramFile as messages name it; empty: paramFile
    std::string output;     // picture to write; empty: paramFile with ".bmp"
    int width = 180;
    int height = 120;
    std::string planesFile;  // --planes FILE.npy
    int quality = 85;
    bool baseline = false;
    std::string plugin;       // --plugin FILE; empty: qorl01.zvo by the usual lookup
    std::string writeParams;  // --write-params FILE.zrv
    int threads = 0;          // -j/--threads N; 0: one per core
    int supersample = 1;      // --supersample N, 1..8

    // Work split for several machines: --tile I/N draws band I of N into a
    // tile file; --stitch OUT TILE... joins tiles into OUT (`output`).
    int tileIndex = -1;
    int tileCount = 0;
    bool stitch = false;
    std::vector<std::string> tiles;
    // --frames START END --count K [--frame I]: START is paramFile, and
    // `output` a printf pattern of the frame number.
    bool frames = false;
    std::string framesEnd;
    int frameCount = 0;
    int frameIndex = -1;  // -1: every frame

    // Attractor pictures: --attractor FILE.vtl --steps N [--seed S]
    // [--streams K]; what is not given comes from the run the file records
    // (steps are needed from one of them).
    bool attractor = false;
    int64_t steps = -1;  // -1: not given
    bool hasSeed = false;
    uint64_t seed = 0;
    int streams = 0;  // sample streams sharing the steps; 0: not given (1, or the file's)
    // --stream-range A:B --counts FILE.npy: only streams A..B-1 run (0..K-1
    // without --stream-range) and their counters go to FILE, no picture.
    int streamFirst = 0;
    int streamEnd = 0;  // 0: no --stream-range (K once --counts is checked)
    std::string countsFile;
    // --merge-counts OUT FILE.npy...: OUT is `output`.
    bool mergeCounts = false;
    std::string joinedOutput;  // OUT of --stitch or --merge-counts (becomes `output`)
    std::vector<std::string> countsFiles;
};

// Parses argv into *options. Returns false with *error describing the
// mistake (bad usage); -h/--help sets options->help and returns true.
// The parameter file as messages name it.
inline const std::string& ParamName(const RenderOptions& o) { return o.paramName.empty() ? o.paramFile : o.paramName; }

bool ParseRenderCommandLine(int argc, const char* const* argv, RenderOptions* options, std::string* error);

// False with *error when an output (-o, --planes, --write-params) names the
// parameter file or another output: the same existing plain file, or the
// same path once made absolute and free of ".", ".." and links. Devices
// such as /dev/null may be named more than once.
bool OutputsAreDistinct(const RenderOptions& options, std::string* error);

// "WxH" with each side 1..largestStreamedSide.
bool ParsePictureSize(const std::string& text, int* width, int* height);

const char* RenderUsage();

}  // namespace zarvo
