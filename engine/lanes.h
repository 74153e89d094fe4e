// Several doubles computed side by side (the compiler's vector extension).
// Every operation acts lane by lane with the same IEEE rounding as on a
// single double, so a computation written once as a template gives the
// same bits on doubles and on lanes. Lanes2 fits one SSE2 register, Lanes4
// one AVX register (used only where the processor has AVX2).
#pragma once

#include <cstdint>
#include <cstring>

// For the small functions of the fast paths, which only pay off when the
// compiler can interleave several of them.
#define ZARVO_INLINE inline __attribute__((always_inline))

namespace zarvo {

using Lanes2 = double __attribute__((vector_size(16)));
using Lanes4 = double __attribute__((vector_size(32)));

template <typename V>
struct LaneTraits;
template <>
struct LaneTraits<double> {
    static constexpr int count = 1;
    using Bits = uint64_t;
};
template <>
struct LaneTraits<Lanes2> {
    static constexpr int count = 2;
    using Bits = uint64_t __attribute__((vector_size(16)));
    using Mask = int64_t __attribute__((vector_size(16)));  // -1 where a comparison holds
};
template <>
struct LaneTraits<Lanes4> {
    static constexpr int count = 4;
    using Bits = uint64_t __attribute__((vector_size(32)));
    using Mask = int64_t __attribute__((vector_size(32)));
};

template <typename V>
using LaneBitsOf = typename LaneTraits<V>::Bits;
template <typename V>
using LaneMaskOf = typename LaneTraits<V>::Mask;

// The bits of a double or of each lane, and back.
ZARVO_INLINE uint64_t BitsOf(double v) {
    uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}
template <typename V>
ZARVO_INLINE LaneBitsOf<V> BitsOf(V v) {
    return (LaneBitsOf<V>)v;
}
template <typename T>
ZARVO_INLINE T FromBits(LaneBitsOf<T> b) {
    T v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

// |v| without a library call.
template <typename T>
ZARVO_INLINE T Magnitude(T v) {
    return FromBits<T>(BitsOf(v) & 0x7fffffffffffffffull);
}

}  // namespace zarvo
