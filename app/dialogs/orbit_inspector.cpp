#include "orbit_inspector.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "fp_fault.h"
#include "orbit_probe.h"

namespace zarvo {

namespace {

QString Number(double v) { return QString::number(v, 'g', 14); }

}  // namespace

TOrbitInspector::TOrbitInspector(QWidget* parent) : ToolDialog(QStringLiteral("Orbit Inspector"), parent) {
    setObjectName(QStringLiteral("OrbitInspector"));
    drawOrbit_ = new QCheckBox(QStringLiteral("Draw the orbit over the picture"), this);
    drawOrbit_->setObjectName(QStringLiteral("DrawOrbit"));
    drawOrbit_->setChecked(true);
    connect(drawOrbit_, &QCheckBox::toggled, this, &TOrbitInspector::drawOrbitToggled);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto value = [&](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(fixed);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('0')) * 44);
        return label;
    };
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Pixel"), pixel_ = value("Pixel"));
    form->addRow(QStringLiteral("Point"), point_ = value("Point"));
    form->addRow(QStringLiteral("Iterations"), count_ = value("Iterations"));
    form->addRow(QStringLiteral("Result A"), resultA_ = value("ResultA"));
    form->addRow(QStringLiteral("Result B"), resultB_ = value("ResultB"));

    points_ = new QPlainTextEdit(this);
    points_->setObjectName(QStringLiteral("OrbitPoints"));
    points_->setReadOnly(true);
    points_->setFont(fixed);
    points_->setLineWrapMode(QPlainTextEdit::NoWrap);
    points_->setMinimumHeight(QFontMetrics(fixed).lineSpacing() * 12);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(drawOrbit_);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("First orbit points"), this));
    layout->addWidget(points_);
    showNothing(QStringLiteral("Move the pointer over a picture."));
}

bool TOrbitInspector::drawsOrbit() const { return drawOrbit_->isChecked(); }

void TOrbitInspector::showProbe(const OrbitProbe& probe, double re, double im) {
    pixel_->setText(QStringLiteral("%1, %2").arg(probe.column).arg(probe.row));
    point_->setText(Number(re) + QStringLiteral(", ") + Number(im));
    count_->setText(QString::number(probe.count));
    if (probe.faultFlags != 0) {
        const QString fault = QString::fromStdString(FaultDescription(probe.faultFlags));
        resultA_->setText(fault);
        resultB_->setText(fault);
    } else {
        resultA_->setText(Number(probe.resultA));
        resultB_->setText(Number(probe.resultB));
    }
    QString list;
    const int shown = std::min<int>(static_cast<int>(probe.x.size()), listedPoints);
    for (int i = 0; i < shown; ++i)
        list += QStringLiteral("%1: %2, %3\n").arg(i, 4).arg(Number(probe.x[i]), Number(probe.y[i]));
    if (static_cast<int>(probe.x.size()) > shown) list += QStringLiteral("... %1 points in all\n").arg(probe.x.size());
    points_->setPlainText(list);
}

void TOrbitInspector::showNothing(const QString& why) {
    for (QLabel* l : {pixel_, point_, count_, resultA_, resultB_}) l->clear();
    points_->setPlainText(why);
}

void TOrbitInspector::hideEvent(QHideEvent* event) {
    ToolDialog::hideEvent(event);
    emit closed();
}

QPoint TOrbitInspector::homeSpot(const QRect& frame, const QSize& size) const {
    return alongRightEdge(frame, size, 120);
}

}  // namespace zarvo
