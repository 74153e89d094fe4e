#!/usr/bin/env python3
"""Writes angle_weight_table.h: piecewise polynomials for |sin(constPI * atan(t))|
and |sin(constPI * (pi/2 - atan(t)))| on 0 <= t <= 1, the two halves of the
angle weight of a plotted point (q = t or q = 1/t).

Each function is cut into 16 equal pieces (the second one separately on both
sides of t* = 1/tan(pi/constPI), where its sine passes zero and |sin| has a
corner); each piece is a Chebyshev fit of degree 8 in s = (t - middle) * 2 / width,
checked at 400 points per piece against 120-bit arithmetic. Needs mpmath.
Run from the repository root: python3 attractor/tools/angle_weight_fit.py
"""
import mpmath

mpmath.mp.prec = 120
C = mpmath.mpf(3.14159265359)  # constPI: the double nearest 3.14159265359
C = mpmath.mpf(float(C))
PIECES, DEGREE = 16, 8


def g0(t):
    return abs(mpmath.sin(C * mpmath.atan(t)))


def g1(t):
    return abs(mpmath.sin(C * (mpmath.pi / 2 - mpmath.atan(t))))


def fit(f, a, b):
    rows, worst = [], mpmath.mpf(0)
    h = (b - a) / PIECES
    for i in range(PIECES):
        mid = a + (i + mpmath.mpf(0.5)) * h
        fs = lambda s: f(mid + s * h / 2)
        poly = mpmath.chebyfit(fs, [-1, 1], DEGREE + 1)
        worst = max(worst, max(abs(mpmath.polyval(poly, s) - fs(s)) for s in mpmath.linspace(-1, 1, 400)))
        rows.append([float(c) for c in reversed(poly)])  # lowest degree first
    return rows, worst


tstar = 1 / mpmath.tan(mpmath.pi / C)
parts = [("kUnfolded", g0, 0, 1), ("kFoldedLow", g1, 0, tstar), ("kFoldedHigh", g1, tstar, 1)]
out = ["// Written by attractor/tools/angle_weight_fit.py; do not edit.",
       "// Piecewise polynomials for the angle weight (checked_trig.h).",
       "#pragma once", "", "namespace zarvo::attractor::checked {", "",
       "inline constexpr int kAnglePieces = %d;" % PIECES,
       "inline constexpr double kFoldCorner = %s;  // t*" % float(tstar).hex()]
worst = 0
for name, f, a, b in parts:
    rows, w = fit(f, a, b)
    worst = max(worst, w)
    out.append("inline constexpr double %s[%d][%d] = {" % (name, PIECES, DEGREE + 1))
    for r in rows:
        out.append("    {" + ", ".join(c.hex() for c in r) + "},")
    out.append("};")
out.append("// Largest difference of a piece from its function: %.3g." % float(worst))
out.append("inline constexpr double kAngleFitError = %.3g;" % float(worst))
out += ["", "}  // namespace zarvo::attractor::checked", ""]
open("attractor/angle_weight_table.h", "w").write("\n".join(out))
