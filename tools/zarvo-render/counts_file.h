// The hit counters of a share of an attractor run's streams
// (--stream-range A:B --counts FILE.npy), and shares added up
// (--merge-counts).
//
// A counts file is four NumPy .npy arrays (format 1.0) one after the
// other. numpy.load(FILE) reads the first; numpy.load on an open file reads
// them in turn:
//
//   1. '<i8', shape (H, W): the counters, [row][column]: the sum of the
//      weights of every hit the share's streams made at the pixel. A run of
//      all K streams colours the sum over all shares, kept within the
//      32-bit range.
//   2. '<u8', shape (H, W): the largest stamp of a hit at the pixel,
//      (s + 1) * 2^40 + the colour cycle of stream s at that hit (0: no
//      hit): the hit whose Color Mix rotation the pixel shows.
//   3. '<u8', shape (H·n, W·n, 2): the hit grid of the log-density mapping,
//      n cells a pixel side: [..., 0] the hits of the cell, [..., 1] the sum
//      of their colour coordinates.
//   4. '|u1', shape (L,): what the share is, as text lines:
//
//        zarvo-counts 1
//        picture WxH
//        streams K
//        share A B
//        seed S
//        steps N
//        done D                     steps the share's streams took
//        end complete LAST          or: end fault LAST STREAM DESCRIPTION
//        name PARAMFILE             the .vtl file as the command line named it
//        vtl LENGTH                 followed by the .vtl file's bytes
//
//      LAST is the last slice of the run's steps the share took (the run
//      goes in slices of stepSlice steps; a fault ends it at the end of its
//      slice).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "attractor_engine.h"
#include "attractor_picture.h"

namespace zarvo {

// A run of --steps goes in slices of this many steps: a floating-point
// fault in a stream ends it when every stream has taken its share of the
// slice.
constexpr int64_t stepSlice = AttractorPicture::kStepSlice;

struct CountsShare {
    int width = 0, height = 0;
    int streams = 0;
    int first = 0, end = 0;  // streams first .. end - 1
    uint64_t seed = 0;
    int64_t steps = 0;
    int64_t done = 0;
    int64_t lastSlice = -1;
    bool fault = false;
    int faultStream = 0;
    std::string faultText;
    std::string name;
    std::string vtl;
};

std::string CountsText(const CountsShare& share);
// False when the text is not one CountsText writes.
bool ParseCountsText(const std::string& text, CountsShare* share);

// Writes the share's counters, stamps and hit grid from `engine` (a
// K-stream run of the share's streams) into `path`; replaces a file of that
// name only when all is written.
bool WriteCountsFile(const std::string& path, const CountsShare& share, const attractor::AttractorEngine& engine,
                     std::string* error);

// A counts file whose arrays have been found and whose share has been read.
struct CountsFile {
    std::string path;
    CountsShare share;
    uint64_t sumsAt = 0, stampsAt = 0, cellsAt = 0;  // where the arrays' values start
    uint64_t cells = 0;                              // cells of the hit grid
};

// Reads the files' shares; false with *error naming a file that is not a
// counts file, belongs to another run than the first, or repeats streams
// of another, or naming streams no file holds. The files come back in
// stream order.
bool CompleteShareSet(const std::vector<std::string>& paths, std::vector<CountsFile>* files, std::string* error);

// Adds the file's values to `engine`, a K-stream run of the same picture
// started and not stepped.
bool AddCountsFile(const CountsFile& file, attractor::AttractorEngine& engine, std::string* error);

}  // namespace zarvo
