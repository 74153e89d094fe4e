#include "picture_reader.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "jpeg_errors.h"

namespace zarvo {

namespace {

// Far beyond any picture the program shows; keeps a damaged or hostile
// header from asking for gigabytes.
constexpr unsigned long kLargestPixelCount = 100'000'000ul;

bool StartsLikeJpeg(std::FILE* f) {
    unsigned char head[3] = {0, 0, 0};
    const bool jpeg = std::fread(head, 1, 3, f) == 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF;
    std::rewind(f);
    return jpeg;
}

uint32_t Le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

bool BitmapCutShort(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    // File header (14 bytes) and the start of the info header.
    unsigned char h[34] = {};
    const bool headed = std::fread(h, 1, sizeof h, f) == sizeof h;
    const bool seeked = std::fseek(f, 0, SEEK_END) == 0;
    const long size = std::ftell(f);
    std::fclose(f);
    if (!headed || !seeked || size < 0 || h[0] != 'B' || h[1] != 'M') return false;
    const uint32_t dataStart = Le32(h + 10);
    const auto width = static_cast<int32_t>(Le32(h + 18));
    const auto height = static_cast<int32_t>(Le32(h + 22));
    const unsigned bits = h[28] | (h[29] << 8);
    const uint32_t compression = Le32(h + 30);
    if (compression != 0 && compression != 3) return false;  // run-length data has no fixed size
    if (width <= 0 || height == 0 || bits == 0) return false;
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    const uint64_t rows = height < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(height)) : height;
    return static_cast<uint64_t>(size) < dataStart + rowBytes * rows;
}

PictureRead ReadJpeg(const std::string& path, RgbImage& image) {
    PictureRead result;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        result.error = "Cannot open " + path + ": " + std::strerror(errno);
        return result;
    }
    if (!StartsLikeJpeg(f)) {
        std::fclose(f);
        return result;
    }
    result.isJpeg = true;

    // Nothing with a destructor is created between setjmp and a possible
    // longjmp; the decoder state is plain C.
    jpeg_decompress_struct cinfo;
    JpegErrorManager err;
    cinfo.err = UseJpegErrors(err);
    volatile bool started = false;
    if (setjmp(err.jump)) {
        // An error after decoding began ends it: what was decoded stays.
        result.read = started;
        result.damaged = started;
        if (!started) result.error = std::string("Cannot read ") + path + ": " + err.message;
        jpeg_destroy_decompress(&cinfo);
        std::fclose(f);
        return result;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, f);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3 ||
        static_cast<unsigned long>(cinfo.output_width) * cinfo.output_height > kLargestPixelCount) {
        std::snprintf(err.message, sizeof err.message, "%ux%u pictures of %d channels are not read", cinfo.output_width,
                      cinfo.output_height, cinfo.output_components);
        std::longjmp(err.jump, 1);
    }
    image.reset(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
    started = true;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.at(0, static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(f);
    result.read = true;
    result.damaged = err.dataDamaged;
    return result;
}

}  // namespace zarvo
