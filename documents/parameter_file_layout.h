// The 190 lines of a fractal parameter file, in order. The file has no keys:
// a value's meaning is its position. Writer, reader and tests all walk this
// one list, so the order is written down once.
#pragma once

#include <cstdint>
#include <vector>

#include "parameter_set.h"

namespace zarvo {

constexpr int parameterFileLineCount = 190;
constexpr size_t formulaTextLimit = 99;  // lines 5 and 6 keep at most this many characters
extern const char* const reservedTitleLine;  // line 7, "reservedtitle"

enum class LineKind {
    Heading,      // a fixed text written, read as a whole line and dropped (lines 1 and 7)
    Ignored,      // a value line whose text is dropped (line 4, always "0")
    Title,        // formulaTitle (line 5)
    Description,  // formulaDescription (line 6)
    Integer,
    Real,
    Flag,         // written "1"/"0"; read true only for "1"
};

// What the reader does with a value line when reading has stopped (an empty
// line was met, or the file ended).
enum class WhenMissing {
    Stop,                // field unchanged, reading stays stopped
    DefaultAndResume,    // missingValue is assigned, reading starts again
    Resume,              // field unchanged, reading starts again
    DefaultStayStopped,  // missingValue is assigned, reading stays stopped
    AlwaysRead,          // text lines: read whatever the state
};

struct ParameterLine {
    int number = 0;  // 1..190
    LineKind kind = LineKind::Heading;
    const char* field = "";  // member name, for messages and tests
    WhenMissing whenMissing = WhenMissing::Stop;
    double missingValue = 0;

    // Where the value lives: one of these is set for value lines.
    int32_t ParameterSet::*integer = nullptr;                     // Integer and Flag lines
    double ParameterSet::*real = nullptr;                         // Real lines
    double (ParameterSet::*table)[attractorTableSize + 1] = nullptr;  // af / bf entries
    int tableIndex = 0;

    double& realIn(ParameterSet& ps) const { return table ? (ps.*table)[tableIndex] : ps.*real; }
    double realIn(const ParameterSet& ps) const { return table ? (ps.*table)[tableIndex] : ps.*real; }
};

// The 190 lines, index 0 holding line 1.
const std::vector<ParameterLine>& ParameterFileLayout();

}  // namespace zarvo
