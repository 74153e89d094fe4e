// Stand-in for the attractor ("Vantrel") view window: it only shows that
// the view is open. While it is open the escape-time windows take their
// pixels from the attractor formula (when the attractor library is built).
#pragma once

#include "fractal_view.h"
#include "message_box_reporter.h"
#include "parameter_set.h"
#include "standin_dialog.h"

#if __has_include("vtl_draw.h")
#include "vtl_draw.h"
#define ZARVO_STANDIN_HAS_ATTRACTOR 1
#endif

namespace zarvo {

class TVantrel : public StandInDialog {
public:
    explicit TVantrel(ParameterSet& ps, QWidget* parent = nullptr)
        : StandInDialog(QStringLiteral("Vantrel"),
                        QStringLiteral("The attractor view's window is not available in this build. While it is "
                                       "open, fractal windows take their pixels from the attractor formula; "
                                       "switch it off with \"Vantrel View\" (AV)."),
                        parent),
          reporter_(this)
#ifdef ZARVO_STANDIN_HAS_ATTRACTOR
          ,
          engine_(ps, reporter_),
          pixel_(engine_)
#endif
    {
        (void)ps;
    }

    // Prepares the view when it is opened.
    void InitVantrel() {
#ifdef ZARVO_STANDIN_HAS_ATTRACTOR
        engine_.InitVantrel();
#endif
    }

    // The per-pixel formula for fractal windows while the view is open.
    PixelFormula* pixelFormula() {
#ifdef ZARVO_STANDIN_HAS_ATTRACTOR
        return &pixel_;
#else
        return nullptr;
#endif
    }

private:
    MessageBoxReporter reporter_;
#ifdef ZARVO_STANDIN_HAS_ATTRACTOR
    vantrel::VantrelEngine engine_;
    vantrel::VtlDrawFormula pixel_;
#endif
};

}  // namespace zarvo
