#include "view_reporter.h"

namespace zarvo {

void ViewReporter::message(const std::string& text) {
    if (holding_ > 0) {
        held_.push_back(text);
        return;
    }
    target_.message(text);
}

void ViewReporter::release() {
    if (holding_ > 0) --holding_;
    if (holding_ > 0) return;
    // Messages may arrive while earlier ones are shown (a message box runs
    // its own event loop): take them one at a time.
    while (!held_.empty()) {
        const std::string text = held_.front();
        held_.erase(held_.begin());
        target_.message(text);
    }
}

}  // namespace zarvo
