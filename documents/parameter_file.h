// The fractal parameter file: 190 positional text lines from which the same
// picture can be drawn again. Written as the second half of saving a picture,
// read by "Load From Parameter File".
#pragma once

#include <string>

#include "parameter_file_layout.h"
#include "parameter_set.h"
#include "reporter.h"

namespace zarvo {

// Writes the 190 lines of ps to path (CR LF line ends, reals with the
// decimal separator of the current C locale). Returns false and sets *error
// when the file cannot be created or written.
bool WriteParameterFile(const ParameterSet& ps, const std::string& path, std::string* error);

// The file's text exactly as WriteParameterFile writes it.
std::string ParameterFileText(const ParameterSet& ps, char decimalSeparator);

// The text (locale's separator) that Save would write once a full scan of
// ps had run, known before the scan: what every scan does first (the
// iteration limit kept in range, the view edges set from centre, zoom and
// aspect) is done to ps, and the Julia constant is taken as chosen, as the
// scan leaves it. A picture streamed to its file carries this text, as its
// header is written before its rows are drawn.
std::string ParameterFileTextAfterScan(ParameterSet& ps);

// Reads a parameter file into ps, line by line as the program always has:
// an empty line or the end of the file stops reading, and each later line
// then keeps its value, takes its default and resumes, or stays stopped.
// Messages ("Error reading parameter file", "blending .gt. 26, setting 1",
// a file that cannot be opened, a limited iteration count) go to reporter.
// After a complete read the caller copies formulaIndex into the window's
// formulaIndexAtScan; in every case it refreshes the attractor view.
ParameterFileResult LoadParameters(ParameterSet& ps, const std::string& path, Reporter& reporter);

// The same for the text of a parameter file (as ParameterFileText gives it).
ParameterFileResult LoadParameterText(ParameterSet& ps, const std::string& text, Reporter& reporter);

}  // namespace zarvo
