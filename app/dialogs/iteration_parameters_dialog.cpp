#include "iteration_parameters_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "parameter_set.h"

namespace zarvo {

namespace {

// "Triangle Inequality" with "Power Factor" standing below it.
QWidget* twoLineLabel(QWidget* parent, const QString& first, const QString& second) {
    auto* box = new QWidget(parent);
    auto* col = new QVBoxLayout(box);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    col->addWidget(new QLabel(first, box));
    auto* below = new QLabel(second, box);
    below->setEnabled(false);  // drawn in the muted text colour
    col->addWidget(below);
    return box;
}

}  // namespace

TParams1::TParams1(ParameterSet& ps, QWidget* parent) : ToolDialog(QStringLiteral("Parameters"), parent), ps_(ps) {
    setObjectName(QStringLiteral("Params1"));

    SpinMaxIteration = new CheckedSpinBox(this);
    SpinMaxIteration->setObjectName(QStringLiteral("SpinMaxIteration"));
    SpinMaxIteration->setRange(0, maxIterationsLimit);
    SpinMaxIteration->setSingleStep(1);
    SpinMaxIteration->setAccelerated(true);
    SpinMaxIteration->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    SpinMaxIteration->setToolTip(
        QStringLiteral("0 to %1: the orbit arrays hold %2 entries, so larger values are cut to %1")
            .arg(maxIterationsLimit)
            .arg(orbitCapacity));

    SpinPower = makeRealField(this, "SpinPower", 1.0, 10000.0, 0.1, 2);
    dFactor4 = makeRealField(this, "dFactor4", 0.0, 10000.0, 0.02, 3);
    dFactor5 = makeRealField(this, "dFactor5", 0.0, 10000.0, 0.02, 3);
    dStrands = makeRealField(this, "dStrands", 0.0, 10000.0, 0.02, 3);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->addRow(QStringLiteral("Max Iterations"), SpinMaxIteration);
    form->addRow(twoLineLabel(this, QStringLiteral("Triangle Inequality"), QStringLiteral("Power Factor")), SpinPower);
    form->addRow(QStringLiteral("Filtering (Factor4)"), dFactor4);
    form->addRow(QStringLiteral("Transform [Factor 5]"), dFactor5);
    form->addRow(QStringLiteral("Strands"), dStrands);
    for (QAbstractSpinBox* box : {static_cast<QAbstractSpinBox*>(SpinMaxIteration),
                                  static_cast<QAbstractSpinBox*>(SpinPower), static_cast<QAbstractSpinBox*>(dFactor4),
                                  static_cast<QAbstractSpinBox*>(dFactor5), static_cast<QAbstractSpinBox*>(dStrands)})
        box->setMinimumWidth(110);

    SpeedButton1 = new QPushButton(QStringLiteral("Apply"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(QStringLiteral("Redraw the active fractal window"));
    SpeedButton1->setDefault(true);  // Enter in a field applies too
    connect(SpeedButton1, &QPushButton::clicked, this, &TParams1::applyRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SpeedButton1);

    auto* top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

void TParams1::loadFields() {
    SpinMaxIteration->setValue(ClampIterationValue(ps_.maxIterations));
    power_.load(SpinPower, ps_.power);
    factor4_.load(dFactor4, ps_.factor4);
    factor5_.load(dFactor5, ps_.factor5);
    strands_.load(dStrands, ps_.strands);
}

void TParams1::takeValues(ParameterSet& ps) const {
    if (!isVisible()) return;
    ps.maxIterations = ClampIterationValue(SpinMaxIteration->value());
    ps.power = power_.take(SpinPower);
    ps.factor4 = factor4_.take(dFactor4);
    ps.factor5 = factor5_.take(dFactor5);
    ps.strands = strands_.take(dStrands);
}

QPoint TParams1::homeSpot(const QRect& frame, const QSize& size) const { return alongRightEdge(frame, size, 100); }

}  // namespace zarvo
