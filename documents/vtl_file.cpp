#include "vtl_file.h"

#include "number_format.h"

namespace zarvo {

namespace {

using W = WhenMissing;
using PS = ParameterSet;

// The start point is also the dialog's X and Y, whether read or defaulted.
void StartPointIsJuliaConstant(ParameterSet& ps, Reporter&, bool) {
    ps.juliaRe = ps.cRe;
    ps.juliaIm = ps.cIm;
}

std::vector<ParameterLine> BuildLayout() {
    LayoutBuilder b;
    b.heading("title", programTitle);                                     // 1
    b.integer(&PS::formulaIndex, "formulaIndex");                         // 2
    b.real(&PS::vtlZoom, "vtlZoom");                                      // 3
    b.real(&PS::vtlXCentre, "vtlXCentre");
    b.real(&PS::vtlXMax, "vtlXMax");
    b.real(&PS::vtlYCentre, "vtlYCentre");
    b.real(&PS::vtlYMax, "vtlYMax");                                      // 7
    b.real(&PS::vtlRed, "vtlRed");
    b.real(&PS::vtlGreen, "vtlGreen");
    b.real(&PS::vtlBlue, "vtlBlue");                                      // 10
    b.real(&PS::vtlFactor1, "vtlFactor1", W::Resume);
    b.real(&PS::vtlFactor2, "vtlFactor2", W::Resume);
    b.real(&PS::randomFactor, "randomFactor", W::Resume);                 // 13
    b.flag(&PS::squareRoot, "squareRoot");                                // 14
    for (int i = 1; i <= attractorTableSize; ++i) {                       // 15..134
        b.tableEntry(&PS::af, "af", i);
        b.tableEntry(&PS::bf, "bf", i);
    }
    b.real(&PS::AASet, "AASet").after = TakeAASetAsA;                     // 135
    b.real(&PS::BB, "BB");
    b.flag(&PS::colorMix, "colorMix");                                    // 137
    b.flag(&PS::expansion, "expansion");
    b.flag(&PS::modulas, "modulas");
    b.real(&PS::cRe, "cRe", W::DefaultStayStopped, 5.0);                  // 140
    b.real(&PS::cIm, "cIm", W::DefaultStayStopped, 5.0).after = StartPointIsJuliaConstant;
    b.flag(&PS::varNone, "varNone");                                      // 142
    b.flag(&PS::varLinear, "varLinear");
    b.flag(&PS::varSinusoidal, "varSinusoidal");
    b.flag(&PS::varSpherical, "varSpherical");
    b.flag(&PS::varSwirl, "varSwirl");
    b.flag(&PS::varHorseshoe, "varHorseshoe");
    b.flag(&PS::varPolar, "varPolar");
    b.flag(&PS::varBent, "varBent");
    b.flag(&PS::varInversion, "varInversion");                            // 150
    return b.finish(vtlLineCount);
}

std::string CannotOpenVtl(const std::string& path) { return "Cannot open parameter file: " + path; }

}  // namespace

const std::vector<ParameterLine>& VtlFileLayout() {
    static const std::vector<ParameterLine> layout = BuildLayout();
    return layout;
}

std::string VtlFileText(const ParameterSet& ps, char separator) { return LayoutText(VtlFileLayout(), ps, separator); }

bool WriteVtlFile(const ParameterSet& ps, const std::string& path, std::string* error) {
    if (WriteWholeFile(path, VtlFileText(ps, LocaleDecimalSeparator()), nullptr)) return true;
    if (error) *error = "Cannot write parameter file: " + path;
    return false;
}

ParameterFileResult LoadParameterFile(ParameterSet& ps, const std::string& path, Reporter& reporter,
                                      const std::string& name) {
    LineRules rules;
    rules.ends = LineEnds::CrOrLf;
    rules.missingMessage = "Missing variable in parameter file: " + (name.empty() ? path : name) + " using defaults";
    rules.cannotOpen = CannotOpenVtl;
    return ReadParameterLines(path, VtlFileLayout(), rules, ps, reporter);
}

}  // namespace zarvo
