#include "attractor_state.h"

namespace zarvo::attractor {

void ResetCoordinates(ParameterSet& ps) {
    ps.vtlZoom = 0.05;
    ps.vtlSelZoom = 0.05;
    ps.vtlXMin = ps.vtlYMin = ps.vtlSelXMin = ps.vtlSelYMin = -1.0;
    ps.vtlXMax = ps.vtlYMax = ps.vtlSelXMax = ps.vtlSelYMax = 1.0;
    ps.vtlXCentre = (ps.vtlXMax - ps.vtlXMin) / 2 + ps.vtlXMin;
    ps.vtlYCentre = (ps.vtlYMax - ps.vtlYMin) / 2 + ps.vtlYMin;
}

void AdjustCoords(ParameterSet& ps) {
    AdjustViewEdges(ps, ps.vtlZoom, ps.vtlXCentre, ps.vtlYCentre, ps.vtlWidth, ps.vtlHeight,
                    ViewEdges{ps.vtlXMin, ps.vtlXMax, ps.vtlYMin, ps.vtlYMax});
}

void SetAttractorDefaults(ParameterSet& ps) {
    ps.stopFlag = flagOn;
    ps.drawRandom = flagOn;
    ps.invert = 0;
    ps.squareRoot = 0;
    ps.vtlWidth = defaultWidth;
    ps.vtlHeight = defaultHeight;
    ps.vtlRed = ps.vtlGreen = ps.vtlBlue = 1.0;
    ps.formulaIndex = 1;
    ps.vtlFactor1 = 10.0;
    ps.vtlFactor2 = 0.1;
    ps.randomFactor = 2.0;
    ps.mapCount = 2;
    ps.BB = 1.0;
    ps.cRe = 5.0;
    ps.cIm = 5.0;
    ps.colorMix = ps.expansion = ps.modulas = 0;
    ps.varNone = flagOn;
    ps.varLinear = ps.varSinusoidal = ps.varSpherical = ps.varSwirl = 0;
    ps.varHorseshoe = ps.varPolar = ps.varBent = ps.varInversion = 0;
    ps.setLogDensityDefaults();
}

}  // namespace zarvo::attractor
