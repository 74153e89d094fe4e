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
    b.heading("title", programTitle);              // 1
    b.integer(&PS::formulaIndex, "formulaIndex");  // 2
    b.attractorView();                             // 3..7
    b.real(&PS::vtlRed, "vtlRed");                 // 8
    b.real(&PS::vtlGreen, "vtlGreen");
    b.real(&PS::vtlBlue, "vtlBlue");                      // 10
    b.attractorMaps();                                    // 11..139
    b.real(&PS::cRe, "cRe", W::DefaultStayStopped, 5.0);  // 140
    b.real(&PS::cIm, "cIm", W::DefaultStayStopped, 5.0).after = StartPointIsJuliaConstant;
    b.attractorVariations();  // 142..150
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
