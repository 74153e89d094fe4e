#include "png_row_reader.h"

#include <png.h>

#include <cerrno>
#include <cstring>

#include "png_errors.h"

namespace zarvo {

namespace {

png_structp Png(void* p) { return static_cast<png_structp>(p); }
png_infop Info(void* p) { return static_cast<png_infop>(p); }

}  // namespace

PngRowReader::PngRowReader() : errors_(std::make_unique<PngErrorText>()) {}

PngRowReader::~PngRowReader() { close(); }

void PngRowReader::close() {
    if (png_) {
        png_structp png = Png(png_);
        png_infop info = Info(info_);
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    }
    png_ = info_ = nullptr;
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

bool PngRowReader::failed(std::string* error) {
    if (error) *error = "Cannot read " + path_ + ": " + errors_->message;
    close();
    return false;
}

void PngRowReader::takeTexts(void* info) {
    png_textp texts = nullptr;
    const int count = png_get_text(Png(png_), Info(info), &texts, nullptr);
    for (int i = static_cast<int>(texts_.size()); i < count; ++i) {
        const size_t length = texts[i].compression > 0 ? texts[i].itxt_length : texts[i].text_length;
        texts_.emplace_back(texts[i].key, std::string(texts[i].text, length));
    }
}

// Every libpng call below runs under a setjmp of its own function, and no
// object with a destructor is created between the setjmp and the calls.
bool PngRowReader::open(const std::string& path, std::string* error) {
    close();
    path_ = path;
    texts_.clear();
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        std::snprintf(errors_->message, sizeof errors_->message, "%s", std::strerror(errno));
        return failed(error);
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, errors_.get(), PngError, PngWarning);
    png_ = png;
    if (png) info_ = png_create_info_struct(png);
    if (!png_ || !info_) {
        std::snprintf(errors_->message, sizeof errors_->message, "out of memory");
        return failed(error);
    }
    if (setjmp(png_jmpbuf(png))) return failed(error);
    png_init_io(png, file_);
    png_read_info(png, Info(info_));
    png_uint_32 w = 0, h = 0;
    int depth = 0, colour = 0, interlace = 0;
    png_get_IHDR(png, Info(info_), &w, &h, &depth, &colour, &interlace, nullptr, nullptr);
    if (depth != 8 || colour != PNG_COLOR_TYPE_RGB || interlace != PNG_INTERLACE_NONE) {
        std::snprintf(errors_->message, sizeof errors_->message, "not an 8-bit RGB picture without interlacing");
        return failed(error);
    }
    width_ = static_cast<int>(w);
    height_ = static_cast<int>(h);
    takeTexts(info_);
    return true;
}

bool PngRowReader::readRow(uint8_t* rgb, std::string* error) {
    if (!png_) return failed(error);
    if (setjmp(png_jmpbuf(Png(png_)))) return failed(error);
    png_read_row(Png(png_), rgb, nullptr);
    return true;
}

bool PngRowReader::finish(std::string* error) {
    if (!png_) return failed(error);
    if (setjmp(png_jmpbuf(Png(png_)))) return failed(error);
    png_read_end(Png(png_), Info(info_));
    takeTexts(info_);
    close();
    return true;
}

}  // namespace zarvo
