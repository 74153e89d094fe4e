// Reading a parameter file. Reading runs while `readingOn` holds; the first
// empty line (and so the end of the file) switches it off, and from then on
// each value line does what its layout entry says for a missing value. An
// entry that resumes reading does not consume a line, so the next entry
// reads the line it would have read.
#include <cerrno>
#include <cstring>

#include "number_format.h"
#include "parameter_file.h"
#include "parameter_file_layout.h"
#include "text_line_reader.h"

namespace zarvo {

namespace {

const char* const kReadError = "Error reading parameter file";
// No number needs more; a longer value line is not a number, and keeping
// it whole would let a file without line ends fill the memory.
constexpr size_t kValueLineLimit = 4096;

std::string CaptionOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

// Converts lineText for a value line and assigns it; false when it does not
// convert.
bool Assign(ParameterSet& ps, const ParameterLine& line, const std::string& lineText) {
    switch (line.kind) {
        case LineKind::Integer: {
            int32_t v = 0;
            if (!ParseDecimalInteger(lineText, v)) return false;
            ps.*line.integer = v;
            return true;
        }
        case LineKind::Flag:
            ps.*line.integer = lineText == "1" ? flagOn : 0;
            return true;
        case LineKind::Real: {
            double v = 0;
            // Either separator: a file written under a decimal-comma locale
            // reads the same as one written under a decimal-point locale.
            std::string text = lineText;
            for (char& c : text) {
                if (c == ',') c = '.';
            }
            if (!ParseGeneralReal(text, '.', v)) return false;
            line.realIn(ps) = v;
            return true;
        }
        default:
            return true;
    }
}

// A value line met while reading is stopped. Returns the new readingOn.
bool ApplyMissing(ParameterSet& ps, const ParameterLine& line) {
    const bool assign =
        line.whenMissing == WhenMissing::DefaultAndResume || line.whenMissing == WhenMissing::DefaultStayStopped;
    if (assign) {
        if (line.kind == LineKind::Real) {
            line.realIn(ps) = line.missingValue;
        } else if (line.integer) {
            ps.*line.integer = static_cast<int32_t>(line.missingValue);
        }
    }
    return line.whenMissing == WhenMissing::DefaultAndResume || line.whenMissing == WhenMissing::Resume;
}

}  // namespace

ParameterFileResult LoadParameters(ParameterSet& ps, const std::string& path, Reporter& reporter) {
    ParameterFileResult result;
    TextLineReader reader;
    if (!reader.open(path)) {
        result.error = "Cannot open parameter file " + path + ": " + std::strerror(errno);
        reporter.message(result.error);
        return result;
    }
    result.opened = true;
    result.caption = CaptionOf(path);

    bool readingOn = true;
    std::string lineText;
    std::string title;
    bool failed = false;
    for (const ParameterLine& line : ParameterFileLayout()) {
        switch (line.kind) {
            case LineKind::Heading:
                reader.readLineCut(0);
                break;
            case LineKind::Title:
                title = reader.readLineCut(formulaTextLimit);
                break;
            case LineKind::Description:
                ps.setFormulaTexts(title, reader.readLineCut(formulaTextLimit));
                break;
            default:
                if (readingOn) {
                    lineText = reader.readLineCut(kValueLineLimit);
                    if (lineText.empty()) readingOn = false;
                }
                if (line.kind == LineKind::Ignored) break;
                if (readingOn) {
                    const bool tooLong = reader.lastLineCut() && line.kind != LineKind::Flag;
                    failed = reader.failed() || tooLong || !Assign(ps, line, lineText);
                    if (!failed) ++result.valuesRead;
                    if (!failed && line.real == &ParameterSet::AASet) ps.AA = ps.AASet;
                } else {
                    readingOn = ApplyMissing(ps, line);
                }
                break;
        }
        if (failed || reader.failed()) {
            result.errorLine = reader.linesRead();
            result.errorEntry = line.number;
            break;
        }
        if (line.integer == &ParameterSet::blendMethod && ps.blendMethod > 26) {
            reporter.message("blending .gt. 26, setting 1");
            ps.blendMethod = 1;
        }
        if (line.real == &ParameterSet::juliaIm) {
            ps.cRe = ps.juliaRe;
            ps.cIm = ps.juliaIm;
        }
    }
    reader.close();

    if (result.errorLine != 0) {
        result.error = kReadError;
        reporter.message(kReadError);
    } else {
        result.complete = true;
    }

    // The plug-in writes up to maxIterations + 1 orbit entries, so a larger
    // value from a file would run past the orbit arrays.
    const int32_t asRead = ps.maxIterations;
    if (ClampIterations(ps)) {
        result.iterationsClamped = true;
        reporter.message("Max Iterations " + std::to_string(asRead) + " out of range, using " +
                         std::to_string(ps.maxIterations));
    }
    return result;
}

}  // namespace zarvo
