// Everything a scan needs to set up its pixels, taken from the parameter set
// once when the scan starts: the view edges and steps, where the formula's c
// comes from, and a copy of the record that the formula and the render
// method read. Threads that compute rows each start from this plan.
#pragma once

#include "parameter_set.h"

namespace zarvo {

// Where the formula's constant c comes from.
enum class JuliaForm {
    ParameterPlane,  // c is the pixel
    JuliaConstant,   // c is (juliaRe, juliaIm)
    KeptConstant,    // c is not written: the record keeps the constant it holds
};

struct ScanPlan {
    int width = 0;
    int height = 0;
    int firstRow = 0;  // the rows computed: firstRow .. endRow - 1
    int endRow = 0;
    double xMin = 0, yMin = 0;  // the view edges the pixels start from
    double stepX = 0, stepY = 0;
    double zoom = 1.0;  // decides how close to zero a coordinate may come
    JuliaForm form = JuliaForm::ParameterPlane;
    double juliaRe = 0, juliaIm = 0;
    int32_t limit = 0;      // maxIterations, already kept within the orbit arrays
    int transformMode = 0;  // the orbit transform (kept outside the record)
    FormulaRecord record;   // the record as the scan starts

    // The plan of a scan of the current picture over xMin..xMax, yMin..yMax.
    static ScanPlan Of(const ParameterSet& ps, double xMin, double yMin, double xMax, double yMax);

    // Takes the Julia form and the zoom again from the record (the one-thread
    // scan follows commands handled between its pixels).
    void followRecord(const ParameterSet& ps);

    // Writes the pixel's z and, by the Julia form, its c into `rec` and
    // clears the per-pixel values (results, scratch, count).
    void startPixel(FormulaRecord& rec, int column, int row) const {
        rec.resultA = rec.resultB = 0;
        rec.scratch[0] = rec.scratch[1] = 0;
        rec.iterationCount = 0;
        rec.zRe = AwayFromZero(column * stepX + xMin, zoom);
        rec.zIm = AwayFromZero(row * stepY + yMin, zoom);
        if (form == JuliaForm::ParameterPlane) {
            rec.cRe = rec.zRe;
            rec.cIm = rec.zIm;
        } else if (form == JuliaForm::JuliaConstant) {
            rec.cRe = juliaRe;
            rec.cIm = juliaIm;
        }
    }
};

}  // namespace zarvo
