// An attractor picture rendered to a file in the background: the .vtl text
// of the view, read into a parameter set and engine of the job's own, run
// for a fixed number of steps on every core and written (carrying its .vtl,
// which records the run) through the safe writer, with the .vtl beside it.
// The view's own run is never touched. The picture equals what
//   zarvo-render --attractor THAT.vtl -s WxH -o PICTURE
// draws from the .vtl written beside it. Progress counts map steps.
#pragma once

#include <string>

#include "background_job.h"
#include "picture_writer.h"
#include "vtl_file.h"

namespace zarvo {

struct AttractorJobRequest {
    std::string parameters;  // the text of a .vtl file (VtlFileText)
    int oversample = 0;      // the hit grid's oversampling (1..4) in place of the file's; 0: the file's
    int width = 0;
    int height = 0;
    VtlRun run;
    int threads = 0;          // 0: one per core
    PictureFileOptions file;  // format and JPEG settings; the parameters are filled in
    std::string path;         // the picture; the .vtl goes beside it
};

class AttractorJob : public BackgroundJob {
public:
    // Starts the job at once.
    explicit AttractorJob(const AttractorJobRequest& request);
};

}  // namespace zarvo
