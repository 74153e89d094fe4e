#include "view_reporter.h"

#include <QMessageBox>
#include <QString>
#include <cfenv>

namespace zarvo {

void ViewReporter::message(const std::string& text) {
    if (holding_ > 0) {
        held_.push_back(text);
        return;
    }
    deliver(text);
}

void ViewReporter::release() {
    if (holding_ > 0) --holding_;
    if (holding_ > 0) return;
    // Messages may arrive while earlier ones are shown (a message box runs
    // its own event loop): take them one at a time.
    while (!held_.empty()) {
        const std::string text = held_.front();
        held_.erase(held_.begin());
        deliver(text);
    }
}

void ViewReporter::deliver(const std::string& text) {
    if (target_) {
        target_->message(text);
        return;
    }
    // The message box runs toolkit code: whatever it does to the sticky
    // floating-point flags must not reach a run or scan in progress.
    std::fexcept_t saved;
    std::fegetexceptflag(&saved, FE_ALL_EXCEPT);
    QMessageBox::information(parent_, QStringLiteral("zarvo"), QString::fromStdString(text));
    std::fesetexceptflag(&saved, FE_ALL_EXCEPT);
}

}  // namespace zarvo
