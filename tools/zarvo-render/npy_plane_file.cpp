#include "npy_plane_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zarvo {

namespace {

void PutDouble(uint8_t* out, double v) {
    uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    for (int i = 0; i < 8; ++i) out[i] = static_cast<uint8_t>(bits >> (8 * i));
}

}  // namespace

NpyPlaneFile::~NpyPlaneFile() = default;

std::string NpyHeader(const std::string& descr, const std::vector<uint64_t>& shape) {
    std::string dims;
    for (uint64_t n : shape) dims += (dims.empty() ? "" : ", ") + std::to_string(n);
    if (shape.size() == 1) dims += ",";
    std::string dict = "{'descr': '" + descr + "', 'fortran_order': False, 'shape': (" + dims + "), }";
    // Magic (6) + version (2) + length (2) + dictionary, padded with blanks
    // and ended by a newline to a multiple of 64 bytes.
    const size_t unpadded = 10 + dict.size() + 1;
    dict.append((64 - unpadded % 64) % 64, ' ');
    dict += '\n';
    std::string header("\x93NUMPY\x01\x00", 8);
    header += static_cast<char>(dict.size() & 0xFF);
    header += static_cast<char>((dict.size() >> 8) & 0xFF);
    return header + dict;
}

std::string NpyPlaneFile::Header(int width, int height) {
    return NpyHeader("<f8", {2, static_cast<uint64_t>(height), static_cast<uint64_t>(width)});
}

bool NpyPlaneFile::open(const std::string& path, int width, int height, std::string* error) {
    path_ = path;
    width_ = width;
    height_ = height;
    if (!out_.open(path)) {
        *error = "cannot create planes file " + path + ": " + std::strerror(errno);
        return false;
    }
    file_ = out_.file();
    const std::string header = Header(width, height);
    dataOffset_ = header.size();
    const uint64_t total = dataOffset_ + 2ull * static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 8ull;
    if (std::fwrite(header.data(), 1, header.size(), file_) != header.size() || std::fflush(file_) != 0 ||
        ftruncate(fileno(file_), static_cast<off_t>(total)) != 0) {
        *error = "cannot write planes file " + path + ": " + std::strerror(errno);
        out_.discard();
        file_ = nullptr;
        return false;
    }
    rowA_.assign(static_cast<size_t>(width) * 8, 0);
    rowB_.assign(static_cast<size_t>(width) * 8, 0);
    return true;
}

void NpyPlaneFile::put(int column, int row, double a, double b) {
    if (!file_ || column < 0 || column >= width_ || row < 0 || row >= height_) return;
    if (row != pendingRow_) {
        flushRow();
        pendingRow_ = row;
        pendingColumns_ = 0;
    }
    PutDouble(&rowA_[static_cast<size_t>(column) * 8], a);
    PutDouble(&rowB_[static_cast<size_t>(column) * 8], b);
    if (column + 1 > pendingColumns_) pendingColumns_ = column + 1;
    if (pendingColumns_ == width_) {
        flushRow();
        pendingRow_ = -1;
    }
}

bool NpyPlaneFile::flushRow() {
    if (pendingRow_ < 0 || pendingColumns_ == 0) return ok_;
    const uint64_t planeBytes = static_cast<uint64_t>(width_) * static_cast<uint64_t>(height_) * 8ull;
    const uint64_t rowStart = static_cast<uint64_t>(pendingRow_) * static_cast<uint64_t>(width_) * 8ull;
    const size_t bytes = static_cast<size_t>(pendingColumns_) * 8;
    for (int plane = 0; plane < 2 && ok_; ++plane) {
        const std::vector<uint8_t>& data = plane == 0 ? rowA_ : rowB_;
        ok_ = fseeko(file_, static_cast<off_t>(dataOffset_ + plane * planeBytes + rowStart), SEEK_SET) == 0 &&
              std::fwrite(data.data(), 1, bytes, file_) == bytes;
    }
    pendingColumns_ = 0;
    return ok_;
}

bool NpyPlaneFile::finish(std::string* error) {
    if (!file_) return false;
    const bool rowsWritten = flushRow();
    const int rowErrno = errno;
    file_ = nullptr;
    if (rowsWritten && out_.commit()) return true;
    if (!rowsWritten) {
        out_.discard();
        errno = rowErrno;
    }
    *error = "cannot write planes file " + path_ + ": " + std::strerror(errno);
    return false;
}

}  // namespace zarvo
