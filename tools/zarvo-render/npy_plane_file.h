// The two result planes of a picture as a NumPy .npy file (format 1.0,
// little-endian doubles, shape (2, H, W)): [0] resultA, [1] resultB, indexed
// [plane][row][column]. Pixels arrive in scan order and are written one row
// at a time, so any picture size needs only two rows of memory. Pixels that
// never arrive (a scan ended early) stay 0.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "safe_file.h"

namespace zarvo {

// The header of a NumPy .npy file, format 1.0, of values of type `descr`
// ("<f8", "<i8", ...) in C order: magic, version, length and the
// dictionary, padded with blanks and ended by a newline to a multiple of
// 64 bytes.
std::string NpyHeader(const std::string& descr, const std::vector<uint64_t>& shape);

class NpyPlaneFile {
public:
    NpyPlaneFile() = default;
    ~NpyPlaneFile();
    NpyPlaneFile(const NpyPlaneFile&) = delete;
    NpyPlaneFile& operator=(const NpyPlaneFile&) = delete;

    // Creates the file with its header and all values 0. It replaces a file
    // of that name only when finish() succeeds.
    bool open(const std::string& path, int width, int height, std::string* error);
    bool isOpen() const { return file_ != nullptr; }
    void put(int column, int row, double a, double b);
    // Writes what is pending and closes the file.
    bool finish(std::string* error);

    // The header text (magic, version, length, dictionary, padding).
    static std::string Header(int width, int height);

private:
    bool flushRow();

    SafeFileWriter out_;
    std::FILE* file_ = nullptr;  // out_'s stream while open
    std::string path_;
    int width_ = 0;
    int height_ = 0;
    uint64_t dataOffset_ = 0;
    int pendingRow_ = -1;
    int pendingColumns_ = 0;
    std::vector<uint8_t> rowA_;
    std::vector<uint8_t> rowB_;
    bool ok_ = true;
};

}  // namespace zarvo
