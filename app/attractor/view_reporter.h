// Messages of the attractor view, passed on to the program's reporter.
// While the view holds them (during a slice of the run loop) they are kept
// and delivered when the view lets go, so that a message box never opens in
// the middle of a run step and the view shows its final state before the
// message.
#pragma once

#include <string>
#include <vector>

#include "reporter.h"

namespace zarvo {

class ViewReporter : public Reporter {
public:
    explicit ViewReporter(Reporter& target) : target_(target) {}

    void message(const std::string& text) override;

    void hold() { ++holding_; }
    // Delivers what was kept once the last hold is released.
    void release();
    bool holding() const { return holding_ > 0; }

private:
    Reporter& target_;
    int holding_ = 0;
    std::vector<std::string> held_;
};

}  // namespace zarvo
