// One step of the attractor map: the map choice for the IFS formulas, the
// prologue with the Modulas and Expansion effects, the formula itself and
// the escape check; also the random set-up. All random numbers come from
// the engine's generator, drawn in a fixed order so that a seeded run
// repeats exactly.
#include <cmath>

#include "formula_math.h"
#include "formula_table.h"
#include "attractor_engine.h"

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
    const int32_t n = ps.mapCount;
    LD r;
    if (n >= 1 && n <= 3) {
        r = RoundEven(random.uniform() * LD(n) * 20);
    } else {
        r = map.j;
    }
    map.j = r < 19 ? 0 : (r >= 39 ? 39 : 19);
}

void AttractorEngine::MapStep() {
    if (static_cast<uint32_t>(ps.stepCount) % 1000u == 0) {
        if (ps.modulas != 0) {
            const LD a = ps.AA;
            ps.AA = D(a - 0.0002L * Sin(a));
        }
        ++colourCycle;
    }
    if (ps.expansion != 0) {
        const LD x = map.x, y = map.y;
        map.x = D(x - x / (20000 * Sqrt(Sq(x) + Sq(y))));
    }
    const MapInputs in{ps.AA, ps.BB, ps.af};
    map.x0 = map.x;
    map.y0 = map.y;
    FormulaStepFor(ps.formulaIndex)(map, in);
    ReseedIfDiverged();
}

void AttractorEngine::ReseedIfDiverged() {
    const LD x = map.x, y = map.y;
    const LD s = Sq(Sq(x) + 0.0001L + Sq(y));
    if (s > 1e12L || s < 1e-20L) {
        const double r = D(random.uniform() * 14.99L + 0.01L);
        map.x = D(r * Cos(random.uniform() * LD(constPI)));
        map.y = D(r * Sin(LD(map.x) * constPI));
        map.W = 0.0;
    }
}

void AttractorEngine::IterateOnce() {
    ChooseMap();
    MapStep();
    ApplyVariations();
    // Wraps after 2^32 steps instead of overflowing; the every-1000-steps
    // rhythm of MapStep reads it as unsigned.
    ps.stepCount = static_cast<int32_t>(static_cast<uint32_t>(ps.stepCount) + 1u);
}

}  // namespace zarvo::attractor
