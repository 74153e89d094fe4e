#include "recolour.h"

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

// Fast sine and cosine that note an argument outside their range.
struct CheckedFastTrig {
    bool inRange = true;
    double sin(double t) {
        if (!(std::fabs(t) <= fasttrig::kFastTrigLimit)) return outOfRange();
        return fasttrig::Sin(t);
    }
    double cos(double t) {
        if (!(std::fabs(t) <= fasttrig::kFastTrigLimit)) return outOfRange();
        return fasttrig::Cos(t);
    }
    double outOfRange() {
        inRange = false;
        return 0.0;
    }
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

bool FastBlend::bytes(double a, double b, int out[3]) const {
    double in[3], h[3];
    CheckedFastTrig trig;
    BlendChannelsWith(blend_, a, b, palette_, in, h, trig);
    for (int k = 0; k < 3; ++k) {
        const double v = PalettePosition(palette_.channel[k], h[k]);
        const double f = 127 * trig.cos(kTwoPi * v);
        const double r = fasttrig::RoundNearest(f);
        if (!(0.5 - std::fabs(f - r) > margin_[k])) return false;
        out[k] = static_cast<int>(r) + 127;
    }
    return trig.inRange;
}

PlaneRecolourer::PlaneRecolourer(ParameterSet& ps, ColourScratch& cs, Reporter& reporter)
    : ps_(ps), cs_(cs), reporter_(reporter), fast_(ps.blendMethod, PaletteOf(ps)), order_(ChannelOrder(ps.rgbOrder)) {
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

void PlaneRecolourer::colourRow(const double* planeA, const double* planeB, size_t columnStride, int row,
                                int width) {
    RgbImage& picture = ps_.workBitmap;
    const bool inside = row >= 0 && row < picture.height;
    if (width > picture.width) width = picture.width;
    const double intensity = ps_.intensity;
    for (int column = 0; column < width; ++column) {
        const size_t at = static_cast<size_t>(column) * columnStride + static_cast<size_t>(row);
        const double a = planeA[at];
        const double b = planeB[at];
        switch (mode_) {
            case Mode::Exact:
                exactPixel(a, b, column, row);
                break;
            case Mode::Constant:
                // The scaling still runs for every pixel, so an overflow is
                // flagged as it would be one by one.
                ps_.resultA = a * intensity;
                ps_.resultB = b * intensity;
                if (!constantFaulted_ && inside) {
                    uint8_t* p = picture.at(column, row);
                    p[0] = constant_[0];
                    p[1] = constant_[1];
                    p[2] = constant_[2];
                }
                break;
            case Mode::Fast: {
                int bytes[3];
                if (fast_.bytes(a * intensity, b * intensity, bytes) && inside) {
                    uint8_t* p = picture.at(column, row);
                    p[0] = static_cast<uint8_t>(bytes[order_[0]]);
                    p[1] = static_cast<uint8_t>(bytes[order_[1]]);
                    p[2] = static_cast<uint8_t>(bytes[order_[2]]);
                } else {
                    exactPixel(a, b, column, row);
                }
                break;
            }
        }
    }
    if (width > 0) {
        const size_t last = static_cast<size_t>(width - 1) * columnStride + static_cast<size_t>(row);
        anyPixel_ = true;
        lastA_ = planeA[last];
        lastB_ = planeB[last];
    }
}

void PlaneRecolourer::finish() {
    if (!anyPixel_ || mode_ != Mode::Fast) return;
    ps_.resultA = lastA_;
    ps_.resultB = lastB_;
    BlendMethods(ps_, cs_, reporter_);
}

}  // namespace zarvo
