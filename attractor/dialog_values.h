// The attractor parameter dialog as plain values: what its track bars,
// spin edits, check boxes and value labels show. The desktop program copies
// these into its widgets and back; the conversions between the shared
// parameter set and these values live here, so the dialog holds no
// arithmetic of its own.
#pragma once

#include <iterator>
#include <string>

#include "parameter_set.h"

namespace zarvo::attractor {

// Track-bar ranges (positions are integers; a track bar keeps its position
// within its range).
struct TrackRange {
    int min, max, tick;
};
inline constexpr TrackRange intensityRange{0, 64, 4};   // "Intensity"
inline constexpr TrackRange tintRange{-200, 200, 20};   // "Red", "Green", "Blue"
inline constexpr TrackRange scalingRange{0, 50, 2};     // "Scaling"
inline constexpr TrackRange randomizerRange{0, 50, 4};  // "Random Factor"
// The "Log Density" group: track bars whose position times `scale` is the
// value.
struct ScaledTrack {
    const char* name;     // the control's name and caption
    TrackRange range;
    double scale;
    double ParameterSet::*field;
};
inline constexpr ScaledTrack logDensityTracks[] = {
    {"Brightness", {0, 100, 10}, 0.05, &ParameterSet::ldBrightness},
    {"Gamma", {10, 60, 5}, 0.1, &ParameterSet::ldGamma},
    {"Vibrancy", {0, 100, 10}, 0.01, &ParameterSet::ldVibrancy},
    {"Hue", {0, 100, 10}, 0.01, &ParameterSet::ldHue},
    {"Hue Range", {0, 300, 25}, 0.01, &ParameterSet::ldHueRange},
};
constexpr int logDensityTrackCount = static_cast<int>(std::size(logDensityTracks));
inline constexpr TrackRange oversampleRange{1, 4, 1};  // "Oversampling": hit-grid cells per pixel side

// Spin-edit steps (all show 9 decimals).
inline constexpr double constAAStep = 0.001, constBBStep = 0.0001, parameterXYStep = 0.001;

struct AttractorDialogValues {
    // Track bars.
    int redBar1 = 1, grnBar1 = 1, bluBar1 = 1;  // tints
    int intensity = 10;                         // hit weight
    int factor2Bar = 10;                        // variation weight * 100
    int randomizer = 10;                        // random factor * 5
    // Value labels, "%F": fixed, two decimals, locale separator.
    std::string redLabel1, grnLabel1, bluLabel1;
    std::string factor1, factor2, randomFactor;
    // Spin edits "A", "B", "X", "Y".
    double constAA = 0.0, constBB = 1.0, parameterX = 0.0, parameterY = 0.0;
    // Check boxes.
    bool squareRoot = false;  // "Square Root Filtering"
    bool invert = false;      // "White"
    bool none = true, linear = false, sinusoidal = false, swirl = false, bent = false;
    bool horseshoe = false, spherical = false, polar = false, inversion = false;
    // The "Log Density" group: its check box, the track bars of
    // logDensityTracks with their value labels ("%F"), and Oversampling.
    bool logDensity = false;
    int logDensityBars[logDensityTrackCount] = {20, 25, 100, 60, 50};
    std::string logDensityLabels[logDensityTrackCount];
    int oversample = 2;
};

// "%F" of the dialog's labels: fixed notation, two decimals, the locale's
// decimal separator.
std::string FormatF(double v);

// State to dialog. Rounds the tints, the intensity, the scaling * 100 and
// the random factor to integers (ties to even; the random factor is rounded
// before it is multiplied by 5) and keeps each within its track bar's
// range. Like the dialog it feeds, it also sets AAStart := AA.
AttractorDialogValues Parameters1Update(ParameterSet& ps);

// Dialog to state: tints, intensity, scaling (position * 0.01), random
// factor (position * 0.2), A (into AASet and AAStart), B, the start point
// X, Y, square root, invert and the nine variations. The six value labels
// of `values` are set to the new values.
void ApplyParameters(ParameterSet& ps, AttractorDialogValues& values);

// The value of a "Log Density" track bar at `position`. The group's
// controls take effect one at a time as they change (ApplyParameters
// leaves them alone, so a value loaded from a file stays exact until its
// own control is moved).
double TrackValue(const ScaledTrack& track, int position);

}  // namespace zarvo::attractor
