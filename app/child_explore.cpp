// Moving a fractal window's view with the wheel and the middle button, and
// the preview that bridges a move: the part of the old picture that stays
// in view, scaled, shown at once; the scan then draws over it row by row.
#include <cmath>

#include "main_form.h"
#include "mdi_child.h"
#include "picture_area.h"
#include "view_moves.h"

namespace zarvo {

namespace {
constexpr int kWheelNotch = 120;  // the wheel's turn for one step
}

ScanEdges TMDIChild::EdgesOf(const ViewCentre& view) const {
    // As the scan computes them from the view and the picture size.
    const ViewGeometry g = ViewGeometryOf(view.zoom, view.xCentre, view.yCentre, ps_.pictureWidth, ps_.pictureHeight);
    return ScanEdges{g.xMin, g.xMax, g.yMin, g.yMax};
}

ScanEdges TMDIChild::shownEdges() const {
    return ScanEdges{view_.scanXMin, view_.scanXMax, view_.scanYMin, view_.scanYMax};
}

bool TMDIChild::showPreview(const ScanEdges& from) {
    // Only over a fractal this window drew, and only where the scan writes
    // every pixel (an unknown channel order writes none).
    const RgbImage shown = FromQImage(area_->picture());
    if (showsOpenedPicture_ || !(from.xMax > from.xMin) || !(from.yMax > from.yMin) || shown.width <= 0 ||
        ChannelOrder(ps_.rgbOrder) == nullptr)
        return false;
    const ScanEdges to = EdgesOf(ViewCentre{ps_.xCentre, ps_.yCentre, ps_.zoom});
    ps_.workBitmap = PreviewPicture(shown, from, to, ps_.pictureWidth, ps_.pictureHeight);
    showWorkBitmap();
    return true;
}

void TMDIChild::moveView(const ViewCentre& to) {
    const ScanEdges from = shownEdges();
    SetView(ps_, to);
    showPreview(from);
    UpdateFractal();
}

bool TMDIChild::Image1Wheel(PicturePoint p, int delta, Qt::KeyboardModifiers modifiers) {
    // Ctrl+wheel always zooms; the plain wheel while there is nothing to
    // scroll.
    if (!(modifiers & Qt::ControlModifier) && !wholePictureVisible()) return false;
    if (showsOpenedPicture_) return false;
    wheelTurn_ += delta;
    const int notches = wheelTurn_ / kWheelNotch;
    wheelTurn_ -= notches * kWheelNotch;
    if (notches == 0) return true;
    p.x = std::clamp(p.x, 0, std::max(ps_.pictureWidth - 1, 0));
    p.y = std::clamp(p.y, 0, std::max(ps_.pictureHeight - 1, 0));
    moveView(ZoomAboutPixel(ps_, shownEdges(), p, std::ldexp(1.0, notches)));
    return true;
}

void TMDIChild::Image1OtherButton(Qt::MouseButton button, PicturePoint p, bool pressed) {
    if (button == Qt::BackButton || button == Qt::ForwardButton) {
        if (pressed) button == Qt::BackButton ? BackClick() : ForwardClick();
        return;
    }
    if (button != Qt::MiddleButton || showsOpenedPicture_) return;
    if (pressed) {
        panFrom_ = p;
        panPicture_ = FromQImage(area_->picture());
        panning_ = true;
        area_->setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (!panning_) return;
    panning_ = false;
    area_->setPicture(ToQImage(panPicture_));
    area_->setCursor(CursorFor(nav_.pointer));
    const int dx = p.x - panFrom_.x, dy = p.y - panFrom_.y;
    if (dx == 0 && dy == 0) return;
    moveView(DraggedView(ps_, shownEdges(), dx, dy));
}

void TMDIChild::dragPicture(PicturePoint p) {
    // The picture follows the pointer until the button is let go, the
    // strips it uncovers filled as the preview fills them.
    const ScanEdges from = shownEdges();
    const ScanEdges to = EdgesOf(DraggedView(ps_, from, p.x - panFrom_.x, p.y - panFrom_.y));
    area_->setPicture(ToQImage(PreviewPicture(panPicture_, from, to, panPicture_.width, panPicture_.height)));
    area_->setCursor(Qt::ClosedHandCursor);
}

}  // namespace zarvo
