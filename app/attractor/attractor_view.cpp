// The attractor view's construction, its state operations, timers and the
// start and end of runs.
#include "attractor_view.h"

#include <QCloseEvent>
#include <QShowEvent>

#include "attractor_params_dialog.h"
#include "attractor_state.h"

namespace zarvo {

namespace {
const char* const kCaption = "Vantrel";
}  // namespace

TVantrel::TVantrel(ParameterSet& ps, Reporter& reporter, QWidget* parent)
    : PictureWindow(parent),
      ps_(ps),
      reporter_(reporter),
      engine_(ps, reporter_),
      pixel_(engine_),
      runLoop_(engine_, this) {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setObjectName(QStringLiteral("Vantrel"));
    setWindowTitle(QString::fromLatin1(kCaption));
    captionStore = windowTitle();
    fileDialogs_ = std::make_unique<AttractorFileDialogs>();
    navPs_ = std::make_unique<ParameterSet>();

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setSingleShot(true);
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Timer2.setObjectName(QStringLiteral("Timer2"));
    Timer2.setInterval(1000);
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });

    runLoop_.ended = [this](AttractorRunLoop::EndReason reason) { runEnded(reason); };
    runLoop_.activityChanged = [this] { emit runningChanged(); };
    runLoop_.beforeSlice = [this] { reporter_.hold(); };
    runLoop_.afterSlice = [this] { reporter_.release(); };
    // A random start shows its new values in the dialog.
    engine_.parametersChanged = [this] {
        if (dialog_) dialog_->Parameters1Update();
    };

    engine_.streams = allCoresStreams;
    showPicture();
    sizeClientArea(ps_.vtlWidth, ps_.vtlHeight);
}

TVantrel::~TVantrel() {
    runLoop_.halt();
    engine_.parametersChanged = nullptr;
    if (dialog_) dialog_->setView(nullptr);
}

void TVantrel::setParametersDialog(Tvtl_params1* dialog) {
    if (dialog_ == dialog) return;
    if (dialog_) dialog_->setView(nullptr);
    dialog_ = dialog;
    if (dialog_) dialog_->setView(this);
}

// ---- opening and state operations ----

void TVantrel::OpenView() {
    if (dialog_) dialog_->hide();
    show();
    initialise(true);
}

void TVantrel::CloseView() {
    engine_.CloseView();
    if (dialog_) dialog_->hide();
    hide();
}

void TVantrel::InitVantrel() { initialise(false); }

void TVantrel::initialise(bool opening) {
    Timer1.stop();
    runLoop_.halt();
    if (busy_) runEnded(AttractorRunLoop::EndReason::Stopped);
    const attractor::AttractorDialogValues values = opening ? engine_.OpenView() : engine_.InitVantrel();
    ClearRectangleClick();
    sizeClientArea(ps_.vtlWidth, ps_.vtlHeight);
    showPicture();
    if (dialog_) dialog_->showValues(values);
}

void TVantrel::ResetCoordinates() {
    attractor::ResetCoordinates(ps_);
    // A rectangle spanned over the old view selects nothing in the new one.
    nav_.ClearRectangle();
    area_->update();
}

void TVantrel::DrawDefaultImage() {
    engine_.DrawDefaultImage();
    showPicture();
}

void TVantrel::CreateTList() {
    engine_.CreateTList();
    showPicture();
}

void TVantrel::StartTimer1() { Timer1.start(); }

void TVantrel::Timer1Timer() {
    Timer1.stop();
    if (dialog_ && dialog_->isVisible()) dialog_->UpdateMenuItems();
    if (isVisible()) UpdateGrafX();
    else if (busy_ && !runLoop_.active()) runEnded(AttractorRunLoop::EndReason::Stopped);
}

void TVantrel::UpdateGrafX() {
    // A fractal window's scan is computing its pixels with the attractor
    // formula right now (the run loop is nested inside it): start after it.
    if (ps_.stopFlag == 0 && !busy_ && !engine_.plotEnabled) {
        Timer1.start();
        return;
    }
    // Coming from idle, the caption to restore is the one shown now; a run
    // that is replaced shows its progress caption instead.
    if (!busy_) captionStore = windowTitle();
    busy_ = true;
    Timer2.start();
    reporter_.hold();
    const std::string fault = runLoop_.start();
    if (!fault.empty()) runEnded(AttractorRunLoop::EndReason::Fault);
    reporter_.release();
}

void TVantrel::Timer2Timer() {
    if (!runLoop_.active() || !isVisible()) return;
    setWindowTitle(QString::fromStdString(engine_.ProgressCaption()));
    composePicture();
}

void TVantrel::runEnded(AttractorRunLoop::EndReason) {
    busy_ = false;
    Timer2.stop();
    setWindowTitle(captionStore);
    composePicture();
}

void TVantrel::StopClick() {
    ps_.stopFlag = flagOn;
    // A start that is still waiting would begin a run right after Stop.
    Timer1.stop();
    runLoop_.halt();
    if (busy_) runEnded(AttractorRunLoop::EndReason::Stopped);
    else composePicture();
}

void TVantrel::ParameterFileLoaded() {
    if (!dialog_) return;
    dialog_->Parameters1Update();
    dialog_->ApplyParameters();
    dialog_->UpdateMenuItems();
}

void TVantrel::MappingChanged() { composePicture(); }

void TVantrel::OversampleChanged() {
    if (runLoop_.active()) StartTimer1();
}

void TVantrel::AllCoresClick() {
    engine_.streams = allCores() ? 1 : allCoresStreams;
    if (runLoop_.active()) StartTimer1();
}

// ---- picture on the screen ----

void TVantrel::showPicture() { area_->setPicture(ToQImage(engine_.picture())); }

void TVantrel::composePicture() {
    engine_.ComposePicture();
    showPicture();
}

void TVantrel::sizeClientArea(int width, int height) {
    resize(clientSizeFor(width, height));
    keepInsideFrame();
}

void TVantrel::keepInsideFrame() {
    if (!isVisible() || !parentWidget()) return;
    const QRect room = parentWidget()->window()->geometry();
    const QRect outer = frameGeometry();
    const QRect inside = KeptInside(outer, room);
    if (inside.size() != outer.size()) resize(size() - (outer.size() - inside.size()));
    if (inside.topLeft() != outer.topLeft()) move(inside.topLeft());
}

void TVantrel::showEvent(QShowEvent* event) {
    // First shown at the left of the main frame, below where the first
    // fractal window opens and clear of the tool dialogs along the right
    // edge; later shows keep wherever the user moved it, as long as that
    // lies within the frame.
    if (!placed_ && parentWidget()) {
        placed_ = true;
        const QRect frame = parentWidget()->window()->geometry();
        move(frame.left() + 16, frame.top() + 250);
    }
    QWidget::showEvent(event);
    keepInsideFrame();
}

void TVantrel::closeEvent(QCloseEvent* event) {
    // Closing the window ends its drawing; the main frame also switches the
    // attractor formula off for the fractal windows.
    if (busy_) StopClick();
    Timer1.stop();
    event->accept();
}

}  // namespace zarvo
