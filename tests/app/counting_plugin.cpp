// A formula plug-in for the desktop program's tests: three formulas that
// count their calls. 0: z*z + c; 1: the same, slowly (for stopping a scan
// midway); 2: raises a division-by-zero fault at the picture's centre row.
#include <chrono>
#include <cstdint>

#include "zarvo_plugin.h"

namespace {
int32_t g_calls = 0;
const char* const kTitles[3] = {"square ", "slow square ", "faulty "};
const char* const kDescriptions[3] = {"counts calls ", "takes its time ", "divides by zero "};
}  // namespace

extern "C" {

__attribute__((visibility("default"))) int32_t _total(void) { return 3; }

__attribute__((visibility("default"))) int32_t _info(FormulaRecord* rec) {
    const int i = rec->formulaIndex;
    if (i < 0 || i > 2) return 0;
    rec->formulaTitle = kTitles[i];
    rec->formulaDescription = kDescriptions[i];
    return 1;
}

__attribute__((visibility("default"))) int32_t _formula(FormulaRecord* rec) {
    ++g_calls;
    if (rec->formulaIndex == 1) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(30);
        while (std::chrono::steady_clock::now() < until) {
        }
    }
    if (rec->formulaIndex == 2 && rec->zIm > -0.02 && rec->zIm < 0.02) {
        volatile double zero = 0.0;
        rec->resultA = 1.0 / zero;
    }
    double x = rec->zRe, y = rec->zIm;
    int n = 0;
    while (n < rec->maxIterations && x * x + y * y < 4.0) {
        const double t = x * x - y * y + rec->cRe;
        y = 2 * x * y + rec->cIm;
        x = t;
        rec->orbitX[n] = x;
        rec->orbitY[n] = y;
        ++n;
    }
    rec->iterationCount = n;
    return 0;
}

__attribute__((visibility("default"))) int32_t counting_calls(void) { return g_calls; }
__attribute__((visibility("default"))) void counting_reset(void) { g_calls = 0; }
}
