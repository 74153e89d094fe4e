// Shared set-up of the render tests: a parameter set whose orbit arrays
// hold a chosen orbit.
#pragma once

#include <algorithm>
#include <vector>

#include "parameter_set.h"
#include "render_orbit.h"

namespace zarvo {
namespace testing_support {

struct Results {
    double a;
    double b;
};

// Puts the orbit (x[i], y[i]) into the arrays, sets iterationCount and
// renderMethod and runs RenderOrbit.
inline Results Render(ParameterSet& ps, int method, int n, const std::vector<double>& x, const std::vector<double>& y) {
    std::fill(ps.orbitStoreX.begin(), ps.orbitStoreX.end(), 0.0);
    std::fill(ps.orbitStoreY.begin(), ps.orbitStoreY.end(), 0.0);
    for (size_t i = 0; i < x.size(); ++i) ps.orbitStoreX[i] = x[i];
    for (size_t i = 0; i < y.size(); ++i) ps.orbitStoreY[i] = y[i];
    ps.orbitX = ps.orbitStoreX.data();
    ps.orbitY = ps.orbitStoreY.data();
    ps.iterationCount = n;
    ps.renderMethod = method;
    ps.resultA = ps.resultB = -12345.0;  // must be overwritten
    RenderOrbit(ps);
    return Results{ps.resultA, ps.resultB};
}

// An orbit of n + 1 points that wanders through [-2, 2] without hitting
// zero, so that every method has something to measure.
inline void WanderingOrbit(int n, std::vector<double>& x, std::vector<double>& y, unsigned seed = 1) {
    x.assign(static_cast<size_t>(n) + 1, 0.0);
    y.assign(static_cast<size_t>(n) + 1, 0.0);
    unsigned s = seed;
    auto next = [&s] {
        s = s * 1103515245u + 12345u;
        return ((s >> 8) & 0xffff) / 65536.0;
    };
    for (int i = 0; i <= n; ++i) {
        x[i] = 4.0 * next() - 2.0 + 0.01;
        y[i] = 4.0 * next() - 2.0 + 0.01;
    }
}

}  // namespace testing_support
}  // namespace zarvo
