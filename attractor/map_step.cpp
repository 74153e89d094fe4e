// The random set-up of a run and the single sequence's map step, one piece
// at a time (the step itself is in stream_step.h). All random numbers come
// from the engine's generator, drawn in a fixed order so that a seeded run
// repeats exactly.
#include <cmath>

#include "engine_steps.h"
#include "formula_math.h"

namespace zarvo::attractor {

using namespace fm;

void AttractorEngine::SeedForSetup() { random.seed(fixedSeed ? *fixedSeed : UniformRandom::clockSeed()); }

void AttractorEngine::SetRotation() {
    map.rotCos = D(Cos(LD(ps.BB) - 1));
    map.rotSin = D(Sin(LD(ps.BB) - 1));
}

void AttractorEngine::RandomSetup() {
    SeedForSetup();
    ps.tickCount = 0;
    const LD f = ps.randomFactor;
    for (int k = 1; k <= attractorTableSize; ++k) {
        ps.af[k] = D((random.uniform() - 0.5L) * 2 * f);
        ps.bf[k] = D((random.uniform() - 0.5L) * 2 * f);
    }
    SetRotation();
    ps.drawRandom = 0;
    const double A = D((random.uniform() - 0.5L) * f);
    ps.AA = ps.AAStart = ps.AASet = A;
    const double r = D(random.uniform() * 14.99L + 0.01L);
    map.x = D(r * Cos(random.uniform() * LD(const2PI)));
    map.y = D(r * Sin(LD(map.x) * const2PI));
    map.W = 0.0;
    ps.cRe = ps.juliaRe = ps.zRe = map.x;
    ps.cIm = ps.juliaIm = ps.zIm = map.y;
}

void AttractorEngine::ChooseMap() {
    Single([](auto& s) { s.ChooseMap(); });
}

void AttractorEngine::MapStep() {
    Single([](auto& s) { s.MapStep(); });
}

void AttractorEngine::ReseedIfDiverged() {
    Single([](auto& s) { s.ReseedIfDiverged(); });
}

void AttractorEngine::IterateOnce() {
    Single([](auto& s) { s.IterateOnce(); });
}

}  // namespace zarvo::attractor
