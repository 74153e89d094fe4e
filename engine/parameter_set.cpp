#include "parameter_set.h"

#include <cmath>
#include <cstring>

namespace zarvo {

const char* const programTitle = "z a r v o_ v0.1";

ParameterSet::ParameterSet() {
    // Start from an all-zero record, then the values the program starts with.
    FormulaRecord* rec = this;
    std::memset(static_cast<void*>(rec), 0, sizeof(FormulaRecord));

    xMin = yMin = selXMin = selYMin = -4.0;
    xMax = yMax = selXMax = selYMax = 4.0;
    pendingZoom = 1.0;
    zoom = 1.0;

    // Attractor view start values.
    cRe = cIm = 5.0;
    BB = 1.0;
    randomFactor = 2.0;
    vtlRed = vtlGreen = vtlBlue = 1.0;
    vtlXMin = vtlYMin = vtlSelXMin = vtlSelYMin = -1.0;
    vtlXMax = vtlYMax = vtlSelXMax = vtlSelYMax = 1.0;
    vtlZoom = vtlSelZoom = 0.05;
    vtlWidth = defaultWidth;
    vtlHeight = defaultHeight;
    mapCount = 2;

    orbitStoreX.assign(orbitCapacity, 0.0);
    orbitStoreY.assign(orbitCapacity, 0.0);
    orbitX = orbitStoreX.data();
    orbitY = orbitStoreY.data();

    FormCreate(*this);
}

void ParameterSet::setFormulaTexts(const std::string& title, const std::string& description) {
    titleBuffer = title;
    descriptionBuffer = description;
    formulaTitle = titleBuffer.c_str();
    formulaDescription = descriptionBuffer.c_str();
}

bool LogDensitySettings::hasLogDensityDefaults() const {
    const LogDensitySettings d;
    return logDensity == d.logDensity && ldBrightness == d.ldBrightness && ldGamma == d.ldGamma &&
           ldVibrancy == d.ldVibrancy && ldHue == d.ldHue && ldHueRange == d.ldHueRange &&
           ldOversample == d.ldOversample;
}

void FormCreate(ParameterSet& ps) {
    ps.redStep = ps.blueStep = ps.greenStep = 1.0;
    ps.redStart = ps.blueStart = ps.greenStart = 0.0;
    ps.redSaturate = ps.blueSaturate = ps.greenSaturate = 127.0;
    ps.redOffset = ps.blueOffset = ps.greenOffset = 127.0;
    ps.maxIterations = 32;
    ps.bailout = 10000000;
    ps.strands = 0.15;
    ps.pictureWidth = defaultWidth;
    ps.pictureHeight = defaultHeight;
    ps.formulaIndex = 1;
    ps.renderMethod = 1;
    ps.blendMethod = 1;
    ps.rgbOrder = 1;
    ps.transformMode = 0;
    ps.power = 2.0;
    ps.intensity = 1.0;
    ps.factor4 = 1.0;
    ps.factor5 = 1.0;
    ps.juliaMode = 0;
    ps.juliaConstantSet = 0;
    ps.inverseFormula = 0;
    ps.rotateMode = 0;
    ps.spareSetting1 = 1;
    ps.spareSetting2 = 1;
    ps.spareSetting3 = 1;
    ps.stopFlag = flagOn;
    ps.vantrelFormulaMode = flagOn;
    ps.jpegQuality = 85;
    ps.jpegProgressive = flagOn;
}

void ResetCoordinates(ParameterSet& ps) {
    const double z = ps.vantrelFormulaMode != 0 ? 0.2 : 1.0;
    ps.zoom = z;
    ps.pendingZoom = z;
    ps.xMin = ps.yMin = ps.selXMin = ps.selYMin = -4.0;
    ps.xMax = ps.yMax = ps.selXMax = ps.selYMax = 4.0;
    ps.xCentre = (ps.xMax - ps.xMin) / 2 + ps.xMin;
    ps.yCentre = (ps.yMax - ps.yMin) / 2 + ps.yMin;
}

void AdjustViewEdges(ParameterSet& ps, double zoom, double xCentre, double yCentre, int width, int height,
                     ViewEdges e) {
    const ViewGeometry g = ViewGeometryOf(zoom, xCentre, yCentre, width, height);
    ps.halfWidth = g.halfWidth;
    ps.halfHeight = g.halfHeight;
    ps.aspectX = g.aspectX;
    ps.aspectY = g.aspectY;
    e.xMin = g.xMin;
    e.xMax = g.xMax;
    e.yMin = g.yMin;
    e.yMax = g.yMax;
}

ViewGeometry ViewGeometryOf(double zoom, double xCentre, double yCentre, int width, int height) {
    ViewGeometry g;
    g.halfWidth = 2.0 / zoom;
    g.halfHeight = 2.0 / zoom;
    g.xMax = xCentre + g.halfWidth;
    g.xMin = xCentre - g.halfWidth;
    g.yMax = yCentre + g.halfHeight;
    g.yMin = yCentre - g.halfHeight;

    const double w = width;
    const double h = height;
    g.aspectX = w / h;
    g.aspectY = h / w;
    g.aspectX = (1 - g.aspectX) / 2 + g.aspectX;
    g.aspectY = (1 - g.aspectY) / 2 + g.aspectY;

    const double dx = g.halfWidth * g.aspectX - g.halfWidth;
    g.xMax += dx;
    g.xMin -= dx;
    const double dy = g.halfWidth * g.aspectY - g.halfHeight;
    g.yMax += dy;
    g.yMin -= dy;
    return g;
}

void AdjustCoords(ParameterSet& ps) {
    AdjustViewEdges(ps, ps.zoom, ps.xCentre, ps.yCentre, ps.pictureWidth, ps.pictureHeight,
                    ViewEdges{ps.xMin, ps.xMax, ps.yMin, ps.yMax});
}

double AwayFromZero(double v, double zoom) {
    if (zoom <= 10.0) {
        if (std::fabs(v) < 0.001) return 0.001;
    } else if (std::fabs(v) < minCoordinate) {
        return minCoordinate;
    }
    return v;
}

int32_t ClampIterationValue(int64_t v) {
    if (v < 0) return 0;
    if (v > maxIterationsLimit) return maxIterationsLimit;
    return static_cast<int32_t>(v);
}

bool ClampIterations(ParameterSet& ps) {
    const int32_t v = ClampIterationValue(ps.maxIterations);
    const bool changed = v != ps.maxIterations;
    ps.maxIterations = v;
    return changed;
}

}  // namespace zarvo
