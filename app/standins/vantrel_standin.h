// Stand-in for the attractor ("Vantrel") view: a window that only shows
// whether the view is open. While it is open the escape-time windows take
// their pixels from the attractor formula, which this build does not have,
// so they come out plain.
#pragma once

#include "fractal_view.h"
#include "parameter_set.h"
#include "standin_dialog.h"

namespace zarvo {

class TVantrel : public StandInDialog {
public:
    explicit TVantrel(ParameterSet&, QWidget* parent = nullptr)
        : StandInDialog(QStringLiteral("Vantrel"),
                        QStringLiteral("The attractor view is not available in this build. While this window is "
                                       "open, fractal windows take their pixels from the attractor formula and "
                                       "stay plain; switch it off with \"Vantrel View\" (AV)."),
                        parent) {}
    // Prepares the view when it is opened.
    void InitVantrel() {}
    // The per-pixel formula for fractal windows while the view is open.
    PixelFormula* pixelFormula() { return nullptr; }
};

}  // namespace zarvo
