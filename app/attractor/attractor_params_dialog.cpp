// The parameter dialog's controls and their layout.
#include "attractor_params_dialog.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include "attractor_view.h"

namespace zarvo {

namespace {

// The spin edits take any value a parameter file or a random start gives;
// these limits only keep the field's width sensible.
constexpr double kSpinLimit = 1e6;
constexpr int kSpinDecimals = 9;

struct VariationBox {
    const char* name;  // the control's name and caption
};
// The order the dialog shows them in.
constexpr VariationBox kVariations[9] = {{"None"},      {"Linear"},    {"Sinusoidal"}, {"Swirl"},    {"Bent"},
                                         {"Horseshoe"}, {"Spherical"}, {"Polar"},      {"Inversion"}};

}  // namespace

Tvtl_params1::Tvtl_params1(ParameterSet& ps, QWidget* parent)
    : ToolDialog(QStringLiteral("Vantrel Parameters"), parent), ps_(ps) {
    setObjectName(QStringLiteral("vtl_params1"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(6);
    auto* bar = new QMenuBar(this);
    buildMenus(bar);
    layout->setMenuBar(bar);
    layout->addWidget(buildToolBar());

    // Constants and start point.
    auto* values = new QGridLayout;
    values->setHorizontalSpacing(8);
    constAA = addSpin(values, 0, "constAA", "A", attractor::constAAStep);
    constBB = addSpin(values, 1, "constBB", "B", attractor::constBBStep);
    parameterX = addSpin(values, 2, "parameterX", "X", attractor::parameterXYStep);
    parameterY = addSpin(values, 3, "parameterY", "Y", attractor::parameterXYStep);
    layout->addLayout(values);

    auto* filters = new QHBoxLayout;
    square_root = addCheck("square_root", "Square Root Filtering");
    Invert = addCheck("Invert", "White");
    filters->addWidget(square_root);
    filters->addWidget(Invert);
    filters->addStretch(1);
    layout->addLayout(filters);

    auto* group = new QGroupBox(QStringLiteral("Variations"), this);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    for (int k = 0; k < 9; ++k) {
        variations_[static_cast<size_t>(k)] = addCheck(kVariations[k].name, kVariations[k].name);
        grid->addWidget(variations_[static_cast<size_t>(k)], k / 3, k % 3);
    }
    layout->addWidget(group);

    auto* bars = new QGridLayout;
    bars->setHorizontalSpacing(8);
    bars->setVerticalSpacing(2);
    Intensity = addBar(bars, 0, "Intensity", "Intensity", "Factor1", attractor::intensityRange, Factor1);
    RedBar1 = addBar(bars, 1, "RedBar1", "Red", "RedLabel1", attractor::tintRange, RedLabel1);
    GrnBar1 = addBar(bars, 2, "GrnBar1", "Green", "GrnLabel1", attractor::tintRange, GrnLabel1);
    BluBar1 = addBar(bars, 3, "BluBar1", "Blue", "BluLabel1", attractor::tintRange, BluLabel1);
    Factor2_bar = addBar(bars, 4, "Factor2_bar", "Scaling", "Factor2", attractor::scalingRange, Factor2);
    Randomizer =
        addBar(bars, 5, "Randomizer", "Random Factor", "RandomFactor", attractor::randomizerRange, RandomFactor);
    layout->addLayout(bars);
    layout->addWidget(buildLogDensityGroup());

    ColorTimer.setObjectName(QStringLiteral("ColorTimer"));
    ColorTimer.setInterval(1000);
    connect(&ColorTimer, &QTimer::timeout, this, [this] { ColorTimerTimer(); });

    // The dialog starts with the state's values (not counted as an edit:
    // nothing runs yet).
    showValues(attractor::Parameters1Update(ps_));
    ColorTimer.stop();
    waitCounter_ = 0;
    UpdateMenuItems();
}

Tvtl_params1::~Tvtl_params1() { ColorTimer.stop(); }

QDoubleSpinBox* Tvtl_params1::addSpin(QGridLayout* grid, int row, const char* name, const char* caption, double step) {
    QDoubleSpinBox* box = makeRealField(this, name, -kSpinLimit, kSpinLimit, step, kSpinDecimals);
    box->setMinimumWidth(170);
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    grid->setColumnStretch(1, 1);
    connect(box, &QDoubleSpinBox::valueChanged, this, [this] { ControlChanged(); });
    return box;
}

QCheckBox* Tvtl_params1::addCheck(const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), this);
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::toggled, this, [this] { ControlChanged(); });
    return box;
}

QSlider* Tvtl_params1::addBar(QGridLayout* grid, int row, const char* name, const char* caption, const char* labelName,
                              const attractor::TrackRange& range, QLabel*& label) {
    auto* bar = new QSlider(Qt::Horizontal, this);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(range.min, range.max);
    bar->setTickPosition(QSlider::TicksBelow);
    bar->setTickInterval(range.tick);
    bar->setPageStep(range.tick);
    bar->setMinimumWidth(160);
    auto* title = new QLabel(QString::fromLatin1(caption), this);
    title->setBuddy(bar);
    label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setMinimumWidth(52);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(title, row, 0);
    grid->addWidget(bar, row, 1);
    grid->addWidget(label, row, 2);
    grid->setColumnStretch(1, 1);
    connect(bar, &QSlider::valueChanged, this, [this] { ControlChanged(); });
    return bar;
}

QWidget* Tvtl_params1::buildLogDensityGroup() {
    auto* group = new QGroupBox(QStringLiteral("Log Density"), this);
    group->setObjectName(QStringLiteral("LogDensityGroup"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    logDensity_ = new QCheckBox(QStringLiteral("Log Density"), group);
    logDensity_->setObjectName(QStringLiteral("logDensity"));
    connect(logDensity_, &QCheckBox::toggled, this, [this] { LogDensityChanged(); });
    grid->addWidget(logDensity_, 0, 0, 1, 3);
    for (int k = 0; k < attractor::logDensityTrackCount; ++k) {
        const attractor::ScaledTrack& t = attractor::logDensityTracks[k];
        QString name = QString::fromLatin1(t.name).remove(QLatin1Char(' '));
        const QByteArray barName = name.toLatin1(), labelName = (name + QStringLiteral("Label")).toLatin1();
        QLabel*& label = logDensityLabels_[static_cast<size_t>(k)];
        QSlider* bar = addBar(grid, k + 1, barName.constData(), t.name, labelName.constData(), t.range, label);
        // Not a live update: the value takes effect at once.
        disconnect(bar, &QSlider::valueChanged, this, nullptr);
        connect(bar, &QSlider::valueChanged, this, [this, k] { LogDensityTrackChanged(k); });
        logDensityBars_[static_cast<size_t>(k)] = bar;
    }
    oversample_ = new QSpinBox(group);
    oversample_->setObjectName(QStringLiteral("Oversampling"));
    oversample_->setRange(attractor::oversampleRange.min, attractor::oversampleRange.max);
    auto* title = new QLabel(QStringLiteral("Oversampling"), group);
    title->setBuddy(oversample_);
    const int row = attractor::logDensityTrackCount + 1;
    grid->addWidget(title, row, 0);
    grid->addWidget(oversample_, row, 1, Qt::AlignLeft);
    connect(oversample_, &QSpinBox::valueChanged, this, [this] { OversampleChanged(); });
    return group;
}

QPoint Tvtl_params1::homeSpot(const QRect& frame, const QSize& size) const {
    // Beside the main frame when the screen has room there (the dialog is
    // tall and would cover the other tool dialogs), else along its right
    // edge.
    constexpr int gap = 8;
    if (const QScreen* s = screen()) {
        const QRect avail = s->availableGeometry();
        if (frame.right() + gap + size.width() <= avail.right()) return {frame.right() + gap, frame.top() + 60};
    }
    return alongRightEdge(frame, size, 60);
}

}  // namespace zarvo
