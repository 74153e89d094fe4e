#include "vantrel_state.h"

namespace zarvo::vantrel {

void ResetCoordinates(ParameterSet& ps) {
    ps.vtlZoom = 0.05;
    ps.vtlSelZoom = 0.05;
    ps.vtlXMin = ps.vtlYMin = ps.vtlSelXMin = ps.vtlSelYMin = -1.0;
    ps.vtlXMax = ps.vtlYMax = ps.vtlSelXMax = ps.vtlSelYMax = 1.0;
    ps.vtlXCentre = (ps.vtlXMax - ps.vtlXMin) / 2 + ps.vtlXMin;
    ps.vtlYCentre = (ps.vtlYMax - ps.vtlYMin) / 2 + ps.vtlYMin;
}

void AdjustCoords(ParameterSet& ps) {
    ps.halfWidth = 2 / ps.vtlZoom;
    ps.halfHeight = 2 / ps.vtlZoom;
    ps.vtlXMax = ps.vtlXCentre + ps.halfWidth;
    ps.vtlXMin = ps.vtlXCentre - ps.halfWidth;
    ps.vtlYMax = ps.vtlYCentre + ps.halfHeight;
    ps.vtlYMin = ps.vtlYCentre - ps.halfHeight;

    const double w = ps.vtlWidth;
    const double h = ps.vtlHeight;
    ps.aspectX = w / h;
    ps.aspectY = h / w;
    ps.aspectX = (1 - ps.aspectX) / 2 + ps.aspectX;
    ps.aspectY = (1 - ps.aspectY) / 2 + ps.aspectY;

    const double dX = ps.halfWidth * ps.aspectX - ps.halfWidth;
    ps.vtlXMax += dX;
    ps.vtlXMin -= dX;
    const double dY = ps.halfWidth * ps.aspectY - ps.halfHeight;
    ps.vtlYMax += dY;
    ps.vtlYMin -= dY;
}

void SetVantrelDefaults(ParameterSet& ps) {
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
}

}  // namespace zarvo::vantrel
