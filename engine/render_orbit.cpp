#include "render_orbit.h"

#include <algorithm>

#include "orbit_transform.h"
#include "render_methods.h"

namespace zarvo {

void RenderOrbit(FormulaRecord& rec, int transformMode) {
    rec.resultA = 0;
    rec.resultB = 0;
    if (rec.orbitX == nullptr || rec.orbitY == nullptr) return;

    // A plug-in that reports more iterations than the orbit arrays hold must
    // not make the methods read past their end.
    const int n = std::clamp<int>(rec.iterationCount, 0, orbitCapacity - 1);

    OrbitTransformParams transform;
    transform.mode = transformMode;
    transform.intensity = rec.intensity;
    transform.factor4 = rec.factor4;
    transform.factor5 = rec.factor5;
    ApplyOrbitTransform(transform, rec.orbitX, rec.orbitY, n);

    const RenderMethodInfo* method = FindRenderMethod(rec.renderMethod);
    if (method == nullptr) return;

    // The working values of the methods (sums, traps, running extremes)
    // are locals of each method, so they start afresh for every pixel.
    OrbitData orbit;
    orbit.x = rec.orbitX;
    orbit.y = rec.orbitY;
    orbit.n = n;
    orbit.maxIterations = rec.maxIterations;
    orbit.factor4 = rec.factor4;
    orbit.strands = rec.strands;
    orbit.power = rec.power;
    orbit.cRe = rec.cRe;
    orbit.cIm = rec.cIm;
    const RenderResult r = method->function(orbit);
    rec.resultA = r.a;
    rec.resultB = r.b;
}

}  // namespace zarvo
