// The attractor formula as the escape-time driver's per-pixel formula.
// While the attractor view is open (vantrelFormulaMode on) the fractal view
// calls this instead of the plug-in:
//
//     VtlDrawFormula pixel(engine);
//     fractalView.vantrelPixel = &pixel;
#pragma once

#include "fractal_view.h"
#include "attractor_engine.h"

namespace zarvo::attractor {

class VtlDrawFormula : public PixelFormula {
public:
    explicit VtlDrawFormula(AttractorEngine& engine) : engine_(engine) {}
    // `ps` must be the engine's parameter set.
    void compute(ParameterSet& ps) override;

private:
    AttractorEngine& engine_;
};

}  // namespace zarvo::attractor
