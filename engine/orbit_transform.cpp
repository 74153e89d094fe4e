#include "orbit_transform.h"

#include <cmath>

namespace zarvo {

namespace {

const MenuChoice kTransforms[] = {
    {0, "00.) None"}, {1, "01.) Swirly"}, {2, "02.) Sinusoidal"}, {3, "03.) Inversion"}, {4, "04.) Inversion + pixel"},
};

// 1: each point is turned by the sine of its squared distance (one sine for
// both terms). Points far out are turned by the sine of 1e24.
void Swirl(const OrbitTransformParams& t, double* xs, double* ys, int n) {
    for (int i = 0; i <= n; ++i) {
        const double x = xs[i] * t.intensity;
        const double y = ys[i] * t.intensity;
        double r;
        if (std::fabs(x) >= 100 || std::fabs(y) >= 100) r = 1e24;
        else r = x * x + 1e-12 + y * y;
        const double s = std::sin(r);
        xs[i] = (s * x - s * y) * t.factor5 + x;
        ys[i] = (s * x + s * y) * t.factor5 + y;
    }
}

// 2: each coordinate is pushed by its own sine.
void Sinusoidal(const OrbitTransformParams& t, double* xs, double* ys, int n) {
    for (int i = 0; i <= n; ++i) {
        const double x = xs[i] * t.factor4;
        const double y = ys[i] * t.factor4;
        xs[i] = std::sin(x) * t.factor5 + x;
        ys[i] = std::sin(y) * t.factor5 + y;
    }
}

// 3 and 4: inversion in the unit circle of the point folded into the first
// quadrant, optionally added to the folded point.
void Inversion(const OrbitTransformParams& t, double* xs, double* ys, int n, bool addPoint) {
    for (int i = 0; i <= n; ++i) {
        const double x = std::fabs(xs[i]);
        const double y = std::fabs(ys[i]);
        if (x == 0 || y == 0) break;
        const double d = x * x + 1e-15 + y * y;
        if (addPoint) {
            xs[i] = (x / d) * t.factor5 + x;
            ys[i] = (y / d) * t.factor5 + y;
        } else {
            xs[i] = (x / d) * t.factor5;
            ys[i] = (y / d) * t.factor5;
        }
    }
}

}  // namespace

MenuChoiceList OrbitTransforms() { return MenuChoiceList{kTransforms, 5}; }

void ApplyOrbitTransform(const OrbitTransformParams& t, double* x, double* y, int n) {
    switch (t.mode) {
        case 1:
            Swirl(t, x, y, n);
            break;
        case 2:
            Sinusoidal(t, x, y, n);
            break;
        case 3:
            Inversion(t, x, y, n, false);
            break;
        case 4:
            Inversion(t, x, y, n, true);
            break;
        default:
            break;
    }
}

}  // namespace zarvo
