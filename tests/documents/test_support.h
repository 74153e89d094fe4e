// Helpers shared by the document tests: a private temporary folder, whole
// files, a locale switch and parameter sets with a distinct value on every
// line of the parameter file.
#pragma once

#include <string>
#include <vector>

#include "parameter_set.h"

namespace zarvo::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// The lines of a text with CR LF line ends (without them).
std::vector<std::string> CrLfLines(const std::string& text);
// Joins lines with CR LF after each.
std::string CrLfText(const std::vector<std::string>& lines);

// Switches LC_ALL for the life of the object; ok() tells whether it worked.
class LocaleScope {
public:
    explicit LocaleScope(const std::vector<const char*>& candidates);
    ~LocaleScope();
    bool ok() const { return ok_; }

private:
    std::string saved_;
    bool ok_ = false;
};
std::vector<const char*> CommaLocales();

// Every field of the parameter file gets its own value, different from the
// start values, from `seed`. Reals are exactly what 15 digits can hold, so
// they survive the file unchanged.
void FillDistinct(ParameterSet& ps, int seed);

// A sensible picture for the test plug-in's z*z + c formula.
void SetUpPicture(ParameterSet& ps);

}  // namespace zarvo::test
