// Inside the attractor engine: the sink of the single sequence, which
// counts and paints every hit at once, and the helper that runs the
// single sequence's stepper on the parameter set.
#pragma once

#include <algorithm>
#include <limits>

#include "attractor_engine.h"

namespace zarvo::attractor {

struct AttractorEngine::PaintSink {
    static constexpr bool kTakesPoints = false;  // weighs and paints every point at once
    explicit PaintSink(AttractorEngine& engine)
        : e(engine), squareRoot(engine.ps.squareRoot != 0), table(engine.CurrentLevelColours()) {}

    AttractorEngine& e;
    const bool squareRoot;
    const LevelColourTable& table;
    std::optional<int32_t> lastLevel;       // the level of the last hit, for the parameter set

    void prefetch(const Hit& h, int px, int py) const {
        __builtin_prefetch(&e.hitCounts[h.pixel], 1);
        __builtin_prefetch(e.vtlBitmap.at(px, py), 1);
        if (h.cell < e.density.size()) __builtin_prefetch(&e.density[h.cell], 1);
    }
    void take(const Hit& h, int px, int py, int64_t colourCycle) {
        // Counters saturate at the ends of the 32-bit range instead of wrapping.
        int32_t& counter = e.hitCounts[h.pixel];
        if (__builtin_add_overflow(counter, h.weight, &counter)) {
            counter = h.weight < 0 ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
        }
        const int32_t level = LevelOfCount(counter, squareRoot);
        lastLevel = level;
        const Rgb c = table.at(level, colourCycle);
        e.vtlBitmap.set(px, py, c.r, c.g, c.b);
        if (h.cell < e.density.size()) {
            DensityCell& d = e.density[h.cell];
            ++d.hits;
            d.shade += h.shade;
        }
    }
};

template <class F>
void AttractorEngine::WithSingleSequence(F f) {
    main_.AA = ps.AA;
    main_.stepCount = ps.stepCount;
    main_.zRe = ps.zRe;
    main_.zIm = ps.zIm;
    const StepSettings settings = Settings();
    PaintSink sink(*this);
    f(settings, sink);
    if (sink.lastLevel) ps.lastLevel = *sink.lastLevel;
    ps.AA = main_.AA;
    ps.stepCount = main_.stepCount;
    ps.zRe = main_.zRe;
    ps.zIm = main_.zIm;
}

template <class F>
void AttractorEngine::Single(F f) {
    WithSingleSequence([&](const StepSettings& settings, PaintSink& sink) {
        Stepper<PaintSink> stepper(settings, main_, sink);
        f(stepper);
    });
}

}  // namespace zarvo::attractor
