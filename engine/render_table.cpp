// The table of render methods: number, menu caption, menu and function.
#include "render_methods.h"

namespace zarvo {

namespace {

using namespace render;

const RenderMethodInfo kMethods[renderMethodCount] = {
    {1, "1.) log(Iterations escape value)", 1, IterationsEscape},
    {2, "2.) orbit counting", 1, CountingSineDistort},
    {3, "3.) orbit counting", 1, CountingCubic},
    {4, "4.) orbit counting", 1, CountingSineGap},
    {5, "5.) orbit counting", 1, CountingRatio},
    {6, "6.) orbit counting", 1, CountingComplexSine},
    {7, "7.) orbit counting", 1, CountingComplexCos},
    {8, "8.) fractal dimension", 1, FractalDimension},
    {9, "9.)  fractal dimension", 1, FractalDimensionInverse},
    {10, "10.) sin(x*x+y*y) (gaussian)", 1, GaussianSquares},
    {11, "11.) sin(x*x); sin(y*y) (gaussian)", 1, GaussianSineSquares},
    {12, "12.) sin(x); sin(y); sin(x+y); (gaussian)", 1, GaussianSineSum},
    {13, "13.) sin(x*y; cos(x*y); sin(x); sin(y); (gaussian)", 1, GaussianSineProduct},
    {14, "14.) sine-trap 01", 1, SineTrap01},
    {15, "15.) sine-trap 02", 1, SineTrap02},
    {16, "16.) sine-trap 03", 1, SineTrap03},
    {17, "17.) sine-trap 04", 1, SineTrap04},
    {18, "18.) x/y; y/x; stalks", 1, Stalks},
    {19, "19.) gaussian 2, max", 2, Gaussian2Max},
    {20, "20.) gaussian 3, max", 2, Gaussian3Max},
    {21, "21.) transform dimension", 2, TransformDimension},
    {22, "22.) gaussian 5, max", 2, Gaussian5Max},
    {23, "23.) gaussian 6, max", 2, Gaussian6Max},
    {24, "24.) Triangle Inequality", 2, TriangleInequality},
    {25, "25.) log counting", 2, LogCounting},
    {26, "26.) sine dimension 8", 2, SineDimension8},
    {27, "27.) gaussian sine dimension 9", 2, GaussianSineDimension9},
    {28, "28.) sine dimension 10", 2, SineDimension10},
    {29, "29.) sine dimension 11", 2, SineDimension11},
};

}  // namespace

const RenderMethodInfo* RenderMethods() { return kMethods; }

const RenderMethodInfo* FindRenderMethod(int number) {
    if (number < 1 || number > renderMethodCount) return nullptr;
    return &kMethods[number - 1];
}

}  // namespace zarvo
