// An attractor picture drawn without a view: the state right after the
// attractor view opened, a .vtl file loaded as "Load from parameter file"
// loads it (random set-up off, start point from the file), the picture
// size, then a fixed number of map steps of the drawing loop. zarvo-render
// and Render to File both draw through it, so the same file and run give
// the same picture, byte for byte.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "attractor_engine.h"
#include "parameter_set.h"
#include "reporter.h"
#include "rgb_image.h"
#include "vtl_file.h"

namespace zarvo {

struct AttractorRunSettings {
    int64_t steps = 0;
    std::optional<uint64_t> seed;  // fixes the random generator; none: the clock seeds it
    int streams = 1;               // sample streams sharing the steps
    int threads = 0;               // threads working on them; 0: one per core
};

class AttractorPicture {
public:
    AttractorPicture();

    // "Load from parameter file" of the file (or the text) into the picture's
    // own parameter set; random set-up off afterwards.
    ParameterFileResult load(const ParameterSource& source);
    // False (nothing changed) for a size no picture can have or that does
    // not fit in the memory.
    bool setSize(int width, int height);

    // The steps go in slices of this many: a floating-point fault in a
    // stream ends the run when every stream has taken its share of the
    // slice, so shares of the streams drawn apart end where one run would.
    static constexpr int64_t kStepSlice = int64_t{1} << 20;

    // The seed, streams and threads of a run, as run() takes them.
    void configure(const AttractorRunSettings& run);
    // Runs exactly run.steps map steps unless a fault ends the run or
    // *cancel is set (checked between slices), calling progress with the
    // steps done after each slice, then makes the picture.
    attractor::RunResult run(const AttractorRunSettings& run, const std::function<void(int64_t)>& progress = {},
                             const std::atomic<bool>* cancel = nullptr);
    // The last slice the last run took (0 when it could not start).
    int64_t lastSlice() const { return lastSlice_; }
    // The engine, for work beyond a whole run (shares of the streams and
    // their counters added up).
    attractor::AttractorEngine& engine() { return engine_; }

    // The settings loaded, to be changed before setSize and run.
    ParameterSet& parameters() { return ps_; }
    const RgbImage& picture() const { return engine_.picture(); }
    // The parameter file the picture carries and that goes beside it (with
    // the run when one is given), with the locale's decimal separator.
    std::string parameterText(const VtlRun* run) const;

private:
    ParameterSet ps_;
    CollectingReporter messages_;
    attractor::AttractorEngine engine_;
    int64_t lastSlice_ = -1;
};

}  // namespace zarvo
