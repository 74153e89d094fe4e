// Spin fields that never drop what the user types. The toolkit's own fields
// refuse a keystroke that would take them out of their range or past their
// decimals, so "10000" typed into a field that ends at 6999 became "1000"
// without a word. These fields take any number while it is typed; when the
// input is finished (Enter, leaving the field) they show the value they
// hold, limited to their range and rounded to their decimals, and a note at
// the field says why the value differs from what was typed.
#pragma once

#include <QDoubleSpinBox>
#include <QPointer>
#include <QSpinBox>

class QLabel;

namespace zarvo {

// The note both kinds of field show after a correction; empty once the
// field is edited again.
class InputCorrection {
public:
    const QString& note() const { return note_; }
    // True once after a correction: a dialog that closes on a button keeps
    // itself open once so that the note is read.
    bool take() {
        const bool was = pending_;
        pending_ = false;
        return was;
    }

protected:
    // Shows `note` just below `field` for a few seconds.
    void report(QWidget* field, const QString& note);
    // The field is being edited again: the note goes.
    void editedAgain();

private:
    QString note_;
    bool pending_ = false;
    QPointer<QLabel> label_;
};

class CheckedSpinBox : public QSpinBox, public InputCorrection {
public:
    explicit CheckedSpinBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    // Takes what is typed now, as leaving the field does.
    void finishInput() {
        interpretText();
        finished();
    }

private:
    void finished();
    mutable qlonglong typed_ = 0;
    mutable QString typedText_;
    mutable bool haveTyped_ = false;
};

class CheckedDoubleSpinBox : public QDoubleSpinBox, public InputCorrection {
public:
    explicit CheckedDoubleSpinBox(QWidget* parent = nullptr);

    QValidator::State validate(QString& text, int& pos) const override;
    double valueFromText(const QString& text) const override;
    void finishInput() {
        interpretText();
        finished();
    }

private:
    void finished();
    mutable double typed_ = 0;
    mutable QString typedText_;
    mutable bool haveTyped_ = false;
};

}  // namespace zarvo
