// JPEG through libjpeg, fed a row at a time. Every call into libjpeg is made
// under its own setjmp, and nothing with a destructor is created between a
// setjmp and the calls it guards: an encoder error jumps back with its text.
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#include "jpeg_errors.h"
#include "picture_parameters.h"
#include "row_encoders.h"

namespace zarvo {

namespace {

// A JPEG segment holds at most 65533 bytes after its marker and length.
constexpr size_t kLargestComment = 65533;

class Jpeg : public RowEncoder {
public:
    Jpeg() { std::memset(&cinfo_, 0, sizeof cinfo_); }
    ~Jpeg() override {
        if (created_) jpeg_destroy_compress(&cinfo_);
    }

    bool start(std::FILE* f, int width, int height, const PictureFileOptions& o, std::string* error) override {
        comment_.clear();
        if (!o.parameters.empty()) comment_ = std::string(parametersKeyword) + "\n" + o.parameters;
        if (comment_.size() > kLargestComment) {
            *error = "the parameter file is too large to be carried in a JPEG picture";
            return false;
        }
        int quality = o.quality & 0xFF;
        if (quality < 1) quality = 1;
        if (quality > 100) quality = 100;

        cinfo_.err = UseJpegErrors(err_);
        if (setjmp(err_.jump)) return failed(error);
        created_ = true;
        jpeg_create_compress(&cinfo_);
        jpeg_stdio_dest(&cinfo_, f);
        cinfo_.image_width = static_cast<JDIMENSION>(width);
        cinfo_.image_height = static_cast<JDIMENSION>(height);
        cinfo_.input_components = 3;
        cinfo_.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo_);
        jpeg_set_quality(&cinfo_, quality, TRUE);
        if (o.progressive) jpeg_simple_progression(&cinfo_);
        jpeg_start_compress(&cinfo_, TRUE);
        if (!comment_.empty()) {
            jpeg_write_marker(&cinfo_, JPEG_COM, reinterpret_cast<const JOCTET*>(comment_.data()),
                              static_cast<unsigned>(comment_.size()));
        }
        return true;
    }

    bool row(const uint8_t* rgb, int, std::string* error) override {
        if (setjmp(err_.jump)) return failed(error);
        JSAMPROW row = const_cast<JSAMPROW>(rgb);
        jpeg_write_scanlines(&cinfo_, &row, 1);
        return true;
    }

    bool end(const PictureTexts&, std::string* error) override {
        if (setjmp(err_.jump)) return failed(error);
        jpeg_finish_compress(&cinfo_);
        return true;
    }

private:
    bool failed(std::string* error) {
        *error = err_.message;
        return false;
    }

    jpeg_compress_struct cinfo_;
    JpegErrorManager err_;
    bool created_ = false;
    std::string comment_;
};

}  // namespace

std::string JpegSizeProblem(int width, int height) {
    return width > JPEG_MAX_DIMENSION || height > JPEG_MAX_DIMENSION ? "the picture is too large for JPEG"
                                                                     : std::string();
}

std::unique_ptr<RowEncoder> JpegRows() { return std::make_unique<Jpeg>(); }

}  // namespace zarvo
