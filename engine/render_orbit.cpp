// Placeholder: method 1 only.
#include "render_orbit.h"

namespace zarvo {

void RenderOrbit(ParameterSet& ps) {
    ps.resultA = ps.resultB = 0;
    if (ps.renderMethod == 1 && ps.iterationCount >= 1) ps.resultA = ps.resultB = ps.iterationCount / 128.0;
}

}  // namespace zarvo
