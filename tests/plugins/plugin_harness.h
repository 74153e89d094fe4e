// A small host for the tests: loads a plug-in file with dlopen, binds its
// three exports and owns a record and two orbit arrays pre-filled with a
// sentinel, so that every entry a plug-in writes can be seen.
#ifndef ZARVO_TESTS_PLUGIN_HARNESS_H
#define ZARVO_TESTS_PLUGIN_HARNESS_H

#include "zarvo_plugin.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace zarvo::test {

// One loaded plug-in file; bindExports() types its exports for a record.
class PluginLibrary {
public:
    explicit PluginLibrary(const char* path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }
    void* symbol(const char* name) const;

private:
    void* handle_ = nullptr;
    std::string error_;
};

// The orbit arrays get a guard band past the interface's 7001 entries so
// that a write beyond entry 7000 would be seen as well.
constexpr int kOrbitGuard = 64;
constexpr double kSentinel = -7777.125;

template <class Rec>
struct Exports {
    int32_t (*total)();
    int32_t (*info)(Rec*);
    int32_t (*formula)(Rec*);
};

template <class Rec>
Exports<Rec> bindExports(const PluginLibrary& lib) {
    Exports<Rec> e{};
    e.total = reinterpret_cast<int32_t (*)()>(lib.symbol("_total"));
    e.info = reinterpret_cast<int32_t (*)(Rec*)>(lib.symbol("_info"));
    e.formula = reinterpret_cast<int32_t (*)(Rec*)>(lib.symbol("_formula"));
    return e;
}

// A record of type Rec with orbit arrays and the defaults the host uses.
template <class Rec>
struct Pixel {
    Rec rec;
    std::vector<double> orbitX = std::vector<double>(ZARVO_ORBIT_SIZE + kOrbitGuard, kSentinel);
    std::vector<double> orbitY = std::vector<double>(ZARVO_ORBIT_SIZE + kOrbitGuard, kSentinel);

    Pixel() {
        std::memset(&rec, 0, sizeof rec);
        rec.orbitX = orbitX.data();
        rec.orbitY = orbitY.data();
        rec.bailout = 10000000;
        rec.maxIterations = 32;
    }
    Pixel(const Pixel&) = delete;
    Pixel& operator=(const Pixel&) = delete;

    void set(int32_t index, double zRe, double zIm, double cRe, double cIm) {
        rec.formulaIndex = index;
        rec.zRe = zRe;
        rec.zIm = zIm;
        rec.cRe = cRe;
        rec.cIm = cIm;
        rec.iterationCount = 0;
    }
    bool untouched(int i) const { return orbitX[i] == kSentinel && orbitY[i] == kSentinel; }
    // Index of the highest orbit entry that differs from the sentinel, or -1.
    int highestWritten() const;
};

template <class Rec>
int Pixel<Rec>::highestWritten() const {
    for (int i = static_cast<int>(orbitX.size()) - 1; i >= 0; --i)
        if (!untouched(i)) return i;
    return -1;
}

// Bitwise equality of doubles (NaN payloads and signed zeros included).
bool sameBits(double a, double b);

// True when the orbits of two runs agree bitwise on entries from..to.
template <class A, class B>
bool sameOrbit(const Pixel<A>& a, const Pixel<B>& b, int from, int to) {
    for (int i = from; i <= to; ++i)
        if (!sameBits(a.orbitX[i], b.orbitX[i]) || !sameBits(a.orbitY[i], b.orbitY[i])) return false;
    return true;
}

}  // namespace zarvo::test

#endif
