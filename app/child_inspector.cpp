// The orbit inspector's side of a fractal window: the pixel under the
// pointer computed again and its orbit drawn over the picture.
#include <cmath>

#include "main_form.h"
#include "mdi_child.h"
#include "picture_area.h"

namespace zarvo {

namespace {
// Orbit points further off the picture than this are drawn at this distance.
constexpr double kFarOff = 1e5;
}  // namespace

void TMDIChild::inspectPixel() { inspectPixel(lastMove_); }

void TMDIChild::inspectPixel(PicturePoint p) {
    TOrbitInspector* inspector = main_.dialogs().inspector;
    if (!inspector || !inspector->isVisible() || !pointerOver_) {
        area_->setOverlay({});
        if (inspector && inspector->isVisible() && main_.activeChild() == this)
            inspector->showNothing(QStringLiteral("Move the pointer over a picture."));
        return;
    }
    QString why;
    const int W = ps_.pictureWidth, H = ps_.pictureHeight;
    if (showsOpenedPicture_ || !(view_.scanXMax > view_.scanXMin))
        why = QStringLiteral("This window shows no fractal yet.");
    else if (ps_.vantrelFormulaMode != 0)
        why = QStringLiteral("The pixels come from the Vantrel formula; close the Vantrel view to see orbits.");
    else if (!view_.plugin.reentrant() || !view_.plugin.hasFormula())
        why = QStringLiteral("The formula plug-in cannot compute a pixel beside a drawing.");
    else if (p.x < 0 || p.y < 0 || p.x >= W || p.y >= H) why = QStringLiteral("The pointer is beside the picture.");
    if (!why.isEmpty()) {
        inspector->showNothing(why);
        area_->setOverlay({});
        return;
    }
    const ScanPlan plan = ScanPlan::Of(ps_, view_.scanXMin, view_.scanYMin, view_.scanXMax, view_.scanYMax);
    const OrbitProbe probe = prober_.probe(plan, view_.plugin.formulaEntry(), p.x, p.y);
    inspector->showProbe(probe, p.x * plan.stepX + plan.xMin, p.y * plan.stepY + plan.yMin);
    if (!inspector->drawsOrbit()) {
        area_->setOverlay({});
        return;
    }
    // From the pixel through the orbit, in picture pixels (a point of the
    // plane is drawn in the middle of the pixel that samples it); the line
    // ends at the first point that is not a number.
    QPolygonF line;
    line << QPointF(p.x + 0.5, p.y + 0.5);
    for (size_t i = 0; i < probe.x.size(); ++i) {
        double re = probe.x[i], im = probe.y[i];
        PlanePoint(ps_.rotateMode, re, im);
        const double x = (re - plan.xMin) / plan.stepX + 0.5, y = (im - plan.yMin) / plan.stepY + 0.5;
        if (!std::isfinite(x) || !std::isfinite(y)) break;
        line << QPointF(std::clamp(x, -kFarOff, kFarOff), std::clamp(y, -kFarOff, kFarOff));
    }
    area_->setOverlay(line);
}

}  // namespace zarvo
