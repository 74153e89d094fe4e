#include "jpeg_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "checked_spin_box.h"
#include "parameter_set.h"

namespace zarvo {

namespace {
constexpr int lowestQuality = 1;
constexpr int highestQuality = 100;
}  // namespace

TJPGUnit::TJPGUnit(ParameterSet& ps, QWidget* parent) : ToolDialog(QStringLiteral("JPEG Parameters"), parent), ps_(ps) {
    setObjectName(QStringLiteral("JPGUnit"));

    auto* qualityLabel = new QLabel(QStringLiteral("JPEG Compression Quality"), this);
    JpegQuality = new CheckedSpinBox(this);
    JpegQuality->setObjectName(QStringLiteral("JpegQuality"));
    JpegQuality->setRange(lowestQuality, highestQuality);
    JpegQuality->setSingleStep(1);
    JpegQuality->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    JpegQuality->setMinimumWidth(80);
    qualityLabel->setBuddy(JpegQuality);
    auto* scaleLabel = new QLabel(QStringLiteral("1 = Low, 100 = High quality"), this);
    scaleLabel->setEnabled(false);  // a hint, drawn in the muted text colour

    ProgressiveBox = new QCheckBox(QStringLiteral("Progressive"), this);
    ProgressiveBox->setObjectName(QStringLiteral("ProgressiveBox"));

    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    connect(OK, &QPushButton::clicked, this, &TJPGUnit::OKClick);

    auto* qualityRow = new QHBoxLayout;
    qualityRow->addWidget(JpegQuality);
    qualityRow->addWidget(scaleLabel);
    qualityRow->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ProgressiveBox);
    buttons->addStretch();
    buttons->addWidget(OK);

    auto* top = new QVBoxLayout(this);
    top->addWidget(qualityLabel);
    top->addLayout(qualityRow);
    top->addSpacing(6);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

void TJPGUnit::loadFields() {
    JpegQuality->setValue(std::clamp<int>(ps_.jpegQuality, lowestQuality, highestQuality));
    ProgressiveBox->setChecked(ps_.jpegProgressive != 0);
}

void TJPGUnit::OKClick() {
    JpegQuality->finishInput();  // a value still being typed counts
    // A typed quality that had to be limited: the dialog stays open once,
    // with the note, so that the user sees what will be taken.
    if (JpegQuality->take()) return;
    ps_.jpegQuality = JpegQuality->value();
    ps_.jpegProgressive = ProgressiveBox->isChecked() ? flagOn : 0;
    hide();
}

QPoint TJPGUnit::homeSpot(const QRect& frame, const QSize& size) const { return alongRightEdge(frame, size, 500); }

}  // namespace zarvo
