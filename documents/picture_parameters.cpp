#include "picture_parameters.h"

#include <png.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "jpeg_errors.h"
#include "png_errors.h"

namespace zarvo {

const char* const parametersKeyword = "zarvo-parameters";

namespace {

enum class Kind { Other, Png, Jpeg };

Kind KindOf(std::FILE* f) {
    unsigned char head[8] = {};
    const size_t got = std::fread(head, 1, sizeof head, f);
    std::rewind(f);
    if (got == 8 && png_sig_cmp(head, 0, 8) == 0) return Kind::Png;
    if (got >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return Kind::Jpeg;
    return Kind::Other;
}

// The comment segments before the first scan; the first one that starts
// with the keyword and a line feed.
void ReadJpegComment(std::FILE* f, CarriedParameters& result) {
    const size_t prefix = std::strlen(parametersKeyword) + 1;
    jpeg_decompress_struct cinfo;
    JpegErrorManager err;
    cinfo.err = UseJpegErrors(err);
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        result.error = err.message;
        return;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, f);
    jpeg_save_markers(&cinfo, JPEG_COM, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        if (m->marker != JPEG_COM || m->data_length < prefix) continue;
        if (std::memcmp(m->data, parametersKeyword, prefix - 1) != 0 || m->data[prefix - 1] != '\n') continue;
        result.bytes.assign(reinterpret_cast<const char*>(m->data) + prefix, m->data_length - prefix);
        result.found = true;
        break;
    }
    jpeg_destroy_decompress(&cinfo);
}

// The text chunks before the picture data. A chunk whose check sum does not
// match is still taken: its text is then read like any damaged file.
void ReadPngText(std::FILE* f, CarriedParameters& result) {
    PngErrorText errors;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &errors, PngError, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        result.error = "out of memory";
        return;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        result.error = errors.message;
        return;
    }
    png_init_io(png, f);
    png_set_crc_action(png, PNG_CRC_DEFAULT, PNG_CRC_QUIET_USE);
    png_read_info(png, info);
    png_textp texts = nullptr;
    int count = 0;
    png_get_text(png, info, &texts, &count);
    // The iTXt chunk, else a copy in a Latin-1 text chunk.
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(texts[i].key, parametersKeyword) != 0) continue;
        const bool international = texts[i].compression > 0;
        if (result.found && !international) continue;
        result.bytes.assign(texts[i].text, international ? texts[i].itxt_length : texts[i].text_length);
        result.found = true;
        if (international) break;
    }
    png_destroy_read_struct(&png, &info, nullptr);
}

}  // namespace

CarriedParameters ReadCarriedParameters(const std::string& path) {
    CarriedParameters result;
    // Only a plain file is looked into: a pipe or a device would lose the
    // bytes read here.
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return result;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return result;
    const Kind kind = KindOf(f);
    if (kind != Kind::Other) {
        result.picture = true;
        if (kind == Kind::Png) ReadPngText(f, result);
        else ReadJpegComment(f, result);
        if (!result.found) {
            result.error = result.error.empty() ? "The picture " + path + " carries no parameters"
                                                : "Cannot read the parameters of " + path + ": " + result.error;
        }
    }
    std::fclose(f);
    return result;
}

}  // namespace zarvo
