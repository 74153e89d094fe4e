// A formula plug-in for the threaded-scan tests, built twice: once declaring
// itself re-entrant, once (ZARVO_PROBE_SERIAL) without _reentrant. Every
// call counts itself and notes how many calls were running at the same time.
//   formula 0: z*z + c, stored like plug-in one's formula 0 (bailout 4)
//   formula 1: the same, with a division by zero for every pixel right of
//              and below the centre (the first one is in the middle row)
//   formula 2: the same as 0, taking about 50 microseconds a call
//   formula 3: leaves maxIterations + 1 as its count and writes the orbit
//              entries maxIterations and maxIterations + 1 in four patterns
//              (both, only one of them, neither), some with a zero coordinate;
//              pixels below `power` count two further, to entries nothing wrote
//   formula 4: pixels right of factor4 write (strands, strands) into entry
//              maxIterations + 1 without counting up to it; pixels below
//              `power` count up to it without writing it (so they read what
//              the last writer left); the others neither
#include <atomic>
#include <chrono>

#include "zarvo_plugin.h"

namespace {
std::atomic<int> g_calls{0};
std::atomic<int> g_running{0};
std::atomic<int> g_mostAtOnce{0};
const char* const kTitle = "threads probe ";
}  // namespace

extern "C" {

ZARVO_EXPORT int32_t _total(void) { return 5; }

ZARVO_EXPORT int32_t _info(FormulaRecord* rec) {
    rec->formulaTitle = kTitle;
    rec->formulaDescription = kTitle;
    return rec->formulaIndex;
}

ZARVO_EXPORT int32_t _formula(FormulaRecord* rec) {
    ++g_calls;
    const int running = ++g_running;
    int most = g_mostAtOnce.load();
    while (running > most && !g_mostAtOnce.compare_exchange_weak(most, running)) {
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::microseconds(50);
    // Long enough for calls from other threads to overlap with this one.
    for (int spin = 0; spin < 200 || (rec->formulaIndex == 2 && std::chrono::steady_clock::now() < until); ++spin) {
    }

    if (rec->formulaIndex == 3) {
        const int m = rec->maxIterations;
        for (int i = 0; i < m; ++i) {
            rec->orbitX[i] = rec->zRe + 0.01 * i;
            rec->orbitY[i] = rec->zIm - 0.02 * i;
        }
        const int pattern = static_cast<int>(rec->zRe * 7.0 + rec->zIm * 3.0 + 100.0) % 4;
        if (pattern == 0 || pattern == 2) {
            rec->orbitX[m] = pattern == 0 ? 0.0 : 0.4;
            rec->orbitY[m] = 0.5 + rec->zIm;
        }
        if (pattern == 0 || pattern == 1) {
            rec->orbitX[m + 1] = 0.75 + rec->zRe;
            rec->orbitY[m + 1] = 1.25;
        }
        rec->iterationCount = rec->zIm > rec->power ? m + 3 : m + 1;
        --g_running;
        return rec->iterationCount;
    }
    if (rec->formulaIndex == 4) {
        const int m = rec->maxIterations;
        for (int i = 0; i <= m; ++i) {
            rec->orbitX[i] = rec->zRe + 0.01 * i;
            rec->orbitY[i] = rec->zIm - 0.02 * i;
        }
        rec->iterationCount = m;
        if (rec->zRe > rec->factor4) {
            rec->orbitX[m + 1] = rec->strands;
            rec->orbitY[m + 1] = rec->strands;
        } else if (rec->zIm > rec->power) {
            rec->iterationCount = m + 1;
        }
        --g_running;
        return rec->iterationCount;
    }
    double x = rec->zRe, y = rec->zIm;
    const double cx = rec->cRe, cy = rec->cIm;
    rec->iterationCount = 0;
    rec->orbitX[0] = x;
    rec->orbitY[0] = y;
    for (;;) {
        const int n = rec->iterationCount;
        rec->iterationCount = n + 1;
        if (n >= rec->maxIterations || !(x * x + y * y < 4.0)) break;
        rec->orbitX[n + 1] = x;
        rec->orbitY[n + 1] = y;
        const double t = x * x - y * y + cx;
        y = 2.0 * x * y + cy;
        x = t;
    }
    rec->orbitX[rec->iterationCount] = x;
    rec->orbitY[rec->iterationCount] = y;
    if (rec->formulaIndex == 1 && rec->zRe > 0 && rec->zIm > 0) {
        volatile double zero = 0.0;
        rec->zRe = 1.0 / zero;
    }
    --g_running;
    return rec->iterationCount;
}

#ifndef ZARVO_PROBE_SERIAL
ZARVO_EXPORT int32_t _reentrant(void) { return 1; }
#endif

// Test access, looked up with dlsym.
ZARVO_EXPORT int probe_calls(void) { return g_calls.load(); }
ZARVO_EXPORT int probe_most_at_once(void) { return g_mostAtOnce.load(); }
ZARVO_EXPORT void probe_reset(void) {
    g_calls = 0;
    g_mostAtOnce = 0;
}
}
