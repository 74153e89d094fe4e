#include "vtl_file.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "number_format.h"

namespace zarvo::vantrel {

namespace {

enum class Kind { Integer, Real, Flag };
// What happens to a value whose line is missing.
enum class Missing { Stop, Resume, StartPoint };

struct Entry {
    Kind kind;
    Missing missing;
    double* real = nullptr;
    int32_t* integer = nullptr;
};

// Lines 2..150 in order; writing and reading share this one layout.
std::vector<Entry> Layout(ParameterSet& ps) {
    std::vector<Entry> e;
    auto real = [&](double& v, Missing m = Missing::Stop) { e.push_back({Kind::Real, m, &v, nullptr}); };
    auto flag = [&](int32_t& v) { e.push_back({Kind::Flag, Missing::Stop, nullptr, &v}); };
    e.push_back({Kind::Integer, Missing::Stop, nullptr, &ps.formulaIndex});
    real(ps.vtlZoom);
    real(ps.vtlXCentre);
    real(ps.vtlXMax);
    real(ps.vtlYCentre);
    real(ps.vtlYMax);
    real(ps.vtlRed);
    real(ps.vtlGreen);
    real(ps.vtlBlue);
    real(ps.vtlFactor1, Missing::Resume);
    real(ps.vtlFactor2, Missing::Resume);
    real(ps.randomFactor, Missing::Resume);
    flag(ps.squareRoot);
    for (int k = 1; k <= attractorTableSize; ++k) {
        real(ps.af[k], Missing::Resume);
        real(ps.bf[k], Missing::Resume);
    }
    real(ps.AASet);
    real(ps.BB);
    flag(ps.colorMix);
    flag(ps.expansion);
    flag(ps.modulas);
    real(ps.cRe, Missing::StartPoint);
    real(ps.cIm, Missing::StartPoint);
    for (int32_t* f : {&ps.varNone, &ps.varLinear, &ps.varSinusoidal, &ps.varSpherical, &ps.varSwirl,
                       &ps.varHorseshoe, &ps.varPolar, &ps.varBent, &ps.varInversion}) {
        flag(*f);
    }
    return e;
}

constexpr int kLineAASet = 135;
constexpr int kLineStartY = 141;

// Lines end at CR LF, CR or LF; character 26 (Ctrl-Z) ends the text.
class LineReader {
public:
    explicit LineReader(const std::string& text) : text_(text) {
        const size_t eof = text_.find('\x1a');
        if (eof != std::string::npos) text_.resize(eof);
    }
    // The next line, empty past the end.
    std::string next() {
        ++lineNumber;
        if (pos_ >= text_.size()) return std::string();
        size_t end = pos_;
        while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') ++end;
        std::string line = text_.substr(pos_, end - pos_);
        if (end < text_.size()) {
            const bool cr = text_[end] == '\r';
            ++end;
            if (cr && end < text_.size() && text_[end] == '\n') ++end;
        }
        pos_ = end;
        return line;
    }
    int lineNumber = 0;

private:
    std::string text_;
    size_t pos_ = 0;
};

}  // namespace

std::string VtlFileText(const ParameterSet& ps, char separator) {
    std::string out = programTitle;
    out += "\r\n";
    for (const Entry& e : Layout(const_cast<ParameterSet&>(ps))) {
        switch (e.kind) {
            case Kind::Integer: out += std::to_string(*e.integer); break;
            case Kind::Flag: out += *e.integer != 0 ? "1" : "0"; break;
            case Kind::Real: out += FormatGeneral15(*e.real, separator); break;
        }
        out += "\r\n";
    }
    return out;
}

bool WriteVtlFile(const ParameterSet& ps, const std::string& path, std::string& error) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) {
        error = "Cannot write parameter file: " + path;
        return false;
    }
    f << VtlFileText(ps, LocaleDecimalSeparator());
    f.close();
    if (!f) {
        error = "Cannot write parameter file: " + path;
        return false;
    }
    return true;
}

VtlReadResult ReadVtlText(ParameterSet& ps, const std::string& text, const std::string& name, Reporter& reporter) {
    VtlReadResult result;
    const char sep = LocaleDecimalSeparator();
    const char other = sep == '.' ? ',' : '.';
    LineReader reader(text);
    reader.next();  // the title line
    bool reading = true;
    const std::vector<Entry> layout = Layout(ps);
    for (size_t i = 0; i < layout.size(); ++i) {
        const Entry& e = layout[i];
        const int entryLine = static_cast<int>(i) + 2;
        std::string line;
        if (reading) {
            line = reader.next();
            if (line.empty()) {
                reporter.message("Missing variable in parameter file: " + name + " using defaults");
                ++result.missingMessages;
                reading = false;
            } else {
                for (char& c : line) {
                    if (c == other) c = sep;
                }
            }
        }
        if (reading) {
            bool ok = true;
            switch (e.kind) {
                case Kind::Integer: ok = ParseDecimalInteger(line, *e.integer); break;
                case Kind::Flag: *e.integer = line == "1" ? flagOn : 0; break;
                case Kind::Real: ok = ParseGeneralReal(line, sep, *e.real); break;
            }
            if (!ok) {
                reporter.message("Error reading parameter file");
                result.status = VtlReadResult::Status::BadNumber;
                result.badLine = reader.lineNumber;
                result.badEntry = entryLine;
                return result;
            }
            if (entryLine == kLineAASet) ps.AA = ps.AASet;
        } else if (e.missing == Missing::Resume) {
            reading = true;
        } else if (e.missing == Missing::StartPoint) {
            *e.real = 5.0;
        }
        if (entryLine == kLineStartY) {
            ps.juliaRe = ps.cRe;
            ps.juliaIm = ps.cIm;
        }
    }
    return result;
}

VtlReadResult LoadParameterFile(ParameterSet& ps, const std::string& path, Reporter& reporter,
                                const std::string& name) {
    std::ifstream f(path, std::ios::binary);
    if (!f) {
        reporter.message("Cannot open parameter file: " + path);
        VtlReadResult r;
        r.status = VtlReadResult::Status::CannotOpen;
        return r;
    }
    std::ostringstream text;
    text << f.rdbuf();
    return ReadVtlText(ps, text.str(), name.empty() ? path : name, reporter);
}

}  // namespace zarvo::vantrel
