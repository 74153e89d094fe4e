// Orbit transforms: before a render method reads the orbit of a pixel, the
// transform chosen by transformMode can distort every orbit point.
#pragma once

#include "menu_choice.h"

namespace zarvo {

// "00.) None" ... "04.) Inversion + pixel", numbers 0..4.
MenuChoiceList OrbitTransforms();

struct OrbitTransformParams {
    int mode = 0;            // transformMode; other values leave the orbit alone
    double intensity = 1.0;  // scales the points of the swirl
    double factor4 = 1.0;    // scales the points of the sinusoidal transform
    double factor5 = 1.0;    // strength of every transform
};

// Rewrites x[0..n] and y[0..n] (both ends included). The inversions stop at
// the first point with a zero coordinate and leave the rest unchanged.
void ApplyOrbitTransform(const OrbitTransformParams& t, double* x, double* y, int n);

}  // namespace zarvo
