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
    // Where the hits go, held in locals while a batch is painted: the
    // picture is written byte by byte, and a byte written through a pointer
    // could be any object to the compiler, so every address kept in an
    // object would be read again after it.
    struct Grids {
        int32_t* counters;
        uint8_t* pixels;
        size_t width;
        int top;
        DensityCell* cells;
        size_t cellCount;
        const Rgb* colours;
        bool mix, squareRoot;
    };
    Grids grids() const {
        RgbImage& picture = e.vtlBitmap;
        return {e.hitCounts.data(), picture.pixels.data(), static_cast<size_t>(picture.width), picture.top,
                e.density.data(), e.density.size(), table.rgb.data(), table.mix, squareRoot};
    }
    // Counts and paints one hit; returns its level.
    static int32_t Paint(const Grids& g, const Hit& h, int px, int py, int64_t colourCycle) {
        // Counters saturate at the ends of the 32-bit range instead of wrapping.
        int32_t& counter = g.counters[h.pixel];
        if (__builtin_add_overflow(counter, h.weight, &counter)) {
            counter = h.weight < 0 ? std::numeric_limits<int32_t>::min() : std::numeric_limits<int32_t>::max();
        }
        const int32_t level = LevelOfCount(counter, g.squareRoot);
        const Rgb c = g.colours[LevelColourTable::Index(g.mix, level, colourCycle)];
        uint8_t* p = g.pixels + (static_cast<size_t>(py - g.top) * g.width + static_cast<size_t>(px)) * 3u;
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
        if (h.cell < g.cellCount) {
            DensityCell& d = g.cells[h.cell];
            ++d.hits;
            d.shade += h.shade;
        }
        return level;
    }
    void take(const Hit& h, int px, int py, int64_t colourCycle) { lastLevel = Paint(grids(), h, px, py, colourCycle); }
    // take() of hits[0 .. n - 1], at px[from[h]], py[from[h]] and colour
    // cycle cycles[from[h]].
    void takeAll(const Hit* hits, const int* from, int n, const int* px, const int* py, const int64_t* cycles) {
        if (n == 0) return;
        const Grids g = grids();
        int32_t level = 0;
        for (int h = 0; h < n; ++h) level = Paint(g, hits[h], px[from[h]], py[from[h]], cycles[from[h]]);
        lastLevel = level;
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
