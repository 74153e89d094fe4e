// Stand-in until the attractor library draws pictures without a display.
#include "attractor_render.h"

#include <cstdio>

namespace zarvo {

int RunAttractorRender(const AttractorRenderOptions& options) {
    std::fprintf(stderr, "zarvo-render: %s: attractor pictures are not available in this build\n",
                 options.paramFile.c_str());
    return 1;
}

}  // namespace zarvo
