#include "attractor_picture.h"

#include <algorithm>

#include "attractor_state.h"
#include "dialog_values.h"
#include "number_format.h"

namespace zarvo {

AttractorPicture::AttractorPicture() : engine_(ps_, messages_) { engine_.OpenView(); }

ParameterFileResult AttractorPicture::load(const ParameterSource& source) {
    engine_.DrawDefaultImage();
    engine_.CreateTList();
    const ParameterFileResult loaded =
        source.text ? LoadVtlText(ps_, *source.text, messages_) : LoadParameterFile(ps_, source.path, messages_);
    attractor::Parameters1Update(ps_);
    ps_.drawRandom = 0;
    return loaded;
}

bool AttractorPicture::setSize(int width, int height) { return engine_.SetPictureSize(width, height); }

void AttractorPicture::configure(const AttractorRunSettings& run) {
    if (run.seed) {
        engine_.fixedSeed = *run.seed;
        engine_.random.seed(*run.seed);
    }
    engine_.streams = run.streams;
    engine_.threads = run.threads;
}

attractor::RunResult AttractorPicture::run(const AttractorRunSettings& run,
                                           const std::function<void(int64_t)>& progress,
                                           const std::atomic<bool>* cancel) {
    configure(run);
    attractor::RunResult total;
    lastSlice_ = 0;
    total.fault = engine_.StartRun();
    if (!total.fault.empty()) {
        total.faultStream = engine_.streamFirst;
    } else {
        for (int64_t first = 0; first < run.steps && !(cancel && *cancel); first += kStepSlice) {
            const attractor::RunResult part = engine_.RunSteps(std::min(kStepSlice, run.steps - first));
            lastSlice_ = first / kStepSlice;
            total.steps += part.steps;
            total.fault = part.fault;
            total.faultStream = part.faultStream;
            total.running = part.running;
            if (progress) progress(total.steps);
            if (!part.fault.empty() || !part.running) break;
        }
    }
    engine_.ComposePicture();
    return total;
}

std::string AttractorPicture::parameterText(const VtlRun* run) const {
    return VtlFileText(ps_, LocaleDecimalSeparator(), run);
}

}  // namespace zarvo
