// The state zarvo is in right after start-up, when the user could load a
// parameter file: the first fractal window created in its "NEW" mode, which
// also switches the attractor view on.
#pragma once

#include <memory>

#include "fractal_view.h"

namespace zarvo {

// The attractor view as far as escape-time pictures need it: opening it
// (pixels then come from the attractor formula) and taking over the
// attractor values of a loaded parameter file.
class AttractorSide {
public:
    explicit AttractorSide(FractalView& view);
    ~AttractorSide();
    AttractorSide(const AttractorSide&) = delete;
    AttractorSide& operator=(const AttractorSide&) = delete;

    // The "Vantrel View" command opening the view.
    void OpenView();
    // After a parameter file was read: the view shows the loaded values.
    void ParametersLoaded();

private:
    struct Parts;
    FractalView& view_;
    std::unique_ptr<Parts> parts_;
};

// A new window's defaults, the default picture size, a black picture, the
// view reset and the plug-in bound; then the attractor view opened. Returns
// false when the plug-in could not be loaded.
bool StartNewWindow(FractalView& view, AttractorSide& attractor);

}  // namespace zarvo
