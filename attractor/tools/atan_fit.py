#!/usr/bin/env python3
"""Writes attractor/atan_table.h: the pieces of the checked extended arc
tangent (checked_trig.h) and the coefficients of its sine and cosine kernels.

atan t for 0 <= t <= 1 on 33 pieces centred at c = k/32 (half-width 1/64,
widened by 2^-20 for the index taken in double precision):
atan(c + s) = atan c + s (c1 + c2 s + ... + c9 s^8), the bracket a
Chebyshev fit of (atan(c + s) - atan c) / s (atan(s) / s on the first
piece). atan c as a long double hi plus a double lo; c1..c3 long doubles,
c4..c9 doubles (their share of the value is below 2^-24 of it). The folded
table holds pi/2 - atan(c + s) (hi, lo, and the coefficients negated).

Needs mpmath.  Usage: python3 atan_fit.py > ../atan_table.h
"""
import mpmath as mp

mp.mp.dps = 80
PIECES = 32
DEGREE = 9


def long_double(x):
    """The 64-bit-mantissa value nearest x, as a hexadecimal literal."""
    x = mp.mpf(x)
    if x == 0:
        return mp.mpf(0), "0.0L"
    e = int(mp.floor(mp.log(abs(x), 2)))
    m = int(mp.nint(abs(x) * mp.mpf(2) ** (63 - e)))
    while m >= 2 ** 64:
        m, e = (m + 1) // 2, e + 1
    while m < 2 ** 63:
        m, e = m * 2, e - 1
    v = mp.mpf(m) * mp.mpf(2) ** (e - 63)
    return (v if x > 0 else -v), "%s0x%016xp%dL" % ("-" if x < 0 else "", m, e - 63)


def double(x):
    x = mp.mpf(x)
    if x == 0:
        return mp.mpf(0), "0.0"
    e = int(mp.floor(mp.log(abs(x), 2)))
    m = int(mp.nint(abs(x) * mp.mpf(2) ** (52 - e)))
    while m >= 2 ** 53:
        m, e = (m + 1) // 2, e + 1
    v = mp.mpf(m) * mp.mpf(2) ** (e - 52)
    return (v if x > 0 else -v), "%s0x%xp%d" % ("-" if x < 0 else "", m, e - 52)


def atan_tables():
    h = mp.mpf(1) / (2 * PIECES) * (1 + mp.mpf(2) ** -20)
    rows = {False: [], True: []}
    worst = mp.mpf(0)
    for k in range(PIECES + 1):
        c = mp.mpf(k) / PIECES
        lo, hi = (0 if k == 0 else -h), (0 if k == PIECES else h)
        a = mp.atan(c)
        if k == 0:
            f = lambda s: mp.atan(s) / s if s != 0 else mp.mpf(1)
        else:
            f = lambda s: (mp.atan(c + s) - a) / s if s != 0 else 1 / (1 + c * c)
        poly, err = mp.chebyfit(f, [lo, hi], DEGREE, error=True)
        poly = poly[::-1]
        # Relative to the smallest value on the piece (s itself on the first).
        worst = max(worst, err if k == 0 else err * h / mp.atan(c - h))
        for folded in (False, True):
            base = mp.pi / 2 - a if folded else a
            sign = -1 if folded else 1
            top, top_text = long_double(base)
            coefficients = [sign * p for p in poly]
            entry = [top_text] + [long_double(v)[1] for v in coefficients[:3]]
            entry += [double(base - top)[1]] + [double(v)[1] for v in coefficients[3:]]
            rows[folded].append("    {" + ", ".join(entry) + "},")
    return rows, worst


def kernels():
    """Coefficients k3..k17 of the sine and k4..k16 of the cosine: long
    doubles for the first three of each, doubles for the rest (their share
    of the value is below 2^-18 of it)."""
    z_max = (mp.pi / 4 + mp.mpf(2) ** -60) ** 2
    sine = lambda z: mp.fsum((-1) ** (j + 1) * z ** j / mp.factorial(2 * j + 3) for j in range(40))
    cosine = lambda z: mp.fsum((-1) ** j * z ** j / mp.factorial(2 * j + 4) for j in range(40))
    out = []
    for name, f, degree, first, scale in (("Sin", sine, 7, 3, z_max * 1.12),
                                          ("Cos", cosine, 6, 4, z_max ** 2 / mp.cos(mp.pi / 4))):
        poly, err = mp.chebyfit(f, [0, z_max], degree + 1, error=True)
        poly = poly[::-1]
        names = []
        for i, p in enumerate(poly):
            text = long_double(p)[1] if i < 3 else double(p)[1]
            names.append("inline constexpr %s k%s%d = %s;" % ("long double" if i < 3 else "double", name, first + 2 * i, text))
        out.append((name, names, err * scale))
    return out


def main():
    rows, worst = atan_tables()
    print("// Written by attractor/tools/atan_fit.py; do not edit.")
    print("// The kernels of the checked extended sine, cosine and arc tangent")
    print("// (checked_trig.h).")
    print("#pragma once\n")
    print("namespace zarvo::attractor::checked {\n")
    print("// sin r = r + r z (kSin3 + kSin5 z + ...) and cos r = 1 - z/2 + z^2 (kCos4 +")
    print("// kCos6 z + ...), z = r^2 <= (pi/4 + 2^-60)^2.")
    for name, names, err in kernels():
        print("// %s: fit within 2^%.1f of the value." % (name, float(mp.log(err, 2))))
        print("\n".join(names))
    print("\n// atan(k/32 + s): fit within 2^%.1f of the value." % float(mp.log(worst, 2)))
    print("inline constexpr int kAtanPieces = %d;" % PIECES)
    print("struct alignas(64) AtanPiece {")
    print("    long double hi, c1, c2, c3;")
    print("    double lo, c4, c5, c6, c7, c8, c9;")
    print("};")
    print("// [0]: atan(c + s); [1]: pi/2 - atan(c + s).")
    print("inline constexpr AtanPiece kAtanTable[2][kAtanPieces + 1] = {")
    for folded in (False, True):
        print("  {")
        print("\n".join(rows[folded]))
        print("  },")
    print("};")
    print("\n}  // namespace zarvo::attractor::checked")


if __name__ == "__main__":
    main()
