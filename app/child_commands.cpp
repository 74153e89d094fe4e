// The commands of a fractal window's menus: redraws, recolouring, sizes,
// zoom, Julia mode, saving and loading.
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QThread>
#include <QToolBar>

#include "main_form.h"
#include "mdi_child.h"
#include "picture_area.h"
#include "picture_geometry.h"

#include "parameter_file.h"
#include "picture_save.h"
#include "remembered.h"
#include "render_file_dialog.h"
#include "render_progress.h"
#include "modal_dialog.h"
#include "number_format.h"
#include "picture_job.h"

namespace zarvo {

namespace {
// A parameter file from which not a single value can be read (random
// bytes, a file cut short after its first line) changes nothing at all:
// it is tried on a scratch set first, and the messages of that trial are
// the ones the user sees.
bool HoldsNoValue(const std::string& path, Reporter& reporter) {
    ParameterSet scratch;
    CollectingReporter trialMessages;
    const ParameterFileResult trial = LoadParameters(scratch, path, trialMessages);
    if (!trial.opened || trial.valuesRead > 0) return false;
    std::vector<std::string>& messages = trialMessages.messages;
    if (messages.empty()) messages.push_back("Error reading parameter file");
    for (const std::string& m : messages) reporter.message(m);
    return true;
}

}  // namespace

void TMDIChild::startParam(const QString& path) {
    if (HoldsNoValue(path.toStdString(), main_.reporter())) {
        setWindowTitle(fileNamePart(windowCaption));
        main_.applicationTitle = QString::fromLatin1(programTitle);
        return;
    }
    // Loading parameters into the window asks for a new drawing in it.
    showsOpenedPicture_ = false;
    setPictureSize(defaultWidth, defaultHeight);
    ps_.drawRandom = 0;
    const ParameterFileResult loaded = LoadParameters(ps_, path.toStdString(), main_.reporter());
    if (loaded.ok()) view_.formulaIndexAtScan = ps_.formulaIndex;
    if (loaded.opened) AddRecentParameterFile(path);
    // The attractor view shows and takes over the loaded attractor fields.
    main_.dialogs().vantrel->ParameterFileLoaded();
    if (!loaded.opened) {
        setWindowTitle(fileNamePart(windowCaption));
        main_.applicationTitle = QString::fromLatin1(programTitle);
        return;
    }
    setWindowTitle(QString::fromStdString(loaded.caption));
    main_.applicationTitle = windowTitle();
    view_.InitializeMainDLL();
    main_.applicationTitle = QString::fromLatin1(programTitle);
    main_.setWindowTitle(main_.applicationTitle);
    DialogSet& d = main_.dialogs();
    d.list->hide();
    const bool attractor = ps_.vantrelFormulaMode != 0;
    d.vantrel->setVisible(attractor);
    d.vantrelParams->setVisible(attractor);
    windowCaption = windowTitle();
    UpdateFractal();
}

void TMDIChild::SaveToFile() {
    const QString start = fileNamePart(windowCaption.isEmpty() ? windowTitle() : windowCaption);
    const QString path = main_.fileDialogs().savePicture(this, start);
    if (path.isEmpty()) return;
    const SaveResult saved = zarvo::SaveToFile(ps_, path.toStdString(), main_.reporter());
    if (!saved.error.empty()) main_.reporter().message(saved.error);
    if (saved.parameterFileWritten) AddRecentParameterFile(QString::fromStdString(saved.parameterFilePath));
    if (!saved.caption.empty()) {
        windowCaption = QString::fromStdString(saved.caption);
        if (!scanning()) setWindowTitle(windowCaption);
    }
}

void TMDIChild::RenderToFileClick() {
    // The job draws on a parameter set of its own, with the window's
    // plug-in: only one that may run beside the window's drawing will do.
    QString refusal;
    if (ps_.vantrelFormulaMode != 0)
        refusal = QStringLiteral(
            "The pixels come from the Vantrel formula, which the Vantrel view computes for this window only; "
            "close the Vantrel view to render to a file.");
    else if (!view_.plugin.reentrant() || !view_.plugin.hasFormula())
        refusal = QStringLiteral("The formula plug-in cannot compute pictures beside a drawing.");
    const QString name = fileNamePart(windowCaption.isEmpty() ? windowTitle() : windowCaption);
    const QString start = QDir::current().filePath((name.isEmpty() ? QStringLiteral("zarvo") : name) + ".png");
    RenderFileDialog dialog(QSize(ps_.pictureWidth, ps_.pictureHeight), start, ps_.jpegQuality, refusal,
                            ModalAnchor(this));
    if (ExecOnTop(dialog) != QDialog::Accepted || !refusal.isEmpty()) return;
    const RenderFileChoice choice = dialog.choice();

    PictureJobRequest request;
    request.parameters = ParameterFileText(ps_, LocaleDecimalSeparator());
    request.pluginPath = view_.plugin.path();
    request.width = choice.width;
    request.height = choice.height;
    request.supersample = choice.supersample;
    request.threads = EveryCoreThreads();
    request.file.format = choice.format == RenderFileDialog::Jpeg  ? PictureFormat::Jpeg
                          : choice.format == RenderFileDialog::Bmp ? PictureFormat::Bmp
                                                                   : PictureFormat::Png;
    request.file.quality = choice.quality;
    request.file.progressive = ps_.jpegProgressive != 0;
    request.path = choice.path.toStdString();
    auto* progress = new RenderProgress(std::make_unique<PictureJob>(request), choice.path, QStringLiteral("rows"), &main_);
    progress->ended = [&main = main_](const QString& text) { main.showStatus(text); };
    progress->show();
}

void TMDIChild::Reset1Click() {
    const ScanEdges from = shownEdges();
    ResetCoordinates(ps_);
    showPreview(from);
    UpdateFractal();
}

void TMDIChild::Zoom1Click() {
    const ScanEdges from = shownEdges();
    ApplyPendingView(ps_);
    showPreview(from);
    UpdateFractal();
}

void TMDIChild::ClearRectangle1Click() {
    nav_.ClearRectangle();
    area_->update();
    UpdateMenuItems();
}

void TMDIChild::InverseFormula1Click() {
    ps_.inverseFormula = ps_.inverseFormula == 0 ? 1 : 0;
    UpdateFractal();
}

void TMDIChild::JuliaMode1Click() {
    if (ps_.juliaMode != 0) {
        ps_.juliaMode = 0;
        ps_.juliaConstantSet = 0;
        nav_.rectangleMode = flagOn;
        UpdateMenuItems();
        UpdateFractal();
    } else {
        ps_.juliaMode = 1;
        ps_.juliaConstantSet = 0;
        nav_.rectangleMode = 0;
        ClearRectangle1Click();
        UpdateMenuItems();
        area_->setCursor(Qt::PointingHandCursor);
    }
}

void TMDIChild::RotateClick(int mode) {
    ps_.rotateMode = mode;
    UpdateFractal();
}

void TMDIChild::RenderClick(int method) {
    ps_.renderMethod = method;
    UpdateFractal();
}

void TMDIChild::TransformClick(int mode) {
    ps_.transformMode = mode;
    UpdateFractal();
}

void TMDIChild::BlendClick(int method) {
    ps_.blendMethod = method;
    ChildApplyColors();
}

void TMDIChild::RgbClick(int order) {
    ps_.rgbOrder = order;
    ChildApplyColors();
}

void TMDIChild::BlendOrderClick(int blend, int order) {
    ps_.blendMethod = blend;
    ps_.rgbOrder = order;
    ChildApplyColors();
}

void TMDIChild::ChildApplyColors() {
    // Recolouring paints the stored planes over the window's picture.
    if (!mayReplacePicture()) return;
    DialogSet& d = main_.dialogs();
    if (d.colors && d.colors->isVisible()) d.colors->takeValues(ps_);
    if (view_.planesHoldPicture() && !planesLost_) {
        if (view_.scanRunning == 0) {
            ScanHooks quiet;
            const std::string fault = view_.RecolourFromPlanes(quiet, EveryCoreThreads());
            if (!fault.empty()) main_.reporter().message(fault);
            else historyRecoloured();
        }
        ClearRectangle1Click();
        showWorkBitmap();
    } else {
        UpdateFractal();
    }
    UpdateMenuItems();
}

void TMDIChild::liveRecolour() {
    if (showsOpenedPicture_ || !planesState_ || !view_.planesHoldPicture()) return;
    // The work picture is shared: never while any window draws into it.
    for (TMDIChild* c : main_.children())
        if (c->scanning()) return;
    DialogSet& d = main_.dialogs();
    if (d.colors && d.colors->isVisible()) d.colors->takeValues(ps_);
    ScanHooks quiet;
    // Colouring depends on no thread count: all of them, for speed.
    const std::string fault = view_.RecolourFromPlanes(quiet, std::max(1, QThread::idealThreadCount()));
    if (fault.empty()) showWorkBitmap();
}

ValueRange TMDIChild::resultRange() const {
    if (!planesState_ || !view_.planesHoldPicture()) return ValueRange();
    return ResultRange(view_.resultPlaneA.data(), view_.resultPlaneB.data(), view_.planeHeight(), ps_.pictureWidth,
                       ps_.pictureHeight);
}

void TMDIChild::SizePresetClick(int width, int height) {
    if (!mayReplacePicture()) return;
    ps_.pictureWidth = width;
    ps_.pictureHeight = height;
    DialogSet& d = main_.dialogs();
    if (d.xySize && d.xySize->isVisible()) d.xySize->showSize(width, height);
    TP01Click();
}

void TMDIChild::TP01Click() {
    int width = ps_.pictureWidth;
    int height = ps_.pictureHeight;
    DialogSet& d = main_.dialogs();
    if (d.xySize && d.xySize->isVisible()) {
        width = d.xySize->fieldWidth();
        height = d.xySize->fieldHeight();
    }
    if (!IsPictureSize(width, height)) {
        main_.reporter().message("A picture needs a width and height from 1 to " + std::to_string(largestPictureSide));
        return;
    }
    if (!mayReplacePicture()) return;
    // The picture keeps its centre and magnification: what stays in view
    // shows at its new place until the scan has drawn over it.
    const ScanEdges from = shownEdges();
    ps_.pictureWidth = width;
    ps_.pictureHeight = height;
    sizeClientArea(width, height);
    if (!showPreview(from)) {
        view_.DrawDefaultImage();
        showWorkBitmap();
    }
    UpdateFractal();
}

void TMDIChild::ResizeActiveWindow1Click() {
    QMdiSubWindow* sub = subWindow();
    if (!sub) return;
    QSize room = shownPicture().size();
    if (sub->mdiArea()) room = room.boundedTo(sub->mdiArea()->viewport()->size() - frameAround(*sub));
    sub->showNormal();
    sub->resize(room + frameAround(*sub));
}

void TMDIChild::PopupMenu(const QPoint& globalPos) {
    UpdateMenuItems();
    menus_.popup->popup(globalPos);
}

void TMDIChild::UpdateMenuItems() {
    const bool toolbar = main_.toolBar() && main_.toolBar()->isVisible();
    menus_.update(ps_, nav_.rectangleExists != 0, toolbar);
    menus_.back->setEnabled(history_.canGoBack());
    menus_.forward->setEnabled(history_.canGoForward());
    if (main_.activeChild() == this || main_.activeChild() == nullptr) {
        main_.setJuliaChecked(ps_.juliaMode == 1);
        main_.setZoomEnabled(nav_.rectangleExists != 0);
    }
}

}  // namespace zarvo
