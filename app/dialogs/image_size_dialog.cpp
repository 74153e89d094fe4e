#include "image_size_dialog.h"

#include <QFormLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "checked_spin_box.h"
#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {

namespace {

struct SizePreset {
    int width;
    int height;
};
constexpr SizePreset sizePresets[] = {{80, 60}, {180, 120}, {320, 240}, {640, 480}, {800, 600}, {1024, 768}};

// Wide enough to type any size; what can really be applied is checked on Apply.
constexpr int fieldLimit = 999999;

QSpinBox* sizeField(QWidget* parent, const char* name) {
    auto* box = new CheckedSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(-fieldLimit, fieldLimit);
    box->setAccelerated(true);
    box->setMinimumWidth(110);
    box->setToolTip(QStringLiteral("1 to %1 pixels").arg(TXYSize1::maxSize));
    return box;
}

}  // namespace

TXYSize1::TXYSize1(ParameterSet& ps, Reporter& reporter, QWidget* parent)
    : ToolDialog(QStringLiteral("XY Size"), parent), ps_(ps), reporter_(reporter) {
    setObjectName(QStringLiteral("XYSize1"));

    auto* menuBar = new QMenuBar(this);
    QMenu* sizeMenu = menuBar->addMenu(QStringLiteral("Size"));
    sizeMenu->setObjectName(QStringLiteral("SizeMenu"));
    for (const SizePreset& p : sizePresets) {
        QAction* a = sizeMenu->addAction(QStringLiteral("%1 * %2").arg(p.width).arg(p.height));
        connect(a, &QAction::triggered, this, [this, p] { showSize(p.width, p.height); });
    }

    SpinWidth = sizeField(this, "SpinWidth");
    SpinHeight = sizeField(this, "SpinHeight");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Width"), SpinWidth);
    form->addRow(QStringLiteral("Height"), SpinHeight);

    auto* applyMenu = new QMenu(this);
    applyMenu->setObjectName(QStringLiteral("ApplyMenu"));
    QAction* toVantrel = applyMenu->addAction(QStringLiteral("Apply to \"v a n t r e l\" View"));
    toVantrel->setObjectName(QStringLiteral("ApplyVantrel"));
    QAction* toZarvo = applyMenu->addAction(QStringLiteral("Apply to \"z a r v o _\" View"));
    toZarvo->setObjectName(QStringLiteral("ApplyZarvo"));
    connect(toVantrel, &QAction::triggered, this, &TXYSize1::applyToVantrelView);
    connect(toZarvo, &QAction::triggered, this, &TXYSize1::applyToZarvoView);

    ApplyButton = new QToolButton(this);
    ApplyButton->setObjectName(QStringLiteral("ApplyButton"));
    ApplyButton->setText(QStringLiteral("Apply"));
    ApplyButton->setMenu(applyMenu);
    ApplyButton->setPopupMode(QToolButton::InstantPopup);
    ApplyButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ApplyButton->setMinimumWidth(80);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ApplyButton);

    auto* top = new QVBoxLayout(this);
    top->setMenuBar(menuBar);
    top->addLayout(form);
    top->addLayout(buttons);
    top->setSizeConstraint(QLayout::SetFixedSize);
}

int TXYSize1::fieldWidth() const { return SpinWidth->value(); }
int TXYSize1::fieldHeight() const { return SpinHeight->value(); }

void TXYSize1::showSize(int width, int height) {
    SpinWidth->setValue(width);
    SpinHeight->setValue(height);
}

void TXYSize1::loadFields() {
    showSize(ps_.pictureWidth, ps_.pictureHeight);
    ps_.xySizeWidth = ps_.pictureWidth;
    ps_.xySizeHeight = ps_.pictureHeight;
}

bool TXYSize1::checkSize() {
    const int w = fieldWidth();
    const int h = fieldHeight();
    if (isUsableSize(w, h)) return true;
    reporter_.message(QStringLiteral("Picture size %1 * %2 cannot be used: width and height "
                                     "must each lie between %3 and %4 pixels")
                          .arg(w)
                          .arg(h)
                          .arg(minSize)
                          .arg(maxSize)
                          .toStdString());
    return false;
}

void TXYSize1::applyToVantrelView() {
    if (!checkSize()) return;
    ps_.xySizeWidth = fieldWidth();
    ps_.xySizeHeight = fieldHeight();
    if (!vantrelVisible || !vantrelVisible()) {
        reporter_.message("error, Vantrel view is not open");
        return;
    }
    emit applyToVantrel();
}

void TXYSize1::applyToZarvoView() {
    if (!checkSize()) return;
    emit applyToFractal(fieldWidth(), fieldHeight());
}

QPoint TXYSize1::homeSpot(const QRect& frame, const QSize& size) const { return alongRightEdge(frame, size, 330); }

}  // namespace zarvo
