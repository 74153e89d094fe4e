// A window as "NEW" leaves it, with plug-in one (as the desktop program
// loads it) computing the pixels instead of the attractor formula.
#pragma once

#include "fractal_view.h"

namespace zarvo {

struct PluginWindow {
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view{ps, quiet};
    bool ready = false;
    PluginWindow() {
        view.pluginFileName = ZARVO_QORL01_PATH;
        ready = view.InitializeMainDLL();
        ps.vantrelFormulaMode = 0;
        ResetCoordinates(ps);
    }
};

}  // namespace zarvo
