#include "vtl_file.h"

#include <charconv>
#include <cstdint>

#include "number_format.h"
#include "text_line_reader.h"

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

const char* const kRunHeading = "attractor run";

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

std::string VtlFileText(const ParameterSet& ps, char separator, const VtlRun* run) {
    std::string text = LayoutText(VtlFileLayout(), ps, separator);
    if (run || !ps.hasLogDensityDefaults()) text += LayoutText(VtlLogDensityLayout(), ps, separator);
    if (run) {
        text += std::string(kRunHeading) + "\r\n" + std::to_string(run->steps) + "\r\n" + std::to_string(run->seed) +
                "\r\n" + std::to_string(run->streams) + "\r\n";
    }
    return text;
}

std::optional<VtlRun> ReadVtlRun(const ParameterSource& source) {
    TextLineReader reader(LineEnds::CrOrLf);
    if (!OpenParameterSource(reader, source, VtlRules(std::string()), nullptr)) return std::nullopt;
    const int runLine = vtlLineCount + static_cast<int>(VtlLogDensityLayout().size()) + 1;
    for (int i = 1; i < runLine; ++i) reader.readLineCut(0);
    if (reader.readLineCut(64) != kRunHeading) return std::nullopt;
    uint64_t values[3] = {};
    for (uint64_t& v : values) {
        const std::string text = reader.readLineCut(64);
        const char* end = text.data() + text.size();
        const auto [at, ec] = std::from_chars(text.data(), end, v);
        if (text.empty() || ec != std::errc() || at != end) return std::nullopt;
    }
    if (reader.failed() || values[0] > uint64_t{INT64_MAX} || values[2] < 1 || values[2] > largestStreamCount)
        return std::nullopt;
    return VtlRun{static_cast<int64_t>(values[0]), values[1], static_cast<int>(values[2])};
}

bool WriteVtlFile(const ParameterSet& ps, const std::string& path, std::string* error) {
    if (WriteWholeFile(path, VtlFileText(ps, LocaleDecimalSeparator()), nullptr)) return true;
    if (error) *error = "Cannot write parameter file: " + path;
    return false;
}

namespace {

ParameterFileResult LoadVtl(ParameterSet& ps, const ParameterSource& source, Reporter& reporter,
                            const std::string& name) {
    const LineRules rules = VtlRules("Missing variable in parameter file: " + name + " using defaults");
    ParameterFileResult result = ReadParameterLines(source, VtlFileLayout(), rules, ps, reporter);
    if (!result.ok()) return result;
    const ParameterFileResult after =
        ReadTrailingLines(source, vtlLineCount, VtlLogDensityLayout(), rules, ps, reporter);
    result.valuesRead += after.valuesRead;
    if (after.errorLine != 0) {
        result.errorLine = after.errorLine;
        result.errorEntry = after.errorEntry;
        result.error = after.error;
        result.complete = false;
    }
    return result;
}

}  // namespace

ParameterFileResult LoadParameterFile(ParameterSet& ps, const std::string& path, Reporter& reporter,
                                      const std::string& name) {
    return LoadVtl(ps, path, reporter, name.empty() ? path : name);
}

ParameterFileResult LoadVtlText(ParameterSet& ps, const std::string& text, Reporter& reporter) {
    return LoadVtl(ps, ParameterSource::Text(text), reporter, "(picture parameters)");
}

}  // namespace zarvo
