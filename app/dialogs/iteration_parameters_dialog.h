// The iteration parameters dialog: maximum iterations, power, the two
// filter/transform factors and the strand width of the escape-time formulas.
#pragma once

#include "loaded_value.h"
#include "tool_dialog.h"

class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

namespace zarvo {

struct ParameterSet;

class TParams1 : public ToolDialog {
    Q_OBJECT
public:
    explicit TParams1(ParameterSet& ps, QWidget* parent = nullptr);

    // Called at the start of every recomputation of a fractal window: copies
    // the five fields into the set, but only while the dialog is visible, so
    // a hidden dialog has no effect and a shown one wins over values set in
    // any other way.
    void takeValues(ParameterSet& ps) const;

    // Fills the fields from the set (done on every show).
    void loadFields();

signals:
    // "Apply": redraw the active fractal window.
    void applyRequested();

protected:
    QPoint homeSpot(const QRect& frame, const QSize& size) const override;
    void beforeShow() override { loadFields(); }

private:
    ParameterSet& ps_;
    QSpinBox* SpinMaxIteration;
    QDoubleSpinBox* SpinPower;
    QDoubleSpinBox* dFactor4;
    QDoubleSpinBox* dFactor5;
    QDoubleSpinBox* dStrands;
    QPushButton* SpeedButton1;
    LoadedValue power_, factor4_, factor5_, strands_;
};

}  // namespace zarvo
