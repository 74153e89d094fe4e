// Work on a thread of its own while the program goes on (a picture drawn
// and written to a file): progress and Cancel may be used from any thread,
// the outcome is read once the work has finished. The work is a function
// that owns everything it uses (its own parameters, engine and files), so
// nothing the program shows is touched.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

namespace zarvo {

// How a job that writes a picture and its parameter file ended.
struct JobOutcome {
    bool written = false;    // picture and parameter file are written
    bool cancelled = false;  // nothing was written; an existing file is as it was
    std::string error;       // why nothing (or only the picture) was written
    std::string fault;       // a floating-point fault ended the drawing (the picture is written as far as it got)
    std::string parameterFilePath;
};

class BackgroundJob {
public:
    // The work reports its progress through the job (done() of total) and
    // looks at cancelFlag() often.
    using Work = std::function<JobOutcome(BackgroundJob& job)>;

    // Starts the work at once.
    BackgroundJob(int64_t total, Work work);
    // Cancels the work if it still runs and waits for its thread.
    virtual ~BackgroundJob();
    BackgroundJob(const BackgroundJob&) = delete;
    BackgroundJob& operator=(const BackgroundJob&) = delete;

    void cancel() { cancel_ = true; }
    const std::atomic<bool>* cancelFlag() const { return &cancel_; }

    // Progress: done() of total() units (rows of a picture, map steps).
    void setDone(int64_t done) { done_ = done; }
    int64_t done() const { return done_; }
    int64_t total() const { return total_; }

    bool finished() const { return finished_; }
    // Only once finished() is true.
    const JobOutcome& outcome() const { return outcome_; }

private:
    const int64_t total_;
    Work work_;
    std::atomic<bool> cancel_{false};
    std::atomic<int64_t> done_{0};
    std::atomic<bool> finished_{false};
    JobOutcome outcome_;
    std::thread thread_;  // last: starts once everything above is in place
};

}  // namespace zarvo
