// The colour-mixing dialog: step, start, saturation and offset of the red,
// blue and green palette channels and the intensity, with a delayed live
// recolour of the active fractal window.
#pragma once

#include "loaded_value.h"
#include "palette_strip.h"
#include "tool_dialog.h"

class QDoubleSpinBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QSlider;
class QTimer;

namespace zarvo {

struct ParameterSet;

class TColorForm : public ToolDialog {
    Q_OBJECT
public:
    static constexpr int colorTimerInterval = 500;  // ms

    explicit TColorForm(ParameterSet& ps, QWidget* parent = nullptr);

    // Called at the start of every recolour: copies the thirteen fields into
    // the set, but only while the dialog is visible.
    void takeValues(ParameterSet& ps) const;

    // Fills the fields and track bars from the set (done on every show).
    void loadFields();

    // One tick of ColorTimer. The recolour comes on the second tick after
    // the last change, so 500 to 1000 ms after it; a further change in
    // between postpones it.
    void ColorTimerTimer();

    int changeCounter() const { return changeCounter_; }
    bool colorTimerActive() const;

    // The range of values of the active window's picture, over which the
    // palette strip shows the colours.
    void setValueRange(const ValueRange& range);
    // The strip as it is drawn now, one pixel high.
    QImage paletteStrip() const;

signals:
    // Recolour the active fractal window (it calls takeValues first).
    void recolourRequested();
    // While values change: recolour the active window at once when that
    // needs no drawing. Asked for at most once a frame of the screen; the
    // recolour of ColorTimer still follows.
    void liveRecolourRequested();

protected:
    QPoint homeSpot(const QRect& frame, const QSize& size) const override;
    void beforeShow() override { loadFields(); }
    void afterShow() override;
    void beforeHide() override;

private:
    struct Channel {
        QDoubleSpinBox* step = nullptr;
        QDoubleSpinBox* start = nullptr;
        QDoubleSpinBox* saturate = nullptr;
        QDoubleSpinBox* offset = nullptr;
        QSlider* startBar = nullptr;
        QSlider* saturateBar = nullptr;
        LoadedValue stepValue, startValue, saturateValue, offsetValue;
    };

    QDoubleSpinBox* addField(QGridLayout* grid, int row, const QString& name, double step, int decimals,
                             const QColor& tint);
    QSlider* addBar(QGridLayout* grid, int row, QDoubleSpinBox* field);
    void fieldChanged();
    bool blockFieldSignals(bool block);  // returns the previous state
    void copyFields(FormulaRecord& rec) const;
    void showRange();

    ParameterSet& ps_;
    Channel channels_[3];  // red, blue, green
    QDoubleSpinBox* dFactor3 = nullptr;
    LoadedValue intensity_;
    QTimer* ColorTimer = nullptr;
    int changeCounter_ = 0;
    QTimer* frameTimer_ = nullptr;  // throttles the live recolour
    QLabel* strip_ = nullptr;
    QLabel* low_ = nullptr;
    QLabel* high_ = nullptr;
    ValueRange range_;
};

}  // namespace zarvo
