// The program's one shared parameter set. Its first part is the formula
// record handed to the plug-in; the rest holds the host's escape-time
// choices, the attractor view's state and the shared work picture. Every
// window, dialog and parameter file reads and writes this one object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "rgb_image.h"
#include "zarvo_plugin.h"

namespace zarvo {

class RowScan;

// Program-wide constants.
// A fractal window keeps the two result planes (two doubles a pixel) of
// pictures of up to 4096 x 4096 pixels, of any shape: 256 MiB at most.
constexpr size_t planePixelCap = static_cast<size_t>(4096) * 4096;
constexpr int defaultWidth = 180;
constexpr int defaultHeight = 120;
constexpr double minCoordinate = 1e-20;
constexpr int orbitCapacity = ZARVO_ORBIT_SIZE;           // 7001 entries, 0..7000
constexpr int maxIterationsLimit = ZARVO_MAX_ITERATIONS;  // 6999
constexpr int32_t flagOn = -1;                            // "true" as the program writes it
constexpr int attractorTableSize = 60;                    // af[1..60], bf[1..60]

extern const char* const programTitle;  // "z a r v o_ v0.1"

// The attractor's log-density mapping, beside the level colouring: the
// switch, brightness, gamma, vibrancy, the palette's phase and its turns
// across the colour coordinates (in turns of the colour wheel), and the hit
// grid's cells per pixel side.
struct LogDensitySettings {
    int32_t logDensity = 0;
    double ldBrightness = 1.0;
    double ldGamma = 2.5;
    double ldVibrancy = 1.0;
    double ldHue = 0.6;
    double ldHueRange = 0.5;
    int32_t ldOversample = 2;

    void setLogDensityDefaults() { *this = LogDensitySettings(); }
    bool hasLogDensityDefaults() const;
};

// The formula record comes first: the plug-in is handed its address.
struct ParameterSet : FormulaRecord, LogDensitySettings {
    ParameterSet();
    ParameterSet(const ParameterSet&) = delete;
    ParameterSet& operator=(const ParameterSet&) = delete;

    FormulaRecord* record() { return this; }

    // Escape-time settings kept after the record.
    int32_t spareSetting2 = 1;
    int32_t spareSetting3 = 1;
    int32_t transformMode = 0;  // 0..4

    // Attractor view state (the rest lives in the record: AA, BB, AASet,
    // AAStart, randomFactor, tints, view edges, zoom, picture size, counters).
    double vtlFactor1 = 10.0;                // hit weight
    double vtlFactor2 = 0.1;                 // variation weight
    double af[attractorTableSize + 1] = {};  // used from index 1
    double bf[attractorTableSize + 1] = {};  // used from index 1
    int32_t squareRoot = 0;
    int32_t invert = 0;
    int32_t varNone = flagOn;
    int32_t varLinear = 0;
    int32_t varSinusoidal = 0;
    int32_t varSpherical = 0;
    int32_t varSwirl = 0;
    int32_t varHorseshoe = 0;
    int32_t varPolar = 0;
    int32_t varBent = 0;
    int32_t varInversion = 0;
    int32_t colorMix = 0;
    int32_t expansion = 0;
    int32_t modulas = 0;
    int32_t drawRandom = flagOn;

    // Shared by both kinds of view.
    int32_t stopFlag = flagOn;            // 0 while a scan or run is going
    uint32_t scansStarted = 0;            // a scan that sees it change knows another ran inside it
    RowScan* scanWorkers = nullptr;       // the worker threads of the innermost scan running, if it has any
    int32_t vantrelFormulaMode = flagOn;  // pixels come from the attractor formula

    // Size chosen in the image-size dialog for the attractor view.
    int32_t xySizeWidth = defaultWidth;
    int32_t xySizeHeight = defaultHeight;

    // Picture export.
    int32_t jpegQuality = 85;
    int32_t jpegProgressive = flagOn;

    // The shared off-screen picture every scan draws into.
    RgbImage workBitmap;

    // The host's two orbit arrays (orbitCapacity doubles each) for the whole run.
    std::vector<double> orbitStoreX;
    std::vector<double> orbitStoreY;

    // Text buffers that formulaTitle / formulaDescription point to after a
    // parameter file was read or the attractor view set its own texts.
    std::string titleBuffer;
    std::string descriptionBuffer;
    void setFormulaTexts(const std::string& title, const std::string& description);
};

// Defaults written by every new fractal window: colour set, iteration
// limits, render/blend/order, flags, picture size and JPEG settings. View,
// zoom and Julia constant are left alone.
void FormCreate(ParameterSet& ps);

// Start view: zoom 1.0 (0.2 while pixels come from the attractor formula),
// all edges and rectangle edges -4..4, centres 0.
void ResetCoordinates(ParameterSet& ps);

// View edges from centre, zoom and picture aspect, keeping square pixels.
void AdjustCoords(ParameterSet& ps);

// The edges of a view of `zoom` about (xCentre, yCentre) on a picture of
// width × height: half-extent 2/zoom, widened on each axis half-way towards
// the picture's aspect. Leaves halfWidth, halfHeight, aspectX and aspectY in
// the set as scratch. Shared by the fractal windows and the attractor view.
struct ViewEdges {
    double& xMin;
    double& xMax;
    double& yMin;
    double& yMax;
};
void AdjustViewEdges(ParameterSet& ps, double zoom, double xCentre, double yCentre, int width, int height,
                     ViewEdges edges);

// The same arithmetic without a parameter set: the half-extents, the two
// aspect factors and the edges.
struct ViewGeometry {
    double halfWidth = 0, halfHeight = 0;
    double aspectX = 0, aspectY = 0;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};
ViewGeometry ViewGeometryOf(double zoom, double xCentre, double yCentre, int width, int height);

// A plane coordinate too close to zero is pushed to a small positive value:
// 0.001 up to zoom 10, minCoordinate beyond.
double AwayFromZero(double v, double zoom);

// Keeps maxIterations within what the orbit arrays can hold (0..6999).
// Returns true when the value had to be changed.
bool ClampIterations(ParameterSet& ps);
int32_t ClampIterationValue(int64_t v);

}  // namespace zarvo
