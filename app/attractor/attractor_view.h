// The attractor ("Vantrel") view: one tool window of the program, kept on
// top of the main frame, that shows the attractor picture centred (with
// scroll bars when it is larger than the window), runs the drawing loop,
// spans the zoom rectangle with the mouse and saves and loads pictures with
// their .vtl parameter files.
//
// Timers: Timer1 (500 ms, one shot) is the delayed start of a run that every
// restarting command uses; Timer2 (1000 ms) shows the growing picture and
// the "Busy... " caption while a run is active. The run itself advances in
// short slices from the event loop (AttractorRunLoop).
#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>

#include "fractal_view.h"
#include "mouse_navigation.h"
#include "parameter_set.h"
#include "picture_window.h"
#include "reporter.h"
#include "attractor_engine.h"
#include "attractor_file_dialogs.h"
#include "attractor_params_dialog.h"
#include "attractor_run_loop.h"
#include "view_reporter.h"
#include "vtl_draw.h"

namespace zarvo {

class TVantrel : public PictureWindow {
    Q_OBJECT
public:
    // Messages go to `reporter` (held while a slice of a run is computed).
    TVantrel(ParameterSet& ps, Reporter& reporter, QWidget* parent = nullptr);
    ~TVantrel() override;

    // The parameter dialog whose commands drive this view (and which shows
    // the values of a random start). Links both ways.
    void setParametersDialog(Tvtl_params1* dialog);
    Tvtl_params1* parametersDialog() const { return dialog_; }
    void setFileDialogs(std::unique_ptr<AttractorFileDialogs> dialogs) { fileDialogs_ = std::move(dialogs); }

    attractor::AttractorEngine& engine() { return engine_; }
    AttractorRunLoop& runLoop() { return runLoop_; }
    // The per-pixel formula for fractal windows while the view is open.
    PixelFormula* pixelFormula() { return &pixel_; }

    // ---- opening and state operations ----
    // "Vantrel View" switched on: the view shows (its parameter dialog
    // hides), fractal windows take their pixels from the attractor formula
    // and the view starts afresh as InitVantrel does.
    void OpenView();
    // ... and switched off: the run stops, the view and its dialog hide and
    // fractal windows take their pixels from the plug-in again.
    void CloseView();
    // Attractor defaults, 180 x 120 black picture, zero counters, no
    // rectangle, the dialog filled from the state.
    void InitVantrel();
    void ResetCoordinates();
    // Black picture (counters kept), shown at once.
    void DrawDefaultImage();
    // New zero counters (the hit-count grid) and a black picture, shown at
    // once.
    void CreateTList();
    // The delayed start: 500 ms later the run (re)starts.
    void StartTimer1();
    bool timer1Pending() const { return Timer1.isActive(); }
    // Slices of a run are being computed.
    bool running() const { return runLoop_.active(); }
    // A run is shown (progress caption); it may be waiting to be replaced.
    bool busy() const { return busy_; }
    // Starts a run now (Timer1's work), replacing an active one.
    void UpdateGrafX();
    // Stop: the run ends, a pending start is cancelled, the picture shown.
    void StopClick();
    // An escape-time parameter file has set the attractor fields: show them
    // in the dialog, take them over and update the check marks.
    void ParameterFileLoaded();
    // The colour mapping or one of its settings changed: the picture is
    // made anew from the counters and shown.
    void MappingChanged();
    // The hit grid's oversampling changed: a run in hand starts again on
    // a new grid; otherwise the next run makes it.
    void OversampleChanged();
    // The pop-up menu's "Draw on All Cores": runs of many sample streams on
    // every core (on), or the single sequence (off). A run in hand starts
    // again.
    void AllCoresClick();
    bool allCores() const { return engine_.streams > 1; }
    // Sample streams of a run on all cores.
    static constexpr int allCoresStreams = 64;

    // ---- pop-up menu ----
    void ZoomClick();
    void ClearRectangleClick();
    void XYSizeClick() { emit xySizeRequested(); }
    void SaveToFileClick();
    // Tools > Render to File: the picture at another size, of a fixed run,
    // drawn and written in the background by a job of its own while the
    // view goes on.
    void RenderToFileClick();
    void LoadParameterFileClick();
    // New picture size from xySizeWidth, xySizeHeight.
    void TP01Click();
    void PopupMenu(const QPoint& globalPos) override;

    // ---- mouse on the picture, in picture pixels ----
    void Image1MouseDown(PicturePoint p, int shift) override;
    void Image1MouseMove(PicturePoint p) override;
    void Image1MouseUp(PicturePoint p, int shift) override;
    const MouseNavigation& navigation() const { return nav_; }
    const MouseNavigation& pictureNavigation() const override { return nav_; }

    // The caption restored when a run ends.
    QString captionStore;
    // Copies the picture onto the screen.
    void showPicture();
    // Makes the picture from the counters as the mapping asks (the
    // log-density mapping is made here; the level colouring paints as it
    // goes), then shows it.
    void composePicture();

signals:
    // The main frame shows this in its status bar.
    void statusText(const QString& text);
    // "XY Size": the image-size dialog is wanted.
    void xySizeRequested();
    // A run started or ended (running() changed).
    void runningChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // InitVantrel's work; `opening` also switches the attractor formula on.
    void initialise(bool opening);
    void Timer1Timer();
    void Timer2Timer();
    void runEnded(AttractorRunLoop::EndReason reason);
    // The window's client area fits the picture (see clientSizeFor).
    void sizeClientArea(int width, int height);
    // The whole window within the main frame, where the user sees it.
    void keepInsideFrame();
    void syncNavigation();

    ParameterSet& ps_;
    ViewReporter reporter_;
    attractor::AttractorEngine engine_;
    attractor::VtlDrawFormula pixel_;
    AttractorRunLoop runLoop_;
    QPointer<Tvtl_params1> dialog_;
    std::unique_ptr<AttractorFileDialogs> fileDialogs_;
    QTimer Timer1;
    QTimer Timer2;
    MouseNavigation nav_;
    // The navigation reads the picture size from a parameter set and writes
    // the escape-time pending view into it; the view gives it this private
    // one, so the fractal windows' fields stay untouched.
    std::unique_ptr<ParameterSet> navPs_;
    bool placed_ = false;
    bool busy_ = false;
};

}  // namespace zarvo
