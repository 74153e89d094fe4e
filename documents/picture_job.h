// A picture of any size drawn and written to its file on a thread of its
// own while the program goes on: the parameters are taken as the text of a
// parameter file, read into a parameter set, view and plug-in binding of
// the job's own (as zarvo-render reads a parameter file), so nothing the
// window computes or shows is touched. The picture carries its parameters
// and the parameter file is written beside it once the picture is complete.
// Progress counts the rows written.
#pragma once

#include <string>

#include "background_job.h"
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

class PictureJob : public BackgroundJob {
public:
    // Starts the job at once.
    explicit PictureJob(const PictureJobRequest& request);
};

}  // namespace zarvo
