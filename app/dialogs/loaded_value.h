// A real spin field shows its value rounded to its decimals and clipped to
// its range. Showing a dialog must not change a value the user never touched
// (a parameter file may hold 0.12345 where the field shows 0.123), so the
// exact value a field was loaded with is kept and given back for as long as
// the field still shows what loading put there.
#pragma once

#include "checked_spin_box.h"

namespace zarvo {

class LoadedValue {
public:
    void load(QDoubleSpinBox* box, double exact) {
        box->setValue(exact);
        exact_ = exact;
        shown_ = box->value();
    }

    double take(const QDoubleSpinBox* box) const {
        const double v = box->value();
        return v == shown_ ? exact_ : v;
    }

private:
    double exact_ = 0.0;
    double shown_ = 0.0;
};

// A real spin field with the given range, step and decimals; typed values
// outside them are shown limited, with a note.
inline QDoubleSpinBox* makeRealField(QWidget* parent, const char* name, double min, double max, double step,
                                     int decimals) {
    auto* box = new CheckedDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(decimals);
    box->setRange(min, max);
    box->setSingleStep(step);
    box->setAccelerated(true);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    return box;
}

}  // namespace zarvo
