#include "stream_step.h"

#include "formula_table.h"

namespace zarvo::attractor {

unsigned VariationBits(const ParameterSet& ps) {
    unsigned bits = 0;
    const auto add = [&bits](int32_t flag, VariationBit bit) {
        if (flag != 0) bits |= bit;
    };
    add(ps.varSpherical, kSpherical);
    add(ps.varSwirl, kSwirl);
    add(ps.varSinusoidal, kSinusoidal);
    add(ps.varPolar, kPolar);
    add(ps.varHorseshoe, kHorseshoe);
    add(ps.varLinear, kLinear);
    add(ps.varBent, kBent);
    add(ps.varNone, kNone);
    add(ps.varInversion, kInversion);
    return bits;
}

StepSettings::StepSettings(const ParameterSet& ps, int gridW, int gridH, int limitWidth, int limitHeight,
                           int oversampleCells, bool plotOn)
    : formula(FormulaStepFor(ps.formulaIndex)),
      B(ps.BB),
      af(ps.af),
      mapCount(ps.mapCount),
      modulas(ps.modulas != 0),
      expansion(ps.expansion != 0),
      factor1(ps.vtlFactor1),
      factor2(ps.vtlFactor2),
      variations(VariationBits(ps)),
      variationCount(__builtin_popcount(variations)),
      window(ps.plotXMin, ps.plotXMax, ps.plotYMin, ps.plotYMax, ps.vtlWidth, ps.vtlHeight),
      gridWidth(gridW),
      gridHeight(gridH),
      plotWidth(limitWidth),
      plotHeight(limitHeight),
      oversample(oversampleCells),
      plotEnabled(plotOn) {}

}  // namespace zarvo::attractor
