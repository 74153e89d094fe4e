#include "attractor_run_loop.h"

#include "vector_state.h"

namespace zarvo {

AttractorRunLoop::AttractorRunLoop(attractor::AttractorEngine& engine, QObject* parent)
    : QObject(parent), engine_(engine) {
    timer_.setObjectName(QStringLiteral("RunSlices"));
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { runSlice(); });
}

std::string AttractorRunLoop::start() {
    stepsDone = 0;
    const std::string fault = engine_.StartRun();
    if (!fault.empty()) {
        setActive(false);
        return fault;
    }
    setActive(true);
    return std::string();
}

void AttractorRunLoop::halt() { setActive(false); }

void AttractorRunLoop::setActive(bool on) {
    const bool was = timer_.isActive();
    if (on) timer_.start();
    else timer_.stop();
    if (was != on && activityChanged) activityChanged();
}

void AttractorRunLoop::runSlice() {
    // A message box opened from a slice runs a nested event loop that may
    // fire this timer again: never step inside a step.
    if (inSlice_) return;
    if (engine_.ps.stopFlag != 0) {
        finish(EndReason::Stopped);
        return;
    }
    // A fractal window computing its pixels with the attractor formula has
    // reset the engine's working state for its own use: this run cannot go
    // on, and the shared stop flag now belongs to that scan.
    if (!engine_.plotEnabled) {
        finish(EndReason::TakenOver);
        return;
    }
    inSlice_ = true;
    if (beforeSlice) beforeSlice();
    ClearUpperVectorState();
    const attractor::RunResult r = engine_.RunFor(slice);
    stepsDone += r.steps;
    inSlice_ = false;
    if (!r.fault.empty()) finish(EndReason::Fault);
    else if (!r.running) finish(EndReason::Stopped);
    if (afterSlice) afterSlice();
}

void AttractorRunLoop::finish(EndReason reason) {
    setActive(false);
    if (ended) ended(reason);
}

}  // namespace zarvo
