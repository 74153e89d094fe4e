// The attractor parameter file (.vtl): 150 text lines, one value per line,
// no names, lines ended by CR LF. Numbers in the 15-digit general form with
// the locale's decimal separator, integers in decimal, flags as "1" / "0".
//
//   1        the program's title line (ignored on reading)
//   2        formulaIndex
//   3..7     vtlZoom, vtlXCentre, vtlXMax, vtlYCentre, vtlYMax
//   8..10    vtlRed, vtlGreen, vtlBlue
//   11..13   vtlFactor1, vtlFactor2, randomFactor
//   14       squareRoot
//   15..134  af[1], bf[1], af[2], bf[2], ..., af[60], bf[60]
//   135      AASet (also copied to AA when read)
//   136      BB
//   137..139 colorMix, expansion, modulas
//   140, 141 start point cRe, cIm (also copied to the dialog's X, Y)
//   142..150 varNone, varLinear, varSinusoidal, varSpherical, varSwirl,
//            varHorseshoe, varPolar, varBent, varInversion
//
// The log-density mapping follows the 150 lines, where a reader of the
// 150 lines never looks, and only when one of its settings differs from
// its default (so a file of a level-coloured picture is the 150 lines):
//
//   151      "log density"
//   152      logDensity
//   153..157 ldBrightness, ldGamma, ldVibrancy, ldHue, ldHueRange
//   158      ldOversample
//
// A file without line 151 gives every one of them its default (the level
// colouring); a missing line among 152..158 gives that value its default,
// without a message.
//
// A file written for a picture drawn with a fixed number of steps (Render
// to File) records that run after lines 151..158, which it then always
// holds, so that zarvo-render draws the same picture from the file alone:
//
//   159      "attractor run"
//   160      steps (map steps of the whole run)
//   161      seed (of the random generator)
//   162      streams (sample streams sharing the steps)
//
// Loading the file into a view ignores these lines.
//
// Reading accepts either decimal separator, and a lone LF ends a line as
// CR LF does. An empty line (also past the end of the file) shows "Missing
// variable in parameter file: <name> using defaults" and stops the reading:
// later values keep their settings, except that the values of lines 11..13
// and 15..134 start the reading again (so the next value reads the next
// line) and the start point becomes (5.0, 5.0). A line that is not a number
// ends the reading with "Error reading parameter file"; the values read
// before it stay. The same table walk as the fractal parameter file's
// (parameter_file_layout.h) writes and reads it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "parameter_file_layout.h"
#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {

constexpr int vtlLineCount = 150;

// The 150 lines, index 0 holding line 1.
const std::vector<ParameterLine>& VtlFileLayout();
// Lines 151..158.
const std::vector<ParameterLine>& VtlLogDensityLayout();

// The run of a picture drawn with a fixed number of steps.
struct VtlRun {
    int64_t steps = 0;
    uint64_t seed = 0;
    int streams = 1;  // 1..largestStreamCount
    bool operator==(const VtlRun& o) const { return steps == o.steps && seed == o.seed && streams == o.streams; }
};
constexpr int largestStreamCount = 65536;

// The file's text (150 lines, or 158 with the log-density settings, or 162
// with a run; CR LF) with the given decimal separator.
std::string VtlFileText(const ParameterSet& ps, char separator, const VtlRun* run = nullptr);

// The run a file records (lines 159..162), if it records a whole one.
std::optional<VtlRun> ReadVtlRun(const ParameterSource& source);

// Writes the file with the locale's separator, replacing any file of that
// name. Returns false and "Cannot write parameter file: <path>" in *error
// when it cannot be written.
bool WriteVtlFile(const ParameterSet& ps, const std::string& path, std::string* error);

// Reads `path` into the parameter set (the attractor view's
// LoadParameterFile). `name` is the name shown in the messages (the view's
// caption); empty means `path`. Messages go to `reporter`. When the file
// cannot be opened nothing is changed and "Cannot open parameter file:
// <path>" is reported.
ParameterFileResult LoadParameterFile(ParameterSet& ps, const std::string& path, Reporter& reporter,
                                      const std::string& name = std::string());
// The same for the text of a file (as VtlFileText gives it).
ParameterFileResult LoadVtlText(ParameterSet& ps, const std::string& text, Reporter& reporter);

}  // namespace zarvo
