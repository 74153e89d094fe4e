// From a map point to coloured pixels: the chain of variations, the pixel
// of a plane point, the weighted hit and the colour of a hit count.
#include <algorithm>
#include <cmath>
#include <limits>

#include "formula_math.h"
#include "attractor_engine.h"

namespace zarvo::attractor {

using namespace fm;

namespace {

constexpr LD kEps = 1e-12L;

// atan(x / y) of Polar and Horseshoe; 0 at the origin.
bool NearOrigin(double x, double y) { return std::fabs(x) <= 1e-20 && std::fabs(y) <= 1e-20; }

// Nearest integer (ties to even) of a value kept within [lo, hi] first, so
// that no conversion can overflow.
int64_t RoundWithin(LD v, LD lo, LD hi) {
    if (!(v >= lo)) v = lo;  // also NaN
    if (v > hi) v = hi;
    return RoundEven(v);
}

uint8_t Channel(int64_t v) { return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255)); }

}  // namespace

void AttractorEngine::ApplyVariations() {
    const double xsave = map.x, ysave = map.y;
    const LD w = ps.vtlFactor2;
    double x = xsave, y = ysave;
    auto moveTo = [&](LD nx, LD ny) {
        x = D(nx);
        y = D(ny);
        PlotPoint(x, y);
    };
    if (ps.varSpherical != 0) {
        const double r2 = D(Sq(x) + kEps + Sq(y));
        moveTo(x + w * (x / LD(r2)), y + w * (y / LD(r2)));
    }
    if (ps.varSwirl != 0) {
        const double r2 = D(Sq(x) + kEps + Sq(y));
        const double s = D(Sin(r2)), c = D(Cos(r2));
        moveTo(x + w * (LD(s) * x - LD(c) * y), y + w * (LD(c) * x + LD(s) * y));
    }
    if (ps.varSinusoidal != 0) moveTo(x + w * Sin(x), y + w * Sin(y));
    if (ps.varPolar != 0) {
        const double t = NearOrigin(x, y) ? 0.0 : D(Atan(LD(x) / y) / constPI);
        moveTo(x + w * t, y + w * (Sqrt(Sq(x) + kEps + Sq(y)) - 1));
    }
    if (ps.varHorseshoe != 0) {
        const double t = NearOrigin(x, y) ? 0.0 : D(Atan(LD(x) / y));
        const double s = D(Sin(t)), c = D(Cos(t));
        moveTo(x + w * (LD(s) * x - LD(c) * y), y + w * (LD(c) * x + LD(s) * y));
    }
    if (ps.varLinear != 0) moveTo(x + w * x, y + w * y);
    if (ps.varBent != 0) {
        const double bx = x < 0 ? D(2 * LD(x)) : x;
        const double by = y < 0 ? D(LD(y) / 2) : y;
        moveTo(x + w * bx, y + w * by);
    }
    if (ps.varNone != 0) PlotPoint(x, y);
    if (ps.varInversion != 0) {
        const double r2 = D(Sq(x) + Sq(y));
        moveTo(x + (x / LD(r2)) / (kEps + w), y + (y / LD(r2)) / (kEps + w));
    }
    map.x = xsave;
    map.y = ysave;
}

bool AttractorEngine::PointToPixel(double x, double y, int& px, int& py) {
    ps.zRe = x;
    ps.zIm = y;
    const int PW = ps.vtlWidth;
    const int PH = ps.vtlHeight;
    if (ps.plotXMin < x && x < ps.plotXMax) {
        px = static_cast<int>(RoundEven((LD(x) - ps.plotXMin) / (LD(ps.plotXMax) - ps.plotXMin) * PW));
    } else {
        px = PW;
    }
    if (ps.plotYMin < y && y < ps.plotYMax) {
        py = static_cast<int>(RoundEven((LD(y) - ps.plotYMin) / (LD(ps.plotYMax) - ps.plotYMin) * PH));
    } else {
        py = PH;
    }
    return px >= 0 && px < PW && py >= 0 && py < PH;
}

void AttractorEngine::PlotPoint(double x, double y) {
    map.x = x;
    map.y = y;
    int px = 0, py = 0;
    if (!plotEnabled || !PointToPixel(x, y, px, py)) return;
    if (px >= gridWidth || py >= gridHeight || !vtlBitmap.contains(px, py)) return;  // not made for this size

    // The angle of the step from the previous orbit point, between 10 and
    // 20. The differences are taken in extended precision like the maps;
    // the sine and arc tangent in double precision, which is ample for a
    // weight that is rounded to an integer and several times faster than
    // their extended forms on every plotted point.
    const double q = D((1 + LD(x) - map.x0) / (1 + LD(y) - map.y0));
    const double a = D((Abs(std::sin(std::atan(q) * constPI)) + 1) * 10);
    constexpr LD kMax = std::numeric_limits<int32_t>::max();
    constexpr LD kMin = std::numeric_limits<int32_t>::min();
    const int64_t weight = RoundWithin(LD(ps.vtlFactor1) * a + 10, kMin, kMax);

    // Counters saturate at the ends of the 32-bit range instead of wrapping.
    int32_t& counter = hitCount(px, py);
    counter = static_cast<int32_t>(std::clamp<int64_t>(int64_t{counter} + weight, INT32_MIN, INT32_MAX));

    const Rgb c = LevelToColour(CountToLevel(counter));
    vtlBitmap.set(px, py, c.r, c.g, c.b);
}

int32_t AttractorEngine::CountToLevel(int32_t count) {
    LD v = count;
    if (ps.squareRoot != 0) v = count > 0 ? Sqrt(10 * LD(count)) : 0;
    int32_t level = static_cast<int32_t>(RoundEven(v));
    if (level < 0) level = 0;
    ps.lastLevel = level;
    return level;
}

Rgb AttractorEngine::LevelToColour(int32_t level) const {
    const int64_t v = std::min<int64_t>(level, 768);
    const int64_t r0 = v < 256 ? v : 255;
    const int64_t g0 = v < 256 ? 0 : (v < 512 ? v - 256 : 255);
    const int64_t b0 = v < 512 ? 0 : std::min<int64_t>(v - 512, 255);
    const int64_t grey = RoundEven(LD(r0 + g0 + b0) * 0.33L);
    uint8_t r = Channel(RoundWithin(ps.vtlRed, -1000, 1000) + grey);
    uint8_t g = Channel(RoundWithin(ps.vtlGreen, -1000, 1000) + grey);
    uint8_t b = Channel(RoundWithin(ps.vtlBlue, -1000, 1000) + grey);
    if (ps.colorMix != 0) {
        const int64_t k = colourCycle % 3;
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

}  // namespace zarvo::attractor
