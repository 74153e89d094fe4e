// Pictures drawn in pieces: band I of N horizontal bands of a picture goes
// into a tile file, and a complete set of tiles is joined into the picture.
//
// A tile is a PNG picture of its band's rows. Before its picture data it
// carries the picture's parameter file (as every PNG picture does) and a
// text chunk "zarvo-tile" that says where it belongs:
//
//     tile I/N
//     picture WxH
//     supersample S
//     rows FIRST END
//
// After its picture data a chunk "zarvo-tile-end" says "complete", or
// "fault" when a floating-point fault ended the scan in or above the band
// (the whole picture is black from the fault on, so the tiles below are
// black in the joined picture too).
#pragma once

#include <string>

#include "render_options.h"

namespace zarvo {

extern const char* const tileKeyword;     // "zarvo-tile"
extern const char* const tileEndKeyword;  // "zarvo-tile-end"

struct TilePlace {
    int index = 0;  // band I of N, 0-based
    int count = 1;
    int width = 0;  // the whole picture
    int height = 0;
    int supersample = 1;
    int firstRow = 0;  // the band's rows: firstRow .. endRow - 1
    int endRow = 0;
};

// Band `index` of `count` bands of a picture `height` rows high: rows
// index * height / count up to (index + 1) * height / count.
TilePlace TileOf(int index, int count, int width, int height, int supersample);

std::string TileText(const TilePlace& place);
// False when the text is not one TileText writes or its numbers do not fit
// together.
bool ParseTileText(const std::string& text, TilePlace* place);

// "I/N" with 0 <= I < N.
bool ParseTileIndex(const std::string& text, int* index, int* count);

// --stitch: joins options.tiles into options.output. Returns the exit status.
int RunStitch(const RenderOptions& options);

}  // namespace zarvo
