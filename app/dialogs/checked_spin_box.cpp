#include "checked_spin_box.h"

#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace zarvo {

namespace {

// How long a note stays at its field.
constexpr int kNoteMs = 8000;

// The number in a field's text, without its prefix and suffix.
QString Plain(const QString& text, const QString& prefix, const QString& suffix) {
    QString t = text;
    if (!prefix.isEmpty() && t.startsWith(prefix)) t.remove(0, prefix.size());
    if (!suffix.isEmpty() && t.endsWith(suffix)) t.chop(suffix.size());
    return t.trimmed();
}

QString OutsideNote(const QString& typed, const QString& low, const QString& high, const QString& used) {
    return QStringLiteral("%1 lies outside %2 to %3: %4 is used").arg(typed, low, high, used);
}

// A number being typed: a sign alone or nothing yet is not finished.
QValidator::State NumberState(const QString& text, const QRegularExpression& whole) {
    if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+")) return QValidator::Intermediate;
    return whole.match(text).hasMatch() ? QValidator::Acceptable : QValidator::Invalid;
}

}  // namespace

void InputCorrection::report(QWidget* field, const QString& note) {
    note_ = note;
    pending_ = true;
    // A label of its own in the tool-tip layer: the toolkit's tool tip goes
    // at the next key release or focus change, before it can be read.
    if (!label_) {
        label_ = new QLabel(field, Qt::ToolTip | Qt::FramelessWindowHint);
        label_->setForegroundRole(QPalette::ToolTipText);
        label_->setBackgroundRole(QPalette::ToolTipBase);
        label_->setAutoFillBackground(true);
        label_->setFrameStyle(QFrame::Box | QFrame::Plain);
        label_->setMargin(4);
        auto* timer = new QTimer(label_);
        timer->setObjectName(QStringLiteral("NoteTimer"));
        timer->setSingleShot(true);
        timer->setInterval(kNoteMs);
        QObject::connect(timer, &QTimer::timeout, label_, &QWidget::hide);
    }
    label_->setText(note);
    label_->adjustSize();
    QPoint at = field->mapToGlobal(QPoint(0, field->height() + 2));
    if (const QScreen* s = field->screen()) {
        const QRect room = s->availableGeometry();
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() - label_->width())));
    }
    label_->move(at);
    label_->show();
    label_->raise();
    label_->findChild<QTimer*>(QStringLiteral("NoteTimer"))->start();
}

void InputCorrection::editedAgain() {
    note_.clear();
    pending_ = false;
    if (label_) label_->hide();
}

CheckedSpinBox::CheckedSpinBox(QWidget* parent) : QSpinBox(parent) {
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { finished(); });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { editedAgain(); });
}

QValidator::State CheckedSpinBox::validate(QString& text, int&) const {
    static const QRegularExpression whole(QStringLiteral("^[+-]?\\d+$"));
    return NumberState(Plain(text, prefix(), suffix()), whole);
}

int CheckedSpinBox::valueFromText(const QString& text) const {
    const QString digits = Plain(text, prefix(), suffix());
    bool ok = false;
    qlonglong v = digits.toLongLong(&ok);
    // More digits than any count holds: as far out as the sign says.
    if (!ok)
        v = digits.startsWith(QLatin1Char('-')) ? std::numeric_limits<qlonglong>::min()
                                                : std::numeric_limits<qlonglong>::max();
    typed_ = v;
    typedText_ = digits;
    haveTyped_ = true;
    return static_cast<int>(std::clamp<qlonglong>(v, minimum(), maximum()));
}

void CheckedSpinBox::finished() {
    if (!haveTyped_) return;
    haveTyped_ = false;
    if (typed_ == value()) return;
    report(this,
           OutsideNote(typedText_, QString::number(minimum()), QString::number(maximum()), QString::number(value())));
}

CheckedDoubleSpinBox::CheckedDoubleSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { finished(); });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { editedAgain(); });
}

QValidator::State CheckedDoubleSpinBox::validate(QString& text, int&) const {
    const QString point = QRegularExpression::escape(locale().decimalPoint());
    const QRegularExpression whole(QStringLiteral("^[+-]?(\\d+(%1|\\.)?\\d*|(%1|\\.)\\d+)$").arg(point));
    return NumberState(Plain(text, prefix(), suffix()), whole);
}

double CheckedDoubleSpinBox::valueFromText(const QString& text) const {
    QString number = Plain(text, prefix(), suffix());
    number.replace(locale().decimalPoint(), QStringLiteral("."));
    bool ok = false;
    double v = QLocale::c().toDouble(number, &ok);
    if (!ok) v = 0.0;
    typed_ = v;
    typedText_ = Plain(text, prefix(), suffix());
    haveTyped_ = true;
    const double inRange = std::clamp(v, minimum(), maximum());
    // The value the field shows is the value it holds.
    return QLocale::c().toDouble(QString::number(inRange, 'f', decimals()));
}

void CheckedDoubleSpinBox::finished() {
    if (!haveTyped_) return;
    haveTyped_ = false;
    if (typed_ == value()) return;
    if (typed_ < minimum() || typed_ > maximum()) {
        report(this,
               OutsideNote(typedText_, textFromValue(minimum()), textFromValue(maximum()), textFromValue(value())));
    } else {
        report(this, QStringLiteral("%1 has more than %2 decimals: %3 is used")
                         .arg(typedText_)
                         .arg(decimals())
                         .arg(textFromValue(value())));
    }
}

}  // namespace zarvo
