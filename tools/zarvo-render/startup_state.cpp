#include "startup_state.h"

#ifdef ZARVO_HAVE_ATTRACTOR
#include "dialog_values.h"
#include "vantrel_engine.h"
#include "vtl_draw.h"
#endif

namespace zarvo {

#ifdef ZARVO_HAVE_ATTRACTOR

struct AttractorSide::Parts {
    explicit Parts(ParameterSet& ps) : engine(ps, quiet), pixel(engine) {}
    SilentReporter quiet;
    vantrel::VantrelEngine engine;
    vantrel::VtlDrawFormula pixel;
};

AttractorSide::AttractorSide(FractalView& view) : view_(view), parts_(std::make_unique<Parts>(view.ps)) {
    view_.vantrelPixel = &parts_->pixel;
}

void AttractorSide::OpenView() { parts_->engine.OpenView(); }

void AttractorSide::ParametersLoaded() { vantrel::Parameters1Update(view_.ps); }

#else

// Without the attractor library: the fields the view's opening sets, and no
// per-pixel attractor formula (such pixels stay empty).
struct AttractorSide::Parts {};

AttractorSide::AttractorSide(FractalView& view) : view_(view) {}

void AttractorSide::OpenView() {
    ParameterSet& ps = view_.ps;
    ps.vantrelFormulaMode = flagOn;
    ps.setFormulaTexts("vantrel formula", "vantrel description");
    ps.stopFlag = ps.drawRandom = flagOn;
    ps.invert = ps.squareRoot = 0;
    ps.vtlZoom = ps.vtlSelZoom = 0.05;
    ps.vtlXMin = ps.vtlYMin = ps.vtlSelXMin = ps.vtlSelYMin = -1.0;
    ps.vtlXMax = ps.vtlYMax = ps.vtlSelXMax = ps.vtlSelYMax = 1.0;
    ps.vtlXCentre = ps.vtlYCentre = 0.0;
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

void AttractorSide::ParametersLoaded() { view_.ps.AAStart = view_.ps.AA; }

#endif

AttractorSide::~AttractorSide() {
    if (view_.vantrelPixel && parts_) view_.vantrelPixel = nullptr;
}

bool StartNewWindow(FractalView& view, AttractorSide& attractor) {
    ParameterSet& ps = view.ps;
    FormCreate(ps);
    ps.pictureWidth = defaultWidth;
    ps.pictureHeight = defaultHeight;
    view.DrawDefaultImage();
    ResetCoordinates(ps);
    if (!view.InitializeMainDLL()) return false;
    attractor.OpenView();
    return true;
}

}  // namespace zarvo
