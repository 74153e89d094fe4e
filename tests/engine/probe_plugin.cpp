// A tiny formula plug-in for the engine tests: it records what the host
// handed it, so a test can check the per-pixel protocol without depending
// on real formulas.
#include <cmath>
#include <cstring>

#include "zarvo_plugin.h"

namespace {
int g_calls = 0;
FormulaRecord g_last;
int g_behaviour = 0;  // 0 plain, 1 divide by zero, 2 overflow, 3 invalid, 4 write orbit to max+1
const char* const kTitle = "probe ";
const char* const kDescription = "probe description";
}  // namespace

extern "C" {

ZARVO_EXPORT int32_t _total(void) { return 3; }

ZARVO_EXPORT int32_t _info(FormulaRecord* rec) {
    rec->formulaTitle = kTitle;
    rec->formulaDescription = kDescription;
    return rec->formulaIndex;
}

ZARVO_EXPORT int32_t _formula(FormulaRecord* rec) {
    ++g_calls;
    std::memcpy(static_cast<void*>(&g_last), rec, sizeof(FormulaRecord));
    volatile double zero = 0.0;
    volatile double big = 1e308;
    switch (g_behaviour) {
        case 1:
            rec->zRe = 1.0 / zero;
            break;
        case 2:
            rec->zRe = big * 10.0;
            break;
        case 3:
            rec->zRe = std::sqrt(-1.0 - zero);
            break;
        default:
            break;
    }
    // Leaves an orbit of length maxIterations + 1 like plug-in one does.
    for (int i = 0; i <= rec->maxIterations + 1; ++i) {
        rec->orbitX[i] = rec->zRe;
        rec->orbitY[i] = rec->zIm;
    }
    rec->iterationCount = rec->maxIterations + 1;
    return rec->iterationCount;
}

// Test access, looked up with dlsym.
ZARVO_EXPORT int probe_calls(void) { return g_calls; }
ZARVO_EXPORT void probe_reset(int behaviour) {
    g_calls = 0;
    g_behaviour = behaviour;
}
ZARVO_EXPORT const FormulaRecord* probe_last(void) { return &g_last; }
}
