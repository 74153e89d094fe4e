// The single-instance forms: their creation at start-up, the commands that
// show and hide them, and what their buttons ask of the main frame.
#include <QEvent>
#include <QUrl>

#include "galleries.h"
#include "link_panel.h"
#include "thumbnail_gallery.h"
#include "main_form.h"
#include "mdi_child.h"

namespace zarvo {

void TMainForm::CreateForms() {
    dialogs_.about = new TAboutBox(this);
    dialogs_.xySize = new TXYSize1(ps_, reporter_, this);
    dialogs_.params = new TParams1(ps_, this);
    dialogs_.list = new TListForm(this);
    dialogs_.colors = new TColorForm(ps_, this);
    dialogs_.vantrelParams = new Tvtl_params1(ps_, this);
    dialogs_.vantrel = new TVantrel(ps_, reporter_, this);
    dialogs_.jpeg = new TJPGUnit(ps_, this);
    dialogs_.inspector = new TOrbitInspector(this);
    galleries_ = new Galleries(*this);
    connect(galleries_->methods(), &ThumbnailGallery::picked, this, [this](int method) {
        if (TMDIChild* c = activeChild()) c->RenderClick(method);
    });
    connect(galleries_->blends(), &ThumbnailGallery::picked, this, [this](int choice) {
        if (TMDIChild* c = activeChild()) c->BlendOrderClick(choice / 10, choice % 10);
    });

    connect(dialogs_.list, &TListForm::formulaPicked, this, [this] {
        if (TMDIChild* c = activeChild()) c->Reset1Click();
    });
    dialogs_.vantrel->installEventFilter(this);
    dialogs_.vantrel->setParametersDialog(dialogs_.vantrelParams);
    connect(dialogs_.vantrel, &TVantrel::runningChanged, this, [this] { updateStopDrawing(); });
    connect(dialogs_.vantrel, &TVantrel::statusText, this, [this](const QString& text) { showStatus(text); });
    // "XY Size" of the view's pop-up menu opens the dialog (never hides it).
    connect(dialogs_.vantrel, &TVantrel::xySizeRequested, this, [this] {
        if (!dialogs_.xySize->isVisible()) XYSizeClick();
    });

    connect(dialogs_.about, &TAboutBox::helpRequested, this, [this] { HelpContentsClick(); });
    connect(dialogs_.about->linkPanel(), &LinkPanel::openFailed, this,
            [this](const QUrl& url) { reportNoBrowser(url.toString()); });
    connect(dialogs_.params, &TParams1::applyRequested, this, [this] { ApplyClick(); });
    dialogs_.xySize->vantrelVisible = [this] { return dialogs_.vantrel->isVisible(); };
    connect(dialogs_.xySize, &TXYSize1::applyToFractal, this, [this](int, int) {
        if (TMDIChild* c = activeChild()) c->TP01Click();
    });
    connect(dialogs_.xySize, &TXYSize1::applyToVantrel, this, [this] { dialogs_.vantrel->TP01Click(); });
    const auto inspectAgain = [this] {
        if (TMDIChild* c = activeChild()) c->inspectPixel();
    };
    connect(dialogs_.inspector, &TOrbitInspector::drawOrbitToggled, this, inspectAgain);
    connect(dialogs_.inspector, &TOrbitInspector::closed, this, inspectAgain);
    connect(dialogs_.colors, &TColorForm::liveRecolourRequested, this, [this] {
        if (TMDIChild* c = activeChild()) c->liveRecolour();
    });
    connect(dialogs_.colors, &TColorForm::recolourRequested, this, [this] {
        if (TMDIChild* c = activeChild()) c->ChildApplyColors();
    });
}

PixelFormula* TMainForm::vantrelPixelFormula() { return dialogs_.vantrel ? dialogs_.vantrel->pixelFormula() : nullptr; }

void TMainForm::VantrelViewClick() {
    TVantrel* view = dialogs_.vantrel;
    if (!view) return;
    if (!view->isVisible()) view->OpenView();
    else closeVantrelView();
}

void TMainForm::closeVantrelView() {
    dialogs_.vantrel->CloseView();
    // Pixels come from the plug-in again: its texts replace the attractor's,
    // so a picture saved now names the formula that drew it.
    if (TMDIChild* child = activeChild()) child->view().GetDLLDescriptions();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Closing the attractor view's window is the same as switching it off.
    if (watched == dialogs_.vantrel && event->type() == QEvent::Close && !closing_) closeVantrelView();
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::VantrelParametersClick() {
    if (dialogs_.vantrelParams) dialogs_.vantrelParams->toggle();
}

void TMainForm::ParametersClick() {
    if (dialogs_.params) dialogs_.params->toggle();
}

void TMainForm::XYSizeClick() {
    if (dialogs_.xySize) dialogs_.xySize->toggle();
}

void TMainForm::ColorsClick() {
    if (dialogs_.colors) dialogs_.colors->toggle();
}

void TMainForm::OrbitInspectorClick() {
    if (!dialogs_.inspector) return;
    dialogs_.inspector->toggle();
    if (TMDIChild* c = activeChild()) c->inspectPixel();
}

void TMainForm::MethodGalleryClick() {
    if (!galleries_) return;
    galleries_->methods()->toggle();
    galleries_->refresh(activeChild());
}

void TMainForm::BlendGalleryClick() {
    if (!galleries_) return;
    galleries_->blends()->toggle();
    galleries_->refresh(activeChild());
}

void TMainForm::pictureFinished(TMDIChild* child) {
    if (child != activeChild()) return;
    if (galleries_) galleries_->refresh(child);
    if (dialogs_.colors) dialogs_.colors->setValueRange(child->resultRange());
}

void TMainForm::pictureChanging(TMDIChild* child) {
    if (galleries_ && child == activeChild()) galleries_->outdated();
}

void TMainForm::JpegOptionsClick() {
    if (dialogs_.jpeg && !children().isEmpty()) dialogs_.jpeg->toggle();
}

void TMainForm::HelpAboutItemClick() {
    if (dialogs_.about) dialogs_.about->toggle();
}

void TMainForm::FormulaButtomClick() {
    TMDIChild* c = activeChild();
    TListForm* list = dialogs_.list;
    if (!list) return;
    if (list->isVisible()) {
        list->hide();
        return;
    }
    if (!c) return;
    list->UpdateListView(c->view());
    list->show();
    galleries_->refresh(c);
}

}  // namespace zarvo
