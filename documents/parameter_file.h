// The fractal parameter file: 190 positional text lines from which the same
// picture can be drawn again. Written as the second half of saving a picture,
// read by "Load From Parameter File".
#pragma once

#include <string>

#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {

// Writes the 190 lines of ps to path (CR LF line ends, reals with the
// decimal separator of the current C locale). Returns false and sets *error
// when the file cannot be created or written.
bool WriteParameterFile(const ParameterSet& ps, const std::string& path, std::string* error);

// The file's text exactly as WriteParameterFile writes it.
std::string ParameterFileText(const ParameterSet& ps, char decimalSeparator);

struct ParameterFileResult {
    bool opened = false;      // the file could be opened; nothing was changed otherwise
    bool complete = false;    // every line was handled without a conversion error
    int errorLine = 0;        // 1-based line of the file that did not convert, 0 if none
    int errorEntry = 0;       // the parameter line (1..190) it was read for, 0 if none
    int valuesRead = 0;       // value lines whose text was converted and assigned
    bool iterationsClamped = false;  // maxIterations was outside 0..6999 and was limited
    std::string error;        // what went wrong, empty when nothing did
    std::string caption;      // the file name without folder and extension
    bool ok() const { return opened && errorLine == 0; }
};

// Reads a parameter file into ps, line by line as the program always has:
// an empty line or the end of the file stops reading, and each later line
// then keeps its value, takes its default and resumes, or stays stopped.
// Messages ("Error reading parameter file", "blending .gt. 26, setting 1",
// a file that cannot be opened, a limited iteration count) go to reporter.
// After a complete read the caller copies formulaIndex into the window's
// formulaIndexAtScan; in every case it refreshes the attractor view.
ParameterFileResult LoadParameters(ParameterSet& ps, const std::string& path, Reporter& reporter);

}  // namespace zarvo
