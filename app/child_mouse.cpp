// The picture's mouse events: the navigation decides, the window draws,
// zooms and updates its menus.
#include <QLocale>

#include "main_form.h"
#include "mdi_child.h"
#include "picture_area.h"

namespace zarvo {

void TMDIChild::Image1MouseMove(PicturePoint p) {
    lastMove_ = p;
    nav_.decimalPoint = QLocale().decimalPoint().at(0).toLatin1();
    if (nav_.decimalPoint != ',') nav_.decimalPoint = '.';
    const ScanEdges edges{view_.scanXMin, view_.scanXMax, view_.scanYMin, view_.scanYMax};
    const bool drawing = nav_.buttonDown != 0;
    nav_.MouseMove(ps_, edges, p);
    if (nav_.statusChanged) main_.showStatus(QString::fromStdString(nav_.statusText));
    area_->setCursor(CursorFor(nav_.pointer));
    if (drawing) area_->update();
    if (panning_) dragPicture(p);
    pointerOver_ = true;
    inspectPixel(p);
}

void TMDIChild::Image1MouseLeave() {
    pointerOver_ = false;
    inspectPixel(lastMove_);
}

void TMDIChild::Image1MouseDown(PicturePoint p, int shift) {
    // The Julia constant is the point last shown by a move: make sure a
    // click without a move before it picks the clicked point.
    if (p != lastMove_) Image1MouseMove(p);
    const MouseNavigation::PressResult r = nav_.MouseDown(ps_, p, shift);
    if (r.juliaPicked) ClearRectangle1Click();
    area_->setCursor(CursorFor(nav_.pointer));
}

void TMDIChild::Image1MouseUp(PicturePoint p, int shift) {
    const MouseNavigation::ReleaseResult r = nav_.MouseUp(ps_, p, shift);
    if (!r.handled) return;
    area_->update();
    if (r.zoomNow) Zoom1Click();
    UpdateMenuItems();
}

}  // namespace zarvo
