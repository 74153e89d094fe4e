// Messages of the attractor view. They go to the program's reporter when
// one is given, otherwise into a message box of their own. While the view
// holds them (during a slice of the run loop) they are kept and delivered
// when the view lets go, so that a message box never opens in the middle of
// a run step and the view shows its final state before the message.
#pragma once

#include <string>
#include <vector>

#include "reporter.h"

class QWidget;

namespace zarvo {

class ViewReporter : public Reporter {
public:
    ViewReporter(Reporter* target, QWidget* parent) : target_(target), parent_(parent) {}

    void message(const std::string& text) override;

    void hold() { ++holding_; }
    // Delivers what was kept once the last hold is released.
    void release();
    bool holding() const { return holding_ > 0; }

private:
    void deliver(const std::string& text);

    Reporter* target_;
    QWidget* parent_;
    int holding_ = 0;
    std::vector<std::string> held_;
};

}  // namespace zarvo
