// The 29 render methods. Each turns the orbit of one pixel into the two
// values A and B that colour it. The table RenderMethods() names every
// method with its menu caption, so the desktop program builds its
// "Render01" and "Render02" menus from it.
#pragma once

namespace zarvo {

// What a render method reads: the orbit arrays (indices 0..n are valid and
// may be rewritten by the method) and the record values it uses.
struct OrbitData {
    double* x = nullptr;  // real parts X[0..n]
    double* y = nullptr;  // imaginary parts Y[0..n]
    int n = 0;            // iterations done (iterationCount)
    int maxIterations = 0;
    double factor4 = 1.0;   // scale of orbit points ("Filtering")
    double strands = 0.15;  // trap width
    double power = 2.0;     // bound of the triangle-inequality average
    double cRe = 0.0;       // constant c of the pixel
    double cIm = 0.0;
};

struct RenderResult {
    double a = 0.0;
    double b = 0.0;
};

using RenderFunction = RenderResult (*)(OrbitData& orbit);

struct RenderMethodInfo {
    int number;           // renderMethod value, 1..29
    const char* caption;  // menu caption
    int menu;             // 1: menu "Render01", 2: menu "Render02"
    RenderFunction function;
};

constexpr int renderMethodCount = 29;

// The 29 methods in menu order (number 1 first).
const RenderMethodInfo* RenderMethods();
// The method with this number, or nullptr outside 1..29.
const RenderMethodInfo* FindRenderMethod(int number);

namespace render {

// Orbit counting and trap methods (render_counting.cpp).
RenderResult IterationsEscape(OrbitData& o);     // 1
RenderResult CountingSineDistort(OrbitData& o);  // 2
RenderResult CountingCubic(OrbitData& o);        // 3
RenderResult CountingSineGap(OrbitData& o);      // 4
RenderResult CountingRatio(OrbitData& o);        // 5
RenderResult CountingComplexSine(OrbitData& o);  // 6
RenderResult CountingComplexCos(OrbitData& o);   // 7

// Rescaled-range dimensions (render_dimension.cpp).
RenderResult FractalDimension(OrbitData& o);         // 8
RenderResult FractalDimensionInverse(OrbitData& o);  // 9
RenderResult Stalks(OrbitData& o);                   // 18
RenderResult TransformDimension(OrbitData& o);       // 21

// Distances to Gaussian integers (render_gaussian.cpp).
RenderResult GaussianSquares(OrbitData& o);      // 10
RenderResult GaussianSineSquares(OrbitData& o);  // 11
RenderResult GaussianSineSum(OrbitData& o);      // 12
RenderResult GaussianSineProduct(OrbitData& o);  // 13
RenderResult Gaussian2Max(OrbitData& o);         // 19
RenderResult Gaussian3Max(OrbitData& o);         // 20
RenderResult Gaussian5Max(OrbitData& o);         // 22
RenderResult Gaussian6Max(OrbitData& o);         // 23

// Sine traps (render_sine_trap.cpp).
RenderResult SineTrap01(OrbitData& o);  // 14
RenderResult SineTrap02(OrbitData& o);  // 15
RenderResult SineTrap03(OrbitData& o);  // 16
RenderResult SineTrap04(OrbitData& o);  // 17

// Triangle inequality average and logarithmic counting (render_triangle_log.cpp).
RenderResult TriangleInequality(OrbitData& o);  // 24
RenderResult LogCounting(OrbitData& o);         // 25

// Sine dimensions (render_sine_dimension.cpp).
RenderResult SineDimension8(OrbitData& o);          // 26
RenderResult GaussianSineDimension9(OrbitData& o);  // 27
RenderResult SineDimension10(OrbitData& o);         // 28
RenderResult SineDimension11(OrbitData& o);         // 29

}  // namespace render
}  // namespace zarvo
