// The mouse on the attractor picture: status text, the zoom rectangle
// (spanned, moved and resized by the fractal windows' navigation), "Zoom
// into rectangle", "Clear Rectangle" and the pop-up menu.
#include <QMenu>
#include <cstdlib>

#include "picture_area.h"
#include "attractor_view.h"
#include "vtl_zoom.h"

namespace zarvo {

void TVantrel::syncNavigation() {
    // The navigation works on the picture's size; the view never picks a
    // Julia constant and is always in rectangle mode.
    navPs_->pictureWidth = ps_.vtlWidth;
    navPs_->pictureHeight = ps_.vtlHeight;
    navPs_->juliaMode = 0;
    navPs_->juliaConstantSet = 0;
    navPs_->zoom = ps_.vtlZoom;
    nav_.rectangleMode = flagOn;
}

void TVantrel::Image1MouseMove(PicturePoint p) {
    const std::string text = attractor::MouseStatusText(ps_, p.x, p.y);
    if (!text.empty()) emit statusText(QString::fromStdString(text));
    syncNavigation();
    const bool drawing = nav_.buttonDown != 0;
    nav_.MouseMove(*navPs_, ScanEdges{}, p);
    area_->setCursor(CursorFor(nav_.pointer));
    if (drawing) area_->update();
}

void TVantrel::Image1MouseDown(PicturePoint p, int shift) {
    if ((shift & shiftLeft) == 0) return;
    syncNavigation();
    nav_.MouseDown(*navPs_, p, shift);
    area_->setCursor(CursorFor(nav_.pointer));
}

void TVantrel::Image1MouseUp(PicturePoint p, int shift) {
    if ((shift & shiftLeft) == 0) return;
    // While a fractal window waits for its Julia constant, a release here
    // applies the pending zoom as it is.
    if (MouseNavigation::JuliaPickState(ps_)) {
        nav_.buttonDown = 0;
        nav_.grabbedCorner = -1;
        ZoomClick();
        return;
    }
    syncNavigation();
    // A release within one pixel of the first corner fixes no second corner.
    if (!nav_.rectangleExists && std::abs(p.x - nav_.cornerA.x) <= 1 && std::abs(p.y - nav_.cornerA.y) <= 1)
        p = nav_.cornerA;
    nav_.MouseUp(*navPs_, p, shift);
    if (nav_.rectangleExists) {
        attractor::PixelRect rect;
        rect.left = nav_.selectionLeft;
        rect.top = nav_.selectionTop;
        rect.width = nav_.selectionWidth;
        rect.height = nav_.selectionHeight;
        attractor::SetPendingZoom(ps_, rect);
    }
    // The picture is drawn again from the off-screen picture, with the
    // reshaped rectangle over it.
    showPicture();
}

void TVantrel::ZoomClick() {
    if (ps_.vtlWidth == 0) return;
    // A rectangle without extent selects no magnification: ignored rather
    // than dividing by zero when the next run fits the view to the picture.
    if (!attractor::ZoomIntoRectangle(ps_)) return;
    Timer2.stop();
    // The run in hand keeps stopFlag off and is replaced 500 ms from now;
    // meanwhile it must not plot the old view into the cleared picture.
    runLoop_.halt();
    nav_.ClearRectangle();
    engine_.DrawDefaultImage();
    engine_.CreateTList();
    showPicture();
    Timer1.start();
}

void TVantrel::ClearRectangleClick() {
    nav_.ClearRectangle();
    area_->setCursor(Qt::CrossCursor);
    showPicture();
}

void TVantrel::PopupMenu(const QPoint& globalPos) {
    QMenu menu(this);
    QAction* zoom = menu.addAction(QStringLiteral("Zoom into rectangle"), this, [this] { ZoomClick(); });
    zoom->setEnabled(nav_.rectangleExists != 0);
    menu.addAction(QStringLiteral("Clear Rectangle"), this, [this] { ClearRectangleClick(); });
    menu.addAction(QStringLiteral("XY Size"), this, [this] { XYSizeClick(); });
    menu.addAction(QStringLiteral("Save to File"), this, [this] { SaveToFileClick(); });
    menu.addAction(QStringLiteral("Load from parameter file"), this, [this] { LoadParameterFileClick(); });
    menu.addSeparator();
    QAction* cores = menu.addAction(QStringLiteral("Draw on All Cores"), this, [this] { AllCoresClick(); });
    cores->setCheckable(true);
    cores->setChecked(allCores());
    menu.exec(globalPos);
}

}  // namespace zarvo
