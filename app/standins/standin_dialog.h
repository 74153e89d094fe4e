// A placeholder for a tool dialog of the program that is not built yet: a
// small stay-on-top window with the dialog's caption and a short note, shown
// and hidden by the same toggling command as the real dialog.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

namespace zarvo {

class StandInDialog : public QDialog {
public:
    StandInDialog(const QString& caption, const QString& note, QWidget* parent)
        : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
        setWindowTitle(caption);
        setModal(false);
        auto* layout = new QVBoxLayout(this);
        auto* label = new QLabel(note, this);
        label->setWordWrap(true);
        layout->addWidget(label);
        resize(280, 90);
    }
    void toggle() { setVisible(!isVisible()); }
};

}  // namespace zarvo
