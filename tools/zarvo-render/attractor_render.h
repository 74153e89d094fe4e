// Attractor pictures: the attractor view's drawing loop run from a .vtl file
// for a fixed number of map steps, then the view's picture written.
#pragma once

#include <cstdint>
#include <string>

namespace zarvo {

struct AttractorRenderOptions {
    std::string paramFile;  // the .vtl file
    int64_t steps = 0;      // map steps to run
    bool hasSeed = false;   // seed given: the restart of an escaping orbit repeats
    uint64_t seed = 0;
    std::string output;     // .bmp or .jpg/.jpeg
    int width = 180;
    int height = 120;
    int quality = 85;       // JPEG quality 1..100
    bool baseline = false;  // JPEG without progressive encoding
};

// Returns the exit status (0 written, 1 usage or file problem, 2 the file
// does not convert, 3 a floating-point fault ended the run).
int RunAttractorRender(const AttractorRenderOptions& options);

}  // namespace zarvo
