#include "tile_files.h"

#include <cstdio>
#include <map>
#include <sstream>
#include <vector>

#include "picture_parameters.h"
#include "picture_stream.h"
#include "png_row_reader.h"
#include "render_output.h"
#include "streamed_picture.h"

namespace zarvo {

const char* const tileKeyword = "zarvo-tile";
const char* const tileEndKeyword = "zarvo-tile-end";

TilePlace TileOf(int index, int count, int width, int height, int supersample) {
    TilePlace t;
    t.index = index;
    t.count = count;
    t.width = width;
    t.height = height;
    t.supersample = supersample;
    t.firstRow = static_cast<int>(static_cast<long long>(index) * height / count);
    t.endRow = static_cast<int>(static_cast<long long>(index + 1) * height / count);
    return t;
}

std::string TileText(const TilePlace& t) {
    return "tile " + std::to_string(t.index) + "/" + std::to_string(t.count) + "\npicture " + std::to_string(t.width) +
           "x" + std::to_string(t.height) + "\nsupersample " + std::to_string(t.supersample) + "\nrows " +
           std::to_string(t.firstRow) + " " + std::to_string(t.endRow) + "\n";
}

bool ParseTileIndex(const std::string& text, int* index, int* count) {
    int i = -1, n = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%d/%d%c", &i, &n, &end) != 2 || i < 0 || n < 1 || i >= n ||
        n > largestStreamedSide)
        return false;
    *index = i;
    *count = n;
    return true;
}

bool ParseTileText(const std::string& text, TilePlace* place) {
    TilePlace t;
    char end = 0;
    if (std::sscanf(text.c_str(), "tile %d/%d\npicture %dx%d\nsupersample %d\nrows %d %d\n%c", &t.index, &t.count,
                    &t.width, &t.height, &t.supersample, &t.firstRow, &t.endRow, &end) != 7)
        return false;
    if (t.count < 1 || t.index < 0 || t.index >= t.count || t.width < 1 || t.height < t.count || t.supersample < 1)
        return false;
    const TilePlace expected = TileOf(t.index, t.count, t.width, t.height, t.supersample);
    if (t.firstRow != expected.firstRow || t.endRow != expected.endRow || TileText(t) != text) return false;
    *place = t;
    return true;
}

namespace {

struct Tile {
    std::string path;
    TilePlace place;
    std::string parameters;
};

const std::string* TextOf(const PictureTexts& texts, const std::string& key) {
    for (const auto& [k, text] : texts) {
        if (k == key) return &text;
    }
    return nullptr;
}

// The tile's place and parameters, read from the texts before its rows.
bool ReadTileHead(const std::string& path, Tile* tile, std::string* error) {
    PngRowReader reader;
    if (!reader.open(path, error)) return false;
    const std::string* place = TextOf(reader.texts(), tileKeyword);
    const std::string* parameters = TextOf(reader.texts(), parametersKeyword);
    if (!place || !parameters || !ParseTileText(*place, &tile->place)) {
        *error = path + " is not a tile of zarvo-render --tile";
        return false;
    }
    if (reader.width() != tile->place.width || reader.height() != tile->place.endRow - tile->place.firstRow) {
        *error = path + " does not hold the rows its place names";
        return false;
    }
    tile->path = path;
    tile->parameters = *parameters;
    return true;
}

// What makes `tile` another picture's tile than `first`, or empty.
std::string Mismatch(const Tile& tile, const Tile& first) {
    const TilePlace& a = tile.place;
    const TilePlace& b = first.place;
    if (a.width != b.width || a.height != b.height) return "another picture size";
    if (a.count != b.count) return "another tile count";
    if (a.supersample != b.supersample) return "other supersampling";
    if (tile.parameters != first.parameters) return "other parameters";
    return std::string();
}

// Reads every tile's head and puts the tiles in band order; false with
// *error naming a tile that does not belong, repeats another or is missing.
bool CompleteTileSet(const std::vector<std::string>& paths, std::vector<Tile>* tiles, std::string* error) {
    std::map<int, Tile> byIndex;
    for (const std::string& path : paths) {
        Tile tile;
        if (!ReadTileHead(path, &tile, error)) return false;
        if (!byIndex.empty()) {
            const Tile& first = byIndex.begin()->second;
            const std::string mismatch = Mismatch(tile, first);
            if (!mismatch.empty()) {
                *error = path + " is a tile of " + mismatch + " than " + first.path;
                return false;
            }
        }
        const auto [at, added] = byIndex.emplace(tile.place.index, tile);
        if (!added) {
            *error = path + " repeats tile " + std::to_string(tile.place.index) + " of " + at->second.path;
            return false;
        }
    }
    const int count = byIndex.begin()->second.place.count;
    for (int i = 0; i < count; ++i) {
        if (!byIndex.count(i)) {
            *error = "tile " + std::to_string(i) + "/" + std::to_string(count) + " is missing";
            return false;
        }
        tiles->push_back(byIndex[i]);
    }
    return true;
}

}  // namespace

int RunStitch(const RenderOptions& o) {
    std::vector<Tile> tiles;
    std::string error;
    if (!CompleteTileSet(o.tiles, &tiles, &error)) return Fail(exitUsageOrFile, error);
    const TilePlace& whole = tiles.front().place;

    PictureFileOptions options = OutputFileOptions(o, tiles.front().parameters);
    // As the single run writes it (streamed_picture.h).
    if (static_cast<long long>(whole.width) * whole.height > progressiveJpegPixelLimit) options.progressive = false;
    PictureFileWriter out;
    if (!out.open(o.output, whole.width, whole.height, options, &error)) return Fail(exitUsageOrFile, error);

    std::vector<uint8_t> row(static_cast<size_t>(whole.width) * 3u);
    std::string faulted;  // the first tile whose scan a fault ended
    for (const Tile& tile : tiles) {
        // Below a fault the whole picture is black: finish() fills it in.
        if (!faulted.empty()) break;
        PngRowReader reader;
        if (!reader.open(tile.path, &error)) return Fail(exitUsageOrFile, error);
        for (int r = tile.place.firstRow; r < tile.place.endRow; ++r) {
            if (!reader.readRow(row.data(), &error) || !out.writeRow(row.data(), &error))
                return Fail(exitUsageOrFile, error);
        }
        if (!reader.finish(&error)) return Fail(exitUsageOrFile, error);
        const std::string* end = TextOf(reader.texts(), tileEndKeyword);
        if (!end) return Fail(exitUsageOrFile, tile.path + " is not a complete tile");
        if (*end == "fault") faulted = tile.path;
    }
    if (!out.finish(&error)) return Fail(exitUsageOrFile, error);
    if (!faulted.empty())
        return Fail(exitFault, "a floating-point fault ended the scan of " + faulted + "; the picture is black below");
    return exitWritten;
}

}  // namespace zarvo
