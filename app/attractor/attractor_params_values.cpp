// The parameter dialog's values: controls to plain values and back, and the
// live update that takes an edit into a running picture.
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include "attractor_params_dialog.h"
#include "attractor_view.h"

namespace zarvo {

namespace {

// The variation check boxes in the dialog's order, as fields of the values.
constexpr bool attractor::AttractorDialogValues::*kVariationFields[9] = {
    &attractor::AttractorDialogValues::none,       &attractor::AttractorDialogValues::linear,
    &attractor::AttractorDialogValues::sinusoidal, &attractor::AttractorDialogValues::swirl,
    &attractor::AttractorDialogValues::bent,       &attractor::AttractorDialogValues::horseshoe,
    &attractor::AttractorDialogValues::spherical,  &attractor::AttractorDialogValues::polar,
    &attractor::AttractorDialogValues::inversion};

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

attractor::AttractorDialogValues Tvtl_params1::dialogValues() const {
    attractor::AttractorDialogValues v;
    v.redBar1 = RedBar1->value();
    v.grnBar1 = GrnBar1->value();
    v.bluBar1 = BluBar1->value();
    v.intensity = Intensity->value();
    v.factor2Bar = Factor2_bar->value();
    v.randomizer = Randomizer->value();
    v.redLabel1 = RedLabel1->text().toStdString();
    v.grnLabel1 = GrnLabel1->text().toStdString();
    v.bluLabel1 = BluLabel1->text().toStdString();
    v.factor1 = Factor1->text().toStdString();
    v.factor2 = Factor2->text().toStdString();
    v.randomFactor = RandomFactor->text().toStdString();
    // A field the user has not touched gives back the exact value it was
    // given, not its nine-decimal rounding.
    v.constAA = loadedAA_.take(constAA);
    v.constBB = loadedBB_.take(constBB);
    v.parameterX = loadedX_.take(parameterX);
    v.parameterY = loadedY_.take(parameterY);
    v.squareRoot = square_root->isChecked();
    v.invert = Invert->isChecked();
    for (size_t k = 0; k < variations_.size(); ++k) v.*kVariationFields[k] = variations_[k]->isChecked();
    v.logDensity = logDensity_->isChecked();
    for (size_t k = 0; k < logDensityBars_.size(); ++k) {
        v.logDensityBars[k] = logDensityBars_[k]->value();
        v.logDensityLabels[k] = logDensityLabels_[k]->text().toStdString();
    }
    v.oversample = oversample_->value();
    return v;
}

void Tvtl_params1::showValues(const attractor::AttractorDialogValues& v) {
    // Every value put into a control counts as a change (live update).
    RedBar1->setValue(v.redBar1);
    GrnBar1->setValue(v.grnBar1);
    BluBar1->setValue(v.bluBar1);
    Intensity->setValue(v.intensity);
    Factor2_bar->setValue(v.factor2Bar);
    Randomizer->setValue(v.randomizer);
    showTexts(v);
    loadedAA_.load(constAA, v.constAA);
    loadedBB_.load(constBB, v.constBB);
    loadedX_.load(parameterX, v.parameterX);
    loadedY_.load(parameterY, v.parameterY);
    square_root->setChecked(v.squareRoot);
    Invert->setChecked(v.invert);
    for (size_t k = 0; k < variations_.size(); ++k) variations_[k]->setChecked(v.*kVariationFields[k]);
    showLogDensity(v);
}

void Tvtl_params1::showLogDensity(const attractor::AttractorDialogValues& v) {
    // What the program puts into these controls changes nothing: the state
    // holds the values already, exactly (a track bar would round them).
    const QSignalBlocker blockCheck(logDensity_), blockSpin(oversample_);
    logDensity_->setChecked(v.logDensity);
    oversample_->setValue(v.oversample);
    for (size_t k = 0; k < logDensityBars_.size(); ++k) {
        const QSignalBlocker blockBar(logDensityBars_[k]);
        logDensityBars_[k]->setValue(v.logDensityBars[k]);
        logDensityLabels_[k]->setText(Text(v.logDensityLabels[k]));
    }
}

void Tvtl_params1::showTexts(const attractor::AttractorDialogValues& v) {
    RedLabel1->setText(Text(v.redLabel1));
    GrnLabel1->setText(Text(v.grnLabel1));
    BluLabel1->setText(Text(v.bluLabel1));
    Factor1->setText(Text(v.factor1));
    Factor2->setText(Text(v.factor2));
    RandomFactor->setText(Text(v.randomFactor));
}

void Tvtl_params1::Parameters1Update() { showValues(attractor::Parameters1Update(ps_)); }

void Tvtl_params1::ApplyParameters() {
    attractor::AttractorDialogValues v = dialogValues();
    attractor::ApplyParameters(ps_, v);
    showTexts(v);
}

void Tvtl_params1::ControlChanged() {
    waitCounter_ = 0;
    // Switched on, not restarted: the update comes one to two seconds after
    // the last change.
    if (ps_.stopFlag == 0 && !ColorTimer.isActive()) ColorTimer.start();
}

void Tvtl_params1::LogDensityChanged() {
    ps_.logDensity = logDensity_->isChecked() ? flagOn : 0;
    if (view_) view_->MappingChanged();
}

void Tvtl_params1::LogDensityTrackChanged(int index) {
    const attractor::ScaledTrack& t = attractor::logDensityTracks[index];
    const size_t k = static_cast<size_t>(index);
    ps_.*t.field = attractor::TrackValue(t, logDensityBars_[k]->value());
    logDensityLabels_[k]->setText(Text(attractor::FormatF(ps_.*t.field)));
    if (view_) view_->MappingChanged();
}

void Tvtl_params1::OversampleChanged() {
    ps_.ldOversample = oversample_->value();
    if (view_) view_->OversampleChanged();
}

void Tvtl_params1::ColorTimerTimer() {
    // The run was stopped meanwhile: the edits stay in the dialog, and no
    // run starts again behind the user's Stop.
    if (ps_.stopFlag != 0) {
        ColorTimer.stop();
        waitCounter_ = 0;
        return;
    }
    if (waitCounter_ == 0) {
        waitCounter_ = 1;
        return;
    }
    ColorTimer.stop();
    ApplyParameters();
    if (view_) view_->StartTimer1();
    waitCounter_ = 0;
}

}  // namespace zarvo
