// Pictures of any size: a fractal window's picture drawn and written to a
// file row band by row band as the scan finishes its rows, so that memory
// grows with the picture's width, not with its area. The scan draws into a
// band of the work picture (rgb_image.h) that moves down the picture; each
// finished band goes to the file, and only then is the next one drawn.
//
// A supersampled picture is the picture drawn N times as wide and as high
// over the same view (the view's edges depend only on the aspect ratio, which
// stays the same), reduced band by band: N rows of the large picture give one
// row of the file (supersample.h).
//
// This runs on the thread that calls it, for as long as the picture takes;
// a program that wants to go on meanwhile calls it from a thread of its own
// with a FractalView and parameter set of that thread's own, and follows it
// through `progress` and `cancel`.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "fractal_view.h"
#include "picture_writer.h"

namespace zarvo {

// A progressive JPEG holds the coefficients of the whole picture (about
// three bytes a pixel) until its end; larger JPEG pictures (above 32
// megapixels, so an 8K picture still is progressive) are written baseline,
// which needs a few rows only.
constexpr long long progressiveJpegPixelLimit = 1LL << 25;

struct StreamedPicture {
    int width = 0;  // the picture written, 1..largestStreamedSide each way
    int height = 0;
    int supersample = 1;      // 1..largestSupersample
    PictureFileOptions file;  // format, JPEG settings, the parameters carried inside
    int threads = 1;          // as for FractalView::UpdateFractal
    // Also told of the scan of the (large) picture; may be null.
    ScanHooks* hooks = nullptr;
    // After every row written, with the rows written and the picture's height.
    std::function<void(int rowsWritten, int height)> progress;
    // When set (from any thread), the scan stops and nothing is written.
    const std::atomic<bool>* cancel = nullptr;

    // A band of the picture: the file holds rows firstRow .. endRow - 1 of
    // it (endRow 0: to the bottom), the same bytes as those rows of the
    // whole picture. When the view's rows depend on the rows above them
    // (FractalView::RowsDependOnRowsAbove) the rows above are computed too,
    // without being written.
    int firstRow = 0;
    int endRow = 0;
    // Texts a PNG file carries after its picture data, asked for once the
    // scan is over; may be empty.
    std::function<PictureTexts(const ScanResult&)> textsAtEnd;
};

struct StreamedPictureResult {
    ScanResult scan;
    bool written = false;    // the file holds the picture (as far as a fault let the scan go)
    bool cancelled = false;  // stopped before the end: nothing was written
    std::string error;       // why the file could not be written
};

// Draws the picture of view.ps as it stands (or the band asked for), at the requested size, and
// writes it to `path`: the target is replaced only by a complete file, so a
// cancelled or failed picture leaves an existing file as it was. A scan
// ended by a floating-point fault writes the picture as far as it got (the
// rest black), as a picture held whole would be written. Leaves the picture
// size of view.ps at the size drawn (N times the picture's) and its work
// picture as the last band; the view's planes are let go.
StreamedPictureResult DrawPictureToFile(FractalView& view, const StreamedPicture& picture, const std::string& path);

}  // namespace zarvo
