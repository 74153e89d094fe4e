// Reading a parameter file. Reading runs while `readingOn` holds; the first
// empty line (and so the end of the file) switches it off, and from then on
// each value line does what its layout entry says for a missing value. An
// entry that resumes reading does not consume a line, so the next entry
// reads the line it would have read.
#include <cerrno>
#include <cstring>
#include <utility>

#include "file_names.h"
#include "number_format.h"
#include "parameter_file.h"
#include "parameter_file_layout.h"
#include "picture_parameters.h"
#include "text_line_reader.h"

namespace zarvo {

namespace {

const char* const kReadError = "Error reading parameter file";

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

void AssignMissingValue(ParameterSet& ps, const ParameterLine& line) {
    if (line.kind == LineKind::Real) {
        line.realIn(ps) = line.missingValue;
    } else if (line.integer) {
        ps.*line.integer = static_cast<int32_t>(line.missingValue);
    }
}

// A value line met while reading is stopped. Returns the new readingOn.
bool ApplyMissing(ParameterSet& ps, const ParameterLine& line) {
    const bool assign =
        line.whenMissing == WhenMissing::DefaultAndResume || line.whenMissing == WhenMissing::DefaultStayStopped;
    if (assign) AssignMissingValue(ps, line);
    return line.whenMissing == WhenMissing::DefaultAndResume || line.whenMissing == WhenMissing::Resume;
}

// The end of a reading: the message of a line that did not convert.
void Finish(ParameterFileResult& result, Reporter& reporter) {
    if (result.errorLine != 0) {
        result.error = kReadError;
        reporter.message(kReadError);
    } else {
        result.complete = true;
    }
}

std::string CannotOpenZrv(const std::string& path) {
    return "Cannot open parameter file " + path + ": " + std::strerror(errno);
}

// The lines of an opened file (or text) along layout into ps.
void ReadOpenedLines(TextLineReader& reader, const std::vector<ParameterLine>& layout, const LineRules& rules,
                     ParameterSet& ps, Reporter& reporter, ParameterFileResult& result) {
    bool readingOn = true;
    std::string lineText;
    std::string title;
    bool failed = false;
    for (const ParameterLine& line : layout) {
        bool valueRead = false;
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
                    lineText = reader.readLineCut(rules.valueLineLimit);
                    if (lineText.empty()) {
                        readingOn = false;
                        if (!rules.missingMessage.empty()) reporter.message(rules.missingMessage);
                    }
                }
                if (line.kind == LineKind::Ignored) break;
                if (readingOn) {
                    const bool tooLong = reader.lastLineCut() && line.kind != LineKind::Flag;
                    failed = reader.failed() || tooLong || !Assign(ps, line, lineText);
                    valueRead = true;
                    if (!failed) ++result.valuesRead;
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
        if (line.after) line.after(ps, reporter, valueRead);
    }
    reader.close();
    Finish(result, reporter);
}

// The iteration limit of a file read kept in range.
void ClampReadIterations(ParameterSet& ps, Reporter& reporter, ParameterFileResult& result) {
    // The plug-in writes up to maxIterations + 1 orbit entries, so a larger
    // value from a file would run past the orbit arrays.
    const int32_t asRead = ps.maxIterations;
    if (ClampIterations(ps)) {
        result.iterationsClamped = true;
        reporter.message("Max Iterations " + std::to_string(asRead) + " out of range, using " +
                         std::to_string(ps.maxIterations));
    }
}

}  // namespace

bool OpenParameterSource(TextLineReader& reader, const ParameterSource& source, const LineRules& rules,
                         std::string* why) {
    if (source.text) {
        reader.openText(*source.text);
        return true;
    }
    // A picture is read through the parameter file it carries.
    CarriedParameters carried = ReadCarriedParameters(source.path);
    if (carried.found) {
        reader.openText(std::move(carried.bytes));
        return true;
    }
    if (!carried.picture && reader.open(source.path)) return true;
    if (why) *why = carried.picture ? carried.error : rules.cannotOpen(source.path);
    return false;
}

ParameterFileResult ReadParameterLines(const ParameterSource& source, const std::vector<ParameterLine>& layout,
                                       const LineRules& rules, ParameterSet& ps, Reporter& reporter) {
    ParameterFileResult result;
    TextLineReader reader(rules.ends);
    if (!OpenParameterSource(reader, source, rules, &result.error)) {
        reporter.message(result.error);
        return result;
    }
    result.opened = true;
    result.caption = FileNameStem(source.path);
    ReadOpenedLines(reader, layout, rules, ps, reporter, result);
    return result;
}

ParameterFileResult ReadTrailingLines(const ParameterSource& source, int after, const std::vector<ParameterLine>& layout,
                                      const LineRules& rules, ParameterSet& ps, Reporter& reporter) {
    ParameterFileResult result;
    TextLineReader reader(rules.ends);
    result.opened = OpenParameterSource(reader, source, rules, nullptr);
    for (int i = 0; i < after && result.opened; ++i) reader.readLineCut(0);
    const bool present = result.opened && !layout.empty() && reader.readLineCut(rules.valueLineLimit) ==
                                                                  layout.front().text && !reader.failed();
    for (size_t i = 1; i < layout.size(); ++i) {
        const ParameterLine& line = layout[i];
        const std::string text = present ? reader.readLineCut(rules.valueLineLimit) : std::string();
        if (text.empty() && !reader.failed()) {
            AssignMissingValue(ps, line);
            continue;
        }
        if (reader.failed() || reader.lastLineCut() || !Assign(ps, line, text)) {
            result.errorLine = reader.linesRead();
            result.errorEntry = line.number;
            break;
        }
        ++result.valuesRead;
    }
    reader.close();
    Finish(result, reporter);
    return result;
}

ParameterFileResult LoadParameterText(ParameterSet& ps, const std::string& text, Reporter& reporter) {
    ParameterFileResult result;
    LineRules rules;
    TextLineReader reader(rules.ends);
    reader.openText(text);
    result.opened = true;
    ReadOpenedLines(reader, ParameterFileLayout(), rules, ps, reporter, result);
    ClampReadIterations(ps, reporter, result);
    return result;
}

ParameterFileResult LoadParameters(ParameterSet& ps, const std::string& path, Reporter& reporter) {
    LineRules rules;
    rules.cannotOpen = CannotOpenZrv;
    ParameterFileResult result = ReadParameterLines(path, ParameterFileLayout(), rules, ps, reporter);
    if (!result.opened) return result;
    ClampReadIterations(ps, reporter, result);
    return result;
}

}  // namespace zarvo
