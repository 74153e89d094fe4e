#include "message_box_reporter.h"

#include <QMessageBox>
#include <QString>

#include "fp_guard.h"

namespace zarvo {

void MessageBoxReporter::message(const std::string& text) {
    messages.push_back(text);
    if (quiet_) return;
    // A message box runs its own event loop: keep the floating-point state
    // of a scan that may be in progress out of its reach.
    FpStateGuard guard;
    QMessageBox::information(parent_, QStringLiteral("zarvo"), QString::fromStdString(text));
}

}  // namespace zarvo
