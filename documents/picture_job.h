// A picture of any size drawn and written to its file on a thread of its
// own while the program goes on: the parameters are taken as the text of a
// parameter file, read into a parameter set, view and plug-in binding of
// the job's own (as zarvo-render reads a parameter file), so nothing the
// window computes or shows is touched. The picture carries its parameters
// and the parameter file is written beside it once the picture is complete.
// Progress and Cancel may be used from any thread.
#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "picture_writer.h"

namespace zarvo {

struct PictureJobRequest {
    std::string parameters;  // the text of a parameter file (ParameterFileText)
    std::string pluginPath;  // the formula plug-in: re-entrant, as it is shared with the window
    int width = 0;
    int height = 0;
    int supersample = 1;
    int threads = 1;
    PictureFileOptions file;  // format and JPEG settings; the parameters are filled in
    std::string path;         // the picture; the parameter file goes beside it
};

struct PictureJobOutcome {
    bool written = false;    // picture and parameter file are written
    bool cancelled = false;  // nothing was written; an existing file is as it was
    std::string error;       // why nothing (or only the picture) was written
    std::string fault;       // a floating-point fault ended the scan (the picture is written as far as it got)
    std::string parameterFilePath;
};

class PictureJob {
public:
    // Starts the job at once.
    explicit PictureJob(PictureJobRequest request);
    // Cancels the job if it still runs and waits for its thread.
    ~PictureJob();
    PictureJob(const PictureJob&) = delete;
    PictureJob& operator=(const PictureJob&) = delete;

    void cancel() { cancel_ = true; }
    // Rows of the picture written so far, of height().
    int rowsWritten() const { return rows_; }
    int height() const { return request_.height; }
    bool finished() const { return finished_; }
    // Only once finished() is true.
    const PictureJobOutcome& outcome() const { return outcome_; }

private:
    void run();

    const PictureJobRequest request_;
    std::atomic<bool> cancel_{false};
    std::atomic<int> rows_{0};
    std::atomic<bool> finished_{false};
    PictureJobOutcome outcome_;
    std::thread thread_;
};

}  // namespace zarvo
