#include "picture_state.h"

#include <cstring>

namespace zarvo {

namespace {

enum class Part {
    Computation,  // decides the planes
    Colour,       // decides only how the planes are coloured
    Kept,         // put back, but never tells two pictures apart
};

template <typename T>
struct Field {
    T FormulaRecord::*member;
    Part part;
};

// clang-format off
const Field<double> kDoubles[] = {
    {&FormulaRecord::xCentre, Part::Computation}, {&FormulaRecord::yCentre, Part::Computation},
    {&FormulaRecord::zoom, Part::Computation},
    {&FormulaRecord::xMin, Part::Kept}, {&FormulaRecord::xMax, Part::Kept},
    {&FormulaRecord::yMin, Part::Kept}, {&FormulaRecord::yMax, Part::Kept},
    {&FormulaRecord::juliaRe, Part::Computation}, {&FormulaRecord::juliaIm, Part::Computation},
    {&FormulaRecord::cRe, Part::Kept}, {&FormulaRecord::cIm, Part::Kept},
    {&FormulaRecord::power, Part::Computation}, {&FormulaRecord::factor4, Part::Computation},
    {&FormulaRecord::factor5, Part::Computation}, {&FormulaRecord::strands, Part::Computation},
    {&FormulaRecord::intensity, Part::Colour},
    {&FormulaRecord::redStep, Part::Colour}, {&FormulaRecord::blueStep, Part::Colour},
    {&FormulaRecord::greenStep, Part::Colour},
    {&FormulaRecord::redStart, Part::Colour}, {&FormulaRecord::blueStart, Part::Colour},
    {&FormulaRecord::greenStart, Part::Colour},
    {&FormulaRecord::redSaturate, Part::Colour}, {&FormulaRecord::blueSaturate, Part::Colour},
    {&FormulaRecord::greenSaturate, Part::Colour},
    {&FormulaRecord::redOffset, Part::Colour}, {&FormulaRecord::blueOffset, Part::Colour},
    {&FormulaRecord::greenOffset, Part::Colour},
};

const Field<int32_t> kIntegers[] = {
    {&FormulaRecord::pictureWidth, Part::Computation}, {&FormulaRecord::pictureHeight, Part::Computation},
    {&FormulaRecord::bailout, Part::Computation}, {&FormulaRecord::maxIterations, Part::Computation},
    {&FormulaRecord::formulaIndex, Part::Computation}, {&FormulaRecord::renderMethod, Part::Computation},
    {&FormulaRecord::juliaMode, Part::Computation}, {&FormulaRecord::juliaConstantSet, Part::Kept},
    {&FormulaRecord::inverseFormula, Part::Computation}, {&FormulaRecord::rotateMode, Part::Computation},
    {&FormulaRecord::blendMethod, Part::Colour}, {&FormulaRecord::rgbOrder, Part::Colour},
};
// clang-format on

// Bitwise, so that a NaN equals itself and 0.0 differs from -0.0: two
// states are the same picture exactly when every value is the same.
bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool Agree(const PictureState& a, const PictureState& b, bool colours) {
    if (a.transformMode != b.transformMode) return false;
    for (const Field<double>& f : kDoubles) {
        // The Swirly transform scales the orbit by the intensity, so there
        // it decides the planes as well.
        const bool counts = f.part == Part::Computation || (f.part == Part::Colour && colours) ||
                            (f.member == &FormulaRecord::intensity && a.transformMode == 1);
        if (counts && !SameBits(a.values.*f.member, b.values.*f.member)) return false;
    }
    for (const Field<int32_t>& f : kIntegers) {
        const bool counts = f.part == Part::Computation || (f.part == Part::Colour && colours);
        if (counts && a.values.*f.member != b.values.*f.member) return false;
    }
    return true;
}

}  // namespace

PictureState CapturePicture(const ParameterSet& ps) {
    PictureState state;
    state.values = static_cast<const FormulaRecord&>(ps);
    state.transformMode = ps.transformMode;
    return state;
}

void RestorePicture(ParameterSet& ps, const PictureState& state) {
    for (const Field<double>& f : kDoubles) ps.*f.member = state.values.*f.member;
    for (const Field<int32_t>& f : kIntegers) ps.*f.member = state.values.*f.member;
    ps.transformMode = state.transformMode;
}

bool SamePicture(const PictureState& a, const PictureState& b) { return Agree(a, b, true); }

bool SameComputation(const PictureState& a, const PictureState& b) { return Agree(a, b, false); }

}  // namespace zarvo
