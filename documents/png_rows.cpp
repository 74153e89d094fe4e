// PNG through libpng, 8-bit RGB without interlacing, fed a row at a time.
// The parameter file goes into an uncompressed iTXt chunk before the picture
// data, and once more into a compressed zTXt chunk of the same keyword for
// the programs that skip iTXt chunks (ImageMagick's identify, for one). Every call into libpng is made under its own
// setjmp, and nothing with a destructor is created between a setjmp and the calls it guards.
#include <png.h>

#include "picture_parameters.h"
#include "png_errors.h"
#include "row_encoders.h"

namespace zarvo {

namespace {

class Png : public RowEncoder {
public:
    ~Png() override {
        if (png_) png_destroy_write_struct(&png_, &info_);
    }

    bool start(std::FILE* f, int width, int height, const PictureFileOptions& o, std::string* error) override {
        parameters_ = o.parameters;
        png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, &errors_, PngError, PngWarning);
        if (png_) info_ = png_create_info_struct(png_);
        if (!png_ || !info_) {
            *error = "out of memory";
            return false;
        }
        if (setjmp(png_jmpbuf(png_))) return failed(error);
        png_init_io(png_, f);
        png_set_IHDR(png_, info_, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        if (!parameters_.empty()) {
            png_text texts[2] = {};
            for (png_text& text : texts) {
                text.key = const_cast<png_charp>(parametersKeyword);
                text.text = parameters_.data();
            }
            texts[0].compression = PNG_ITXT_COMPRESSION_NONE;
            texts[0].itxt_length = parameters_.size();
            texts[1].compression = PNG_TEXT_COMPRESSION_zTXt;
            texts[1].text_length = parameters_.size();
            png_set_text(png_, info_, texts, 2);
        }
        setTexts(o.texts);
        png_write_info(png_, info_);
        return true;
    }

    bool row(const uint8_t* rgb, int, std::string* error) override {
        if (setjmp(png_jmpbuf(png_))) return failed(error);
        png_write_row(png_, rgb);
        return true;
    }

    bool end(const PictureTexts& after, std::string* error) override {
        if (setjmp(png_jmpbuf(png_))) return failed(error);
        if (after.empty()) {
            png_write_end(png_, nullptr);
        } else {
            setTexts(after);  // only the chunks not written yet follow the data
            png_write_end(png_, info_);
        }
        return true;
    }

private:
    // Called under the caller's setjmp; libpng keeps copies of the texts.
    void setTexts(const PictureTexts& texts) {
        for (const auto& [key, text] : texts) {
            png_text chunk = {};
            chunk.compression = PNG_TEXT_COMPRESSION_NONE;
            chunk.key = const_cast<png_charp>(key.c_str());
            chunk.text = const_cast<png_charp>(text.c_str());
            chunk.text_length = text.size();
            png_set_text(png_, info_, &chunk, 1);
        }
    }

    bool failed(std::string* error) {
        *error = errors_.message;
        return false;
    }

    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
    PngErrorText errors_;
    std::string parameters_;
};

}  // namespace

std::unique_ptr<RowEncoder> PngRows() { return std::make_unique<Png>(); }

}  // namespace zarvo
