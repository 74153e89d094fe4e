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
    explicit TVantrel(ParameterSet& ps_, QWidget* parent = nullptr)
        : StandInDialog(QStringLiteral("Vantrel"),
                        QStringLiteral("The attractor view's window is not available in this build. While it is "
                                       "open, fractal windows take their pixels from the attractor formula; "
                                       "switch it off with \"Vantrel View\" (AV)."),
                        parent),
          ps(ps_),
          reporter_(this)
#ifdef ZARVO_STANDIN_HAS_ATTRACTOR
          ,
          engine_(ps_, reporter_),
          pixel_(engine_)
#endif
    {
    }

    // Prepares the view when it is opened.
    void InitVantrel() {
#ifdef ZARVO_STANDIN_HAS_ATTRACTOR
        engine_.InitVantrel();
#endif
    }

    // The image-size dialog's command for the view: takes xySizeWidth and
    // xySizeHeight as the view's picture size.
    void TP01Click() {
#ifdef ZARVO_STANDIN_HAS_ATTRACTOR
        engine_.SetPictureSize(ps.xySizeWidth, ps.xySizeHeight);
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
    ParameterSet& ps;
    MessageBoxReporter reporter_;
#ifdef ZARVO_STANDIN_HAS_ATTRACTOR
    vantrel::VantrelEngine engine_;
    vantrel::VtlDrawFormula pixel_;
#endif
};

}  // namespace zarvo
