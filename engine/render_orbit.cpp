#include "render_orbit.h"

#include <algorithm>

#include "orbit_transform.h"
#include "render_methods.h"

namespace zarvo {

void RenderOrbit(ParameterSet& ps) {
    ps.resultA = 0;
    ps.resultB = 0;
    if (ps.orbitX == nullptr || ps.orbitY == nullptr) return;

    // A plug-in that reports more iterations than the orbit arrays hold must
    // not make the methods read past their end.
    const int n = std::clamp<int>(ps.iterationCount, 0, orbitCapacity - 1);

    OrbitTransformParams transform;
    transform.mode = ps.transformMode;
    transform.intensity = ps.intensity;
    transform.factor4 = ps.factor4;
    transform.factor5 = ps.factor5;
    ApplyOrbitTransform(transform, ps.orbitX, ps.orbitY, n);

    const RenderMethodInfo* method = FindRenderMethod(ps.renderMethod);
    if (method == nullptr) return;

    // The working values of the methods (sums, traps, running extremes)
    // are locals of each method, so they start afresh for every pixel.
    OrbitData orbit;
    orbit.x = ps.orbitX;
    orbit.y = ps.orbitY;
    orbit.n = n;
    orbit.maxIterations = ps.maxIterations;
    orbit.factor4 = ps.factor4;
    orbit.strands = ps.strands;
    orbit.power = ps.power;
    orbit.cRe = ps.cRe;
    orbit.cIm = ps.cIm;
    const RenderResult r = method->function(orbit);
    ps.resultA = r.a;
    ps.resultB = r.b;
}

}  // namespace zarvo
