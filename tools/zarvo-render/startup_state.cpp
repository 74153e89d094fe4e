#include "startup_state.h"

namespace zarvo {

namespace {

// The attractor view's own start values (its InitVantrel). Kept here until
// the attractor library offers the operation itself.
void InitAttractorState(ParameterSet& ps) {
    ps.stopFlag = flagOn;
    ps.drawRandom = flagOn;
    ps.invert = 0;
    ps.squareRoot = 0;
    ps.vtlZoom = ps.vtlSelZoom = 0.05;
    ps.vtlXMin = ps.vtlYMin = ps.vtlSelXMin = ps.vtlSelYMin = -1.0;
    ps.vtlXMax = ps.vtlYMax = ps.vtlSelXMax = ps.vtlSelYMax = 1.0;
    ps.vtlXCentre = (ps.vtlXMax - ps.vtlXMin) / 2 + ps.vtlXMin;
    ps.vtlYCentre = (ps.vtlYMax - ps.vtlYMin) / 2 + ps.vtlYMin;
    ps.vtlWidth = defaultWidth;
    ps.vtlHeight = defaultHeight;
    ps.vtlRed = ps.vtlGreen = ps.vtlBlue = 1.0;
    ps.formulaIndex = 1;
    ps.vtlFactor1 = 10.0;
    ps.vtlFactor2 = 0.1;
    ps.randomFactor = 2.0;
    ps.mapCount = 2;
    ps.BB = 1.0;
    ps.cRe = ps.cIm = 5.0;
    ps.colorMix = ps.expansion = ps.modulas = 0;
    ps.varNone = flagOn;
    ps.varLinear = ps.varSinusoidal = ps.varSpherical = ps.varSwirl = 0;
    ps.varHorseshoe = ps.varPolar = ps.varBent = ps.varInversion = 0;
}

}  // namespace

void OpenAttractorView(ParameterSet& ps) {
    ps.vantrelFormulaMode = flagOn;
    ps.setFormulaTexts("vantrel formula", "vantrel description");
    InitAttractorState(ps);
}

bool StartNewWindow(FractalView& view) {
    ParameterSet& ps = view.ps;
    FormCreate(ps);
    ps.pictureWidth = defaultWidth;
    ps.pictureHeight = defaultHeight;
    view.DrawDefaultImage();
    ResetCoordinates(ps);
    if (!view.InitializeMainDLL()) return false;
    OpenAttractorView(ps);
    return true;
}

}  // namespace zarvo
