#include "test_support.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "number_format.h"
#include "parameter_file_layout.h"

namespace zarvo::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zarvo-docs-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
}

TempFolder::~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool FileExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t pos; (pos = text.find("\r\n", start)) != std::string::npos; start = pos + 2) {
        lines.push_back(text.substr(start, pos - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string CrLfText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

LocaleScope::LocaleScope(const std::vector<const char*>& candidates) {
    saved_ = std::setlocale(LC_ALL, nullptr);
    for (const char* name : candidates) {
        if (std::setlocale(LC_ALL, name)) {
            ok_ = true;
            break;
        }
    }
}

LocaleScope::~LocaleScope() { std::setlocale(LC_ALL, saved_.c_str()); }

std::vector<const char*> CommaLocales() {
    return {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"};
}

namespace {

// A value with many digits, every magnitude from tiny to huge and both
// signs, rounded to the 15 digits the file keeps.
double DistinctReal(int line, int seed) {
    const double mantissa = 1.0 + std::fmod(line * 0.6180339887498949 + seed * 0.137, 1.0) * 8.0;
    const int exponent = (line * 7 + seed) % 41 - 20;
    double v = mantissa * std::pow(10.0, exponent);
    if ((line + seed) % 3 == 0) v = -v;
    double rounded = 0;
    ParseGeneralReal(FormatGeneral15(v, '.'), '.', rounded);
    return rounded;
}

}  // namespace

void FillDistinct(ParameterSet& ps, int seed) {
    for (const ParameterLine& line : ParameterFileLayout()) {
        switch (line.kind) {
            case LineKind::Integer:
                ps.*line.integer = line.number * 3 + seed - 40;
                break;
            case LineKind::Flag:
                ps.*line.integer = (line.number + seed) % 2 == 0 ? flagOn : 0;
                break;
            case LineKind::Real:
                line.realIn(ps) = DistinctReal(line.number, seed);
                break;
            default:
                break;
        }
    }
    // Values the reader checks or limits stay within their ranges.
    ps.blendMethod = 1 + seed % 5;
    ps.maxIterations = 100 + seed;
    ps.setFormulaTexts("title " + std::to_string(seed), "description " + std::to_string(seed));
}

void SetUpPicture(ParameterSet& ps) {
    ps.formulaIndex = 1;
    ps.renderMethod = 1;
    ps.maxIterations = 60;
    ps.zoom = 1.2;
    ps.xCentre = -0.6;
    ps.yCentre = 0.1;
    ps.juliaMode = 0;
    ps.juliaConstantSet = 0;
    ps.vantrelFormulaMode = 0;
    ps.pictureWidth = 48;
    ps.pictureHeight = 32;
}

}  // namespace zarvo::test
