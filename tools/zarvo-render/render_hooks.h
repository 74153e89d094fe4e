// What zarvo-render does while a scan runs: keep the render results for the
// planes file and show a progress line on a terminal.
#pragma once

#include <chrono>

#include "fractal_view.h"
#include "npy_plane_file.h"

namespace zarvo {

class RenderHooks : public ScanHooks {
public:
    // planes may be null; progress is shown only when showProgress is set.
    RenderHooks(const ParameterSet& ps, NpyPlaneFile* planes, bool showProgress);

    void pixelComputed(int column, int row) override;
    void scanFinished(const std::string& fault) override;

private:
    void showProgress(int rowsDone, bool final);

    const ParameterSet& ps_;
    NpyPlaneFile* planes_;
    bool progress_;
    bool progressShown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastShown_;
    int rowsDone_ = 0;
};

}  // namespace zarvo
