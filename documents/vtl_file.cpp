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

std::vector<ParameterLine> BuildLogDensityLayout() {
    const LogDensitySettings d;
    LayoutBuilder b(vtlLineCount + 1);
    b.heading("logDensityTitle", "log density");                                      // 151
    b.flag(&PS::logDensity, "logDensity", W::DefaultStayStopped, d.logDensity);      // 152
    b.real(&PS::ldBrightness, "ldBrightness", W::DefaultStayStopped, d.ldBrightness);
    b.real(&PS::ldGamma, "ldGamma", W::DefaultStayStopped, d.ldGamma);
    b.real(&PS::ldVibrancy, "ldVibrancy", W::DefaultStayStopped, d.ldVibrancy);
    b.real(&PS::ldHue, "ldHue", W::DefaultStayStopped, d.ldHue);
    b.real(&PS::ldHueRange, "ldHueRange", W::DefaultStayStopped, d.ldHueRange);
    b.integer(&PS::ldOversample, "ldOversample", W::DefaultStayStopped, d.ldOversample);  // 158
    return b.finish(8);
}

std::string CannotOpenVtl(const std::string& path) { return "Cannot open parameter file: " + path; }

LineRules VtlRules(const std::string& missingMessage) {
    LineRules rules;
    rules.ends = LineEnds::CrOrLf;
    rules.missingMessage = missingMessage;
    rules.cannotOpen = CannotOpenVtl;
    return rules;
}

}  // namespace

const std::vector<ParameterLine>& VtlFileLayout() {
    static const std::vector<ParameterLine> layout = BuildLayout();
    return layout;
}

const std::vector<ParameterLine>& VtlLogDensityLayout() {
    static const std::vector<ParameterLine> layout = BuildLogDensityLayout();
    return layout;
}

std::string VtlFileText(const ParameterSet& ps, char separator) {
    std::string text = LayoutText(VtlFileLayout(), ps, separator);
    if (!ps.hasLogDensityDefaults()) text += LayoutText(VtlLogDensityLayout(), ps, separator);
    return text;
}

bool WriteVtlFile(const ParameterSet& ps, const std::string& path, std::string* error) {
    if (WriteWholeFile(path, VtlFileText(ps, LocaleDecimalSeparator()), nullptr)) return true;
    if (error) *error = "Cannot write parameter file: " + path;
    return false;
}

ParameterFileResult LoadParameterFile(ParameterSet& ps, const std::string& path, Reporter& reporter,
                                      const std::string& name) {
    const LineRules rules =
        VtlRules("Missing variable in parameter file: " + (name.empty() ? path : name) + " using defaults");
    ParameterFileResult result = ReadParameterLines(path, VtlFileLayout(), rules, ps, reporter);
    if (!result.ok()) return result;
    const ParameterFileResult after =
        ReadTrailingLines(path, vtlLineCount, VtlLogDensityLayout(), rules, ps, reporter);
    result.valuesRead += after.valuesRead;
    if (after.errorLine != 0) {
        result.errorLine = after.errorLine;
        result.errorEntry = after.errorEntry;
        result.error = after.error;
        result.complete = false;
    }
    return result;
}

}  // namespace zarvo
