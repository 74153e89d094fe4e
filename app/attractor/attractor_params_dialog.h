// "Vantrel Parameters": the tool dialog of the attractor view. It holds the
// constants A and B, the start point X, Y, the colour and weight track bars,
// the variation check boxes, the menus of the 75 drawing formulas and of the
// three effects, and the buttons that restart, stop and close.
//
// Live update: a change of any control, while a run is active, starts
// ColorTimer (1000 ms); the tick after the next one without a further change
// takes the dialog's values into the parameter set and restarts the run
// through the view's Timer1. While no run is active, edits stay in the
// dialog: Apply, Draw Random and Reset do not read it.
//
// The "Log Density" group is the exception: its controls take effect at
// once, each on its own value, and the view shows the picture mapped anew
// from the counters (a new oversampling restarts a run in hand).
#pragma once

#include <QPointer>
#include <QTimer>
#include <array>

#include "dialog_values.h"
#include "loaded_value.h"
#include "parameter_set.h"
#include "tool_dialog.h"

class QAction;
class QCheckBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QMenuBar;
class QSlider;
class QSpinBox;
class QToolBar;

namespace zarvo {

class TVantrel;

class Tvtl_params1 : public ToolDialog {
public:
    explicit Tvtl_params1(ParameterSet& ps, QWidget* parent = nullptr);
    ~Tvtl_params1() override;

    // The view whose drawing the commands restart (TVantrel links itself).
    void setView(TVantrel* view) { view_ = view; }
    TVantrel* view() const { return view_; }

    // State to dialog, and dialog to state.
    void Parameters1Update();
    void ApplyParameters();
    // What the controls show, and putting values into them.
    attractor::AttractorDialogValues dialogValues() const;
    void showValues(const attractor::AttractorDialogValues& values);
    // Check marks of the effects and of the formula of formulaIndex.
    void UpdateMenuItems();

    // ---- commands ----
    void ApplyClick();            // "Apply (Start Over)"
    void DrawRandomClick();       // "Draw Random"
    void ResetClick();            // "Reset"
    void StopClick();             // "Stop"
    void CloseClick();            // "Close"
    void DrawClick(int number);   // formula item NN
    void EffectClick(int index);  // "Modulas ", "Expansion", "Color Mix"

    // A control changed (by the user or by the program).
    void ControlChanged();
    // A control of the "Log Density" group changed: its value goes into
    // the parameter set at once.
    void LogDensityChanged();
    void LogDensityTrackChanged(int index);
    void OversampleChanged();
    // A tick of the live-update timer (ColorTimer serves every control).
    void ColorTimerTimer();
    QTimer& colorTimer() { return ColorTimer; }

    // The formula item NN (nullptr where there is none: 56..59) and the
    // three effect items.
    QAction* formulaItem(int number) const;
    QAction* effectItem(int index) const { return effectItems_[static_cast<size_t>(index)]; }

protected:
    void beforeShow() override { UpdateMenuItems(); }
    QPoint homeSpot(const QRect& frame, const QSize& size) const override;

private:
    // The six read-only texts beside the bars and fields.
    void showTexts(const attractor::AttractorDialogValues& values);
    void buildMenus(QMenuBar* bar);
    QToolBar* buildToolBar();
    QDoubleSpinBox* addSpin(QGridLayout* grid, int row, const char* name, const char* caption, double step);
    QSlider* addBar(QGridLayout* grid, int row, const char* name, const char* caption, const char* labelName,
                    const attractor::TrackRange& range, QLabel*& label);
    QCheckBox* addCheck(const char* name, const char* caption);
    QWidget* buildLogDensityGroup();
    void showLogDensity(const attractor::AttractorDialogValues& values);

    ParameterSet& ps_;
    QPointer<TVantrel> view_;
    QTimer ColorTimer;
    int waitCounter_ = 0;

    QDoubleSpinBox* constAA = nullptr;
    QDoubleSpinBox* constBB = nullptr;
    QDoubleSpinBox* parameterX = nullptr;
    QDoubleSpinBox* parameterY = nullptr;
    LoadedValue loadedAA_, loadedBB_, loadedX_, loadedY_;
    QCheckBox* square_root = nullptr;
    QCheckBox* Invert = nullptr;
    // None, Linear, Sinusoidal, Swirl, Bent, Horseshoe, Spherical, Polar, Inversion
    std::array<QCheckBox*, 9> variations_{};
    QSlider* Intensity = nullptr;
    QSlider* RedBar1 = nullptr;
    QSlider* GrnBar1 = nullptr;
    QSlider* BluBar1 = nullptr;
    QSlider* Factor2_bar = nullptr;
    QSlider* Randomizer = nullptr;
    QLabel* Factor1 = nullptr;
    QLabel* RedLabel1 = nullptr;
    QLabel* GrnLabel1 = nullptr;
    QLabel* BluLabel1 = nullptr;
    QLabel* Factor2 = nullptr;
    QLabel* RandomFactor = nullptr;
    QCheckBox* logDensity_ = nullptr;
    std::array<QSlider*, attractor::logDensityTrackCount> logDensityBars_{};
    std::array<QLabel*, attractor::logDensityTrackCount> logDensityLabels_{};
    QSpinBox* oversample_ = nullptr;

    std::array<QAction*, 76> formulaItems_{};  // by number, 1..75
    std::array<QAction*, 3> effectItems_{};
};

}  // namespace zarvo
