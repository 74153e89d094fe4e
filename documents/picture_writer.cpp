#include "picture_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>

#include "safe_file.h"
#include <sys/stat.h>

#include "jpeg_errors.h"

namespace zarvo {

namespace {

void SetError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

void PutLe16(std::vector<uint8_t>& out, unsigned v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

std::string CannotCreate(const std::string& path) { return "Cannot create " + path + ": " + std::strerror(errno); }

// Commits the picture; on failure the new file is gone and the old one stays.
bool Finish(SafeFileWriter& out, const std::string& path, std::string* error) {
    if (out.commit()) return true;
    SetError(error, "Cannot write " + path + ": " + std::strerror(errno));
    return false;
}

}  // namespace

bool WriteBmp(const RgbImage& image, const std::string& path, std::string* error) {
    if (image.width <= 0 || image.height <= 0) {
        SetError(error, "Cannot write " + path + ": the picture is empty");
        return false;
    }
    const uint32_t rowBytes = (static_cast<uint32_t>(image.width) * 3u + 3u) & ~3u;
    const uint64_t dataBytes = static_cast<uint64_t>(rowBytes) * static_cast<uint32_t>(image.height);
    if (dataBytes + 54 > 0xFFFFFFFFull) {
        SetError(error, "Cannot write " + path + ": the picture is too large for a bitmap file");
        return false;
    }

    std::vector<uint8_t> header;
    header.reserve(54);
    header.push_back('B');
    header.push_back('M');
    PutLe32(header, static_cast<uint32_t>(54 + dataBytes));  // file size
    PutLe32(header, 0);                                      // reserved
    PutLe32(header, 54);                                     // offset of the pixels
    PutLe32(header, 40);                                     // info header size
    PutLe32(header, static_cast<uint32_t>(image.width));
    PutLe32(header, static_cast<uint32_t>(image.height));  // positive: bottom-up
    PutLe16(header, 1);                                    // planes
    PutLe16(header, 24);                                   // bits per pixel
    PutLe32(header, 0);                                    // no compression
    PutLe32(header, static_cast<uint32_t>(dataBytes));
    PutLe32(header, 2835);  // 72 dots per inch
    PutLe32(header, 2835);
    PutLe32(header, 0);  // colours used
    PutLe32(header, 0);  // important colours

    SafeFileWriter out;
    if (!out.open(path)) {
        SetError(error, CannotCreate(path));
        return false;
    }
    std::FILE* f = out.file();
    bool ok = std::fwrite(header.data(), 1, header.size(), f) == header.size();
    std::vector<uint8_t> row(rowBytes, 0);
    for (int y = image.height - 1; ok && y >= 0; --y) {
        const uint8_t* src = image.at(0, y);
        for (int x = 0; x < image.width; ++x) {
            row[3 * x + 0] = src[3 * x + 2];
            row[3 * x + 1] = src[3 * x + 1];
            row[3 * x + 2] = src[3 * x + 0];
        }
        ok = std::fwrite(row.data(), 1, row.size(), f) == row.size();
    }
    return Finish(out, path, error);
}

bool WriteJpeg(const RgbImage& image, const std::string& path, int quality, bool progressive, std::string* error) {
    if (image.width <= 0 || image.height <= 0) {
        SetError(error, "Cannot write " + path + ": the picture is empty");
        return false;
    }
    if (image.width > JPEG_MAX_DIMENSION || image.height > JPEG_MAX_DIMENSION) {
        SetError(error, "Cannot write " + path + ": the picture is too large for JPEG");
        return false;
    }
    int q = quality & 0xFF;
    if (q < 1) q = 1;
    if (q > 100) q = 100;

    SafeFileWriter out;
    if (!out.open(path)) {
        SetError(error, CannotCreate(path));
        return false;
    }
    std::FILE* f = out.file();

    // Nothing with a destructor is created between setjmp and a possible
    // longjmp (out lives before it); the encoder state is plain C.
    jpeg_compress_struct cinfo;
    JpegErrorManager err;
    cinfo.err = UseJpegErrors(err);
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        out.discard();
        SetError(error, "Cannot write " + path + ": " + err.message);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, q, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.at(0, static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return Finish(out, path, error);
}

bool WritePicture(const RgbImage& image, const std::string& path, PictureFormat format, int quality, bool progressive,
                  std::string* error) {
    switch (format) {
        case PictureFormat::Jpeg:
            return WriteJpeg(image, path, quality, progressive, error);
        case PictureFormat::Bmp:
            return WriteBmp(image, path, error);
        case PictureFormat::Unknown:
            break;
    }
    if (error) *error = "unknown picture type " + path;
    return false;
}

}  // namespace zarvo
