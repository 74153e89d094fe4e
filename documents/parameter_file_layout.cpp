#include "parameter_file_layout.h"

#include <cstdlib>
#include <string>
#include <utility>

namespace zarvo {

const char* const reservedTitleLine = "reservedtitle";

namespace {

// AASet, when read, is also the running A.
void TakeAASetAsA(ParameterSet& ps, Reporter&, bool valueRead) {
    if (valueRead) ps.AA = ps.AASet;
}

}  // namespace

ParameterLine& LayoutBuilder::add(LineKind kind, const char* name, W w, double v) {
    ParameterLine l;
    l.number = firstLine_ + static_cast<int>(lines_.size());
    l.kind = kind;
    l.field = name;
    l.whenMissing = w;
    l.missingValue = v;
    lines_.push_back(l);
    return lines_.back();
}

ParameterLine& LayoutBuilder::heading(const char* name, const char* text) {
    ParameterLine& l = add(LineKind::Heading, name, W::AlwaysRead);
    l.text = text;
    return l;
}

ParameterLine& LayoutBuilder::formulaText(LineKind kind, const char* name) { return add(kind, name, W::AlwaysRead); }

ParameterLine& LayoutBuilder::ignored(const char* what) { return add(LineKind::Ignored, what, W::Stop); }

ParameterLine& LayoutBuilder::integer(int32_t PS::*f, const char* name, W w, double v) {
    ParameterLine& l = add(LineKind::Integer, name, w, v);
    l.integer = f;
    return l;
}

ParameterLine& LayoutBuilder::flag(int32_t PS::*f, const char* name, W w, double v) {
    ParameterLine& l = add(LineKind::Flag, name, w, v);
    l.integer = f;
    return l;
}

ParameterLine& LayoutBuilder::real(double PS::*f, const char* name, W w, double v) {
    ParameterLine& l = add(LineKind::Real, name, w, v);
    l.real = f;
    return l;
}

ParameterLine& LayoutBuilder::tableEntry(double (PS::*t)[attractorTableSize + 1], const char* name, int index) {
    ParameterLine& l = add(LineKind::Real, name, W::Resume);
    l.table = t;
    l.tableIndex = index;
    return l;
}

void LayoutBuilder::attractorView() {
    real(&PS::vtlZoom, "vtlZoom");
    real(&PS::vtlXCentre, "vtlXCentre");
    real(&PS::vtlXMax, "vtlXMax");
    real(&PS::vtlYCentre, "vtlYCentre");
    real(&PS::vtlYMax, "vtlYMax");
}

void LayoutBuilder::attractorMaps() {
    real(&PS::vtlFactor1, "vtlFactor1", W::Resume);
    real(&PS::vtlFactor2, "vtlFactor2", W::Resume);
    real(&PS::randomFactor, "randomFactor", W::Resume);
    flag(&PS::squareRoot, "squareRoot");
    for (int i = 1; i <= attractorTableSize; ++i) {
        tableEntry(&PS::af, "af", i);
        tableEntry(&PS::bf, "bf", i);
    }
    real(&PS::AASet, "AASet").after = TakeAASetAsA;
    real(&PS::BB, "BB");
    flag(&PS::colorMix, "colorMix");
    flag(&PS::expansion, "expansion");
    flag(&PS::modulas, "modulas");
}

void LayoutBuilder::attractorVariations() {
    for (auto [field, name] : {std::pair{&PS::varNone, "varNone"},
                               {&PS::varLinear, "varLinear"},
                               {&PS::varSinusoidal, "varSinusoidal"},
                               {&PS::varSpherical, "varSpherical"},
                               {&PS::varSwirl, "varSwirl"},
                               {&PS::varHorseshoe, "varHorseshoe"},
                               {&PS::varPolar, "varPolar"},
                               {&PS::varBent, "varBent"},
                               {&PS::varInversion, "varInversion"}}) {
        flag(field, name);
    }
}

std::vector<ParameterLine> LayoutBuilder::finish(int lineCount) {
    if (static_cast<int>(lines_.size()) != lineCount) std::abort();
    return std::move(lines_);
}

namespace {

using W = WhenMissing;
using PS = ParameterSet;

void LimitBlendMethod(ParameterSet& ps, Reporter& reporter, bool) {
    if (ps.blendMethod > 26) {
        reporter.message("blending .gt. 26, setting 1");
        ps.blendMethod = 1;
    }
}

// The Julia constant is also the record's c, whether read or defaulted.
void JuliaConstantIsC(ParameterSet& ps, Reporter&, bool) {
    ps.cRe = ps.juliaRe;
    ps.cIm = ps.juliaIm;
}

std::vector<ParameterLine> BuildLayout() {
    LayoutBuilder b;
    b.heading("title", programTitle);                            // 1
    b.integer(&PS::formulaIndex, "formulaIndex");                // 2
    b.integer(&PS::renderMethod, "renderMethod");                // 3
    b.ignored("always 0");                                       // 4
    b.formulaText(LineKind::Title, "formulaTitle");              // 5
    b.formulaText(LineKind::Description, "formulaDescription");  // 6
    b.heading("reservedtitle", reservedTitleLine);               // 7
    b.real(&PS::zoom, "zoom");                                   // 8
    b.real(&PS::xCentre, "xCentre");
    b.real(&PS::xMax, "xMax");
    b.real(&PS::yCentre, "yCentre");
    b.real(&PS::yMax, "yMax");  // 12
    b.real(&PS::redStart, "redStart");
    b.real(&PS::greenStart, "greenStart");
    b.real(&PS::blueStart, "blueStart");
    b.real(&PS::redStep, "redStep");
    b.real(&PS::greenStep, "greenStep");
    b.real(&PS::blueStep, "blueStep");  // 18
    b.integer(&PS::spareSetting1, "spareSetting1");
    b.integer(&PS::maxIterations, "maxIterations");                                               // 20
    b.integer(&PS::blendMethod, "blendMethod", W::DefaultAndResume, 1).after = LimitBlendMethod;  // 21
    b.integer(&PS::rgbOrder, "rgbOrder", W::DefaultAndResume, 1);
    b.real(&PS::intensity, "intensity", W::DefaultAndResume, 2.0);
    b.real(&PS::factor4, "factor4", W::DefaultAndResume, 2.0);
    b.real(&PS::factor5, "factor5", W::DefaultAndResume, 8.0);
    b.real(&PS::strands, "strands", W::DefaultAndResume, 0.05);
    b.integer(&PS::bailout, "bailout", W::DefaultAndResume, 4);
    b.integer(&PS::juliaMode, "juliaMode", W::DefaultAndResume, 0);
    b.integer(&PS::juliaConstantSet, "juliaConstantSet", W::DefaultAndResume, 0);
    b.integer(&PS::inverseFormula, "inverseFormula", W::DefaultAndResume, 0);  // 30
    b.real(&PS::juliaRe, "juliaRe", W::DefaultAndResume, 0.0);
    b.real(&PS::juliaIm, "juliaIm", W::DefaultAndResume, 0.0).after = JuliaConstantIsC;  // 32
    b.integer(&PS::rotateMode, "rotateMode", W::DefaultAndResume, 0);
    b.real(&PS::redSaturate, "redSaturate", W::DefaultAndResume, 127.0);
    b.real(&PS::greenSaturate, "greenSaturate", W::DefaultAndResume, 127.0);
    b.real(&PS::blueSaturate, "blueSaturate", W::DefaultAndResume, 127.0);
    b.real(&PS::redOffset, "redOffset", W::DefaultAndResume, 127.0);
    b.real(&PS::greenOffset, "greenOffset", W::DefaultAndResume, 127.0);
    b.real(&PS::blueOffset, "blueOffset", W::DefaultAndResume, 127.0);  // 39
    b.integer(&PS::spareSetting2, "spareSetting2", W::DefaultAndResume, 1);
    b.integer(&PS::spareSetting3, "spareSetting3", W::DefaultAndResume, 1);
    b.integer(&PS::transformMode, "transformMode", W::DefaultAndResume, 0);
    b.real(&PS::power, "power", W::DefaultAndResume, 2.0);                                 // 43
    b.attractorView();                                                                     // 44..48
    b.attractorMaps();                                                                     // 49..177
    b.attractorVariations();                                                               // 178..186
    b.flag(&PS::vantrelFormulaMode, "vantrelFormulaMode", W::DefaultStayStopped, flagOn);  // 187
    b.real(&PS::vtlRed, "vtlRed");
    b.real(&PS::vtlGreen, "vtlGreen");
    b.real(&PS::vtlBlue, "vtlBlue");  // 190
    return b.finish(parameterFileLineCount);
}

}  // namespace

const std::vector<ParameterLine>& ParameterFileLayout() {
    static const std::vector<ParameterLine> layout = BuildLayout();
    return layout;
}

}  // namespace zarvo
