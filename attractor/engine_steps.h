// Inside the attractor engine: the sink of the single sequence, which
// counts and paints every hit at once, and the helper that runs the
// single sequence's stepper on the parameter set.
#pragma once

#include <algorithm>
#include <limits>

#include "attractor_engine.h"

namespace zarvo::attractor {

struct AttractorEngine::PaintSink {
    AttractorEngine& e;
    std::optional<LevelColourTable> table;  // made at the first hit

    void take(const Hit& h, int px, int py, const StreamState& st) {
        // Counters saturate at the ends of the 32-bit range instead of wrapping.
        int32_t& counter = e.hitCounts[h.pixel];
        counter = static_cast<int32_t>(std::clamp<int64_t>(int64_t{counter} + h.weight,
                                                            std::numeric_limits<int32_t>::min(),
                                                            std::numeric_limits<int32_t>::max()));
        const int32_t level = e.CountToLevel(counter);
        if (!table) table = e.LevelColours();
        const Rgb c = table->at(level, st.colourCycle);
        e.vtlBitmap.set(px, py, c.r, c.g, c.b);
        if (h.cell < e.density.size()) {
            DensityCell& d = e.density[h.cell];
            ++d.hits;
            d.shade += h.shade;
        }
    }
};

template <class F>
void AttractorEngine::Single(F f) {
    main_.AA = ps.AA;
    main_.stepCount = ps.stepCount;
    main_.zRe = ps.zRe;
    main_.zIm = ps.zIm;
    const StepSettings settings = Settings();
    PaintSink sink{*this, std::nullopt};
    Stepper<PaintSink> stepper(settings, main_, sink);
    f(stepper);
    ps.AA = main_.AA;
    ps.stepCount = main_.stepCount;
    ps.zRe = main_.zRe;
    ps.zIm = main_.zIm;
}

}  // namespace zarvo::attractor
