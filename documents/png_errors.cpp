#include "png_errors.h"

#include <cstdio>

namespace zarvo {

void PngError(png_structp png, png_const_charp message) {
    if (auto* text = static_cast<PngErrorText*>(png_get_error_ptr(png)))
        std::snprintf(text->message, sizeof text->message, "%s", message ? message : "PNG error");
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

}  // namespace zarvo
