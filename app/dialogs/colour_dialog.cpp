#include "colour_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include "parameter_set.h"

namespace zarvo {

namespace {

// The three channels in the order the colour set keeps them: red, blue, green.
struct ChannelInfo {
    const char* prefix;  // of the field names: RedStep, BluStep, GrnStep, ...
    QColor tint;
    double FormulaRecord::*step;
    double FormulaRecord::*start;
    double FormulaRecord::*saturate;
    double FormulaRecord::*offset;
};

const ChannelInfo channelInfo[3] = {
    {"Red", QColor(0xa0, 0x10, 0x10), &FormulaRecord::redStep, &FormulaRecord::redStart, &FormulaRecord::redSaturate,
     &FormulaRecord::redOffset},
    {"Blu", QColor(0x10, 0x30, 0xb0), &FormulaRecord::blueStep, &FormulaRecord::blueStart, &FormulaRecord::blueSaturate,
     &FormulaRecord::blueOffset},
    {"Grn", QColor(0x10, 0x80, 0x10), &FormulaRecord::greenStep, &FormulaRecord::greenStart,
     &FormulaRecord::greenSaturate, &FormulaRecord::greenOffset},
};

constexpr double channelMax = 255.0;

QGridLayout* groupGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    return grid;
}

}  // namespace

TColorForm::TColorForm(ParameterSet& ps, QWidget* parent)
    : ToolDialog(QStringLiteral("Color Mixing"), parent), ps_(ps) {
    setObjectName(QStringLiteral("ColorForm"));

    auto* steps = new QGroupBox(QStringLiteral("Steps"), this);
    auto* start = new QGroupBox(QStringLiteral("Start"), this);
    auto* saturation = new QGroupBox(QStringLiteral("Saturation"), this);
    auto* offset = new QGroupBox(QStringLiteral("Offset"), this);
    QGridLayout* stepsGrid = groupGrid(steps);
    QGridLayout* startGrid = groupGrid(start);
    QGridLayout* saturationGrid = groupGrid(saturation);
    QGridLayout* offsetGrid = groupGrid(offset);

    for (int k = 0; k < 3; ++k) {
        const ChannelInfo& info = channelInfo[k];
        const QString p = QString::fromLatin1(info.prefix);
        Channel& ch = channels_[k];
        ch.step = addField(stepsGrid, k, p + QStringLiteral("Step"), 0.02, 2, info.tint);
        ch.start = addField(startGrid, k, p + QStringLiteral("Start"), 1.0, 2, info.tint);
        ch.startBar = addBar(startGrid, k, ch.start);
        ch.saturate = addField(saturationGrid, k, p + QStringLiteral("Saturate"), 10.0, 3, info.tint);
        ch.saturateBar = addBar(saturationGrid, k, ch.saturate);
        ch.offset = addField(offsetGrid, k, p + QStringLiteral("Offset"), 10.0, 3, info.tint);
    }

    dFactor3 = makeRealField(this, "dFactor3", 0.0, 10000.0, 0.01, 3);
    dFactor3->setMinimumWidth(100);
    connect(dFactor3, &QDoubleSpinBox::valueChanged, this, &TColorForm::fieldChanged);
    auto* intensityLabel = new QLabel(QStringLiteral("Intensity"), this);
    intensityLabel->setBuddy(dFactor3);
    auto* intensityRow = new QHBoxLayout;
    intensityRow->setContentsMargins(10, 4, 0, 0);
    intensityRow->addWidget(intensityLabel);
    intensityRow->addWidget(dFactor3);
    intensityRow->addStretch();

    auto* grid = new QGridLayout;
    grid->addWidget(steps, 0, 0);
    grid->addWidget(start, 0, 1);
    grid->addWidget(offset, 1, 0);
    grid->addWidget(saturation, 1, 1);

    // The palette over the picture's values, with the two ends' values.
    strip_ = new QLabel(this);
    strip_->setObjectName(QStringLiteral("PaletteStrip"));
    strip_->setFixedHeight(18);
    strip_->setScaledContents(true);
    strip_->setFrameShape(QFrame::Box);
    low_ = new QLabel(this);
    high_ = new QLabel(this);
    auto* ends = new QHBoxLayout;
    ends->addWidget(low_);
    ends->addStretch();
    ends->addWidget(high_);
    auto* paletteBox = new QVBoxLayout;
    paletteBox->setContentsMargins(10, 6, 10, 0);
    paletteBox->setSpacing(2);
    paletteBox->addWidget(strip_);
    paletteBox->addLayout(ends);

    auto* top = new QVBoxLayout(this);
    top->addLayout(grid);
    top->addLayout(intensityRow);
    top->addLayout(paletteBox);
    top->setSizeConstraint(QLayout::SetFixedSize);

    ColorTimer = new QTimer(this);
    ColorTimer->setObjectName(QStringLiteral("ColorTimer"));
    ColorTimer->setInterval(colorTimerInterval);
    connect(ColorTimer, &QTimer::timeout, this, &TColorForm::ColorTimerTimer);

    frameTimer_ = new QTimer(this);
    frameTimer_->setSingleShot(true);
    connect(frameTimer_, &QTimer::timeout, this, &TColorForm::liveRecolourRequested);
    showRange();
}

QDoubleSpinBox* TColorForm::addField(QGridLayout* grid, int row, const QString& name, double step, int decimals,
                                     const QColor& tint) {
    auto* label = new QLabel(name, this);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, tint);
    label->setPalette(pal);
    QDoubleSpinBox* field = makeRealField(this, name.toLatin1().constData(), 0.0, channelMax, step, decimals);
    field->setMinimumWidth(90);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    connect(field, &QDoubleSpinBox::valueChanged, this, &TColorForm::fieldChanged);
    return field;
}

QSlider* TColorForm::addBar(QGridLayout* grid, int row, QDoubleSpinBox* field) {
    auto* bar = new QSlider(Qt::Horizontal, this);
    bar->setObjectName(field->objectName() + QStringLiteral("Bar"));
    bar->setRange(0, static_cast<int>(channelMax));
    bar->setPageStep(16);
    bar->setMinimumWidth(128);
    grid->addWidget(bar, row, 2);
    // The bar sets its field (which counts as a change); the field moves its
    // bar without the bar writing back the rounded value.
    connect(bar, &QSlider::valueChanged, field, [field](int v) { field->setValue(v); });
    connect(field, &QDoubleSpinBox::valueChanged, bar, [bar](double v) {
        const QSignalBlocker quiet(bar);
        bar->setValue(qRound(v));
    });
    return bar;
}

void TColorForm::loadFields() {
    // Loading is no change of the user's: no signals while the fields fill.
    const bool wasBlocked = blockFieldSignals(true);
    for (int k = 0; k < 3; ++k) {
        const ChannelInfo& info = channelInfo[k];
        Channel& ch = channels_[k];
        ch.stepValue.load(ch.step, ps_.*info.step);
        ch.startValue.load(ch.start, ps_.*info.start);
        ch.saturateValue.load(ch.saturate, ps_.*info.saturate);
        ch.offsetValue.load(ch.offset, ps_.*info.offset);
        ch.startBar->setValue(qRound(ch.start->value()));
        ch.saturateBar->setValue(qRound(ch.saturate->value()));
    }
    intensity_.load(dFactor3, ps_.intensity);
    blockFieldSignals(wasBlocked);
    strip_->setPixmap(QPixmap::fromImage(paletteStrip()));
}

bool TColorForm::blockFieldSignals(bool block) {
    bool was = dFactor3->signalsBlocked();
    for (QAbstractSpinBox* box : findChildren<QAbstractSpinBox*>()) box->blockSignals(block);
    for (QSlider* bar : findChildren<QSlider*>()) bar->blockSignals(block);
    return was;
}

void TColorForm::copyFields(FormulaRecord& ps) const {
    for (int k = 0; k < 3; ++k) {
        const ChannelInfo& info = channelInfo[k];
        const Channel& ch = channels_[k];
        ps.*info.step = ch.stepValue.take(ch.step);
        ps.*info.start = ch.startValue.take(ch.start);
        ps.*info.saturate = ch.saturateValue.take(ch.saturate);
        ps.*info.offset = ch.offsetValue.take(ch.offset);
    }
    ps.intensity = intensity_.take(dFactor3);
}

void TColorForm::takeValues(ParameterSet& ps) const {
    if (isVisible()) copyFields(ps);
}

void TColorForm::fieldChanged() {
    strip_->setPixmap(QPixmap::fromImage(paletteStrip()));
    if (!frameTimer_->isActive()) {
        const double rate = screen() && screen()->refreshRate() > 0 ? screen()->refreshRate() : 60.0;
        frameTimer_->start(std::max(1, static_cast<int>(1000.0 / rate)));
    }
    changeCounter_ = 0;
    // Switching the timer on does not restart a running timer: the recolour
    // keeps its half-second rhythm while values are being dragged.
    if (!ColorTimer->isActive()) ColorTimer->start();
}

void TColorForm::ColorTimerTimer() {
    if (changeCounter_ == 0) {
        changeCounter_ = 1;
        return;
    }
    // Stop and reset before recolouring: a recolour that has to compute the
    // picture again processes events, and a change made meanwhile starts the
    // timer anew.
    ColorTimer->stop();
    changeCounter_ = 0;
    emit recolourRequested();
}

bool TColorForm::colorTimerActive() const { return ColorTimer->isActive(); }

void TColorForm::setValueRange(const ValueRange& range) {
    range_ = range;
    showRange();
}

void TColorForm::showRange() {
    if (range_.known) {
        low_->setText(QString::number(range_.low, 'g', 6));
        high_->setText(QString::number(range_.high, 'g', 6));
    } else {
        low_->setText(QStringLiteral("0"));
        high_->setText(QStringLiteral("1 (the picture's values are not kept)"));
    }
    strip_->setPixmap(QPixmap::fromImage(paletteStrip()));
}

QImage TColorForm::paletteStrip() const {
    // The colours with the values the fields hold now.
    FormulaRecord rec = ps_;
    copyFields(rec);
    const RgbImage strip = PaletteStrip(rec, range_, 256);
    return QImage(strip.pixels.data(), strip.width, 1, strip.width * 3, QImage::Format_RGB888).copy();
}

void TColorForm::afterShow() {
    // Opening the dialog recolours once, about a second later.
    changeCounter_ = 0;
    ColorTimer->start();
}

void TColorForm::beforeHide() {
    // A change still waiting for its recolour is not lost by closing the
    // dialog: its values go into the set and the recolour happens now.
    if (!ColorTimer->isActive()) return;
    ColorTimer->stop();
    changeCounter_ = 0;
    copyFields(ps_);
    emit recolourRequested();
}

QPoint TColorForm::homeSpot(const QRect& frame, const QSize& size) const {
    // Bottom left, where it covers least of the pictures.
    return {frame.left() + 16, frame.bottom() - size.height() - 40};
}

}  // namespace zarvo
