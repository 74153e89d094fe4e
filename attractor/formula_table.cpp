// The formula table: captions exactly as the menus show them. The captions
// are labels only; the step functions compute what each formula really does.
#include "formula_table.h"

#include "formulas.h"

namespace zarvo::attractor {

const std::array<AttractorFormula, formulaCountVantrel>& AttractorFormulas() {
    // clang-format off
    static const std::array<AttractorFormula, formulaCountVantrel> table{{
        {1, 0, "01.) W := AA*x - (1 - AA)*2*x*x / (1 + x*x);", true, FormulaFamily::W, formulas::F01},
        {2, 0, "02.) W := const2PI*AA + constPI + sin(constPI+sin(constPI+x));", true, FormulaFamily::W, formulas::F02},
        {3, 0, "03.) W := -0.05*AA*x + (constPI-AA*x)*(AA*x*x)/(1+x*x);", true, FormulaFamily::Other, formulas::F03},
        {4, 0, "04.) -0.05*AA*x + (constPI-AA*x)*(AA*x*x)/(1+x*x);", true, FormulaFamily::W, formulas::F04},
        {5, 0, "05.) xnew := y - sqrt(abs(x*(af[4]+(constPI*x*af[2]))));", true, FormulaFamily::Other, formulas::F05},
        {6, 0, "06.) xnew := sqrt(abs(x)) + y - sqrt(abs(x*(af[4]+(constPI*x*af[2]))));", true, FormulaFamily::Other, formulas::F06},
        {7, 0, "07.) xnew := af[2] * x + y + sqrt(abs(sqrt(abs((x*(constPI*af[1]))))));", true, FormulaFamily::Other, formulas::F07},
        {8, 0, "08.) W := AA*x + AA*(5*x*x)/(4 + x*x) + sin(sin(x));", true, FormulaFamily::W, formulas::F08},
        {9, 0, "09.) W := AA + AA + (1 - AA)*((2*x*x)/(constPI+x*x)) + sin(constPI+x);", true, FormulaFamily::W, formulas::F09},
        {10, 0, "10.) W := AA+sin(x)+AA;", true, FormulaFamily::W, formulas::F10},
        {11, 0, "11.) W := AA*(sin(x)+AA);", true, FormulaFamily::W, formulas::F11},
        {12, 0, "12.) -x + AA * xn + 2 * xn * xn * (1 - AA) / (1 + xn * xn + sin(xn));", true, FormulaFamily::Xn, formulas::F12},
        {13, 0, "13.) -x + AA * xn + y * xn * (1 - AA) / (1 +  xn * xn);", true, FormulaFamily::Xn, formulas::F13},
        {14, 0, "14.) -x + AA * xn + 2 * y * xn * (1 - AA) / (1 +  xn*xn);", true, FormulaFamily::Xn, formulas::F14},
        {15, 0, "15.) -x + AA * xn + 2 * y * xn * (1 - AA) / (1 + y * xn);", true, FormulaFamily::Xn, formulas::F15},
        {16, 0, "16.) -x + AA * xn + 2 * y * y * (1 - AA) / (1 + y * y);", true, FormulaFamily::Xn, formulas::F16},
        {17, 0, "17.) -x + AA * xn  + 2 * xn*xn * (1 - AA) / (1 + 2*xn*xn);", true, FormulaFamily::Xn, formulas::F17},
        {18, 0, "18.) -x + AA * xn + 2 * xn * xn * (1 - AA) / (1 + xn * xn);", true, FormulaFamily::Xn, formulas::F18},
        {19, 0, "19.) -x + AA * xn + AA * xn*xn * (1 - AA) / (1 + xn *xn);", true, FormulaFamily::Xn, formulas::F19},
        {20, 0, "20.) -x + AA*xn + 2*xn*xn * ((1 - AA) / (1 + xn*xn));", true, FormulaFamily::Xn, formulas::F20},
        {21, 0, "21.) -x + AA * xn + AA * 2*xn*xn * ((1 - AA) / (1 + xn*xn));", true, FormulaFamily::Xn, formulas::F21},
        {22, 0, "22.) AA*x - 20*AA*x*x*(1 - AA) / (1 + x*x+sin(1+x));", true, FormulaFamily::W, formulas::F22},
        {23, 1, "23.) -constPI / 2.0 * x + y + 100. * x / (x * x + 2.0);", true, FormulaFamily::Shift, formulas::F23},
        {24, 1, "24.) -x/2 + y + 100. * x / (x * x + 1.0);", true, FormulaFamily::Shift, formulas::F24},
        {25, 1, "25.) -x/2 + y + sign*((x - AA) * (x + y))/(x*x + y*y);", true, FormulaFamily::Shift, formulas::F25},
        {26, 1, "26.) -x/2 + y + sign * 10 * x  / (x * x + 1);", true, FormulaFamily::Shift, formulas::F26},
        {27, 1, "27.) -x/2 + y + sign * (2 - constPI * x)  / (x * x + 2);", true, FormulaFamily::Shift, formulas::F27},
        {28, 1, "28.) -x/8 + y + sign * (2 - constPI * x)  / (x * x + 2);", true, FormulaFamily::Shift, formulas::F28},
        {29, 1, "29.) -sign*x/2 + y + 100 * (x - y)*(constPI - sin(x))*AA  / (x*x + y*y);", true, FormulaFamily::Shift, formulas::F29},
        {30, 1, "30.) -x/2 + y + 100 * (x - y)  / (x * x + y * y );  // z113", true, FormulaFamily::Shift, formulas::F30},
        {31, 1, "31.) -x/2 + y + 100 * ((x - y)/2 + sin(x - y))  / (x * x + y * y );", true, FormulaFamily::Shift, formulas::F31},
        {32, 1, "32.) x/2 + y  + (1 - x)/abs(x*x - y);    // z107", true, FormulaFamily::Shift, formulas::F32},
        {33, 1, "33.) x/2 + y  + (1 - x)/abs(x*x - y);    // z107", true, FormulaFamily::Shift, formulas::F33},
        {34, 1, "34.) x/2 + y  + 20*(sign + x)/(sqrt(1+abs(x*x + y*y)));   // z109", true, FormulaFamily::Shift, formulas::F34},
        {35, 1, "35.) x/2 + y  + (50*sign - x)/sqrt(abs(x*x + y*y));   // z110", true, FormulaFamily::Shift, formulas::F35},
        {36, 1, "36.) -x/3 + y  + 10*(1 - x)/sqrt(abs(x*x + y*y));   // S - letter", true, FormulaFamily::Shift, formulas::F36},
        {37, 1, "37.) x/2 + y + AA*10*abs(x - y)/(x+abs(x*x + y*y)/10); // z111", true, FormulaFamily::Shift, formulas::F37},
        {38, 1, "38.) -x/1.1 + y  + 10*abs(x - y)/(abs(x*x/10 + y*y/10)); // z111", true, FormulaFamily::Shift, formulas::F38},
        {39, 1, "39.) x/1.2 + y  + 100*abs(x - y)/abs(x*x + y*y);  // z112", true, FormulaFamily::Shift, formulas::F39},
        {40, 1, "40.) -x/1.01 + y  + 100*sin(constPI+x)/abs(x*x + y*y);  // z113", true, FormulaFamily::Shift, formulas::F40},
        {41, 2, "01.)", true, FormulaFamily::Xn, formulas::F41},
        {42, 2, "02.)", true, FormulaFamily::Xn, formulas::F14},
        {43, 2, "03.)", true, FormulaFamily::Xn, formulas::F43},
        {44, 2, "04.)", true, FormulaFamily::Xn, formulas::F44},
        {45, 2, "05.)", true, FormulaFamily::Xn, formulas::F15},
        {46, 2, "06.)", true, FormulaFamily::Xn, formulas::F16},
        {47, 2, "07.)", true, FormulaFamily::Xn, formulas::F47},
        {48, 2, "08.)", true, FormulaFamily::Xn, formulas::F18},
        {49, 2, "09.)", true, FormulaFamily::Xn, formulas::F49},
        {50, 2, "10.)", true, FormulaFamily::Xn, formulas::F50},
        {51, 2, "11.)", true, FormulaFamily::Xn, formulas::F51},
        {52, 2, "12.)", true, FormulaFamily::Xn, formulas::F52},
        {53, 2, "13.)", true, FormulaFamily::Xn, formulas::F53},
        {54, 2, "14.)", true, FormulaFamily::Xn, formulas::F54},
        {55, 2, "15.)", true, FormulaFamily::Xn, formulas::F55},
        {56, -1, "", false, FormulaFamily::None, formulas::Unchanged},
        {57, -1, "", false, FormulaFamily::None, formulas::Unchanged},
        {58, -1, "", false, FormulaFamily::None, formulas::Unchanged},
        {59, -1, "", false, FormulaFamily::None, formulas::Unchanged},
        {60, 3, "60.) W := (1-AA*x) + (sin(constPI*x + sin(constPI*x) - (1 - AA)*(x*x)))/(1 + x*x)*sign;", true, FormulaFamily::W, formulas::F60},
        {61, 3, "61.) W := (AA*x) + sign*(1-AA)*v.af[1]*(sin(x+sin(x)));", true, FormulaFamily::W, formulas::F61},
        {62, 3, "62.) W := sign*AA*sin(v.af[3]*x) + AA*sin(v.af[5]*x); // 62", true, FormulaFamily::W, formulas::F62},
        {63, 3, "63.) W := sign*AA*sin(v.af[1]*x+sin(v.af[2]*x)) + AA*sin(v.af[3]*x+sin(v.af[4]*x)); // OK", true, FormulaFamily::W, formulas::F63},
        {64, 3, "64.) W := sign*AA*sin(v.af[1]*x)+AA*sin(v.af[2]*x+sin(v.af[3]*x)); // 64", true, FormulaFamily::W, formulas::F64},
        {65, 3, "65.) W := sign*AA*sin(v.af[1]*x)+sign*AA*sin(v.af[2]*x+sign*sin(v.af[3]*x));", true, FormulaFamily::W, formulas::F64},
        {66, 3, "66.) W := 0.5*AA*sign*(abs(y+x));", true, FormulaFamily::RotatedW, formulas::F66},
        {67, 3, "67.)", true, FormulaFamily::RotatedW, formulas::F67},
        {68, 3, "68.)", true, FormulaFamily::RotatedW, formulas::F68},
        {69, 3, "69.)", true, FormulaFamily::RotatedW, formulas::F67},
        {70, 4, "70.) z := x*v.af[1 + j] + y*v.af[2 + j] + v.af[3 + j];", true, FormulaFamily::Ifs, formulas::F70},
        {71, 4, "71.) z := x*v.af[1 + j] + y*v.af[1 + j] + v.af[5 + j] + sin(x) - sin(y);", true, FormulaFamily::Ifs, formulas::F71},
        {72, 4, "72.) x := v.af[1 + j]*sign*(x+y); ; flare", true, FormulaFamily::W, formulas::F72},
        {73, 4, "73.)", false, FormulaFamily::None, formulas::Unchanged},
        {74, 4, "74.)", false, FormulaFamily::None, formulas::Unchanged},
        {75, 4, "75.)", false, FormulaFamily::None, formulas::Unchanged},
    }};
    // clang-format on
    return table;
}

const std::array<const char*, 5>& FormulaMenuTitles() {
    static const std::array<const char*, 5> titles{{"Form'", "Form'", "Plank'", "Form''", "IFS"}};
    return titles;
}

FormulaStep FormulaStepFor(int32_t n) {
    if (n < 1 || n > formulaCountVantrel) return formulas::Unchanged;
    return AttractorFormulas()[static_cast<size_t>(n - 1)].step;
}

int CheckedFormulaItem(int32_t formulaIndex) {
    if (formulaIndex < 1 || formulaIndex > formulaCountVantrel) return 0;
    return AttractorFormulas()[static_cast<size_t>(formulaIndex - 1)].enabled ? formulaIndex : 0;
}

const char* EffectsMenuTitle() { return "Effects"; }

const std::array<EffectItem, 3>& EffectItems() {
    static const std::array<EffectItem, 3> items{{
        {"Modulas ", &ParameterSet::modulas},
        {"Expansion", &ParameterSet::expansion},
        {"Color Mix", &ParameterSet::colorMix},
    }};
    return items;
}

}  // namespace zarvo::attractor
