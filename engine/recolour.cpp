// The four-lane path is compiled for AVX2 only and called only where the
// processor has it; its vector arguments never cross a call boundary. (Set
// before the includes: the templates it instantiates live in headers.)
#pragma GCC diagnostic ignored "-Wpsabi"

#include "recolour.h"

#include <algorithm>
#include <cmath>

#include "blend.h"
#include "fast_trig.h"

namespace zarvo {

namespace {

constexpr double kTwoPi = kPaletteTwoPi;
// Twice the unit roundoff: the most by which rounding one operation can
// move two results that started from different inputs further apart,
// relative to their magnitude (with room to spare).
constexpr double kRounding = 4.5e-16;

// How far a value of the fast evaluation may be from the exact one (err)
// and how large it may be (mag).
struct Bound {
    double err;
    double mag;
};

Bound Rounded(double err, double mag) { return Bound{err + kRounding * mag, mag}; }

// ((v * saturation + offset) * step + start) / 255
Bound PositionBound(Bound v, const PaletteChannel& c) {
    Bound b = Rounded(v.err * std::fabs(c.saturation), v.mag * std::fabs(c.saturation));
    b = Rounded(b.err, b.mag + std::fabs(c.offset));
    b = Rounded(b.err * std::fabs(c.step), b.mag * std::fabs(c.step));
    b = Rounded(b.err, b.mag + std::fabs(c.start));
    return Rounded(b.err / 255, b.mag / 255);
}

Bound SumBound(Bound a, Bound b) { return Rounded(a.err + b.err, a.mag + b.mag); }
Bound ScaleBound(Bound a, double f) { return Rounded(a.err * f, a.mag * f); }

// sin or cos of 2 pi v: both functions are at most as steep as 1.
Bound TrigBound(Bound v) {
    const Bound t = Rounded(kTwoPi * v.err, kTwoPi * v.mag);
    return Bound{t.err + fasttrig::kFastTrigError, 1.0};
}

// Fast sine and cosine of lanes of values, noting those outside their
// range (which are replaced by 0 so that nothing is flagged for them).
template <typename V>
struct LaneFastTrig {
    LaneMaskOf<V> outside = {};
    ZARVO_INLINE V inRange(V t) {
        const LaneMaskOf<V> ok = Magnitude(t) <= fasttrig::kFastTrigLimit;
        outside |= ~ok;
        return ok ? t : V{};
    }
    ZARVO_INLINE V sin(V t) { return fasttrig::Sin(inRange(t)); }
    ZARVO_INLINE V cos(V t) { return fasttrig::Cos(inRange(t)); }
};

}  // namespace

FastBlend::FastBlend(int blendMethod, const Palette& palette) : blend_(blendMethod), palette_(palette) {
    if (blendMethod < 1 || blendMethod > 5) return;
    // Error of the channel values the blend hands to the palette.
    Bound h[3];
    const Bound first{fasttrig::kFastTrigError, 1.0};
    for (Bound& b : h) b = first;
    if (blendMethod != 1) {
        Bound g[3];
        for (int k = 0; k < 3; ++k) g[k] = PositionBound(first, palette.channel[k]);
        Bound m[3];
        m[0] = ScaleBound(SumBound(g[1], g[2]), 0.5);
        m[1] = ScaleBound(SumBound(g[2], m[0]), 0.5);
        m[2] = ScaleBound(SumBound(SumBound(m[0], m[1]), g[2]), 0.33);
        m[2] = Rounded(m[2].err, m[2].mag);  // extended product, then double
        for (int k = 0; k < 3; ++k) h[k] = TrigBound(m[k]);
    }
    usable_ = true;
    for (int k = 0; k < 3; ++k) {
        const Bound c = TrigBound(PositionBound(h[k], palette.channel[k]));
        const double byteError = 127 * c.err + kRounding * 127;
        margin_[k] = 8 * byteError + 1e-12;
        if (!(margin_[k] < 0.25)) usable_ = false;
    }
}

template <typename V>
ZARVO_INLINE void FastBlend::bytes(V a, V b, V out[3], LaneMaskOf<V>& undecided) const {
    V in[3], h[3];
    LaneFastTrig<V> trig;
    BlendChannelsWith(blend_, a, b, palette_, in, h, trig);
    LaneMaskOf<V> close = {};
    for (int k = 0; k < 3; ++k) {
        const V v = PalettePosition(palette_.channel[k], h[k]);
        const V f = 127 * trig.cos(kTwoPi * v);
        const V r = fasttrig::RoundNearest(f);
        close |= ~(0.5 - Magnitude(f - r) > margin_[k]);
        out[k] = r + 127;
    }
    undecided = close | trig.outside;
}

namespace {

// One row of the fast path: the pixels whose bytes are decided are written,
// the columns of the others are listed for the exact computation.
struct FastRowJob {
    const FastBlend* fast;
    const double* a;
    const double* b;
    int width;
    double intensity;
    const int* order;
    uint8_t* pixels;  // the row's first pixel
    int* undecided;
    int undecidedCount;
};

template <typename V>
ZARVO_INLINE void FastRowWith(FastRowJob& job) {
    constexpr int kLanes = LaneTraits<V>::count;
    for (int first = 0; first < job.width; first += kLanes) {
        const int count = std::min(kLanes, job.width - first);
        V a = {}, b = {};
        for (int i = 0; i < count; ++i) {
            a[i] = job.a[first + i];
            b[i] = job.b[first + i];
        }
        V bytes[3];
        LaneMaskOf<V> undecided;
        job.fast->bytes(a * job.intensity, b * job.intensity, bytes, undecided);
        for (int i = 0; i < count; ++i) {
            const int column = first + i;
            if (undecided[i] != 0) {
                job.undecided[job.undecidedCount++] = column;
                continue;
            }
            uint8_t* p = job.pixels + 3 * static_cast<size_t>(column);
            p[0] = static_cast<uint8_t>(bytes[job.order[0]][i]);
            p[1] = static_cast<uint8_t>(bytes[job.order[1]][i]);
            p[2] = static_cast<uint8_t>(bytes[job.order[2]][i]);
        }
    }
}

void FastRowTwoLanes(FastRowJob& job) { FastRowWith<Lanes2>(job); }

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx2"))) void FastRowFourLanes(FastRowJob& job) { FastRowWith<Lanes4>(job); }
bool ProcessorHasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#else
void FastRowFourLanes(FastRowJob& job) { FastRowWith<Lanes2>(job); }
bool ProcessorHasAvx2() { return false; }
#endif

}  // namespace

PlaneRecolourer::PlaneRecolourer(ParameterSet& ps, ColourScratch& cs, Reporter& reporter, bool wideLanes)
    : ps_(ps),
      cs_(cs),
      reporter_(reporter),
      fast_(ps.blendMethod, PaletteOf(ps)),
      order_(ChannelOrder(ps.rgbOrder)),
      wideLanes_(wideLanes && ProcessorHasAvx2()) {
    if (order_ == nullptr) {
        mode_ = Mode::Exact;  // every pixel reports the wrong order, as one by one
    } else if (ps.blendMethod < 1 || ps.blendMethod > 5) {
        // The channel values of the previous pixel are coloured again for
        // every pixel: one colour for the whole picture.
        mode_ = Mode::Constant;
        coloring(ps_, cs_, reporter_);
        constantFaulted_ = cs_.pixelFaulted;
        for (int k = 0; k < 3; ++k) constant_[k] = static_cast<uint8_t>(cs_.channelByte[order_[k]]);
    } else {
        mode_ = fast_.usable() ? Mode::Fast : Mode::Exact;
    }
}

void PlaneRecolourer::exactPixel(double a, double b, int column, int row) {
    ps_.resultA = a;
    ps_.resultB = b;
    BlendMethods(ps_, cs_, reporter_);
    ApplyColor(ps_, cs_, column, row, reporter_);
}

void PlaneRecolourer::colourRow(const double* planeA, const double* planeB, size_t columnStride, int row, int width) {
    if (width > ps_.workBitmap.width) width = ps_.workBitmap.width;
    if (width <= 0) return;
    const bool inside = ps_.workBitmap.contains(0, row);
    switch (mode_) {
        case Mode::Fast:
            if (row < bandFirstRow_ || row >= bandFirstRow_ + bandRows_ || width > bandWidth_)
                loadBand(planeA, planeB, columnStride, row, width);
            if (inside) {
                fastRow(&bandA_[static_cast<size_t>(row - bandFirstRow_) * bandWidth_],
                        &bandB_[static_cast<size_t>(row - bandFirstRow_) * bandWidth_], row, width);
                break;
            }
            [[fallthrough]];  // a row outside the picture: as one by one
        case Mode::Exact:
            for (int column = 0; column < width; ++column) {
                const size_t at = static_cast<size_t>(column) * columnStride + static_cast<size_t>(row);
                exactPixel(planeA[at], planeB[at], column, row);
            }
            break;
        case Mode::Constant:
            constantRow(planeA, planeB, columnStride, row, width, inside);
            break;
    }
    const size_t last = static_cast<size_t>(width - 1) * columnStride + static_cast<size_t>(row);
    anyPixel_ = true;
    lastA_ = planeA[last];
    lastB_ = planeB[last];
}

void PlaneRecolourer::constantRow(const double* planeA, const double* planeB, size_t columnStride, int row, int width,
                                  bool inside) {
    for (int column = 0; column < width; ++column) {
        const size_t at = static_cast<size_t>(column) * columnStride + static_cast<size_t>(row);
        // The scaling still runs for every pixel, so an overflow is flagged
        // as it would be one by one.
        ps_.resultA = planeA[at] * ps_.intensity;
        ps_.resultB = planeB[at] * ps_.intensity;
        if (constantFaulted_ || !inside) continue;
        uint8_t* p = ps_.workBitmap.at(column, row);
        p[0] = constant_[0];
        p[1] = constant_[1];
        p[2] = constant_[2];
    }
}

void PlaneRecolourer::loadBand(const double* planeA, const double* planeB, size_t columnStride, int row, int width) {
    bandFirstRow_ = row;
    bandRows_ = static_cast<int>(std::min<size_t>(kBandRows, columnStride - static_cast<size_t>(row)));
    bandWidth_ = width;
    const size_t cells = static_cast<size_t>(kBandRows) * static_cast<size_t>(width);
    if (bandA_.size() < cells) {
        bandA_.resize(cells);
        bandB_.resize(cells);
    }
    for (int column = 0; column < width; ++column) {
        const size_t at = static_cast<size_t>(column) * columnStride + static_cast<size_t>(row);
        for (int r = 0; r < bandRows_; ++r) {
            bandA_[static_cast<size_t>(r) * width + column] = planeA[at + r];
            bandB_[static_cast<size_t>(r) * width + column] = planeB[at + r];
        }
    }
}

void PlaneRecolourer::fastRow(const double* rowA, const double* rowB, int row, int width) {
    undecided_.resize(static_cast<size_t>(width));
    FastRowJob job{&fast_, rowA, rowB, width, ps_.intensity, order_, ps_.workBitmap.at(0, row), undecided_.data(), 0};
    if (wideLanes_) FastRowFourLanes(job);
    else FastRowTwoLanes(job);
    for (int i = 0; i < job.undecidedCount; ++i) {
        const int column = job.undecided[i];
        exactPixel(rowA[column], rowB[column], column, row);
    }
}

void PlaneRecolourer::finish() {
    if (!anyPixel_ || mode_ != Mode::Fast) return;
    ps_.resultA = lastA_;
    ps_.resultB = lastB_;
    BlendMethods(ps_, cs_, reporter_);
}

}  // namespace zarvo
