#include "message_box_reporter.h"

#include <QMessageBox>
#include <QString>

#include "modal_dialog.h"

namespace zarvo {

void MessageBoxReporter::message(const std::string& text) {
    messages.push_back(text);
    if (quiet_) return;
    // Everything the program reports is something that went wrong or was
    // corrected: a warning, never a mere information.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("zarvo"), QString::fromStdString(text), QMessageBox::Ok,
                    ModalAnchor(parent_));
    ExecOnTop(box);
}

bool MessageBoxReporter::ask(const std::string& question) {
    questions.push_back(question);
    if (quiet_) return answer;
    QMessageBox box(QMessageBox::Question, QStringLiteral("zarvo"), QString::fromStdString(question),
                    QMessageBox::Yes | QMessageBox::No, ModalAnchor(parent_));
    box.setDefaultButton(QMessageBox::No);
    return ExecOnTop(box) == QMessageBox::Yes;
}

}  // namespace zarvo
