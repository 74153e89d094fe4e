#include "scan_plan.h"

namespace zarvo {

ScanPlan ScanPlan::Of(const ParameterSet& ps, double xMin, double yMin, double xMax, double yMax) {
    ScanPlan plan;
    plan.width = ps.pictureWidth;
    plan.height = ps.pictureHeight;
    plan.endRow = plan.height;
    plan.xMin = xMin;
    plan.yMin = yMin;
    plan.stepX = (xMax - xMin) / plan.width;
    plan.stepY = (yMax - yMin) / plan.height;
    plan.limit = ClampIterationValue(ps.maxIterations);
    plan.transformMode = ps.transformMode;
    plan.record = ps;
    plan.followRecord(ps);
    return plan;
}

void ScanPlan::followRecord(const ParameterSet& ps) {
    zoom = ps.zoom;
    juliaRe = ps.juliaRe;
    juliaIm = ps.juliaIm;
    if (ps.juliaMode == 0) form = JuliaForm::ParameterPlane;
    else if (ps.juliaConstantSet == 0) form = JuliaForm::JuliaConstant;
    else form = JuliaForm::KeptConstant;
}

}  // namespace zarvo
