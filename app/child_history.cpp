// A fractal window's back/forward history: every picture it draws is a
// step; Back and Forward put a step's whole state back and show its picture
// at once when it is still kept, else recolour or draw it.
#include <QTimer>

#include "main_form.h"
#include "mdi_child.h"

namespace zarvo {

void TMDIChild::historyScanStarting() {
    planesState_.reset();
    planesLost_ = false;
    scanState_ = CapturePicture(ps_);
    history_.record(scanState_);
    main_.updateHistoryButtons();
    main_.pictureChanging(this);
}

void TMDIChild::historyPictureFinished() {
    // Only a picture still of the state it was started with: a command
    // handled during the scan may have changed the set on its way.
    const PictureState now = CapturePicture(ps_);
    if (!SamePicture(now, scanState_)) return;
    const int W = ps_.pictureWidth, H = ps_.pictureHeight;
    if (ps_.workBitmap.width != W || ps_.workBitmap.height != H) return;
    auto kept = std::make_shared<CachedPicture>();
    kept->picture = ps_.workBitmap;
    // The planes have the picture's own layout, [column * height + row]; they
    // are kept only while the history has room for them.
    const size_t planeBytes = view_.resultPlaneA.size() * 2 * sizeof(double);
    if (view_.planesHoldPicture() && view_.resultPlaneA.size() == static_cast<size_t>(W) * H) {
        if (history_.hasRoomFor(kept->bytes() + planeBytes)) {
            kept->planeA = view_.resultPlaneA;
            kept->planeB = view_.resultPlaneB;
        }
        planesState_ = now;
    }
    history_.keepPicture(now, std::move(kept));
    main_.pictureFinished(this);
}

void TMDIChild::historyRecoloured() {
    // A recolour draws the planes' picture in other colours: a step of its own.
    if (!planesState_) return;
    scanState_ = CapturePicture(ps_);
    history_.record(scanState_);
    historyPictureFinished();
    main_.updateHistoryButtons();
}

void TMDIChild::BackClick() { stepThroughHistory(-1); }

void TMDIChild::ForwardClick() { stepThroughHistory(+1); }

void TMDIChild::stepThroughHistory(int direction) {
    if (direction < 0 ? !history_.canGoBack() : !history_.canGoForward()) return;
    if (scanning()) {
        // The picture on its way is given up; the step is taken once the
        // scan has left this window.
        ps_.stopFlag = flagOn;
        QTimer::singleShot(10, this, [this, direction] { stepThroughHistory(direction); });
        return;
    }
    if (!mayReplacePicture()) return;
    const PictureState* state = direction < 0 ? history_.back() : history_.forward();
    if (state) showHistoryStep(*state);
    main_.updateHistoryButtons();
}

void TMDIChild::showHistoryStep(const PictureState& state) {
    const ScanEdges from = shownEdges();
    const int shownWidth = ps_.pictureWidth, shownHeight = ps_.pictureHeight;
    RestorePicture(ps_, state);
    // Dialogs that are shown hold values a redraw would take over: they
    // show the step's values instead.
    DialogSet& d = main_.dialogs();
    if (d.params && d.params->isVisible()) d.params->loadFields();
    if (d.colors && d.colors->isVisible()) d.colors->loadFields();
    if (d.xySize && d.xySize->isVisible()) d.xySize->showSize(ps_.pictureWidth, ps_.pictureHeight);
    const int W = ps_.pictureWidth, H = ps_.pictureHeight;
    if (W != shownWidth || H != shownHeight) sizeClientArea(W, H);

    const std::shared_ptr<const CachedPicture> kept = history_.currentPicture();
    if (kept && kept->picture.width == W && kept->picture.height == H) {
        // The picture as its scan left it: picture, planes, view edges.
        ps_.workBitmap = kept->picture;
        view_.fitPlanes();
        planesLost_ = false;
        if (view_.planesHoldPicture() && kept->planeA.size() == static_cast<size_t>(W) * H) {
            view_.resultPlaneA = kept->planeA;
            view_.resultPlaneB = kept->planeB;
            planesState_ = state;
        } else if (!planesState_ || !SameComputation(*planesState_, state)) {
            planesState_.reset();
            planesLost_ = view_.planesHoldPicture();
        }
        AdjustCoords(ps_);
        view_.scanXMin = ps_.xMin;
        view_.scanXMax = ps_.xMax;
        view_.scanYMin = ps_.yMin;
        view_.scanYMax = ps_.yMax;
        view_.stepX = (ps_.xMax - ps_.xMin) / W;
        view_.stepY = (ps_.yMax - ps_.yMin) / H;
        ps_.juliaConstantSet = ps_.juliaMode;
        ClearRectangle1Click();
        showWorkBitmap();
        UpdateMenuItems();
        main_.pictureFinished(this);
        return;
    }
    if (planesState_ && SameComputation(*planesState_, state)) {
        ChildApplyColors();
        return;
    }
    showPreview(from);
    UpdateFractal();
}

}  // namespace zarvo
