// Positional parameter files: a file has no keys, a value's meaning is its
// position. Each format is one table of lines, in order; writer, reader and
// tests all walk the table, so the order is written down once. This header
// holds the line description and the 190 lines of the fractal parameter
// file; the attractor parameter file (vtl_file.h) is another such table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "parameter_set.h"
#include "reporter.h"
#include "text_line_reader.h"

namespace zarvo {

constexpr int parameterFileLineCount = 190;
constexpr size_t formulaTextLimit = 99;      // lines 5 and 6 keep at most this many characters
extern const char* const reservedTitleLine;  // line 7, "reservedtitle"

enum class LineKind {
    Heading,      // a fixed text written, read as a whole line and dropped
    Ignored,      // a value line whose text is dropped (.zrv line 4, always "0")
    Title,        // formulaTitle (.zrv line 5)
    Description,  // formulaDescription (.zrv line 6)
    Integer,
    Real,
    Flag,  // written "1"/"0"; read true only for "1"
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
    int number = 0;  // 1-based line of the file
    LineKind kind = LineKind::Heading;
    const char* field = "";  // member name, for messages and tests
    const char* text = "";   // Heading lines: the text written
    WhenMissing whenMissing = WhenMissing::Stop;
    double missingValue = 0;

    // Where the value lives: one of these is set for value lines.
    int32_t ParameterSet::*integer = nullptr;                         // Integer and Flag lines
    double ParameterSet::*real = nullptr;                             // Real lines
    double (ParameterSet::*table)[attractorTableSize + 1] = nullptr;  // af / bf entries
    int tableIndex = 0;

    // What reading this line does beyond assigning its field; runs once the
    // line was handled (read, or its missing-value rule applied) unless the
    // reading ended at it. valueRead: the value came from the file.
    void (*after)(ParameterSet& ps, Reporter& reporter, bool valueRead) = nullptr;

    double& realIn(ParameterSet& ps) const { return table ? (ps.*table)[tableIndex] : ps.*real; }
    double realIn(const ParameterSet& ps) const { return table ? (ps.*table)[tableIndex] : ps.*real; }
};

// Builds a table line by line, numbering from 1. Each call returns its line
// so that a rule can be added (`.after = ...`).
class LayoutBuilder {
public:
    using W = WhenMissing;
    using PS = ParameterSet;

    // Numbers lines from firstLine (lines after those of another table).
    explicit LayoutBuilder(int firstLine = 1) : firstLine_(firstLine) {}

    ParameterLine& heading(const char* name, const char* text);
    ParameterLine& formulaText(LineKind kind, const char* name);  // Title or Description
    ParameterLine& ignored(const char* what);
    ParameterLine& integer(int32_t PS::*f, const char* name, W w = W::Stop, double v = 0);
    ParameterLine& flag(int32_t PS::*f, const char* name, W w = W::Stop, double v = 0);
    ParameterLine& real(double PS::*f, const char* name, W w = W::Stop, double v = 0);
    // af / bf entries: kept and reading resumes when missing.
    ParameterLine& tableEntry(double (PS::*t)[attractorTableSize + 1], const char* name, int index);

    // Runs of attractor values both parameter files hold, in this order:
    // the view (vtlZoom, vtlXCentre, vtlXMax, vtlYCentre, vtlYMax; stop);
    void attractorView();
    // the maps (vtlFactor1, vtlFactor2, randomFactor: resume; squareRoot;
    // af[1], bf[1] .. af[60], bf[60]: resume; AASet, also the running A
    // when read; BB; the effects colorMix, expansion, modulas);
    void attractorMaps();
    // the nine variation flags, varNone .. varInversion.
    void attractorVariations();

    // The table; aborts unless it has lineCount lines.
    std::vector<ParameterLine> finish(int lineCount);

private:
    ParameterLine& add(LineKind kind, const char* name, W w, double v = 0);
    int firstLine_;
    std::vector<ParameterLine> lines_;
};

// The 190 lines of the fractal parameter file, index 0 holding line 1.
const std::vector<ParameterLine>& ParameterFileLayout();

// What the reading of a file found.
struct ParameterFileResult {
    bool opened = false;             // the file could be opened; nothing was changed otherwise
    bool complete = false;           // every line was handled without a conversion error
    int errorLine = 0;               // 1-based line of the file that did not convert, 0 if none
    int errorEntry = 0;              // the table line it was read for, 0 if none
    int valuesRead = 0;              // value lines whose text was converted and assigned
    bool iterationsClamped = false;  // .zrv: maxIterations was outside 0..6999 and was limited
    std::string error;               // what went wrong, empty when nothing did
    std::string caption;             // the file name without folder and extension
    bool ok() const { return opened && errorLine == 0; }
};

// How a format's reader takes its lines.
struct LineRules {
    LineEnds ends = LineEnds::Cr;
    // A longer value line does not convert (the rest is never held). No
    // number needs more.
    size_t valueLineLimit = 4096;
    // Shown each time a value line comes back empty; nothing when empty.
    std::string missingMessage;
    // The message for a file that cannot be opened (errno tells why); every
    // format gives one.
    std::string (*cannotOpen)(const std::string& path) = nullptr;
};

// Where a reading takes its bytes: a file (or the parameter file a picture
// carries), or the text of a file held in memory.
struct ParameterSource {
    ParameterSource(const std::string& file) : path(file) {}  // NOLINT: a path reads as a source
    static ParameterSource Text(const std::string& bytes) {
        ParameterSource source{std::string()};
        source.text = &bytes;
        return source;
    }
    std::string path;
    const std::string* text = nullptr;  // when set, these bytes are read and path is not opened
};

// Opens reader on the source. False (nothing to read) when the file cannot
// be opened, or is a picture that carries no parameters; *why tells then.
bool OpenParameterSource(TextLineReader& reader, const ParameterSource& source, const LineRules& rules,
                         std::string* why);

// Reads path along layout into ps: reading runs until a value line comes
// back empty (the end of the file gives empty lines); from then on each
// value line does what its WhenMissing says. A value that does not convert
// ends the reading with "Error reading parameter file"; the values before
// it stay. Messages go to reporter.
ParameterFileResult ReadParameterLines(const ParameterSource& source, const std::vector<ParameterLine>& layout,
                                       const LineRules& rules, ParameterSet& ps, Reporter& reporter);

// Lines that follow the `after` lines of a format, where a reader of that
// format never looks: layout starts with a heading line, then values. When
// line after + 1 of the file is that heading the values are read as
// ReadParameterLines reads them, except that a missing value (an empty
// line, or the end of the file) takes its missingValue and says nothing;
// when it is not there, every value takes its missingValue.
ParameterFileResult ReadTrailingLines(const ParameterSource& source, int after, const std::vector<ParameterLine>& layout,
                                      const LineRules& rules, ParameterSet& ps, Reporter& reporter);

// The file's text: the lines of layout, each ended by CR LF, reals with the
// given decimal separator.
std::string LayoutText(const std::vector<ParameterLine>& layout, const ParameterSet& ps, char decimalSeparator);

// Creates or replaces path with text, through a SafeFileWriter. False with
// *error ("Cannot create parameter file ..." or "Cannot write parameter
// file ...") when it fails; an existing file is then left as it was.
bool WriteWholeFile(const std::string& path, const std::string& text, std::string* error);

}  // namespace zarvo
