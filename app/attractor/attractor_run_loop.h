// Drives an attractor run from the event loop: a zero-interval timer calls
// the engine for a slice of a few milliseconds at a time, so user input,
// timers and painting are handled between slices and a Stop takes effect
// at the end of the slice in hand. There is one engine and one timer, so
// two runs never advance together; starting again replaces the run.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "attractor_engine.h"

namespace zarvo {

class AttractorRunLoop : public QObject {
public:
    enum class EndReason {
        Stopped,    // stopFlag was set (Stop, a restart command, closing the view)
        TakenOver,  // a fractal window's scan is using the attractor formula
        Fault,      // a floating-point fault ended the run
    };

    AttractorRunLoop(attractor::AttractorEngine& engine, QObject* parent = nullptr);

    // Starts a run (the engine's StartRun) and its slices. Returns the
    // fault that kept it from starting, or empty.
    std::string start();
    // The slices stop at once; the run state is left as it is.
    void halt();
    // Slices are being run.
    bool active() const { return timer_.isActive(); }

    // Called when the run ends by itself (not after halt()).
    std::function<void(EndReason)> ended;
    // Called whenever slices start or stop being run.
    std::function<void()> activityChanged;
    // Called around each slice (the view holds its messages meanwhile).
    std::function<void()> beforeSlice;
    std::function<void()> afterSlice;

    // Length of one slice.
    std::chrono::microseconds slice{std::chrono::milliseconds(12)};

    // Map steps done since the last start (for progress figures).
    int64_t stepsDone = 0;

private:
    void runSlice();
    void finish(EndReason reason);
    // Starts or stops the slice timer, telling activityChanged.
    void setActive(bool on);

    attractor::AttractorEngine& engine_;
    QTimer timer_;
    bool inSlice_ = false;
};

}  // namespace zarvo
