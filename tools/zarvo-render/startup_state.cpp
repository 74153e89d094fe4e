#include "startup_state.h"

#include "dialog_values.h"
#include "attractor_engine.h"
#include "vtl_draw.h"

namespace zarvo {

struct AttractorSide::Parts {
    explicit Parts(ParameterSet& ps) : engine(ps, quiet), pixel(engine) {}
    SilentReporter quiet;
    attractor::AttractorEngine engine;
    attractor::VtlDrawFormula pixel;
};

AttractorSide::AttractorSide(FractalView& view) : view_(view), parts_(std::make_unique<Parts>(view.ps)) {
    view_.vantrelPixel = &parts_->pixel;
}

void AttractorSide::OpenView() { parts_->engine.OpenView(); }

void AttractorSide::ParametersLoaded() { attractor::Parameters1Update(view_.ps); }

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
