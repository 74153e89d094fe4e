// Writing a parameter file: the lines of its layout, each ended by CR LF.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "number_format.h"
#include "parameter_file.h"
#include "parameter_file_layout.h"
#include "safe_file.h"

namespace zarvo {

namespace {

// A text line must stay one line: CR and Ctrl-Z would end it early for the
// reader and LF would look like a line end to everybody else.
std::string OneLine(const char* text) {
    std::string s = text ? text : "";
    for (char& c : s) {
        if (c == '\r' || c == '\n' || c == 26) c = ' ';
    }
    return s;
}

std::string LineText(const ParameterSet& ps, const ParameterLine& line, char sep) {
    switch (line.kind) {
        case LineKind::Heading:
            return line.text;
        case LineKind::Ignored:
            return "0";
        case LineKind::Title:
            return OneLine(ps.formulaTitle);
        case LineKind::Description:
            return OneLine(ps.formulaDescription);
        case LineKind::Integer:
            return std::to_string(ps.*line.integer);
        case LineKind::Flag:
            return ps.*line.integer != 0 ? "1" : "0";
        case LineKind::Real:
            return FormatGeneral15(line.realIn(ps), sep);
    }
    return std::string();
}

}  // namespace

std::string LayoutText(const std::vector<ParameterLine>& layout, const ParameterSet& ps, char decimalSeparator) {
    std::string text;
    text.reserve(4096);
    for (const ParameterLine& line : layout) {
        text += LineText(ps, line, decimalSeparator);
        text += "\r\n";
    }
    return text;
}

bool WriteWholeFile(const std::string& path, const std::string& text, std::string* error) {
    SafeFileWriter out;
    if (!out.open(path)) {
        if (error) *error = "Cannot create parameter file " + path + ": " + std::strerror(errno);
        return false;
    }
    std::fwrite(text.data(), 1, text.size(), out.file());
    if (!out.commit()) {
        if (error) *error = "Cannot write parameter file " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

std::string ParameterFileText(const ParameterSet& ps, char decimalSeparator) {
    return LayoutText(ParameterFileLayout(), ps, decimalSeparator);
}

std::string ParameterFileTextAfterScan(ParameterSet& ps) {
    ClampIterations(ps);
    AdjustCoords(ps);
    const int32_t chosen = ps.juliaConstantSet;
    ps.juliaConstantSet = ps.juliaMode;
    std::string text = ParameterFileText(ps, LocaleDecimalSeparator());
    ps.juliaConstantSet = chosen;
    return text;
}

bool WriteParameterFile(const ParameterSet& ps, const std::string& path, std::string* error) {
    return WriteWholeFile(path, ParameterFileText(ps, LocaleDecimalSeparator()), error);
}

}  // namespace zarvo
