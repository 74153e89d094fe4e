#include "dialog_values.h"

#include <charconv>
#include <cmath>

#include "number_format.h"

namespace zarvo::attractor {

namespace {

using LD = long double;

// Rounds to the nearest integer (ties to even) and keeps it within a
// track bar's range; NaN gives the lower end.
int ToPosition(LD v, const TrackRange& r) {
    if (!(v >= r.min)) return r.min;
    if (v > r.max) return r.max;
    return static_cast<int>(std::nearbyint(v));
}

int32_t Flag(bool on) { return on ? flagOn : 0; }

}  // namespace

std::string FormatF(double v) {
    if (!std::isfinite(v)) return std::isnan(v) ? "NAN" : (v < 0 ? "-INF" : "INF");
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
    std::string s(buf, res.ptr);
    const size_t dot = s.find('.');
    if (dot != std::string::npos) s[dot] = LocaleDecimalSeparator();
    if (s == "-0" + std::string(1, LocaleDecimalSeparator()) + "00") s.erase(0, 1);
    return s;
}

AttractorDialogValues Parameters1Update(ParameterSet& ps) {
    AttractorDialogValues v;
    v.redBar1 = ToPosition(ps.vtlRed, tintRange);
    v.grnBar1 = ToPosition(ps.vtlGreen, tintRange);
    v.bluBar1 = ToPosition(ps.vtlBlue, tintRange);
    v.redLabel1 = FormatF(ps.vtlRed);
    v.grnLabel1 = FormatF(ps.vtlGreen);
    v.bluLabel1 = FormatF(ps.vtlBlue);
    v.squareRoot = ps.squareRoot != 0;
    v.invert = ps.invert != 0;
    v.intensity = ToPosition(ps.vtlFactor1, intensityRange);
    v.factor2Bar = ToPosition(LD(ps.vtlFactor2) * 100, scalingRange);
    // Rounded first, then times 5: 2.0 gives 10, 0.6 gives 5.
    const LD rounded = std::isfinite(ps.randomFactor) ? std::nearbyint(LD(ps.randomFactor)) : LD(0);
    v.randomizer = ToPosition(rounded * 5, randomizerRange);
    v.factor1 = FormatF(ps.vtlFactor1);
    v.factor2 = FormatF(ps.vtlFactor2);
    v.randomFactor = FormatF(ps.randomFactor);
    v.constAA = ps.AA;
    ps.AAStart = ps.AA;
    v.constBB = ps.BB;
    v.parameterX = ps.juliaRe;
    v.parameterY = ps.juliaIm;
    v.none = ps.varNone != 0;
    v.linear = ps.varLinear != 0;
    v.sinusoidal = ps.varSinusoidal != 0;
    v.swirl = ps.varSwirl != 0;
    v.bent = ps.varBent != 0;
    v.horseshoe = ps.varHorseshoe != 0;
    v.spherical = ps.varSpherical != 0;
    v.polar = ps.varPolar != 0;
    v.inversion = ps.varInversion != 0;
    v.logDensity = ps.logDensity != 0;
    for (int k = 0; k < logDensityTrackCount; ++k) {
        const ScaledTrack& t = logDensityTracks[k];
        v.logDensityBars[k] = ToPosition(LD(ps.*t.field) / t.scale, t.range);
        v.logDensityLabels[k] = FormatF(ps.*t.field);
    }
    v.oversample = ToPosition(ps.ldOversample, oversampleRange);
    return v;
}

void ApplyParameters(ParameterSet& ps, AttractorDialogValues& v) {
    ps.vtlRed = v.redBar1;
    ps.vtlGreen = v.grnBar1;
    ps.vtlBlue = v.bluBar1;
    ps.vtlFactor1 = v.intensity;
    ps.vtlFactor2 = static_cast<double>(v.factor2Bar * 0.01L);
    ps.randomFactor = static_cast<double>(v.randomizer * 0.2L);
    v.redLabel1 = FormatF(ps.vtlRed);
    v.grnLabel1 = FormatF(ps.vtlGreen);
    v.bluLabel1 = FormatF(ps.vtlBlue);
    v.factor1 = FormatF(ps.vtlFactor1);
    v.factor2 = FormatF(ps.vtlFactor2);
    v.randomFactor = FormatF(ps.randomFactor);
    ps.AASet = v.constAA;
    ps.AAStart = ps.AASet;
    ps.BB = v.constBB;
    ps.squareRoot = Flag(v.squareRoot);
    ps.invert = Flag(v.invert);
    ps.juliaRe = v.parameterX;
    ps.juliaIm = v.parameterY;
    ps.varNone = Flag(v.none);
    ps.varLinear = Flag(v.linear);
    ps.varSinusoidal = Flag(v.sinusoidal);
    ps.varSwirl = Flag(v.swirl);
    ps.varBent = Flag(v.bent);
    ps.varHorseshoe = Flag(v.horseshoe);
    ps.varSpherical = Flag(v.spherical);
    ps.varPolar = Flag(v.polar);
    ps.varInversion = Flag(v.inversion);
}

double TrackValue(const ScaledTrack& track, int position) { return static_cast<double>(position * LD(track.scale)); }

}  // namespace zarvo::attractor
