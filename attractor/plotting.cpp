// From a map point to coloured pixels: the chain of variations and the
// plots of the single sequence (stream_step.h), the colour of a hit count,
// and the pictures made from the counters afterwards.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "engine_steps.h"
#include "formula_math.h"

namespace zarvo::attractor {

using namespace fm;

namespace {

uint8_t Channel(int64_t v) { return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255)); }

}  // namespace

void AttractorEngine::ApplyVariations() {
    Single([](auto& s) { s.ApplyVariations(); });
}

bool AttractorEngine::PointToPixel(double x, double y, int& px, int& py) {
    bool inside = false;
    Single([&](auto& s) { inside = s.PointToPixel(x, y, px, py); });
    return inside;
}

void AttractorEngine::PlotPoint(double x, double y) {
    Single([&](auto& s) { s.PlotPoint(x, y); });
}

int32_t AttractorEngine::CountToLevel(int32_t count) {
    ps.lastLevel = LevelOfCount(count, ps.squareRoot != 0);
    return ps.lastLevel;
}

Rgb AttractorEngine::LevelToColour(int32_t level) const { return LevelToColour(level, colourCycle); }

Rgb AttractorEngine::LevelToColour(int32_t level, int64_t cycle) const {
    const int64_t v = std::min<int64_t>(level, 768);
    const int64_t r0 = v < 256 ? v : 255;
    const int64_t g0 = v < 256 ? 0 : (v < 512 ? v - 256 : 255);
    const int64_t b0 = v < 512 ? 0 : std::min<int64_t>(v - 512, 255);
    const int64_t grey = RoundEven(LD(r0 + g0 + b0) * 0.33L);
    uint8_t r = Channel(RoundWithin(ps.vtlRed, -1000, 1000) + grey);
    uint8_t g = Channel(RoundWithin(ps.vtlGreen, -1000, 1000) + grey);
    uint8_t b = Channel(RoundWithin(ps.vtlBlue, -1000, 1000) + grey);
    if (ps.colorMix != 0) {
        const int64_t k = cycle % 3;
        if (k == 1) {
            const uint8_t r1 = r;
            r = g;
            g = b;
            b = r1;
        } else if (k == 2) {
            std::swap(r, g);
        }
    }
    if (ps.invert != 0) {
        r = static_cast<uint8_t>(255 - r);
        g = static_cast<uint8_t>(255 - g);
        b = static_cast<uint8_t>(255 - b);
    }
    return {r, g, b};
}

LevelColourTable AttractorEngine::LevelColours() const {
    LevelColourTable t;
    t.mix = ps.colorMix != 0;
    t.rgb.resize(3 * LevelColourTable::kLevels);
    for (int k = 0; k < 3; ++k) {
        for (int level = 0; level < LevelColourTable::kLevels; ++level) {
            t.rgb[static_cast<size_t>(k * LevelColourTable::kLevels + level)] = LevelToColour(level, k);
        }
    }
    return t;
}

namespace {

// a + b, kept within the 64-bit range.
void AddSaturating(int64_t& sum, int64_t add) {
    if (__builtin_add_overflow(sum, add, &sum))
        sum = add < 0 ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
}

int32_t CounterOfSum(int64_t sum) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

const LevelColourTable& AttractorEngine::CurrentLevelColours() {
    const std::array<double, 5> from{ps.vtlRed, ps.vtlGreen, ps.vtlBlue, static_cast<double>(ps.colorMix),
                                     static_cast<double>(ps.invert)};
    // Compared bit for bit, so that a NaN tint (from a file) matches itself.
    if (!levelColoursMade_ || std::memcmp(from.data(), levelColoursMadeFrom_.data(), sizeof from) != 0) {
        levelColours_ = LevelColours();
        levelColoursMadeFrom_ = from;
        levelColoursMade_ = true;
    }
    return levelColours_;
}

void AttractorEngine::PaintMerged(uint32_t pixel, int64_t sum, uint64_t stamp, bool squareRoot) {
    constexpr uint64_t kCycle = (uint64_t{1} << kStampCycleBits) - 1;
    const int32_t counter = CounterOfSum(sum);
    hitCounts[pixel] = counter;
    const Rgb c = levelColours_.at(LevelOfCount(counter, squareRoot), static_cast<int64_t>(stamp & kCycle));
    uint8_t* p = vtlBitmap.pixels.data() + size_t{pixel} * 3;
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
}

void AttractorEngine::merge(const HitRecord* records, size_t count) {
    // The grids are large and the pixels random: the memory of a record a
    // few ahead is asked for while this one is added.
    constexpr size_t kAhead = 16;
    for (size_t i = 0; i < count; ++i) {
        if (i + kAhead < count) {
            const HitRecord& a = records[i + kAhead];
            __builtin_prefetch(&levelSums_[a.pixel], 1);
            __builtin_prefetch(&stamps_[a.pixel], 1);
            if (a.cell < density.size()) __builtin_prefetch(&density[a.cell], 1);
        }
        const HitRecord& r = records[i];
        AddSaturating(levelSums_[r.pixel], r.weight);
        uint64_t& stamp = stamps_[r.pixel];
        stamp = std::max(stamp, r.stamp);
        // A pixel's colour depends on its final sum and stamp alone: it is
        // painted once, after the streams.
        if (unpainted_[r.pixel] == 0) {
            unpainted_[r.pixel] = 1;
            toPaint_.push_back(r.pixel);
        }
        if (r.cell < density.size()) {
            DensityCell& d = density[r.cell];
            ++d.hits;
            d.shade += r.shade;
        }
    }
}

void AttractorEngine::PaintChanged() {
    const bool squareRoot = ps.squareRoot != 0;
    for (const uint32_t pixel : toPaint_) {
        PaintMerged(pixel, levelSums_[pixel], stamps_[pixel], squareRoot);
        unpainted_[pixel] = 0;
    }
    toPaint_.clear();
}

void AttractorEngine::AddCounterSums(size_t first, const int64_t* sums, size_t n) {
    for (size_t i = 0; i < n && first + i < levelSums_.size(); ++i) AddSaturating(levelSums_[first + i], sums[i]);
}

void AttractorEngine::AddHitStamps(size_t first, const uint64_t* stamps, size_t n) {
    for (size_t i = 0; i < n && first + i < stamps_.size(); ++i) stamps_[first + i] = std::max(stamps_[first + i], stamps[i]);
}

void AttractorEngine::AddDensity(size_t first, const DensityCell* cells, size_t n) {
    for (size_t i = 0; i < n && first + i < density.size(); ++i) {
        density[first + i].hits += cells[i].hits;
        density[first + i].shade += cells[i].shade;
    }
}

void AttractorEngine::PaintAddedCounts() {
    CurrentLevelColours();
    const bool squareRoot = ps.squareRoot != 0;
    for (size_t i = 0; i < stamps_.size(); ++i) {
        if (stamps_[i] != 0) PaintMerged(static_cast<uint32_t>(i), levelSums_[i], stamps_[i], squareRoot);
    }
}

void AttractorEngine::ComposePicture() {
    if (ps.logDensity == 0) return;
    if (densityBitmap.width != gridWidth || densityBitmap.height != gridHeight) densityBitmap.reset(gridWidth, gridHeight);
    if (density.empty()) return;  // no grid at this size: a background picture
    ToneMapPicture(ToneSettings(ps), density, gridWidth, gridHeight, densityOversample, densityBitmap);
}

}  // namespace zarvo::attractor
