// Windows bitmaps, 24 bits per pixel: rows are stored bottom-up, so each row
// arriving from the top goes to its own place in the file.
#include <sys/types.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "row_encoders.h"

namespace zarvo {

namespace {

void PutLe16(std::vector<uint8_t>& out, unsigned v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

constexpr uint32_t kHeaderBytes = 54;

uint32_t RowBytes(int width) { return (static_cast<uint32_t>(width) * 3u + 3u) & ~3u; }

class Bmp : public RowEncoder {
public:
    bool start(std::FILE* f, int width, int height, const PictureFileOptions&, std::string* error) override {
        file_ = f;
        height_ = height;
        row_.assign(RowBytes(width), 0);
        const uint32_t dataBytes = RowBytes(width) * static_cast<uint32_t>(height);
        std::vector<uint8_t> header;
        header.reserve(kHeaderBytes);
        header.push_back('B');
        header.push_back('M');
        PutLe32(header, kHeaderBytes + dataBytes);  // file size
        PutLe32(header, 0);                         // reserved
        PutLe32(header, kHeaderBytes);              // offset of the pixels
        PutLe32(header, 40);                        // info header size
        PutLe32(header, static_cast<uint32_t>(width));
        PutLe32(header, static_cast<uint32_t>(height));  // positive: bottom-up
        PutLe16(header, 1);                              // planes
        PutLe16(header, 24);                             // bits per pixel
        PutLe32(header, 0);                              // no compression
        PutLe32(header, dataBytes);
        PutLe32(header, 2835);  // 72 dots per inch
        PutLe32(header, 2835);
        PutLe32(header, 0);  // colours used
        PutLe32(header, 0);  // important colours
        return put(header.data(), header.size(), error);
    }

    bool row(const uint8_t* rgb, int y, std::string* error) override {
        const size_t pixels = row_.size() / 3;
        for (size_t x = 0; x < pixels; ++x) {
            row_[3 * x + 0] = rgb[3 * x + 2];
            row_[3 * x + 1] = rgb[3 * x + 1];
            row_[3 * x + 2] = rgb[3 * x + 0];
        }
        // The last row written sits right after the header; rows that come
        // in order from the top are written backwards through the file.
        const off_t at = kHeaderBytes + static_cast<off_t>(height_ - 1 - y) * static_cast<off_t>(row_.size());
        if (fseeko(file_, at, SEEK_SET) != 0) {
            *error = std::strerror(errno);
            return false;
        }
        return put(row_.data(), row_.size(), error);
    }

    bool end(const PictureTexts&, std::string*) override { return true; }

private:
    bool put(const uint8_t* data, size_t bytes, std::string* error) {
        if (std::fwrite(data, 1, bytes, file_) == bytes) return true;
        *error = std::strerror(errno);
        return false;
    }

    std::FILE* file_ = nullptr;
    int height_ = 0;
    std::vector<uint8_t> row_;
};

}  // namespace

std::string BmpSizeProblem(int width, int height) {
    const uint64_t dataBytes = static_cast<uint64_t>(RowBytes(width)) * static_cast<uint64_t>(height);
    return dataBytes + kHeaderBytes > 0xFFFFFFFFull ? "the picture is too large for a bitmap file" : std::string();
}

std::unique_ptr<RowEncoder> BmpRows() { return std::make_unique<Bmp>(); }

}  // namespace zarvo
